// The Italian texts of the "Andamento" window, whole.

#include "StatsTestLog.h"

#include "core/stats/LogTimeline.h"
#include "core/stats/ProgressTexts.h"

#include <gtest/gtest.h>

namespace zelkor {
namespace {

std::vector<std::pair<QString, QString>> Shown(const std::vector<FigureLine>& lines)
{
    std::vector<std::pair<QString, QString>> shown;
    for (const FigureLine& line : lines) {
        shown.emplace_back(line.label, line.value);
    }
    return shown;
}

TEST(ProgressTextsTest, RateLinesOfAQsoLog)
{
    LogList log;
    test::FillLog(log, test::At({"09.03.2024 1300", "09.03.2024 1301", "09.03.2024 1340",
                                 "09.03.2024 1405", "09.03.2024 1406"}));
    const LogTimeline timeline = BuildTimeline(log);

    const auto lines = RateLines(ComputeRateFigures(timeline.Minutes()), 2, LogLayout::Qso);

    const std::vector<std::pair<QString, QString>> expected = {
        {"Ultimo QSO", "14:06 del 09.03"},
        {"Ultimi 10 minuti", "2 QSO"},
        {"Ultimi 60 minuti", "3 QSO"},
        {"Ritmo ultimi 10 QSO", "4 QSO/ora (su 5 QSO)"},
        {"Ritmo ultimi 100 QSO", "4 QSO/ora (su 5 QSO)"},
        {"Ora in corso (14:00-14:59)", "2 QSO"},
        {"Migliori 60 minuti (dalle 13:00 del 09.03)", "3 QSO"},
        {"Tempo in aria", "27m"},
        {"Pause di 30 minuti o più", "39m"},
        {"Righe senza data o ora valide", "2"},
    };
    EXPECT_EQ(Shown(lines), expected);
    EXPECT_EQ(lines.front().id, QStringLiteral("latest"));
    EXPECT_EQ(lines[1].id, QStringLiteral("lastTenMinutes"));
}

TEST(ProgressTextsTest, RateLinesOfAnEmptySwlLog)
{
    const std::vector<std::pair<QString, QString>> expected = {
        {"Ultimo Hrd", "-"},
        {"Ultimi 10 minuti", "0 Hrd"},
        {"Ultimi 60 minuti", "0 Hrd"},
        {"Ritmo ultimi 10 Hrd", "-"},
        {"Ritmo ultimi 100 Hrd", "-"},
        {"Ora in corso", "0 Hrd"},
        {"Migliori 60 minuti", "0 Hrd"},
        {"Tempo in aria", "0m"},
        {"Pause di 30 minuti o più", "0m"},
    };
    EXPECT_EQ(Shown(RateLines(ComputeRateFigures({}), 0, LogLayout::Swl)), expected);
}

TEST(ProgressTextsTest, ScoreAndIgnoredRows)
{
    EXPECT_EQ(ScoreTotalText(0), QStringLiteral("PUNTEGGIO TOTALE = 0"));
    EXPECT_EQ(ScoreTotalText(1234567), QStringLiteral("PUNTEGGIO TOTALE = 1.234.567"));
    EXPECT_EQ(IgnoredRowsText({}), QString());
    EXPECT_EQ(
        IgnoredRowsText({{3, IgnoredReason::WrongBand}, {7, IgnoredReason::WrongMode}}),
        QStringLiteral("Righe escluse dal punteggio: n. 3 (banda errata), n. 7 (modo errato)"));
    std::vector<IgnoredRow> many;
    for (int position = 1; position <= 13; ++position) {
        many.push_back({position, IgnoredReason::WrongMode});
    }
    const QString text = IgnoredRowsText(many);
    EXPECT_TRUE(text.endsWith(QStringLiteral("n. 10 (modo errato) e altre 3")))
        << text.toStdString();
}

TEST(ProgressTextsTest, RaceLines)
{
    RaceStanding behind;
    behind.elapsedMinutes = 312;
    behind.ours = {410, 35000};
    behind.theirs = {433, 36520};
    EXPECT_EQ(
        RaceText(behind, QStringLiteral("2023.zelk"), LogLayout::Qso),
        QStringLiteral("Confronto con 2023.zelk\n"
                       "Alla stessa ora di gara (5h 12m dall'inizio): 433 QSO e 36.520 punti\n"
                       "Differenza: -23 QSO, -1.520 punti"));
    RaceStanding ahead = behind;
    ahead.theirs = {410, 1000};
    EXPECT_EQ(RaceText(ahead, QStringLiteral("x"), LogLayout::Swl).section('\n', 2),
              QStringLiteral("Differenza: 0 Hrd, +34.000 punti"));
    EXPECT_EQ(
        RaceText(std::nullopt, QStringLiteral("2023.zelk"), LogLayout::Qso),
        QStringLiteral("Confronto con 2023.zelk\nIl confronto parte con il primo QSO del log."));
}

TEST(ProgressTextsTest, MapSummary)
{
    ProvinceMapData map;
    map.provinces.resize(3);
    map.provinces[0].worked = {1, 0, 0};
    map.provinces[1].worked = {0, 2, 0};
    EXPECT_EQ(MapSummaryText(map, -1),
              QStringLiteral("Province collegate: 2 su 3, moltiplicatori: 2 su 18"));
    EXPECT_EQ(MapSummaryText(map, 0), QStringLiteral("80m ssb: 1 province collegate, 2 mancanti"));
    EXPECT_EQ(MapSummaryText(map, 5),
              QStringLiteral("40m rtty/psk: 0 province collegate, 3 mancanti"));
    map.workedWithoutPosition = {"AA", "XX"};
    EXPECT_EQ(MapSummaryText(map, 4),
              QStringLiteral("40m cw: 1 province collegate, 2 mancanti\n"
                             "Collegate ma non sulla mappa: sigla vuota o non valida, XX"));
    map.provinces[1].worked = {3, 2, 1};
    EXPECT_EQ(MapSummaryText(map, -1).section('\n', 0, 0),
              QStringLiteral("Province collegate: 2 su 3, moltiplicatori: 5 su 18"));
}

}  // namespace
}  // namespace zelkor
