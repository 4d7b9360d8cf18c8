#include "core/presenters/OptionsLogic.h"

#include "core/platform/Prompter.h"
#include "core/settings/SettingsStore.h"

namespace zelkor {

OptionsLogic::OptionsLogic(AppSettings& settings, SettingsStore& store, Prompter& prompter)
    : m_settings(settings), m_store(store), m_prompter(prompter)
{
}

bool OptionsLogic::ChooseBackgroundColour()
{
    return ChooseColour(m_settings.backgroundColour, &AppSettings::SetBackgroundColour);
}

bool OptionsLogic::ChooseTextColour()
{
    return ChooseColour(m_settings.textColour, &AppSettings::SetTextColour);
}

bool OptionsLogic::ChooseColour(int colour, ColourSetter setter)
{
    const std::optional<int> chosen = m_prompter.ChooseColour(colour);
    if (!chosen) {
        return false;
    }
    // A store that can't be written keeps the colour for this run only.
    TellIfNotWritten((m_settings.*setter)(&m_store, *chosen));
    return true;
}

void OptionsLogic::Save(bool swlExportByBand)
{
    TellIfNotWritten(m_settings.SetSwlExportByBand(&m_store, swlExportByBand));
}

void OptionsLogic::TellIfNotWritten(bool written)
{
    if (!written) {
        m_prompter.Error(SettingsWriteFailedText(m_store.FileName(), m_store.FailureReason()));
    }
}

}  // namespace zelkor
