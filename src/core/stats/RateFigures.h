#pragma once
// How fast the log grows, measured on the log's own times: what the operator watches during a
// contest, and what a log reviewed afterwards still shows the same way.

#include <cstdint>
#include <optional>
#include <span>

namespace zelkor {

// A pause between two contacts this long or longer is time off the air.
inline constexpr std::int64_t kOffTimePause = 30;

// Contacts per hour over the last few contacts of the log.
struct RecentRate {
    // Contacts the rate was measured on: the number asked for, or fewer in a short log.
    int contacts = 0;
    int perHour = 0;

    bool operator==(const RecentRate&) const = default;
};

struct RateFigures {
    int contacts = 0;
    // The latest minute of the log: "now" for every figure below. Nothing for an empty log, and
    // then every figure is zero.
    std::optional<std::int64_t> latest;

    // The minute of the latest contact counts as one of the ten (or sixty).
    int lastTenMinutes = 0;
    int lastSixtyMinutes = 0;

    // Nothing with fewer than two contacts.
    std::optional<RecentRate> lastTenContacts;
    std::optional<RecentRate> lastHundredContacts;

    // The clock hour of the latest contact (hh:00 to hh:59), so far.
    int currentHour = 0;
    std::int64_t currentHourStart = 0;

    // The most contacts in any 60 minutes in a row, and the earliest minute such a stretch
    // starts at.
    int bestSixtyMinutes = 0;
    std::int64_t bestSixtyStart = 0;

    // From the first contact to the latest: pauses of kOffTimePause minutes or more are off,
    // everything else on.
    std::int64_t onMinutes = 0;
    std::int64_t offMinutes = 0;

    bool operator==(const RateFigures&) const = default;
};

// Contacts per hour of n contacts from minute first to minute last, both included: a contact
// stands for its whole minute, so that contacts within one minute still give a rate. Rounded to
// the nearest whole number.
int HourlyRate(int contacts, std::int64_t first, std::int64_t last);

// The minutes must be in ascending order (LogTimeline::Minutes).
RateFigures ComputeRateFigures(std::span<const std::int64_t> minutes);

}  // namespace zelkor
