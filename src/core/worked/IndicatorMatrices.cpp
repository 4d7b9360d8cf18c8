#include "core/worked/IndicatorMatrices.h"

namespace zelkor {

int IndicatorMatrices::ButtonIndex(IndicatorMatrix matrix, int bandIndex, int modeRow)
{
    return kButtonsPerMatrix * static_cast<int>(matrix) + bandIndex + kBandCount * modeRow;
}

bool IndicatorMatrices::IsButtonEnabled(int buttonId) const
{
    const int index = buttonId - kFirstButtonId;
    return index >= 0 && index < kButtonCount && enabled[index];
}

bool IndicatorMatrices::IsNewMultiplierShown(IndicatorMatrix matrix) const
{
    return newMultiplierShown[static_cast<int>(matrix)];
}

void ShowMatrixEntry(const WorkedEntry& entry, IndicatorMatrix matrix, IndicatorMatrices& matrices)
{
    for (int modeRow = 0; modeRow < kModeRowCount; ++modeRow) {
        for (int bandIndex = 0; bandIndex < kBandCount; ++bandIndex) {
            const int button = IndicatorMatrices::ButtonIndex(matrix, bandIndex, modeRow);
            matrices.enabled[button] = (entry[modeRow] & BandBit(bandIndex)) != 0;
        }
    }
}

bool ShowProvinceIndicators(const ProvinceWorkedTable& table, int provinceIndex,
                            IndicatorMatrix matrix, int modeListPosition, int bandListPosition,
                            IndicatorMatrices& matrices)
{
    ShowMatrixEntry(table.Entries(provinceIndex), matrix, matrices);
    const bool shown = !table.IsWorked(provinceIndex, ModeRowFromPosition(modeListPosition),
                                       BandIndexFromPosition(bandListPosition));
    matrices.newMultiplierShown[static_cast<int>(matrix)] = shown;
    return shown;
}

void ClearMatrixButtons(MatrixChoice which, IndicatorMatrices& matrices)
{
    const auto clear = [&matrices](IndicatorMatrix matrix) {
        ShowMatrixEntry(WorkedEntry{}, matrix, matrices);
    };
    if (which != MatrixChoice::Second) {
        clear(IndicatorMatrix::Province);
    }
    if (which != MatrixChoice::Province) {
        clear(IndicatorMatrix::Second);
    }
}

}  // namespace zelkor
