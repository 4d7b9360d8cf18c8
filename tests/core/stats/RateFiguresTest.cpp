// The rate on logs as they come: empty, across midnight, across two days, out of order, with
// rows whose date or time can't be read.

#include "StatsTestLog.h"

#include "core/stats/ContactTime.h"
#include "core/stats/LogTimeline.h"
#include "core/stats/RateFigures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace zelkor {
namespace {

using test::At;

std::int64_t Minute(const std::string& moment)
{
    return *ContactMinute(moment.substr(0, 10), moment.substr(11));
}

struct RateCase {
    const char* name;
    std::vector<std::string> moments;
    int lastTen;
    int lastSixty;
    std::optional<RecentRate> lastTenContacts;
    std::optional<RecentRate> lastHundredContacts;
    int currentHour;
    int best;
    const char* bestStart;  // "" when there is no contact
    std::int64_t on;
    std::int64_t off;
};

// Twelve contacts a minute apart from 13:00, then one at 13:41 (a pause of 30 minutes) and one
// at 14:05.
std::vector<std::string> SteadyThenSparse()
{
    std::vector<std::string> moments;
    for (int m = 0; m < 12; ++m) {
        moments.push_back("09.03.2024 13" + std::string(m < 10 ? "0" : "") + std::to_string(m));
    }
    moments.push_back("09.03.2024 1341");
    moments.push_back("09.03.2024 1405");
    return moments;
}

// One contact every 3 minutes from 13:00 on the first day to 12:57 on the second: 480 contacts.
std::vector<std::string> WholeContest()
{
    std::vector<std::string> moments;
    for (int m = 0; m < 24 * 60; m += 3) {
        const int minuteOfDay = (13 * 60 + m) % (24 * 60);
        const std::string day = 13 * 60 + m < 24 * 60 ? "09.03.2024 " : "10.03.2024 ";
        char time[5];
        std::snprintf(time, sizeof time, "%02d%02d", minuteOfDay / 60, minuteOfDay % 60);
        moments.push_back(day + time);
    }
    return moments;
}

std::vector<RateCase> RateCases()
{
    return {
        {"empty log", {}, 0, 0, std::nullopt, std::nullopt, 0, 0, "", 0, 0},
        {"one contact",
         {"09.03.2024 1432"},
         1,
         1,
         std::nullopt,
         std::nullopt,
         1,
         1,
         "09.03.2024 1432",
         0,
         0},
        {"two contacts in one minute count the whole minute",
         {"09.03.2024 1432", "09.03.2024 1432"},
         2,
         2,
         RecentRate{2, 120},
         RecentRate{2, 120},
         2,
         2,
         "09.03.2024 1432",
         0,
         0},
        {"across midnight",
         {"09.03.2024 2350", "09.03.2024 2355", "09.03.2024 2358", "10.03.2024 0002",
          "10.03.2024 0004"},
         4,
         5,
         RecentRate{5, 20},
         RecentRate{5, 20},
         2,
         5,
         "09.03.2024 2350",
         14,
         0},
        {"a pause of 29 minutes is on, of 30 off",
         {"09.03.2024 1000", "09.03.2024 1029", "09.03.2024 1059", "09.03.2024 1100"},
         2,
         3,
         RecentRate{4, 4},
         RecentRate{4, 4},
         1,
         3,
         "09.03.2024 1000",
         30,
         30},
        {"steady, then sparse", SteadyThenSparse(), 1, 8, RecentRate{10, 10}, RecentRate{14, 13}, 1,
         13, "09.03.2024 1300", 35, 30},
        {"a whole contest over two days", WholeContest(), 4, 20, RecentRate{10, 21},
         RecentRate{100, 20}, 20, 20, "09.03.2024 1300", 24 * 60 - 3, 0},
        {"a long pause across midnight",
         {"09.03.2024 2300", "09.03.2024 2301", "10.03.2024 0600"},
         1,
         1,
         RecentRate{3, 0},
         RecentRate{3, 0},
         1,
         2,
         "09.03.2024 2300",
         1,
         419},
    };
}

TEST(RateFiguresTest, FiguresOfTheLogsOwnTimes)
{
    for (const RateCase& c : RateCases()) {
        SCOPED_TRACE(c.name);
        LogList log;
        test::FillLog(log, At(c.moments));

        const RateFigures rates = ComputeRateFigures(BuildTimeline(log).Minutes());

        EXPECT_EQ(rates.contacts, static_cast<int>(c.moments.size()));
        EXPECT_EQ(rates.lastTenMinutes, c.lastTen);
        EXPECT_EQ(rates.lastSixtyMinutes, c.lastSixty);
        EXPECT_EQ(rates.lastTenContacts, c.lastTenContacts);
        EXPECT_EQ(rates.lastHundredContacts, c.lastHundredContacts);
        EXPECT_EQ(rates.currentHour, c.currentHour);
        EXPECT_EQ(rates.bestSixtyMinutes, c.best);
        EXPECT_EQ(rates.onMinutes, c.on);
        EXPECT_EQ(rates.offMinutes, c.off);
        if (c.moments.empty()) {
            EXPECT_FALSE(rates.latest);
        } else {
            EXPECT_EQ(rates.latest, Minute(c.moments.back()));
            EXPECT_EQ(rates.bestSixtyStart, Minute(c.bestStart));
            EXPECT_EQ(rates.currentHourStart, Minute(c.moments.back()) / 60 * 60);
        }
    }
}

// The rows of a log sorted otherwise than by time (edited, merged) give the same figures.
TEST(RateFiguresTest, RowOrderDoesNotMatter)
{
    for (const RateCase& c : RateCases()) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> shuffled = c.moments;
        std::shuffle(shuffled.begin(), shuffled.end(), std::mt19937(7));
        LogList ordered;
        test::FillLog(ordered, At(c.moments));
        LogList unordered;
        test::FillLog(unordered, At(shuffled));

        EXPECT_EQ(ComputeRateFigures(BuildTimeline(unordered).Minutes()),
                  ComputeRateFigures(BuildTimeline(ordered).Minutes()));
    }
}

TEST(RateFiguresTest, RowsWithoutReadableDateOrTimeAreLeftOut)
{
    LogList log;
    test::FillLog(log,
                  At({"09.03.2024 1400", "09.03.2024 2500", "31.02.2024 1401", "09.03.2024 1402"}));
    log.AppendLogRow({"", "", "7", "SSB", "I1XYZ", "59", "59", "MI", "Milano"});

    const LogTimeline timeline = BuildTimeline(log);
    const RateFigures rates = ComputeRateFigures(timeline.Minutes());

    EXPECT_EQ(timeline.untimedRows, 3);
    ASSERT_EQ(timeline.contacts.size(), 2U);
    EXPECT_EQ(timeline.contacts[1].row, 3);
    EXPECT_EQ(rates.contacts, 2);
    EXPECT_EQ(rates.lastTenContacts, (RecentRate{2, 40}));
}

TEST(RateFiguresTest, HourlyRateRoundsToTheNearestContact)
{
    EXPECT_EQ(HourlyRate(10, 0, 9), 60);
    EXPECT_EQ(HourlyRate(10, 0, 4), 120);
    EXPECT_EQ(HourlyRate(2, 0, 6), 17);  // 17.14
    EXPECT_EQ(HourlyRate(1, 0, 7), 8);   // 7.5 rounds up
    EXPECT_EQ(HourlyRate(3, 5, 5), 180);
}

}  // namespace
}  // namespace zelkor
