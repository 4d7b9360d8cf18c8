#include "core/stats/RateFigures.h"

#include <algorithm>
#include <cstddef>

namespace zelkor {
namespace {

// Contacts in the window of the given minutes that ends with the latest.
int CountSince(std::span<const std::int64_t> minutes, std::int64_t firstMinute)
{
    const auto from = std::lower_bound(minutes.begin(), minutes.end(), firstMinute);
    return static_cast<int>(minutes.end() - from);
}

std::optional<RecentRate> RateOfLast(std::span<const std::int64_t> minutes, int wanted)
{
    const int contacts = std::min<int>(wanted, static_cast<int>(minutes.size()));
    if (contacts < 2) {
        return std::nullopt;
    }
    const std::int64_t first = minutes[minutes.size() - static_cast<std::size_t>(contacts)];
    return RecentRate{contacts, HourlyRate(contacts, first, minutes.back())};
}

// Two fingers over the sorted minutes: for each contact, the contacts of the 60 minutes that
// start with it.
void FindBestSixty(std::span<const std::int64_t> minutes, RateFigures& figures)
{
    std::size_t end = 0;
    for (std::size_t start = 0; start < minutes.size(); ++start) {
        while (end < minutes.size() && minutes[end] < minutes[start] + 60) {
            ++end;
        }
        const int count = static_cast<int>(end - start);
        if (count > figures.bestSixtyMinutes) {
            figures.bestSixtyMinutes = count;
            figures.bestSixtyStart = minutes[start];
        }
    }
}

}  // namespace

int HourlyRate(int contacts, std::int64_t first, std::int64_t last)
{
    const std::int64_t span = std::max<std::int64_t>(last - first, 0) + 1;
    return static_cast<int>((std::int64_t{contacts} * 60 * 2 + span) / (2 * span));
}

RateFigures ComputeRateFigures(std::span<const std::int64_t> minutes)
{
    RateFigures figures;
    figures.contacts = static_cast<int>(minutes.size());
    if (minutes.empty()) {
        return figures;
    }
    const std::int64_t latest = minutes.back();
    figures.latest = latest;
    figures.lastTenMinutes = CountSince(minutes, latest - 9);
    figures.lastSixtyMinutes = CountSince(minutes, latest - 59);
    figures.lastTenContacts = RateOfLast(minutes, 10);
    figures.lastHundredContacts = RateOfLast(minutes, 100);
    figures.currentHourStart = latest - latest % 60;
    figures.currentHour = CountSince(minutes, figures.currentHourStart);
    FindBestSixty(minutes, figures);
    for (std::size_t i = 1; i < minutes.size(); ++i) {
        const std::int64_t pause = minutes[i] - minutes[i - 1];
        (pause >= kOffTimePause ? figures.offMinutes : figures.onMinutes) += pause;
    }
    return figures;
}

}  // namespace zelkor
