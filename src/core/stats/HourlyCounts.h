#pragma once
// Contacts per clock hour, by band/mode group: the bars of the chart. A contest lasts a day, so
// the chart shows at most a few days; a stray row years away can't make it endless.

#include "core/stats/LogTimeline.h"

#include <array>
#include <cstdint>
#include <vector>

namespace zelkor {

inline constexpr int kMaxChartHours = 72;

using GroupCounts = std::array<int, kGroupCount>;

struct HourlyCounts {
    // The first hour shown, as minute / 60 of the minute count.
    std::int64_t firstHour = 0;
    // One entry per clock hour from firstHour to the hour of the latest contact; hours without
    // contacts are there with zeros.
    std::vector<GroupCounts> hours;
    // Contacts earlier than firstHour (only when the log spans more than the hours allowed).
    int leftOut = 0;

    [[nodiscard]] int HourCount() const { return static_cast<int>(hours.size()); }
    [[nodiscard]] int Total(int hour) const;

    bool operator==(const HourlyCounts&) const = default;
};

// From the hour of the first contact, or from the hour maxHours - 1 before the latest one when
// the log is longer than that.
HourlyCounts CountPerHour(const LogTimeline& timeline, int maxHours = kMaxChartHours);

}  // namespace zelkor
