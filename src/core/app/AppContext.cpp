#include "app/AppContext.h"

#include "app/ProgramFolder.h"

namespace zelkor {

QString AppContext::WorkingFilePath() const
{
    return programFolder + QLatin1String(kWorkingFileName);
}

QString AppContext::ProvinceFilePath() const
{
    return programFolder + QLatin1String(kProvinceFileName);
}

}  // namespace zelkor
