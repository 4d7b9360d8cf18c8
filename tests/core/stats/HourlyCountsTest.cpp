// Contacts per clock hour by band/mode group, and the chart built from them with or without a
// log to race against.

#include "StatsTestLog.h"

#include "core/stats/ContactTime.h"
#include "core/stats/HourlyCounts.h"
#include "core/stats/ProgressChart.h"
#include "core/stats/RaceTarget.h"

#include <gtest/gtest.h>

#include <memory>

namespace zelkor {
namespace {

using test::Contact;

enum Group { Ssb80, Cw80, Digital80, Ssb40, Cw40, Digital40, Other };

// One hour: the groups with contacts, as (group, count).
using Hour = std::vector<std::pair<int, int>>;

GroupCounts Counts(const Hour& hour)
{
    GroupCounts counts{};
    for (const auto& [group, count] : hour) {
        counts[static_cast<std::size_t>(group)] = count;
    }
    return counts;
}

struct HourlyCase {
    const char* name;
    std::vector<Contact> contacts;
    int maxHours;
    const char* firstHour;  // "dd.mm.yyyy hh00" of the first hour shown
    std::vector<Hour> hours;
    int leftOut;
};

std::vector<HourlyCase> HourlyCases()
{
    return {
        {"empty log", {}, kMaxChartHours, "", {}, 0},
        {"groups of one hour",
         {{"09.03.2024", "1300", "3,5", "SSB"},
          {"09.03.2024", "1310", "3,5", "CW"},
          {"09.03.2024", "1320", "3,5", "RTTY"},
          {"09.03.2024", "1330", "3,5", "PSK31"},
          {"09.03.2024", "1340", "7", "SSB"},
          {"09.03.2024", "1350", "7", "CW"},
          {"09.03.2024", "1359", "7", "PSK31"},
          {"09.03.2024", "1359", "14", "SSB"},
          {"09.03.2024", "1359", "7", "AM"}},
         kMaxChartHours,
         "09.03.2024 1300",
         {{{Ssb80, 1},
           {Cw80, 1},
           {Digital80, 2},
           {Ssb40, 1},
           {Cw40, 1},
           {Digital40, 1},
           {Other, 2}}},
         0},
        {"across midnight with an hour off",
         {{"09.03.2024", "2259", "7", "CW"},
          {"09.03.2024", "2300", "7", "CW"},
          {"10.03.2024", "0100", "3,5", "CW"},
          {"10.03.2024", "0159", "3,5", "SSB"}},
         kMaxChartHours,
         "09.03.2024 2200",
         {{{Cw40, 1}}, {{Cw40, 1}}, {}, {{Cw80, 1}, {Ssb80, 1}}},
         0},
        {"out of order rows",
         {{"10.03.2024", "0100", "3,5", "CW"},
          {"09.03.2024", "2300", "7", "CW"},
          {"09.03.2024", "2359", "7", "CW"}},
         kMaxChartHours,
         "09.03.2024 2300",
         {{{Cw40, 2}}, {}, {{Cw80, 1}}},
         0},
        {"only the last hours of a long log",
         {{"01.03.2023", "1200", "7", "SSB"},
          {"09.03.2024", "1230", "7", "SSB"},
          {"09.03.2024", "1300", "7", "SSB"},
          {"09.03.2024", "1400", "7", "CW"}},
         2,
         "09.03.2024 1300",
         {{{Ssb40, 1}}, {{Cw40, 1}}},
         2},
    };
}

TEST(HourlyCountsTest, CountsEachClockHourByBandAndModeGroup)
{
    for (const HourlyCase& c : HourlyCases()) {
        SCOPED_TRACE(c.name);
        LogList log;
        test::FillLog(log, c.contacts);

        const HourlyCounts counts = CountPerHour(BuildTimeline(log), c.maxHours);

        std::vector<GroupCounts> expected;
        for (const Hour& hour : c.hours) {
            expected.push_back(Counts(hour));
        }
        EXPECT_EQ(counts.hours, expected);
        EXPECT_EQ(counts.leftOut, c.leftOut);
        if (!c.hours.empty()) {
            const std::string first = c.firstHour;
            EXPECT_EQ(counts.firstHour * 60, *ContactMinute(first.substr(0, 10), first.substr(11)));
        }
    }
}

std::unique_ptr<RaceTarget> Target(const std::vector<Contact>& contacts)
{
    auto log = std::make_unique<LogList>();
    test::FillLog(*log, contacts);
    return RaceTarget::FromLog(std::move(log), QStringLiteral("2023.zelk"));
}

TEST(ProgressChartTest, LabelsTheClockHoursOfTheLog)
{
    LogList log;
    test::FillLog(log, test::At({"09.03.2024 2230", "10.03.2024 0010", "10.03.2024 0011"}));
    const LogTimeline timeline = BuildTimeline(log);

    const ProgressChartData chart =
        BuildProgressChart(CountPerHour(timeline), timeline.First(), nullptr);

    EXPECT_EQ(chart.labels, (std::vector<std::string>{"22", "23", "00"}));
    EXPECT_TRUE(chart.theirs.empty());
    EXPECT_EQ(chart.Highest(), 2);
}

TEST(ProgressChartTest, LabelsCarryTheDayWhenTheChartIsLongerThanADay)
{
    LogList log;
    test::FillLog(log, test::At({"09.03.2024 1300", "10.03.2024 1300"}));
    const LogTimeline timeline = BuildTimeline(log);

    const ProgressChartData chart =
        BuildProgressChart(CountPerHour(timeline), timeline.First(), nullptr);

    ASSERT_EQ(chart.HourCount(), 25);
    EXPECT_EQ(chart.labels.front(), "09/13");
    EXPECT_EQ(chart.labels[11], "10/00");
    EXPECT_EQ(chart.labels.back(), "10/13");
}

// Last year's contest started an hour later on another date: its first hour stands beside the
// log's first hour, and its later hours show after the log's latest contact.
TEST(ProgressChartTest, TheOtherLogStandsBesideFromItsOwnFirstHour)
{
    LogList log;
    test::FillLog(log, test::At({"09.03.2024 1305", "09.03.2024 1306", "09.03.2024 1410"}));
    const LogTimeline timeline = BuildTimeline(log);
    const std::unique_ptr<RaceTarget> target =
        Target(test::At({"11.03.2023 1559", "11.03.2023 1400", "11.03.2023 1401", "11.03.2023 1402",
                         "11.03.2023 1700"}));
    ASSERT_TRUE(target);
    EXPECT_EQ(target->HourTotals(), (std::vector<int>{3, 1, 0, 1}));

    const ProgressChartData chart =
        BuildProgressChart(CountPerHour(timeline), timeline.First(), target.get());

    EXPECT_EQ(chart.labels, (std::vector<std::string>{"13", "14", "15", "16"}));
    EXPECT_EQ(chart.theirs, (std::vector<std::optional<int>>{3, 1, 0, 1}));
    EXPECT_EQ(chart.ours[1], Counts({{Ssb40, 1}}));
    EXPECT_EQ(chart.ours[3], GroupCounts{});
    EXPECT_EQ(chart.Highest(), 3);
}

TEST(ProgressChartTest, AnEmptyLogShowsTheOtherLogOnItsOwnClock)
{
    LogList log;
    test::FillLog(log, {});
    const std::unique_ptr<RaceTarget> target =
        Target(test::At({"11.03.2023 1400", "11.03.2023 1500"}));

    const ProgressChartData chart =
        BuildProgressChart(CountPerHour(BuildTimeline(log)), std::nullopt, target.get());

    EXPECT_EQ(chart.labels, (std::vector<std::string>{"14", "15"}));
    EXPECT_EQ(chart.theirs, (std::vector<std::optional<int>>{1, 1}));
    EXPECT_EQ(chart.ours, (std::vector<GroupCounts>(2, GroupCounts{})));
    EXPECT_TRUE(BuildProgressChart({}, std::nullopt, nullptr).labels.empty());
}

TEST(ProgressChartTest, LongChartsLabelEveryFewClockHours)
{
    // pixels per hour, room a label needs, step
    const struct {
        double perHour;
        double extent;
        int step;
    } steps[] = {
        {30, 23, 1}, {23, 23, 1}, {22.9, 23, 2}, {8, 23, 3},    {6, 23, 4},
        {4, 23, 6},  {2, 23, 12}, {1, 23, 24},   {0.1, 23, 24}, {0, 23, 24},
    };
    for (const auto& row : steps) {
        EXPECT_EQ(HourLabelStep(row.perHour, row.extent), row.step)
            << row.perHour << " px per hour";
    }

    const std::vector<std::string> dayAndHour = {"08/22", "08/23", "09/00", "09/01", "09/02",
                                                 "09/03", "09/04", "09/05", "09/06", "09/07"};
    EXPECT_EQ(LabelledHours(dayAndHour, 1), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(LabelledHours(dayAndHour, 2), (std::vector<int>{0, 2, 4, 6, 8}));
    EXPECT_EQ(LabelledHours(dayAndHour, 3), (std::vector<int>{2, 5, 8}));
    EXPECT_EQ(LabelledHours(dayAndHour, 6), (std::vector<int>{2, 8}));
    // No multiple of the step among the hours: the first hour keeps its label.
    EXPECT_EQ(LabelledHours({"13", "14", "15"}, 12), (std::vector<int>{0}));
    EXPECT_TRUE(LabelledHours({}, 6).empty());
}

}  // namespace
}  // namespace zelkor
