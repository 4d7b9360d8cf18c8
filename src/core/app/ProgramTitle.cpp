#include "app/ProgramTitle.h"

#include "dialogs/EncodedText.h"
#include "text/Cp1252.h"

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
