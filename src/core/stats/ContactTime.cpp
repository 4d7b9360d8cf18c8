#include "core/stats/ContactTime.h"

#include "core/text/Text.h"

#include <QDate>

namespace zelkor {
namespace {

constexpr std::int64_t kMinutesPerDay = std::int64_t{24} * 60;

// The value of a run of decimal digits; nothing if any character is not a digit.
std::optional<int> Digits(std::string_view text)
{
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

// Every minute of the count is positive: the earliest readable date, 01.01.0001, is Julian day
// 1721426.
QDate DateOf(std::int64_t minute)
{
    return QDate::fromJulianDay(minute / kMinutesPerDay);
}

}  // namespace

std::optional<std::int64_t> ContactMinute(std::string_view date, std::string_view time)
{
    if (date.size() != 10 || date[2] != '.' || date[5] != '.' || time.size() != 4) {
        return std::nullopt;
    }
    const std::optional<int> day = Digits(date.substr(0, 2));
    const std::optional<int> month = Digits(date.substr(3, 2));
    const std::optional<int> year = Digits(date.substr(6, 4));
    const std::optional<int> hours = Digits(time.substr(0, 2));
    const std::optional<int> minutes = Digits(time.substr(2, 2));
    if (!day || !month || !year || !hours || !minutes || *hours > 23 || *minutes > 59) {
        return std::nullopt;
    }
    const QDate calendarDate(*year, *month, *day);
    if (!calendarDate.isValid()) {
        return std::nullopt;
    }
    return calendarDate.toJulianDay() * kMinutesPerDay + std::int64_t{*hours} * 60 + *minutes;
}

std::string ClockText(std::int64_t minute)
{
    const auto ofDay = static_cast<int>(minute % kMinutesPerDay);
    return Format("%02d:%02d", ofDay / 60, ofDay % 60);
}

std::string DateText(std::int64_t minute)
{
    const QDate date = DateOf(minute);
    return Format("%02d.%02d.%04d", date.day(), date.month(), date.year());
}

std::string DurationText(std::int64_t minutes)
{
    if (minutes < 0) {
        minutes = 0;
    }
    if (minutes < 60) {
        return Format("%dm", static_cast<int>(minutes));
    }
    return Format("%lldh %02dm", static_cast<long long>(minutes / 60),
                  static_cast<int>(minutes % 60));
}

}  // namespace zelkor
