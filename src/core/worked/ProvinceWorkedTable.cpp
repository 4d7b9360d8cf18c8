#include "core/worked/ProvinceWorkedTable.h"

#include <algorithm>

namespace zelkor {

namespace {

bool IsInside(int index, int modeRow)
{
    return index >= 0 && index < kProvinceSlotCount && modeRow >= 0 && modeRow < kModeRowCount;
}

}  // namespace

std::uint8_t ProvinceWorkedTable::Entry(int index, int modeRow) const
{
    return IsInside(index, modeRow) ? m_entries[index][modeRow] : 0;
}

WorkedEntry ProvinceWorkedTable::Entries(int index) const
{
    return IsInside(index, 0) ? m_entries[index] : WorkedEntry{};
}

bool ProvinceWorkedTable::IsWorked(int index, int modeRow, int bandIndex) const
{
    return (Entry(index, modeRow) & BandBit(bandIndex)) != 0;
}

void ProvinceWorkedTable::MarkProvinceWorked(int index, int modeRow, std::uint8_t bandBit)
{
    if (IsInside(index, modeRow)) {
        m_entries[index][modeRow] |= bandBit & kBandBits;
    }
}

void ProvinceWorkedTable::Clear()
{
    m_entries.fill(WorkedEntry{});
}

bool ProvinceWorkedTable::IsEmpty() const
{
    return std::all_of(m_entries.begin(), m_entries.end(),
                       [](const WorkedEntry& entry) { return entry == WorkedEntry{}; });
}

}  // namespace zelkor
