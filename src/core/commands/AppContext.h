#pragma once
// Everything the program and its commands keep for the whole run: the settings values, the
// entrant's data, the province table, the call history, the program folder and what the command
// line asked for. The application owns one and hands it to the main window.

#include "core/history/CallHistory.h"
#include "core/platform/InstanceLock.h"
#include "core/provinces/ProvinceTable.h"
#include "core/settings/AppSettings.h"
#include "core/settings/RecentFileList.h"
#include "core/settings/SettingsStore.h"
#include "core/settings/SummaryData.h"

#include <QString>

#include <memory>

namespace zelkor {

class Prompter;

struct AppContext {
    std::unique_ptr<SettingsStore> store;
    AppSettings settings;
    SummaryData summary;
    QString programFolder;
    ProvinceTable provinces;
    // Always what "_storico.cod" holds: the commands change it only after writing the file.
    CallHistory history;
    RecentFileList recentFiles;
    // Held for the whole run when start-up claimed the program folder.
    std::unique_ptr<InstanceLock> instanceLock;
    // Absolute; consumed once when the main window first opens.
    QString startupLogPath;
    bool automation = false;

    [[nodiscard]] QString WorkingFilePath() const;
    [[nodiscard]] QString ProvinceFilePath() const;
    [[nodiscard]] QString HistoryFilePath() const;
    // After a settings setter: a failed write is told to the operator, once a run, so that a
    // full disk does not bring a message at every band change.
    void ReportSettingsWrite(bool written, Prompter& prompter);
    bool settingsFailureTold = false;
    // The end of the run: the choices not yet written and the recent files reach the settings
    // file, and a failure is told as any other.
    void SaveSettingsAtExit(Prompter& prompter);
};

}  // namespace zelkor
