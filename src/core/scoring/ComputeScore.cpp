#include "core/scoring/ComputeScore.h"

#include "core/contest/BandMode.h"
#include "core/log/LogColumns.h"
#include "core/log/LogList.h"
#include "core/platform/Prompter.h"
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

// Stricter than the worked tables' band rule: a band that is neither contest band is an error
// here, not 80 m, so that a mistyped row can't score on the wrong band unnoticed.
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

// One byte per (province slot, mode group) holding a bit per band: a fixed array, so that each
// row is a lookup and the pass stays linear.
class MultiplierMemory {
public:
    // Marks the combination and returns whether it was new.
    bool Mark(int slot, int modeRow, int bandIndex)
    {
        std::uint8_t& flags = m_flags[slot * kModeRowCount + modeRow];
        const std::uint8_t bit = BandBit(bandIndex);
        const bool isNew = (flags & bit) == 0;
        flags |= bit;
        return isNew;
    }

private:
    std::array<std::uint8_t, kProvinceSlotCount * kModeRowCount> m_flags{};
};

}  // namespace

ScoreResult ComputeScore(const LogList& log, Prompter& prompter)
{
    const int provinceColumn =
        log.IsSwl() ? int{SwlColumn::ProvinceCode} : int{QsoColumn::ProvinceCode};
    // Band and mode sit in the same columns in both layouts.
    static_assert(int{QsoColumn::Band} == int{SwlColumn::Band} &&
                  int{QsoColumn::Mode} == int{SwlColumn::Mode});

    ScoreResult result;
    MultiplierMemory memory;
    for (int row = 0; row < log.RowCount(); ++row) {
        const int position = row + 1;
        const std::optional<int> band = ScoringBandIndex(log.Cell(row, QsoColumn::Band));
        if (!band) {
            prompter.Error(QStringLiteral("Ignorato QSO n. %1 per BANDA errata.").arg(position));
            continue;
        }
        const std::optional<int> mode = ModeRowFromText(log.Cell(row, QsoColumn::Mode));
        if (!mode) {
            prompter.Error(QStringLiteral("Ignorato QSO n. %1 per MODO errato.").arg(position));
            continue;
        }
        // Unknown codes keep their own slot; anything that is not two capitals shares slot 0.
        const int slot = ProvinceIndexOf(log.Cell(row, provinceColumn));
        const bool newMultiplier = memory.Mark(slot, *mode, *band);
        result.table.AddContact(ScoreTable::RowOf(*band, *mode), kPointsPerMode[*mode],
                                newMultiplier);
    }
    result.table.SumTotals();
    result.score = ClaimedScoreOf(result.table.Score());
    return result;
}

int ClaimedScoreOf(std::int64_t exactScore)
{
    return static_cast<int>(
        std::clamp<std::int64_t>(exactScore, 0, std::numeric_limits<std::int32_t>::max()));
}

}  // namespace zelkor
