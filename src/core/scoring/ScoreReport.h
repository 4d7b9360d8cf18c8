#pragma once
// The text of the score report window: the table as fixed-width columns with thousands
// separators, CR LF line ends, and the total score under it.

#include "core/log/LogColumns.h"
#include "core/scoring/ScoreTable.h"

#include <cstdint>
#include <string>

namespace zelkor {

// Full stops between groups of three digits counted from the right: 0 -> "0", 1000 -> "1.000",
// 1234567 -> "1.234.567". Counts are never negative; a negative number would keep its sign in
// front of the grouped digits.
std::string FormatThousands(std::int64_t n);

// The heading says "N.Qso" for a QSO log and "N.Hrd" for an SWL log. The per-row products and
// the total score are exact 64-bit values, so the report never shows a wrapped number.
std::string ScoreReportText(const ScoreTable& table, LogLayout layout);

}  // namespace zelkor
