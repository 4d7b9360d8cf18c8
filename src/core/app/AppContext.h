#pragma once
// Everything the program keeps for the whole run: the settings values, the entrant's data, the
// province table, the program folder and what the command line asked for. The application owns
// one and hands it to the main window.

#include "app/AppSettings.h"
#include "app/InstanceLock.h"
#include "app/RecentFileList.h"
#include "app/SettingsStore.h"
#include "app/SummaryData.h"
#include "provinces/ProvinceTable.h"

#include <QString>

#include <memory>

namespace zelkor {

struct AppContext {
    std::unique_ptr<SettingsStore> store;
    AppSettings settings;
    SummaryData summary;
    // Set from the category at start; the main window's log layout takes over from there.
    bool swlMode = false;
    QString programFolder;
    ProvinceTable provinces;
    RecentFileList recentFiles;
    // Held for the whole run when start-up claimed the program folder.
    std::unique_ptr<InstanceLock> instanceLock;
    // Absolute; consumed once when the main window first opens.
    QString startupLogPath;
    bool automation = false;

    QString WorkingFilePath() const;
    QString ProvinceFilePath() const;
};

}  // namespace zelkor
