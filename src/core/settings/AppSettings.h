#pragma once
// The values of section "Parametri" held in memory for the whole run. Each command that changes
// one writes it back at once through the store.

#include <QString>

#include <string>

namespace zelkor {

class SettingsStore;

struct AppSettings {
    std::string currentBand = "7";
    std::string currentMode = "SSB";
    int claimedScore = 0;
    QString openLogPath;
    QString openLogName;
    bool logModified = false;
    bool swlExportByBand = false;
    int backgroundColour = 0x2060E0;  // 0x00BBGGRR
    int textColour = 0xFFFFFF;

    bool operator==(const AppSettings&) const = default;
};

AppSettings ReadAppSettings(const SettingsStore& store);

}  // namespace zelkor
