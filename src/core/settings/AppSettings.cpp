#include "core/settings/AppSettings.h"

#include "core/settings/SettingKeys.h"
#include "core/text/Cp1252.h"

namespace zelkor {

AppSettings ReadAppSettings(const SettingsStore& store)
{
    AppSettings s;
    s.currentBand =
        FromQString(store.ReadSetting(keys::kBand, QString::fromLatin1(keys::kDefaultBand)));
    s.currentMode =
        FromQString(store.ReadSetting(keys::kMode, QString::fromLatin1(keys::kDefaultMode)));
    s.claimedScore = store.ReadSetting(keys::kScore, 0);
    s.swlExportByBand = store.ReadSetting(keys::kSwlExportByBand, 0) != 0;
    s.backgroundColour = store.ReadSetting(keys::kBackgroundColour, keys::kDefaultBackgroundColour);
    s.textColour = store.ReadSetting(keys::kTextColour, keys::kDefaultTextColour);
    return s;
}

namespace {

bool Write(SettingsStore* store, const SettingKey& key, int value)
{
    return store == nullptr || store->WriteSetting(key, value);
}

}  // namespace

void AppSettings::SetCurrentBand(SettingsStore* store, const std::string& band)
{
    currentBand = band;
    if (store != nullptr) {
        store->ChangeSetting(keys::kBand, ToQString(band));
    }
}

void AppSettings::SetCurrentMode(SettingsStore* store, const std::string& mode)
{
    currentMode = mode;
    if (store != nullptr) {
        store->ChangeSetting(keys::kMode, ToQString(mode));
    }
}

bool AppSettings::SetClaimedScore(SettingsStore* store, int score)
{
    claimedScore = score;
    return Write(store, keys::kScore, score);
}

bool AppSettings::SetSwlExportByBand(SettingsStore* store, bool byBand)
{
    swlExportByBand = byBand;
    return Write(store, keys::kSwlExportByBand, byBand ? 1 : 0);
}

bool AppSettings::SetBackgroundColour(SettingsStore* store, int colour)
{
    backgroundColour = colour;
    return Write(store, keys::kBackgroundColour, colour);
}

bool AppSettings::SetTextColour(SettingsStore* store, int colour)
{
    textColour = colour;
    return Write(store, keys::kTextColour, colour);
}

QString SettingsWriteFailedText(const QString& file, const QString& reason)
{
    QString text = QStringLiteral("Impossibile salvare le impostazioni nel file:\n") + file;
    if (!reason.isEmpty()) {
        text += QStringLiteral("\n\n") + reason;
    }
    return text +
           QStringLiteral("\n\nLe scelte fatte restano valide fino alla chiusura del programma.");
}

}  // namespace zelkor
