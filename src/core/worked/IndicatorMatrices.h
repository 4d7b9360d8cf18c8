#pragma once
// What the two matrices of worked indicators beside the entry row show: six buttons each (rows
// ssb, cw, rtty by columns 3,5 and 7), enabled for a worked combination, and the new-multiplier
// sign that belongs to each matrix. Which widget shows a sign is the view's business.

#include "core/worked/ProvinceWorkedTable.h"

#include <array>

namespace zelkor {

// The province matrix shows the (first) province code; the second matrix shows the second
// province code of an SWL entry, or what was worked with the callsign of a QSO entry.
enum class IndicatorMatrix : int { Province = 0, Second = 1 };
// Which matrices ClearMatrixButtons disables.
enum class MatrixChoice : int { Province = 0, Second = 1, Both = 2 };

struct IndicatorMatrices {
    static constexpr int kButtonsPerMatrix = kBandCount * kModeRowCount;
    static constexpr int kButtonCount = 2 * kButtonsPerMatrix;
    // The buttons' ids run from here, in the order of ButtonIndex.
    static constexpr int kFirstButtonId = 10000;

    // 6 x matrix + BandIndex + 2 x ModeRow.
    static int ButtonIndex(IndicatorMatrix matrix, int bandIndex, int modeRow);

    // Indexed by ButtonIndex, that is by button id - kFirstButtonId.
    std::array<bool, kButtonCount> enabled{};
    // The new-multiplier sign of each matrix, indexed by IndicatorMatrix.
    std::array<bool, 2> newMultiplierShown{};

    // False for an id outside the matrices.
    [[nodiscard]] bool IsButtonEnabled(int buttonId) const;
    [[nodiscard]] bool IsNewMultiplierShown(IndicatorMatrix matrix) const;

    bool operator==(const IndicatorMatrices& other) const = default;
};

// Enables each button of a matrix whose band bit is set in the entry's byte of its ModeRow.
// Leaves the sign alone; the per-callsign matrix of a QSO entry is shown this way too.
void ShowMatrixEntry(const WorkedEntry& entry, IndicatorMatrix matrix, IndicatorMatrices& matrices);

// Shows the table's entry of a province in a matrix, and shows that matrix's new-multiplier sign
// when the province is not yet worked on the band and mode chosen in the entry row's lists.
// Returns whether the sign shows.
bool ShowProvinceIndicators(const ProvinceWorkedTable& table, int provinceIndex,
                            IndicatorMatrix matrix, int modeListPosition, int bandListPosition,
                            IndicatorMatrices& matrices);

// Disables the buttons; the new-multiplier signs keep their state.
void ClearMatrixButtons(MatrixChoice which, IndicatorMatrices& matrices);

}  // namespace zelkor
