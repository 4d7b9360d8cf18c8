#include "core/stats/HourlyCounts.h"

#include <algorithm>
#include <numeric>

namespace zelkor {

int HourlyCounts::Total(int hour) const
{
    if (hour < 0 || hour >= HourCount()) {
        return 0;
    }
    const GroupCounts& counts = hours[static_cast<std::size_t>(hour)];
    return std::accumulate(counts.begin(), counts.end(), 0);
}

HourlyCounts CountPerHour(const LogTimeline& timeline, int maxHours)
{
    HourlyCounts result;
    if (timeline.IsEmpty() || maxHours < 1) {
        return result;
    }
    const std::int64_t lastHour = timeline.Last() / 60;
    result.firstHour = std::max(timeline.First() / 60, lastHour - maxHours + 1);
    result.hours.resize(static_cast<std::size_t>(lastHour - result.firstHour + 1), GroupCounts{});
    for (const TimedContact& contact : timeline.contacts) {
        const std::int64_t hour = contact.minute / 60 - result.firstHour;
        if (hour < 0) {
            ++result.leftOut;
            continue;
        }
        ++result.hours[static_cast<std::size_t>(hour)][static_cast<std::size_t>(contact.group)];
    }
    return result;
}

}  // namespace zelkor
