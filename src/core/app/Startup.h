#pragma once
// The start-up steps that come before the main window: settings, program folder, province table,
// recent files and the command line.

#include "app/AppContext.h"

#include <QStringList>

namespace zelkor {

class Prompter;

struct StartupInputs {
    std::unique_ptr<SettingsStore> store;
    QStringList arguments;  // without the program name
    QString executableFolder;
    QString userDataFolder;
};

// Fills the context in the program's start-up order. A missing province file is reported through
// the prompter and start-up goes on with an empty table.
void RunStartup(AppContext& context, StartupInputs inputs, Prompter& prompter);

}  // namespace zelkor
