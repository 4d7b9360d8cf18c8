#pragma once
// Which band/mode combinations each province code has been worked on: one byte per ModeRow for
// every slot AA..ZZ, bit 0 for 3.5 MHz and bit 1 for 7 MHz. Derived from the log, never saved.

#include "core/contest/BandMode.h"
#include "core/provinces/ProvinceTable.h"

#include <array>
#include <cstdint>

namespace zelkor {

// The three bytes of one province, indexed by ModeRow.
using WorkedEntry = std::array<std::uint8_t, kModeRowCount>;

class ProvinceWorkedTable {
public:
    // Only the two band bits are ever set.
    static constexpr std::uint8_t kBandBits = 0x03;

    // 0 for an index outside 0..675 or a ModeRow outside 0..2.
    [[nodiscard]] std::uint8_t Entry(int index, int modeRow) const;
    // All zero for an index outside 0..675.
    [[nodiscard]] WorkedEntry Entries(int index) const;
    [[nodiscard]] bool IsWorked(int index, int modeRow, int bandIndex) const;

    // Sets the band bit in the entry; bits other than the two band bits are dropped, and an
    // index or ModeRow outside the table changes nothing.
    void MarkProvinceWorked(int index, int modeRow, std::uint8_t bandBit);

    void Clear();
    [[nodiscard]] bool IsEmpty() const;

    bool operator==(const ProvinceWorkedTable& other) const = default;

private:
    std::array<WorkedEntry, kProvinceSlotCount> m_entries{};
};

}  // namespace zelkor
