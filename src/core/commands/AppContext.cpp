#include "core/commands/AppContext.h"

#include "core/platform/ProgramFolder.h"

namespace zelkor {

QString AppContext::WorkingFilePath() const
{
    return programFolder + QLatin1String(kWorkingFileName);
}

QString AppContext::ProvinceFilePath() const
{
    return programFolder + QLatin1String(kProvinceFileName);
}

QString AppContext::HistoryFilePath() const
{
    return programFolder + QLatin1String(kHistoryFileName);
}

}  // namespace zelkor
