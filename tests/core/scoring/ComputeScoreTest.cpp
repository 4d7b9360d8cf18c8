#include "core/commands/AppContext.h"
#include "core/commands/ScoreCommand.h"
#include "core/log/LogList.h"
#include "core/scoring/ComputeScore.h"
#include "core/settings/SettingKeys.h"
#include "support/ScriptedPrompter.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace zelkor {

// Readable failures: rows as "row: contacts/points/multipliers".
static void PrintTo(const ScoreTable& table, std::ostream* out)
{
    for (int row = 0; row < ScoreTable::kRowCount; ++row) {
        const ScoreCounts& counts = table.Row(row);
        *out << "\n  " << row << ": " << counts.contacts << "/" << counts.points << "/"
             << counts.multipliers;
    }
}

namespace {

struct LoggedContact {
    std::string band;
    std::string mode;
    std::string province;
};

// Rows by band and mode group, as the report shows them.
enum ScoreRow { Ssb80, Cw80, Digital80, Ssb40, Cw40, Digital40 };

struct ScoreCase {
    const char* name;
    LogLayout layout;
    std::vector<LoggedContact> contacts;
    std::vector<std::pair<int, ScoreCounts>> rows;  // every row not listed is zero
    ScoreCounts total;
    int score;
    std::vector<QString> errors;
};

// The other columns carry values that would change the result if the score read them: the
// received report "599" and the answering station's callsign both fall in province slot 0.
void FillLog(LogList& log, LogLayout layout, const std::vector<LoggedContact>& contacts)
{
    log.BuildStartColumns();
    if (layout == LogLayout::Swl) {
        log.SetSwlColumns();
    }
    for (const LoggedContact& c : contacts) {
        if (layout == LogLayout::Swl) {
            log.AppendLogRow(
                {"05.02.2006", "1432", c.band, c.mode, "I1XYZ", "59", c.province, "IK2AAA"});
        } else {
            log.AppendLogRow(
                {"05.02.2006", "1432", c.band, c.mode, "I1XYZ", "59", "599", c.province, "Milano"});
        }
    }
}

// One case per block: name and layout, the contacts, then the expected rows, total, score and
// error boxes.
// clang-format off
std::vector<ScoreCase> ScoreCases()
{
    const auto qso = LogLayout::Qso;
    const auto swl = LogLayout::Swl;
    return {
        {"empty log", qso, {}, {}, {0, 0, 0}, 0, {}},
        {"one MI SSB on 80", qso, {{"3,5", "SSB", "MI"}},
         {{Ssb80, {1, 1, 1}}}, {1, 1, 1}, 1, {}},
        {"MI on 80 CW and 40 CW: one multiplier per band", qso,
         {{"3,5", "CW", "MI"}, {"7", "CW", "MI"}},
         {{Cw80, {1, 3, 1}}, {Cw40, {1, 3, 1}}}, {2, 6, 2}, 12, {}},
        {"MI twice on 80 SSB", qso, {{"3,5", "SSB", "MI"}, {"3,5", "SSB", "MI"}},
         {{Ssb80, {2, 2, 1}}}, {2, 2, 1}, 2, {}},
        {"RTTY and PSK31 share a mode group", qso, {{"7", "RTTY", "TO"}, {"7", "PSK31", "TO"}},
         {{Digital40, {2, 4, 1}}}, {2, 4, 1}, 4, {}},
        {"one province in three mode groups counts three times", qso,
         {{"7", "SSB", "RM"}, {"7", "CW", "RM"}, {"7", "PSK31", "RM"}},
         {{Ssb40, {1, 1, 1}}, {Cw40, {1, 3, 1}}, {Digital40, {1, 2, 1}}}, {3, 6, 3}, 18, {}},
        {"score is total points times total multipliers", qso,
         {{"3,5", "SSB", "MI"}, {"7", "CW", "TO"}, {"7", "CW", "MI"}},
         {{Ssb80, {1, 1, 1}}, {Cw40, {2, 6, 2}}}, {3, 7, 3}, 21, {}},
        {"FM first row is ignored, the rest scored", qso, {{"7", "FM", "MI"}, {"7", "SSB", "MI"}},
         {{Ssb40, {1, 1, 1}}}, {1, 1, 1}, 1, {"Ignorato QSO n. 1 per MODO errato."}},
        {"band 14 at position 3", qso,
         {{"7", "SSB", "MI"}, {"3,5", "CW", "RM"}, {"14", "SSB", "MI"}, {"7", "SSB", "TO"}},
         {{Cw80, {1, 3, 1}}, {Ssb40, {2, 2, 2}}}, {3, 5, 3}, 15,
         {"Ignorato QSO n. 3 per BANDA errata."}},
        {"a wrong band is reported before a wrong mode, once", qso, {{"14", "FM", "MI"}},
         {}, {0, 0, 0}, 0, {"Ignorato QSO n. 1 per BANDA errata."}},
        // Only the two exact band texts; the mode by its first capital alone.
        {"near-miss band and mode texts", qso,
         {{"3.5", "SSB", "MI"}, {"", "CW", "MI"}, {" 7", "CW", "MI"}, {"7", "ssb", "MI"},
          {"7", "", "MI"}, {"3,5", "Cw", "MI"}, {"7", "PACKET", "MI"}},
         {{Cw80, {1, 3, 1}}, {Digital40, {1, 2, 1}}}, {2, 5, 2}, 10,
         {"Ignorato QSO n. 1 per BANDA errata.", "Ignorato QSO n. 2 per BANDA errata.",
          "Ignorato QSO n. 3 per BANDA errata.", "Ignorato QSO n. 4 per MODO errato.",
          "Ignorato QSO n. 5 per MODO errato."}},
        {"XX, unknown to the province table, is a multiplier of its own", qso,
         {{"7", "SSB", "MI"}, {"7", "SSB", "XX"}, {"7", "SSB", "XX"}},
         {{Ssb40, {3, 3, 2}}}, {3, 3, 2}, 6, {}},
        {"empty province codes share one multiplier per band and mode group", qso,
         {{"7", "SSB", ""}, {"7", "SSB", ""}, {"7", "CW", ""}, {"3,5", "SSB", ""}},
         {{Ssb80, {1, 1, 1}}, {Ssb40, {2, 2, 1}}, {Cw40, {1, 3, 1}}}, {4, 6, 3}, 18, {}},
        {"codes that are not two capitals fall together with the empty code", qso,
         {{"7", "SSB", ""}, {"7", "SSB", "mi"}, {"7", "SSB", "M1"}, {"7", "SSB", "MI"}},
         {{Ssb40, {4, 4, 2}}}, {4, 4, 2}, 8, {}},
        {"SWL log takes the calling station's province", swl,
         {{"7", "CW", "MI"}, {"7", "CW", "RM"}, {"3,5", "SSB", "MI"}},
         {{Ssb80, {1, 1, 1}}, {Cw40, {2, 6, 2}}}, {3, 7, 3}, 21, {}},
        {"SWL log reports wrong rows the same way", swl, {{"7", "SSB", "MI"}, {"7", "AM", "MI"}},
         {{Ssb40, {1, 1, 1}}}, {1, 1, 1}, 1, {"Ignorato QSO n. 2 per MODO errato."}},
    };
}
// clang-format on

TEST(ComputeScoreTest, CountsContactsPointsAndMultipliers)
{
    for (const ScoreCase& c : ScoreCases()) {
        SCOPED_TRACE(c.name);
        LogList log;
        FillLog(log, c.layout, c.contacts);
        test::ScriptedPrompter prompter;

        const ScoreResult result = ScoreAndReportIgnored(log, prompter);

        ScoreTable expected;
        for (const auto& [row, counts] : c.rows) {
            expected.SetRow(row, counts);
        }
        expected.SetRow(ScoreTable::kTotalRow, c.total);
        EXPECT_EQ(result.table, expected);
        EXPECT_EQ(result.score, c.score);
        ASSERT_EQ(prompter.boxes.size(), c.errors.size());
        for (std::size_t i = 0; i < c.errors.size(); ++i) {
            EXPECT_EQ(prompter.boxes[i].title, QStringLiteral("Errore"));
            EXPECT_EQ(prompter.boxes[i].text, c.errors[i]);
            EXPECT_EQ(prompter.boxes[i].icon, MessageIcon::Stop);
            EXPECT_EQ(prompter.boxes[i].buttons, MessageButtons::Ok);
        }
    }
}

// Without a prompter: the same table, the ignored rows as values, and a multiplier memory that
// holds exactly the multipliers the table counts.
TEST(ComputeScoreTest, SilentComputationReturnsWhatItIgnoredAndItsMultipliers)
{
    for (const ScoreCase& c : ScoreCases()) {
        SCOPED_TRACE(c.name);
        LogList log;
        FillLog(log, c.layout, c.contacts);
        test::ScriptedPrompter prompter;
        const ScoreResult prompted = ScoreAndReportIgnored(log, prompter);

        const ScoreDetail detail = ComputeScore(log);

        EXPECT_EQ(detail.result.table, prompted.table);
        EXPECT_EQ(detail.result.score, prompted.score);
        std::vector<QString> texts;
        for (const IgnoredRow& row : detail.ignored) {
            texts.push_back(IgnoredRowText(row));
        }
        EXPECT_EQ(texts, c.errors);
        for (int band = 0; band < 2; ++band) {
            for (int mode = 0; mode < 3; ++mode) {
                int workedSlots = 0;
                for (int slot = 0; slot < kProvinceSlotCount; ++slot) {
                    workedSlots += detail.multipliers.IsWorked(slot, mode, band) ? 1 : 0;
                }
                EXPECT_EQ(workedSlots,
                          detail.result.table.Row(ScoreTable::RowOf(band, mode)).multipliers)
                    << band << "/" << mode;
            }
        }
    }
}

TEST(ComputeScoreTest, SilentComputationOverChosenRowsKeepsListPositions)
{
    LogList log;
    FillLog(log, LogLayout::Qso,
            {{"7", "SSB", "MI"}, {"14", "CW", "RM"}, {"7", "CW", "TO"}, {"7", "CW", "MI"}});
    const std::vector<int> rows = {1, 3, 7};  // 7 is outside the log

    const ScoreDetail detail = ComputeScore(log, rows);

    EXPECT_EQ(detail.result.table.Total(), (ScoreCounts{1, 3, 1}));
    EXPECT_EQ(detail.result.score, 3);
    EXPECT_EQ(detail.ignored, (std::vector<IgnoredRow>{{2, IgnoredReason::WrongBand}}));
    EXPECT_TRUE(detail.multipliers.IsWorked(ProvinceIndexOf("MI"), 1, 1));
    EXPECT_FALSE(detail.multipliers.IsWorked(ProvinceIndexOf("MI"), 0, 1));
    EXPECT_FALSE(detail.multipliers.IsWorked(ProvinceIndexOf("TO"), 1, 1));
}

TEST(ComputeScoreTest, CountsSaturateInsteadOfWrapping)
{
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    ScoreTable table;
    table.SetRow(Cw40, {kMax - 1, kMax - 1, kMax});
    table.AddContact(Cw40, 3, true);
    EXPECT_EQ(table.Row(Cw40), (ScoreCounts{kMax, kMax, kMax}));

    table.SetRow(Cw80, {5, 5, 5});
    table.SumTotals();
    EXPECT_EQ(table.Total(), (ScoreCounts{kMax, kMax, kMax}));
}

TEST(ComputeScoreTest, ClaimedScoreIsTheExactProductClampedToInt32)
{
    constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
    const std::vector<std::pair<std::int64_t, int>> cases = {
        {0, 0},
        {21, 21},
        {kMax, static_cast<int>(kMax)},
        {kMax + 1, static_cast<int>(kMax)},
        // Every CW contact of a 200 000-row log, every province on both bands in all modes.
        {std::int64_t{600000} * 4056, static_cast<int>(kMax)},
        {-1, 0},
    };
    for (const auto& [exact, claimed] : cases) {
        EXPECT_EQ(ClaimedScoreOf(exact), claimed) << exact;
    }

    ScoreTable table;
    table.SetRow(ScoreTable::kTotalRow, {200000, 600000, 4056});
    EXPECT_EQ(table.Score(), std::int64_t{2433600000});
}

class ScoreCommandTest : public ::testing::Test {
protected:
    ScoreCommandTest()
    {
        m_context.store = SettingsStore::OpenFile(m_config.File(QStringLiteral("zelkor.conf")));
    }

    test::TempFolder m_config;
    AppContext m_context;
    test::ScriptedPrompter m_prompter;
};

TEST_F(ScoreCommandTest, StoresTheScoreAsClaimedScoreInMemoryAndSettings)
{
    LogList log;
    FillLog(log, LogLayout::Qso, {{"3,5", "SSB", "MI"}, {"7", "CW", "TO"}, {"7", "CW", "MI"}});

    const ScoreResult result = RunScoreComputation(m_context, log, m_prompter);

    EXPECT_EQ(result.score, 21);
    EXPECT_EQ(result.table.Total(), (ScoreCounts{3, 7, 3}));
    EXPECT_EQ(m_context.settings.claimedScore, 21);
    EXPECT_EQ(m_context.store->ReadSetting(keys::kScore, -1), 21);
}

TEST_F(ScoreCommandTest, AnEmptyLogOverwritesAnEarlierScoreWithZero)
{
    ASSERT_TRUE(m_context.store->WriteSetting(keys::kScore, 12345));
    m_context.settings.claimedScore = 12345;
    LogList log;
    FillLog(log, LogLayout::Qso, {});

    EXPECT_EQ(RunScoreComputation(m_context, log, m_prompter).score, 0);
    EXPECT_EQ(m_context.settings.claimedScore, 0);
    EXPECT_EQ(m_context.store->ReadSetting(keys::kScore, -1), 0);
    EXPECT_TRUE(m_prompter.boxes.empty());
}

}  // namespace
}  // namespace zelkor
