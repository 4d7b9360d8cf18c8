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
    s.openLogPath = store.ReadSetting(keys::kOpenLogPath, QString());
    s.openLogName = store.ReadSetting(keys::kOpenLogName, QString());
    s.logModified = store.ReadSetting(keys::kModified, 0) != 0;
    s.swlExportByBand = store.ReadSetting(keys::kSwlExportByBand, 0) != 0;
    s.backgroundColour = store.ReadSetting(keys::kBackgroundColour, keys::kDefaultBackgroundColour);
    s.textColour = store.ReadSetting(keys::kTextColour, keys::kDefaultTextColour);
    return s;
}

}  // namespace zelkor
