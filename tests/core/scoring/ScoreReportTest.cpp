#include "core/log/LogList.h"
#include "core/scoring/ComputeScore.h"
#include "core/scoring/ScoreReport.h"
#include "core/scoring/ScoreReportGolden.h"
#include "support/ScriptedPrompter.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace zelkor {
namespace {

std::string Golden(const char* name)
{
    return test::ReadTestData(QString::fromLatin1(name)).toStdString();
}

TEST(FormatThousandsTest, PutsAFullStopBetweenGroupsOfThreeFromTheRight)
{
    const std::vector<std::pair<std::int64_t, std::string>> cases = {
        {0, "0"},
        {7, "7"},
        {100, "100"},
        {999, "999"},
        {1000, "1.000"},
        {12345, "12.345"},
        {100000, "100.000"},
        {999999, "999.999"},
        {1000000, "1.000.000"},
        {1234567, "1.234.567"},
        {std::numeric_limits<std::int32_t>::max(), "2.147.483.647"},
        {std::int64_t{12168000000}, "12.168.000.000"},
        {-1234, "-1.234"},
        {-123, "-123"},
        {std::numeric_limits<std::int64_t>::min(), "-9.223.372.036.854.775.808"},
    };
    for (const auto& [n, text] : cases) {
        EXPECT_EQ(FormatThousands(n), text) << n;
    }
}

TEST(ScoreReportTest, QsoReportMatchesTheGoldenFile)
{
    const std::string expected = Golden("score-report-qso.txt");
    const std::string actual = ScoreReportText(test::GoldenQsoScoreTable(), LogLayout::Qso);
    EXPECT_EQ(actual, expected);
}

TEST(ScoreReportTest, SwlReportOfAScoredLogMatchesTheGoldenFile)
{
    // Two heard SSB contacts with MI on 80 m; on 40 m CW with RM and MI, RTTY and PSK31 with TO.
    LogList log;
    log.BuildStartColumns();
    log.SetSwlColumns();
    const std::vector<std::pair<const char*, const char*>> heard = {
        {"3,5", "SSB"}, {"3,5", "SSB"}, {"7", "CW"}, {"7", "CW"}, {"7", "PSK31"}, {"7", "RTTY"}};
    const std::vector<const char*> provinces = {"MI", "MI", "RM", "MI", "TO", "TO"};
    for (std::size_t i = 0; i < heard.size(); ++i) {
        log.AppendLogRow({"05.02.2006", "1432", heard[i].first, heard[i].second, "I1XYZ", "59",
                          provinces[i], "IK2AAA"});
    }
    test::ScriptedPrompter prompter;
    const ScoreResult result = ComputeScore(log).result;

    const std::string expected = Golden("score-report-swl.txt");
    const std::string actual = ScoreReportText(result.table, LogLayout::Swl);
    EXPECT_EQ(actual, expected);
    EXPECT_EQ(result.score, 48);
}

TEST(ScoreReportTest, BandTotalsColumnIsNotWhatTheScoreIsMadeOf)
{
    LogList log;
    log.BuildStartColumns();
    for (const auto& [band, mode, province] :
         std::vector<std::tuple<const char*, const char*, const char*>>{
             {"3,5", "SSB", "MI"}, {"7", "CW", "TO"}, {"7", "CW", "MI"}}) {
        log.AppendLogRow({"05.02.2006", "1432", band, mode, "I1XYZ", "59", "59", province, ""});
    }
    test::ScriptedPrompter prompter;
    const std::string report = ScoreReportText(ComputeScore(log).result.table, LogLayout::Qso);

    // 1 + 12 = 13 in the column, 7 points x 3 multipliers = 21 below it.
    EXPECT_NE(report.find(" 80m ssb            1       1      1           1\r\n"),
              std::string::npos)
        << report;
    EXPECT_NE(report.find(" 40m cw             2       6      2          12\r\n"),
              std::string::npos)
        << report;
    EXPECT_NE(
        report.find(" TOT.               3       7      3  \r\n\r\n PUNTEGGIO TOTALE = 21\r\n"),
        std::string::npos)
        << report;
}

TEST(ScoreReportTest, EmptyTableStillEndsWithATotalOfZero)
{
    const std::string report = ScoreReportText(ScoreTable{}, LogLayout::Qso);
    const std::string ending =
        " 40m rtty/psk       0       0      0           0\r\n"
        " -----------------------------------------------\r\n"
        " TOT.               0       0      0  \r\n"
        "\r\n"
        " PUNTEGGIO TOTALE = 0\r\n";
    ASSERT_GE(report.size(), ending.size());
    EXPECT_EQ(report.substr(report.size() - ending.size()), ending);
}

TEST(ScoreReportTest, ValuesWiderThanTheirColumnPushTheLineRatherThanBeingCut)
{
    // The 32-bit counts saturate, but products and the score are shown exactly.
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    ScoreTable table;
    table.SetRow(0, {kMax, kMax, 4056});
    table.SetRow(ScoreTable::kTotalRow, {kMax, kMax, 4056});
    const std::string report = ScoreReportText(table, LogLayout::Qso);

    EXPECT_NE(report.find(" 80m ssb       2.147.483.647  2.147.483.647  4.056  "
                          "8.710.193.672.232\r\n"),
              std::string::npos)
        << report;
    EXPECT_NE(report.find(" PUNTEGGIO TOTALE = 8.710.193.672.232\r\n"), std::string::npos)
        << report;
}

}  // namespace
}  // namespace zelkor
