#pragma once
// The values of section "Parametri" held in memory for the whole run (the open log and its
// modified flag belong to the log document). A command changes one
// through its setter, which changes the value in memory and writes it to the store in one call;
// the setter returns false when the store could not be written (the value in memory keeps the
// change, and the run goes on with it). Without a store only the memory changes.
// The band and the mode change at every choice in the entry row and are worth little: their
// setters only change the store, whose next write or flush takes them to the file.

#include <QString>

#include <string>

namespace zelkor {

class SettingsStore;

struct AppSettings {
    std::string currentBand = "7";
    std::string currentMode = "SSB";
    int claimedScore = 0;
    bool swlExportByBand = false;
    int backgroundColour = 0x2060E0;  // 0x00BBGGRR
    int textColour = 0xFFFFFF;

    bool operator==(const AppSettings&) const = default;

    void SetCurrentBand(SettingsStore* store, const std::string& band);
    void SetCurrentMode(SettingsStore* store, const std::string& mode);
    [[nodiscard]] bool SetClaimedScore(SettingsStore* store, int score);
    [[nodiscard]] bool SetSwlExportByBand(SettingsStore* store, bool byBand);
    [[nodiscard]] bool SetBackgroundColour(SettingsStore* store, int colour);
    [[nodiscard]] bool SetTextColour(SettingsStore* store, int colour);
};

// The message for a settings write that failed: the store's file and the reason.
QString SettingsWriteFailedText(const QString& file, const QString& reason);

AppSettings ReadAppSettings(const SettingsStore& store);

}  // namespace zelkor
