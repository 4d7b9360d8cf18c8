#include "core/scoring/ScoreTable.h"

#include <algorithm>
#include <limits>

namespace zelkor {

namespace {

const ScoreCounts kZeroCounts;

std::int32_t SaturatedSum(std::int32_t a, std::int32_t b)
{
    const std::int64_t sum = std::int64_t{a} + b;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        sum, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

bool IsRow(int row)
{
    return row >= 0 && row < ScoreTable::kRowCount;
}

}  // namespace

const ScoreCounts& ScoreTable::Row(int row) const
{
    return IsRow(row) ? m_rows[row] : kZeroCounts;
}

void ScoreTable::SetRow(int row, const ScoreCounts& counts)
{
    if (IsRow(row)) {
        m_rows[row] = counts;
    }
}

void ScoreTable::AddContact(int row, std::int32_t points, bool newMultiplier)
{
    if (!IsRow(row)) {
        return;
    }
    ScoreCounts& counts = m_rows[row];
    counts.contacts = SaturatedSum(counts.contacts, 1);
    counts.points = SaturatedSum(counts.points, points);
    if (newMultiplier) {
        counts.multipliers = SaturatedSum(counts.multipliers, 1);
    }
}

void ScoreTable::SumTotals()
{
    ScoreCounts total;
    for (int row = 0; row < kBandModeRowCount; ++row) {
        total.contacts = SaturatedSum(total.contacts, m_rows[row].contacts);
        total.points = SaturatedSum(total.points, m_rows[row].points);
        total.multipliers = SaturatedSum(total.multipliers, m_rows[row].multipliers);
    }
    m_rows[kTotalRow] = total;
}

std::int64_t ScoreTable::Score() const
{
    return std::int64_t{Total().points} * Total().multipliers;
}

}  // namespace zelkor
