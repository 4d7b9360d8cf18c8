#include "app/ProgramTitle.h"

namespace zelkor {

QString ProgramTitleText()
{
    return QStringLiteral("Zelkor - Contest Italiano 40/80 metri");
}

QString WindowTitle(const QString& openLogName)
{
    if (openLogName.isEmpty()) {
        return ProgramTitleText();
    }
    return ProgramTitleText() + QStringLiteral(" - ") + openLogName;
}

}  // namespace zelkor
