#include "core/export/PrintPlan.h"
#include "core/log/LogList.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace zelkor {
namespace {

// Per page, the first and last row of the log on it; the rows between follow one a line.
using Spans = std::vector<std::pair<int, int>>;

// "column:text|column:text|...", so that a whole line reads and compares as one text.
std::string Joined(const std::vector<PrintPiece>& pieces)
{
    std::string joined;
    for (const PrintPiece& piece : pieces) {
        joined += (joined.empty() ? "" : "|") + std::to_string(piece.column) + ":" + piece.text;
    }
    return joined;
}

void FillLog(LogList& log, int rows, LogLayout layout = LogLayout::Qso)
{
    log.BuildStartColumns();
    if (layout == LogLayout::Swl) {
        log.SetSwlColumns();
    }
    for (int i = 0; i < rows; ++i) {
        log.AppendLogRow({"03.12.2005", "1530", "7", "CW", "I1ABC", "599", "599", "TO", "Torino"});
    }
}

// Checks that every page opens with the heading at line 0 and the rule at line 1, and that the
// rows follow one a line from line 2 on, continuing `rows` from page to page.
void ExpectPages(const PrintPlan& plan, const std::vector<int>& rows, const Spans& spans)
{
    ASSERT_EQ(plan.Pages().size(), spans.size());
    std::size_t next = 0;
    for (std::size_t p = 0; p < spans.size(); ++p) {
        const std::vector<PrintLine>& lines = plan.Pages()[p].lines;
        ASSERT_GE(lines.size(), 3u) << "page " << p;
        EXPECT_EQ(std::tie(lines[0].kind, lines[0].lineIndex),
                  std::make_tuple(PrintLineKind::Heading, 0));
        EXPECT_EQ(std::tie(lines[1].kind, lines[1].lineIndex),
                  std::make_tuple(PrintLineKind::Rule, 1));
        EXPECT_EQ(lines[2].row, spans[p].first) << "page " << p;
        EXPECT_EQ(lines.back().row, spans[p].second) << "page " << p;
        for (std::size_t i = 2; i < lines.size(); ++i, ++next) {
            ASSERT_LT(next, rows.size());
            EXPECT_EQ(std::tie(lines[i].kind, lines[i].lineIndex, lines[i].row),
                      std::make_tuple(PrintLineKind::Row, static_cast<int>(i), rows[next]));
        }
    }
    EXPECT_EQ(next, rows.size());
}

std::vector<int> Range(int first, int last, int step = 1)
{
    std::vector<int> rows;
    for (int row = first; row <= last; row += step) {
        rows.push_back(row);
    }
    return rows;
}

TEST(PrintPlanTest, PageCountStartsAPageEveryFiftyRows)
{
    const std::vector<std::pair<int, int>> cases = {{0, 0},   {1, 1},   {50, 1},  {51, 2},
                                                    {100, 2}, {101, 3}, {120, 3}, {151, 4}};
    for (const auto& [rows, pages] : cases) {
        EXPECT_EQ(PrintPlan::PageCount(rows), pages) << rows;
    }
}

TEST(PrintPlanTest, AllPagesHoldFiftyRowsEach)
{
    const std::vector<std::pair<int, Spans>> cases = {
        {1, {{0, 0}}},
        {50, {{0, 49}}},
        {51, {{0, 49}, {50, 50}}},
        {120, {{0, 49}, {50, 99}, {100, 119}}},
    };
    for (const auto& [rows, spans] : cases) {
        SCOPED_TRACE(rows);
        LogList log;
        FillLog(log, rows);
        ExpectPages(PrintPlan::AllPages(log), Range(0, rows - 1), spans);
    }
}

TEST(PrintPlanTest, PageRangesOfAHundredTwentyRows)
{
    const std::vector<std::tuple<int, int, std::vector<int>, Spans>> cases = {
        {2, 2, Range(50, 99), {{50, 99}}},
        {2, 3, Range(50, 119), {{50, 99}, {100, 119}}},
        {3, 2, {}, {}},
        // Outside 1..3 no blank sheet comes out and no row is invented.
        {0, 1, Range(0, 49), {{0, 49}}},
        {3, 9, Range(100, 119), {{100, 119}}},
    };
    LogList log;
    FillLog(log, 120);
    for (const auto& [from, to, rows, spans] : cases) {
        SCOPED_TRACE(std::to_string(from) + "-" + std::to_string(to));
        ExpectPages(PrintPlan::PageRange(log, from, to), rows, spans);
    }
}

TEST(PrintPlanTest, SelectionPagesHoldFortyEightRows)
{
    // Every other row, so that a page of the selection is no page of the log.
    const std::vector<std::pair<std::vector<int>, Spans>> cases = {
        {Range(1, 199, 2), {{1, 95}, {97, 191}, {193, 199}}},
        {Range(1, 95, 2), {{1, 95}}},
        {Range(1, 97, 2), {{1, 95}, {97, 97}}},
        {{7}, {{7, 7}}},
        {{}, {}},
    };
    for (const auto& [selected, spans] : cases) {
        SCOPED_TRACE(selected.size());
        LogList log;
        FillLog(log, 200);
        log.SetSelectedRows(selected);
        ExpectPages(PrintPlan::Selection(log), selected, spans);
    }
}

TEST(PrintPlanTest, HeadingAndRuleOfEachLayout)
{
    const std::vector<std::tuple<LogLayout, std::string, std::string>> cases = {
        {LogLayout::Qso,
         "0:N.Qso|6:Data|17:Utc|23:MHz|27:Modo|32:Nominativo|47:Rst|51:Rst|56:Prov|60:Nome prov.",
         "0:-----|6:------------|17:-----|23:---|27:----|32:-------------------|47:---|51:----|"
         "56:----|60:--------------"},
        {LogLayout::Swl,
         "0:N.Qso|6:Data|17:Utc|23:MHz|27:Modo|32:Nominativo|47:Rst|51:Prov|56:Nominativo",
         "0:-----|6:------------|17:-----|23:---|27:----|32:-------------------|47:---|51:----|"
         "56:-------------------"},
    };
    for (const auto& [layout, heading, rule] : cases) {
        EXPECT_EQ(Joined(PrintPlan::HeadingPieces(layout)), heading);
        EXPECT_EQ(Joined(PrintPlan::RulePieces(layout)), rule);
        // Each page of a log prints the heading of its own layout.
        LogList log;
        FillLog(log, 1, layout);
        const PrintPlan plan = PrintPlan::AllPages(log);
        EXPECT_EQ(Joined(plan.Pages().at(0).lines.at(0).pieces), heading);
    }
}

TEST(PrintPlanTest, RowTextsAreTakenUnchanged)
{
    LogList qso;
    FillLog(qso, 0);
    qso.AppendLogRow({"03.12.2005", "1530", "3,5", "PSK31", "IK0ABC/P", "59", "599", "RE",
                      "Reggio nell'Emilia \xE8"});
    EXPECT_EQ(Joined(PrintPlan::RowPieces(qso, 0)),
              "0:    1|6:03.12.2005|17:1530|23:3,5|27:PSK31|32:IK0ABC/P|47:59|51:599|56:RE|"
              "60:Reggio nell'Emilia \xE8");
    LogList swl;
    FillLog(swl, 0, LogLayout::Swl);
    swl.AppendLogRow({"03.12.2005", "1530", "7", "SSB", "I1ABC", "59", "TO", "IZ2XYZ"});
    EXPECT_EQ(Joined(PrintPlan::RowPieces(swl, 0)),
              "0:    1|6:03.12.2005|17:1530|23:7|27:SSB|32:I1ABC|47:59|51:TO|56:IZ2XYZ");
}

TEST(PrintPlanTest, LineHeightIsAQuarterMoreTruncated)
{
    const std::vector<std::tuple<int, int, int>> cases = {
        {13, 16, 816}, {16, 20, 1020}, {3, 3, 153}, {50, 62, 3162}};
    for (const auto& [height, lineHeight, line51] : cases) {
        const PrintMetrics metrics = PrintMetrics::FromX(7, height);
        EXPECT_EQ(metrics.lineHeight, lineHeight) << height;
        EXPECT_EQ(metrics.Y(51), line51) << height;
        EXPECT_EQ(metrics.X(60), 420);
    }
}

TEST(PrintPlanTest, FontShrinksOnlyWhenAFullPageDoesNotFit)
{
    // X of 10 by 20: lines of 25, a full page 51 * 25 + 20 = 1295 high and 80 X wide.
    const PrintMetrics metrics = PrintMetrics::FromX(10, 20);
    const std::vector<std::tuple<int, int, double>> cases = {
        {800, 1295, 1.0}, {5000, 5000, 1.0}, {800, 1294, 1294.0 / 1295},
        {400, 1295, 0.5}, {400, 518, 0.4},
    };
    for (const auto& [width, height, factor] : cases) {
        EXPECT_DOUBLE_EQ(metrics.FitFactor(width, height), factor) << width << "x" << height;
    }
}

}  // namespace
}  // namespace zelkor
