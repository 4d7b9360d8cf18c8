// The log raced against: read from its file, lined up from the hour of its first contact, and
// scored so far by the same computation as the log's own score.

#include "StatsTestLog.h"

#include "core/log/LogFile.h"
#include "core/platform/FileIO.h"
#include "core/provinces/ProvinceTable.h"
#include "core/scoring/ComputeScore.h"
#include "core/settings/SummaryData.h"
#include "core/stats/RaceTarget.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace zelkor {
namespace {

using test::Contact;

// Last year's log, not in time order: SSB/MI at 14:00, CW/RM at 14:30, CW/MI at 15:10,
// SSB/MI at 14:05 (no new multiplier), a row on 14 MHz at 14:20.
std::vector<Contact> LastYear()
{
    return {{"11.03.2023", "1400", "3,5", "SSB", "MI"},
            {"11.03.2023", "1430", "7", "CW", "RM"},
            {"11.03.2023", "1510", "7", "CW", "MI"},
            {"11.03.2023", "1405", "3,5", "SSB", "MI"},
            {"11.03.2023", "1420", "14", "CW", "TO"}};
}

class RaceTargetTest : public ::testing::Test {
protected:
    QString WriteLog(const QString& name, const std::vector<Contact>& contacts)
    {
        LogList log;
        test::FillLog(log, contacts);
        m_folder.Write(name, LogFileBytes(log, SummaryData{}));
        return m_folder.File(name);
    }

    test::TempFolder m_folder;
    ProvinceTable m_provinces;
};

TEST_F(RaceTargetTest, ScoresTheOtherLogUpToTheSameTimeOfItsContest)
{
    const RaceLoad load =
        LoadRaceTarget(WriteLog(QStringLiteral("2023.zelk"), LastYear()), m_provinces);
    ASSERT_TRUE(load.target) << load.error.toStdString();
    const RaceTarget& target = *load.target;
    EXPECT_EQ(target.Name(), QStringLiteral("2023.zelk"));
    EXPECT_EQ(target.HourTotals(), (std::vector<int>{4, 1}));

    const std::pair<std::int64_t, RaceSoFar> moments[] = {
        {0, {1, 1}},                    // SSB/MI
        {5, {2, 2}},                    // SSB/MI again: a point, no multiplier
        {20, {3, 2}},                   // the 14 MHz row counts as a contact, not in the score
        {30, {4, 10}},                  // CW/RM: points 2 + 3, multipliers 2
        {69, {4, 10}},  {70, {5, 24}},  // CW/MI on 40: points 8, multipliers 3
        {600, {5, 24}},
    };
    for (const auto& [elapsed, expected] : moments) {
        EXPECT_EQ(target.SoFar(elapsed), expected) << elapsed;
    }
    // The whole log scores as "Mostra punteggio" scores it.
    EXPECT_EQ(target.SoFar(600).score, ComputeScore(target.Log()).result.score);
}

TEST_F(RaceTargetTest, ComparesAtTheLatestContactFromTheStartOfEachFirstHour)
{
    const RaceLoad load =
        LoadRaceTarget(WriteLog(QStringLiteral("2023.zelk"), LastYear()), m_provinces);
    ASSERT_TRUE(load.target);
    LogList log;
    // 13:50 to 14:20 is 80 minutes from 13:00, as 15:20 is from 14:00 last year.
    test::FillLog(
        log, {{"09.03.2024", "1350", "7", "CW", "TO"}, {"09.03.2024", "1420", "7", "CW", "NA"}});
    const LogTimeline timeline = BuildTimeline(log);

    const std::optional<RaceStanding> standing =
        CompareRace(timeline, ComputeScore(log).result.score, *load.target);

    ASSERT_TRUE(standing);
    EXPECT_EQ(standing->elapsedMinutes, 80);
    EXPECT_EQ(standing->ours, (RaceSoFar{2, 12}));
    EXPECT_EQ(standing->theirs, (RaceSoFar{5, 24}));
    EXPECT_EQ(standing->ContactLead(), -3);
    EXPECT_EQ(standing->ScoreLead(), -12);

    LogList empty;
    test::FillLog(empty, {});
    EXPECT_FALSE(CompareRace(BuildTimeline(empty), 0, *load.target));
}

TEST_F(RaceTargetTest, AnSwlLogIsScoredByItsCallingStationsProvince)
{
    auto log = std::make_unique<LogList>();
    test::FillLog(
        *log, {{"11.03.2023", "1400", "7", "CW", "RM"}, {"11.03.2023", "1401", "7", "CW", "MI"}},
        /*swl=*/true);
    const std::unique_ptr<RaceTarget> target =
        RaceTarget::FromLog(std::move(log), QStringLiteral("swl"));
    ASSERT_TRUE(target);
    EXPECT_EQ(target->SoFar(1), (RaceSoFar{2, 12}));
}

TEST_F(RaceTargetTest, SaysWhyThereIsNothingToRace)
{
    const QString missing = m_folder.File(QStringLiteral("manca.zelk"));
    const RaceLoad unreadable = LoadRaceTarget(missing, m_provinces);
    EXPECT_FALSE(unreadable.target);
    EXPECT_TRUE(unreadable.error.startsWith(
        QStringLiteral("Impossibile leggere il log da confrontare:\n") + missing + "\n\n"))
        << unreadable.error.toStdString();
    EXPECT_GT(
        unreadable.error.size(),
        (QStringLiteral("Impossibile leggere il log da confrontare:\n") + missing + "\n\n").size());

    const QString untimed = WriteLog(QStringLiteral("senza-ore.zelk"),
                                     {{"", "1400"}, {"11.03.2023", ""}, {"32.03.2023", "1400"}});
    const RaceLoad noTimes = LoadRaceTarget(untimed, m_provinces);
    EXPECT_FALSE(noTimes.target);
    EXPECT_EQ(
        noTimes.error,
        QStringLiteral("Il log da confrontare non ha nessuna riga con data e ora leggibili:\n") +
            untimed);
}

}  // namespace
}  // namespace zelkor
