#pragma once
// The two small classifications the worked tables and the score are indexed by: the mode group
// of a contact (ModeRow) and its band (BandIndex), from a list position or from a log text.

#include <cstdint>
#include <optional>
#include <string_view>

namespace zelkor {

// ModeRow 0 SSB, 1 CW, 2 digital (RTTY and PSK31 together).
inline constexpr int kModeRowCount = 3;
// BandIndex 0 for 3.5 MHz ("3,5"), 1 for 7 MHz ("7").
inline constexpr int kBandCount = 2;

// Mode list "SSB" 0, "CW" 1, "RTTY" 2, "PSK31" 3: the position, but 2 above 2. A list without a
// selection (-1) counts as SSB, so that a table is never indexed outside its rows.
int ModeRowFromPosition(int position);

// By the first character, case-sensitive: 'S' 0, 'C' 1, 'R' or 'P' 2. Any other first character,
// or an empty text, gives no ModeRow, and such a row marks nothing.
std::optional<int> ModeRowFromText(std::string_view mode);

// Band list "3,5" 0, "7" 1; any other position counts as 3.5 MHz.
int BandIndexFromPosition(int position);

// Exactly "7" is 7 MHz; every other text ("3,5", "14", "", " 7") counts as 3.5 MHz, which is how
// a band changed to something else by editing a row is scored.
int BandIndexFromText(std::string_view band);

// 1 for 3.5 MHz, 2 for 7 MHz: the bit a band sets in a worked byte.
inline std::uint8_t BandBit(int bandIndex)
{
    return bandIndex == 1 ? 2 : 1;
}

}  // namespace zelkor
