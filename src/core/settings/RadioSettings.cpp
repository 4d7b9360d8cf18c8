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
    store.ChangeSetting(keys::kRadioFollow, settings.follow ? 1 : 0);
    store.ChangeSetting(keys::kRadioModel, settings.model);
    store.ChangeSetting(keys::kRadioPort, settings.port);
    store.ChangeSetting(keys::kRadioSpeed, settings.speed);
    return store.Flush();
}

}  // namespace zelkor
