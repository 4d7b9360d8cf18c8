#pragma once
// What the radio's frequency and mode mean for the entry row, and how the window writes them.

#include "core/radio/RadioLink.h"

#include <QString>

#include <optional>
#include <string>
#include <string_view>

namespace zelkor {

// "3,5" from 3 500 to 3 800 kHz and "7" from 7 000 to 7 200 kHz, both edges included; nothing
// on any other frequency.
std::optional<std::string> BandForFrequency(double hertz);

// Hamlib's modes as the contest groups them. Other: modes the contest doesn't know (AM, FM, ...).
enum class RadioModeKind { Ssb, Cw, Rtty, Data, Other };
RadioModeKind RadioModeKindOf(std::string_view hamlibMode);

// The entry row's mode for a radio mode. A data mode keeps "RTTY" or "PSK31" when the row shows
// one of them and gives "RTTY" otherwise; Other gives nothing.
std::optional<std::string> EntryModeFor(RadioModeKind kind, std::string_view shownMode);

// "7.045,0 kHz": kilohertz to a tenth, Italian separators; never negative.
QString FrequencyText(double hertz);
// "7.045,0 kHz CW"; the mode is left out when the radio didn't name one.
QString RadioReadingText(const RadioReading& reading);
// "Radio: 7.045,0 kHz CW"
QString RadioLabelText(const RadioReading& reading);
QString RadioNotConnectedText();
// What "Prova" shows: the reading, or why the open (lost false) or the reading failed.
QString RadioProbeText(const RadioReading& reading);
QString RadioProbeFailureText(const QString& reason, bool lost);

}  // namespace zelkor
