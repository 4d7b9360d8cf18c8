#include "core/presenters/OptionsLogic.h"

#include "core/platform/Prompter.h"
#include "core/settings/SettingKeys.h"
#include "core/settings/SettingsStore.h"

namespace zelkor {

OptionsLogic::OptionsLogic(AppSettings& settings, SettingsStore& store, Prompter& prompter)
    : m_settings(settings), m_store(store), m_prompter(prompter)
{
}

bool OptionsLogic::ChooseBackgroundColour()
{
    return ChooseColour(m_settings.backgroundColour, keys::kBackgroundColour);
}

bool OptionsLogic::ChooseTextColour()
{
    return ChooseColour(m_settings.textColour, keys::kTextColour);
}

bool OptionsLogic::ChooseColour(int& colour, const SettingKey& key)
{
    const std::optional<int> chosen = m_prompter.ChooseColour(colour);
    if (!chosen) {
        return false;
    }
    colour = *chosen;
    // A store that can't be written keeps the colour for this run only; nothing to tell.
    (void)m_store.WriteSetting(key, colour);
    return true;
}

void OptionsLogic::Save(bool swlExportByBand)
{
    m_settings.swlExportByBand = swlExportByBand;
    (void)m_store.WriteSetting(keys::kSwlExportByBand, swlExportByBand ? 1 : 0);
}

}  // namespace zelkor
