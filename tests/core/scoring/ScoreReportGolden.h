#pragma once
// The table the QSO report golden file was written from, shared by the core and widget tests.

#include "core/scoring/ScoreTable.h"

namespace zelkor::test {

// The table behind score-report-qso.txt: four- and six-digit values, an empty row, a
// multiplier of three digits. Row 6 holds the column sums.
inline ScoreTable GoldenQsoScoreTable()
{
    ScoreTable table;
    table.SetRow(0, {1234, 1234, 95});
    table.SetRow(1, {310, 930, 88});
    table.SetRow(3, {2051, 2051, 103});
    table.SetRow(4, {7, 21, 6});
    table.SetRow(5, {12, 24, 9});
    table.SetRow(ScoreTable::kTotalRow, {3614, 4260, 301});
    return table;
}

}  // namespace zelkor::test
