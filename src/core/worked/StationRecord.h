#pragma once
// The history of one station heard in an SWL log: on which band/mode combinations it was logged
// as calling station, how often as answering station, and the province it last called from.

#include "core/contest/BandMode.h"

#include <array>
#include <cstdint>
#include <string>

namespace zelkor {

struct StationRecord {
    // A counter stops here: three answers are the most a station may be logged with.
    static constexpr int kMaxAnswerCount = 3;

    // As written in the log rows; only equal texts are the same station.
    std::string callsign;
    // Band bits per ModeRow of the combinations logged as calling station.
    std::array<std::uint8_t, kModeRowCount> callerBits{};
    // Per BandIndex, three 2-bit counters of answers: bits 0-1 SSB, 2-3 CW, 4-5 digital.
    std::array<std::uint8_t, kBandCount> answerCounts{};
    // Province code of the last row with this station calling; empty if it never called.
    std::string province;

    // Band and ModeRow outside the tables read as "never" and are not written.
    [[nodiscard]] bool IsCaller(int bandIndex, int modeRow) const;
    void MarkCaller(int bandIndex, int modeRow);
    [[nodiscard]] int AnswerCount(int bandIndex, int modeRow) const;
    // One more answer, unless the counter is already at kMaxAnswerCount; the other counters of
    // the byte keep their values.
    void RaiseAnswerCount(int bandIndex, int modeRow);

    bool operator==(const StationRecord& other) const = default;
};

}  // namespace zelkor
