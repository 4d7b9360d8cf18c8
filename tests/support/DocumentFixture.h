#pragma once
// A program context whose settings live in a test folder, made before the log document that
// reads the open log and the modified flag from them.

#include "core/commands/AppContext.h"
#include "core/document/LogDocument.h"
#include "core/settings/SettingsStore.h"
#include "support/TempFolder.h"

namespace zelkor::test {

inline AppContext ContextWithStore(const TempFolder& config)
{
    AppContext context;
    context.store = SettingsStore::OpenFile(config.File(QStringLiteral("zelkor.conf")));
    return context;
}

}  // namespace zelkor::test
