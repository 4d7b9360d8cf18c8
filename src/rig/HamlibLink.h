#pragma once
// The radio link over Hamlib: any radio of Hamlib's list on a serial port, or a rigctld on the
// network (model 2, "host:port"). Used only on the radio worker's thread; the model list is read
// on a thread of its own.

#include "core/radio/RadioLink.h"
#include "core/radio/RadioModels.h"
#include "core/settings/RadioSettings.h"

#include <vector>

struct s_rig;

namespace zelkor {

class HamlibLink final : public RadioLink {
public:
    // Hamlib's limits for one answer of the radio are lowered to these, so that a radio that
    // doesn't answer keeps a worker for a second or two, not for tens of seconds.
    static constexpr int kTimeoutMs = 1000;
    static constexpr int kRetries = 1;

    explicit HamlibLink(RadioSettings settings);
    ~HamlibLink() override;
    HamlibLink(const HamlibLink&) = delete;
    HamlibLink& operator=(const HamlibLink&) = delete;
    HamlibLink(HamlibLink&&) = delete;
    HamlibLink& operator=(HamlibLink&&) = delete;

    bool Open(QString& reason) override;
    std::optional<RadioReading> Read(QString& reason) override;
    void Close() override;

    // The Italian reason for one of Hamlib's error codes; while opening, the port is named.
    static QString ErrorText(int hamlibError, const QString& port = QString());
    // Every model Hamlib knows, sorted by maker and model.
    static const std::vector<RadioModel>& Models();
    // Called on the window's thread; sets LC_NUMERIC to "C" (see the source for why).
    static RadioLinkFactory Factory(const RadioSettings& settings);

private:
    RadioSettings m_settings;
    s_rig* m_rig = nullptr;
};

}  // namespace zelkor
