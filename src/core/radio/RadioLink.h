#pragma once
// The seam between the program and a radio: open a connection, read the frequency and mode, close
// it. The real link talks through Hamlib and lives outside the core; tests put fakes in its place.
// A link is made, used and destroyed on one worker thread, never on the window's thread, so its
// calls may block for as long as the radio takes to answer.

#include "core/settings/RadioSettings.h"

#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace zelkor {

struct RadioReading {
    double frequencyHz = 0;
    // The mode as Hamlib names it ("USB", "CW", "PKTUSB", ...); empty when the radio didn't say.
    std::string mode;

    bool operator==(const RadioReading&) const = default;
};

class RadioLink {
public:
    virtual ~RadioLink() = default;

    // On failure the reason is an Italian phrase ("la radio non risponde") for the messages.
    virtual bool Open(QString& reason) = 0;
    virtual std::optional<RadioReading> Read(QString& reason) = 0;
    virtual void Close() = 0;
};

// Makes a link that is not yet open. Called on the worker thread.
using RadioLinkFactory = std::function<std::unique_ptr<RadioLink>()>;
// The maker of the links that a set of settings describes: Hamlib's in the program.
using RadioLinkMaker = std::function<RadioLinkFactory(const RadioSettings&)>;

}  // namespace zelkor
