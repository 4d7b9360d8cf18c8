#include "core/stats/ContactTime.h"

#include <gtest/gtest.h>

#include <optional>

namespace zelkor {
namespace {

struct TimeCase {
    const char* date;
    const char* time;
    bool readable;
};

TEST(ContactTimeTest, ReadsOnlyRealDatesAndTimes)
{
    const TimeCase cases[] = {
        {"09.03.2024", "1432", true},
        {"29.02.2024", "0000", true},
        {"31.12.2023", "2359", true},
        {"29.02.2023", "1200", false},  // not a leap year
        {"31.04.2024", "1200", false},
        {"00.03.2024", "1200", false},
        {"09.13.2024", "1200", false},
        {"09.03.2024", "2400", false},
        {"09.03.2024", "1260", false},
        {"09.03.2024", "14:32", false},
        {"09.03.2024", "143", false},
        {"9.03.2024", "1432", false},
        {"09/03/2024", "1432", false},
        {"09.03.24", "1432", false},
        {"", "", false},
        {"09.03.2024", " 432", false},
        {"09.03.2O24", "1432", false},
    };
    for (const TimeCase& c : cases) {
        EXPECT_EQ(ContactMinute(c.date, c.time).has_value(), c.readable) << c.date << " " << c.time;
    }
}

TEST(ContactTimeTest, MinutesRunOnAcrossMidnightMonthsAndYears)
{
    const auto minute = [](const char* date, const char* time) {
        return *ContactMinute(date, time);
    };
    EXPECT_EQ(minute("10.03.2024", "0001") - minute("09.03.2024", "2359"), 2);
    EXPECT_EQ(minute("01.03.2024", "0000") - minute("29.02.2024", "2330"), 30);
    EXPECT_EQ(minute("01.01.2024", "0010") - minute("31.12.2023", "2350"), 20);
    EXPECT_EQ(minute("10.03.2024", "1300") - minute("09.03.2024", "1300"), 24 * 60);
}

TEST(ContactTimeTest, WritesClockDateAndDuration)
{
    const std::int64_t minute = *ContactMinute("05.02.2006", "0907");
    EXPECT_EQ(ClockText(minute), "09:07");
    EXPECT_EQ(DateText(minute), "05.02.2006");
    const std::pair<std::int64_t, const char*> durations[] = {
        {0, "0m"}, {45, "45m"}, {60, "1h 00m"}, {185, "3h 05m"}, {1620, "27h 00m"}, {-5, "0m"}};
    for (const auto& [minutes, text] : durations) {
        EXPECT_EQ(DurationText(minutes), text) << minutes;
    }
}

}  // namespace
}  // namespace zelkor
