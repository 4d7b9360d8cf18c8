#include "core/settings/RadioSettings.h"

#include "core/settings/SettingKeys.h"
#include "core/settings/SettingsStore.h"

namespace zelkor {

RadioSettings ReadRadioSettings(const SettingsStore& store)
{
    const RadioSettings defaults;
    RadioSettings s;
    s.follow = store.ReadSetting(keys::kRadioFollow, 0) != 0;
    s.model = store.ReadSetting(keys::kRadioModel, defaults.model);
    s.port = store.ReadSetting(keys::kRadioPort, defaults.port);
    s.speed = store.ReadSetting(keys::kRadioSpeed, defaults.speed);
    if (s.speed < 0) {
        s.speed = defaults.speed;
    }
    return s;
}

bool WriteRadioSettings(SettingsStore& store, const RadioSettings& settings)
{
    // Every value is tried, whatever became of the one before.
    bool written = store.WriteSetting(keys::kRadioFollow, settings.follow ? 1 : 0);
    written = store.WriteSetting(keys::kRadioModel, settings.model) && written;
    written = store.WriteSetting(keys::kRadioPort, settings.port) && written;
    return store.WriteSetting(keys::kRadioSpeed, settings.speed) && written;
}

}  // namespace zelkor
