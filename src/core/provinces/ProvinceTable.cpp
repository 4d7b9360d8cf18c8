#include "core/provinces/ProvinceTable.h"

#include "core/text/Text.h"

#include <algorithm>
#include <utility>

namespace zelkor {

namespace {

bool IsValidIndex(int index)
{
    return index >= 0 && index < kProvinceSlotCount;
}

bool IsWhiteSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// Windows-1252 lower-case letter -> its capital; any other byte is returned unchanged.
unsigned char UpperCaseCp1252(unsigned char c)
{
    if (c >= 'a' && c <= 'z') {
        return static_cast<unsigned char>(c - 'a' + 'A');
    }
    // 0xF7 is the division sign, not a letter; 0xDF (sharp s) has no capital here.
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) {
        return static_cast<unsigned char>(c - 0x20);
    }
    switch (c) {
        case 0x9A:  // s caron
        case 0x9C:  // oe
        case 0x9E:  // z caron
            return static_cast<unsigned char>(c - 0x10);
        case 0xFF:  // y diaeresis
            return 0x9F;
        default:
            return c;
    }
}

}  // namespace

int ProvinceIndexOf(std::string_view code)
{
    if (code.empty() || !std::all_of(code.begin(), code.end(), IsUpperAsciiLetter)) {
        return 0;
    }
    // A lone letter is never looked up; slot 0 keeps the result inside the table.
    if (code.size() < 2) {
        return 0;
    }
    return (code[0] - 'A') * 26 + (code[1] - 'A');
}

std::string ProvinceCodeAt(int index)
{
    if (!IsValidIndex(index)) {
        return {};
    }
    return {static_cast<char>('A' + index / 26), static_cast<char>('A' + index % 26)};
}

void CapitaliseProvinceName(std::string& name)
{
    const auto firstKept = std::find_if_not(name.begin(), name.end(), IsWhiteSpace);
    name.erase(name.begin(), firstKept);
    if (name.empty()) {
        return;
    }
    ToLowerAscii(name);
    name[0] = static_cast<char>(UpperCaseCp1252(static_cast<unsigned char>(name[0])));
    // Only plain letters start a later word: accented capitals after a blank stay as typed.
    for (std::size_t i = 1; i < name.size(); ++i) {
        const char before = name[i - 1];
        if ((before == ' ' || before == '\'' || before == '-') && IsLowerAsciiLetter(name[i])) {
            name[i] = static_cast<char>(name[i] - 'a' + 'A');
        }
    }
}

std::string ProvinceTable::ProvinceNameOf(std::string_view code) const
{
    return m_names[static_cast<std::size_t>(ProvinceIndexOf(code))];
}

const std::string& ProvinceTable::Name(int index) const
{
    static const std::string kNoName;
    return IsValidIndex(index) ? m_names[static_cast<std::size_t>(index)] : kNoName;
}

void ProvinceTable::SetName(int index, std::string name)
{
    if (IsValidIndex(index)) {
        m_names[static_cast<std::size_t>(index)] = std::move(name);
    }
}

void ProvinceTable::Clear()
{
    for (std::string& name : m_names) {
        name.clear();
    }
}

bool ProvinceTable::IsEmpty() const
{
    return std::all_of(m_names.begin(), m_names.end(),
                       [](const std::string& name) { return name.empty(); });
}

}  // namespace zelkor
