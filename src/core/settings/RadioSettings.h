#pragma once
// How the program reaches the radio: whether the entry row follows it, the radio's model number
// in Hamlib's list, the serial device or the host:port of a rigctld, and the serial speed. Kept
// in the settings group "Radio".

#include <QString>

namespace zelkor {

class SettingsStore;

struct RadioSettings {
    // Hamlib's network model, which talks to a rigctld.
    static constexpr int kNetworkModel = 2;

    bool follow = false;
    int model = kNetworkModel;
    QString port = QStringLiteral("localhost:4532");
    // Bits per second; 0 leaves the model's own speed.
    int speed = 0;

    bool operator==(const RadioSettings&) const = default;
};

RadioSettings ReadRadioSettings(const SettingsStore& store);
// False when the store could not be written; the caller keeps the values for this run.
[[nodiscard]] bool WriteRadioSettings(SettingsStore& store, const RadioSettings& settings);

}  // namespace zelkor
