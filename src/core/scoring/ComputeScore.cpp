#include "core/scoring/ComputeScore.h"

#include "core/contest/BandMode.h"
#include "core/log/LogColumns.h"
#include "core/log/LogList.h"
#include "core/provinces/ProvinceTable.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>

namespace zelkor {

namespace {

// Points per contact by mode group: SSB, CW, RTTY/PSK31.
constexpr std::array<std::int32_t, kModeRowCount> kPointsPerMode = {1, 3, 2};

// The province slot's byte per mode group holds a bit per band, so that each row is a lookup and
// the pass stays linear.
void ScoreRow(const LogList& log, int row, int provinceColumn, ScoreDetail& detail)
{
    const int position = row + 1;
    const std::optional<int> band = ScoringBandIndex(log.Cell(row, QsoColumn::Band));
    if (!band) {
        detail.ignored.push_back({position, IgnoredReason::WrongBand});
        return;
    }
    const std::optional<int> mode = ModeRowFromText(log.Cell(row, QsoColumn::Mode));
    if (!mode) {
        detail.ignored.push_back({position, IgnoredReason::WrongMode});
        return;
    }
    // Unknown codes keep their own slot; anything that is not two capitals shares slot 0.
    const int slot = ProvinceIndexOf(log.Cell(row, provinceColumn));
    const bool newMultiplier = !detail.multipliers.IsWorked(slot, *mode, *band);
    detail.multipliers.MarkProvinceWorked(slot, *mode, BandBit(*band));
    detail.result.table.AddContact(ScoreTable::RowOf(*band, *mode), kPointsPerMode[*mode],
                                   newMultiplier);
}

int ProvinceColumnOf(const LogList& log)
{
    // Band and mode sit in the same columns in both layouts.
    static_assert(int{QsoColumn::Band} == int{SwlColumn::Band} &&
                  int{QsoColumn::Mode} == int{SwlColumn::Mode});
    return log.IsSwl() ? int{SwlColumn::ProvinceCode} : int{QsoColumn::ProvinceCode};
}

void FinishScore(ScoreDetail& detail)
{
    detail.result.table.SumTotals();
    detail.result.score = ClaimedScoreOf(detail.result.table.Score());
}

}  // namespace

std::optional<int> ScoringBandIndex(std::string_view band)
{
    if (band == "7") {
        return 1;
    }
    if (band == "3,5") {
        return 0;
    }
    return std::nullopt;
}

ScoreDetail ComputeScore(const LogList& log)
{
    ScoreDetail detail;
    const int provinceColumn = ProvinceColumnOf(log);
    for (int row = 0; row < log.RowCount(); ++row) {
        ScoreRow(log, row, provinceColumn, detail);
    }
    FinishScore(detail);
    return detail;
}

ScoreDetail ComputeScore(const LogList& log, std::span<const int> rows)
{
    ScoreDetail detail;
    const int provinceColumn = ProvinceColumnOf(log);
    for (const int row : rows) {
        if (row >= 0 && row < log.RowCount()) {
            ScoreRow(log, row, provinceColumn, detail);
        }
    }
    FinishScore(detail);
    return detail;
}

QString IgnoredRowText(const IgnoredRow& row)
{
    return row.reason == IgnoredReason::WrongBand
               ? QStringLiteral("Ignorato QSO n. %1 per BANDA errata.").arg(row.position)
               : QStringLiteral("Ignorato QSO n. %1 per MODO errato.").arg(row.position);
}

int ClaimedScoreOf(std::int64_t exactScore)
{
    return static_cast<int>(
        std::clamp<std::int64_t>(exactScore, 0, std::numeric_limits<std::int32_t>::max()));
}

}  // namespace zelkor
