#pragma once
// A row's date and time as one number: minutes on a continuous count, so that contacts across
// midnight, across two days or across a month's end compare and subtract directly.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zelkor {

// Julian day x 1440 + hour x 60 + minute, from "dd.mm.yyyy" (a real calendar date) and "hhmm"
// (00..23, 00..59). Nothing for any other text: such a row has no place in time.
std::optional<std::int64_t> ContactMinute(std::string_view date, std::string_view time);

// "hh:mm" of a minute of the count.
std::string ClockText(std::int64_t minute);
// "dd.mm.yyyy" of a minute of the count.
std::string DateText(std::int64_t minute);
// "0m", "45m", "3h 05m", "27h 00m": a length of time in minutes, never negative.
std::string DurationText(std::int64_t minutes);

}  // namespace zelkor
