#pragma once
// The Italian texts of the "Andamento" window, built from the figures so that every one of them
// is checked without a display.

#include "core/log/LogColumns.h"
#include "core/scoring/ComputeScore.h"
#include "core/stats/ProvinceMap.h"
#include "core/stats/RaceTarget.h"
#include "core/stats/RateFigures.h"

#include <QString>

#include <vector>

namespace zelkor {

// One line of the rate box: a stable name for the widgets, what it is, and its value.
struct FigureLine {
    QString id;
    QString label;
    QString value;

    bool operator==(const FigureLine&) const = default;
};

// "QSO" in a QSO log, "Hrd" in an SWL log: what a row is called.
QString ContactWord(LogLayout layout);

// The score report's labels: "80m ssb" ... "40m rtty/psk"; "altro" for kOtherGroup.
QString GroupLabel(int group);

// Every figure of the rate, in the order shown; the rows without a readable date or time only
// when there are some.
std::vector<FigureLine> RateLines(const RateFigures& rates, int untimedRows, LogLayout layout);

// "PUNTEGGIO TOTALE = 12.345", as the report ends.
QString ScoreTotalText(int score);

// Empty when no row was left out; otherwise the rows by position, the first ten of them.
QString IgnoredRowsText(const std::vector<IgnoredRow>& ignored);

// The race in three lines: against what, where the other log was at the same time of its
// contest, and the lead (a sign always shown, except for 0).
QString RaceText(const std::optional<RaceStanding>& standing, const QString& targetName,
                 LogLayout layout);

// Under the map: provinces worked and missing in the group shown, or for -1 the provinces worked
// at all and the multipliers of all groups; then the worked codes that have no place on the map.
QString MapSummaryText(const ProvinceMapData& map, int group);

}  // namespace zelkor
