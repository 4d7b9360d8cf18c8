#pragma once
// The names of the Italian provinces, one slot per possible two-letter code AA..ZZ, in code order.
// An empty slot means that no province has that code.

#include <array>
#include <string>
#include <string_view>

namespace zelkor {

inline constexpr int kProvinceSlotCount = 26 * 26;

// The slot of a code: (first letter - 'A') * 26 + (second letter - 'A'). Anything that is not
// made only of capital letters A-Z (the empty string, "M1", "mi") gives 0, the slot of AA, which
// no real province uses, so that a lookup of a bad code finds no name. A single capital letter
// also gives 0.
int ProvinceIndexOf(std::string_view code);

// The two-letter code of a slot; empty for an index outside 0..675.
std::string ProvinceCodeAt(int index);

// Brings a name into the form shown to the user: leading white space removed, every word
// starting with a capital ("PESARO E URBINO" -> "Pesaro E Urbino", "REGGIO NELL'EMILIA" ->
// "Reggio Nell'Emilia"). Trailing spaces stay.
void CapitaliseProvinceName(std::string& name);

class ProvinceTable {
public:
    // Empty for an unknown code and for a code that is not made of at least two capital
    // letters; a longer code of capitals is looked up by its first two.
    [[nodiscard]] std::string ProvinceNameOf(std::string_view code) const;

    // Indexes outside 0..675 read as empty and are not written.
    [[nodiscard]] const std::string& Name(int index) const;
    void SetName(int index, std::string name);

    void Clear();
    [[nodiscard]] bool IsEmpty() const;

    bool operator==(const ProvinceTable& other) const = default;

private:
    std::array<std::string, kProvinceSlotCount> m_names;
};

}  // namespace zelkor
