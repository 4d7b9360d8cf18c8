#include "core/commands/AppContext.h"

#include "core/platform/ProgramFolder.h"
#include "core/platform/Prompter.h"

namespace zelkor {

QString AppContext::WorkingFilePath() const
{
    return programFolder + QLatin1String(kWorkingFileName);
}

QString AppContext::ProvinceFilePath() const
{
    return programFolder + QLatin1String(kProvinceFileName);
}

void AppContext::ReportSettingsWrite(bool written, Prompter& prompter)
{
    if (written || settingsFailureTold) {
        return;
    }
    settingsFailureTold = true;
    prompter.Error(store ? SettingsWriteFailedText(store->FileName(), store->FailureReason())
                         : SettingsWriteFailedText(QString(), QString()));
}

void AppContext::SaveSettingsAtExit(Prompter& prompter)
{
    if (!store) {
        return;
    }
    ReportSettingsWrite(store->Flush(), prompter);
    ReportSettingsWrite(recentFiles.Save(*store), prompter);
}

QString AppContext::HistoryFilePath() const
{
    return programFolder + QLatin1String(kHistoryFileName);
}

}  // namespace zelkor
