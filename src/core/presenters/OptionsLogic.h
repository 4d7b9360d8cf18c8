#pragma once
// What the options window decides: the two dialog colours are chosen through the prompter and
// stored at once, whichever way the window is then closed; the SWL export option is stored only
// when the window is saved. The windows already open keep the colours they started with.

#include "core/settings/AppSettings.h"

namespace zelkor {

class Prompter;
class SettingsStore;

class OptionsLogic {
public:
    OptionsLogic(AppSettings& settings, SettingsStore& store, Prompter& prompter);

    // Colours as stored: 0x00BBGGRR.
    [[nodiscard]] int BackgroundColour() const { return m_settings.backgroundColour; }
    [[nodiscard]] int TextColour() const { return m_settings.textColour; }
    [[nodiscard]] bool SwlExportByBand() const { return m_settings.swlExportByBand; }

    // Open the colour chooser on the current colour; true when a colour was chosen (and
    // stored), so that the sample must be drawn again.
    bool ChooseBackgroundColour();
    bool ChooseTextColour();

    void Save(bool swlExportByBand);

private:
    using ColourSetter = bool (AppSettings::*)(SettingsStore*, int);
    bool ChooseColour(int colour, ColourSetter setter);
    void TellIfNotWritten(bool written);

    AppSettings& m_settings;
    SettingsStore& m_store;
    Prompter& m_prompter;
};

}  // namespace zelkor
