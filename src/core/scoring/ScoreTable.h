#pragma once
// The counts a score is made of: contacts, points and multipliers for each band and mode group,
// and their column sums in a total row. The report shows it; the score is derived from it.

#include <array>
#include <cstdint>

namespace zelkor {

struct ScoreCounts {
    std::int32_t contacts = 0;
    std::int32_t points = 0;
    std::int32_t multipliers = 0;

    bool operator==(const ScoreCounts&) const = default;
};

class ScoreTable {
public:
    // Rows 0-5 are band x 3 + mode group (80 m SSB, CW, RTTY/PSK, then 40 m); row 6 the totals.
    static constexpr int kBandModeRowCount = 6;
    static constexpr int kTotalRow = 6;
    static constexpr int kRowCount = 7;

    [[nodiscard]] static int RowOf(int bandIndex, int modeRow) { return bandIndex * 3 + modeRow; }

    // Rows outside 0..6 read as zeros and are not written.
    [[nodiscard]] const ScoreCounts& Row(int row) const;
    void SetRow(int row, const ScoreCounts& counts);
    [[nodiscard]] const ScoreCounts& Total() const { return m_rows[kTotalRow]; }

    // Counts one contact in a band-mode row. The counters saturate at the int32 maximum instead
    // of wrapping, so that an absurdly long log can never show a negative count.
    void AddContact(int row, std::int32_t points, bool newMultiplier);
    // Row 6 becomes the column sums of rows 0-5, saturating like AddContact.
    void SumTotals();

    // Total points x total multipliers, exact: 64 bits hold the product of any two counts.
    // It is not the sum of the per-row products.
    [[nodiscard]] std::int64_t Score() const;

    bool operator==(const ScoreTable&) const = default;

private:
    std::array<ScoreCounts, kRowCount> m_rows{};
};

}  // namespace zelkor
