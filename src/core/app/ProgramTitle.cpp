#include "core/app/ProgramTitle.h"

#include "core/text/Cp1252.h"
#include "core/text/EncodedText.h"

namespace zelkor {

QString ProgramTitleText()
{
    return ToQString(FetchEncodedString(kProgramTitleEntry));
}

QString WindowTitle(const QString& openLogName)
{
    if (openLogName.isEmpty()) {
        return ProgramTitleText();
    }
    return ProgramTitleText() + QStringLiteral(" - ") + openLogName;
}

}  // namespace zelkor
