#include "core/provinces/ProvinceTable.h"

#include <gtest/gtest.h>

#include <string>

namespace zelkor {
namespace {

TEST(ProvinceTableTest, IndexOfCodes)
{
    struct Case {
        std::string code;
        int index;
    };
    const Case cases[] = {
        {"AA", 0},   {"AB", 1},   {"AZ", 25},   {"BA", 26},   {"RM", 454},
        {"MI", 320}, {"ZZ", 675}, {"MIL", 320},  // only the first two letters count
        {"", 0},     {"M1", 0},   {"M", 0},     {"Z", 0},     {"mi", 0},
        {"Mi", 0},   {"MI ", 0},  {" MI", 0},   {"\xC8Z", 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ProvinceIndexOf(c.code), c.index) << "code '" << c.code << "'";
    }
}

TEST(ProvinceTableTest, CodeAtIsTheInverseOfIndexOf)
{
    EXPECT_EQ(ProvinceCodeAt(0), "AA");
    EXPECT_EQ(ProvinceCodeAt(25), "AZ");
    EXPECT_EQ(ProvinceCodeAt(26), "BA");
    EXPECT_EQ(ProvinceCodeAt(454), "RM");
    EXPECT_EQ(ProvinceCodeAt(675), "ZZ");
    EXPECT_EQ(ProvinceCodeAt(-1), "");
    EXPECT_EQ(ProvinceCodeAt(676), "");
    for (int index = 0; index < kProvinceSlotCount; ++index) {
        ASSERT_EQ(ProvinceIndexOf(ProvinceCodeAt(index)), index);
    }
}

TEST(ProvinceTableTest, NameLookups)
{
    ProvinceTable table;
    table.SetName(ProvinceIndexOf("MI"), "MILANO");
    EXPECT_EQ(table.ProvinceNameOf("MI"), "MILANO");
    EXPECT_EQ(table.ProvinceNameOf("RM"), "");
    EXPECT_EQ(table.ProvinceNameOf("mi"), "");
    EXPECT_EQ(table.ProvinceNameOf("M1"), "");

    // Bad codes land on AA, so a name stored there answers them too.
    table.SetName(0, "SLOT AA");
    EXPECT_EQ(table.ProvinceNameOf("M1"), "SLOT AA");

    table.SetName(676, "OUTSIDE");
    table.SetName(-1, "OUTSIDE");
    EXPECT_EQ(table.Name(676), "");
    EXPECT_EQ(table.Name(-1), "");

    EXPECT_FALSE(table.IsEmpty());
    table.Clear();
    EXPECT_TRUE(table.IsEmpty());
    EXPECT_EQ(table.ProvinceNameOf("MI"), "");
}

TEST(ProvinceCapitaliseTest, Examples)
{
    struct Case {
        std::string name;
        std::string expected;
    };
    const Case cases[] = {
        {"MILANO", "Milano"},
        {"PESARO E URBINO", "Pesaro E Urbino"},
        {"REGGIO NELL'EMILIA", "Reggio Nell'Emilia"},
        {"  barletta-andria-trani", "Barletta-Andria-Trani"},
        {"\t\nMONZA E BRIANZA", "Monza E Brianza"},
        {"MILANO   ", "Milano   "},
        {"a b", "A B"},
        {"", ""},
        {"   ", ""},
        // A first character that is not a letter stays; only a blank, ' or - starts a word.
        {"1ROMA", "1roma"},
        {"'ROMA", "'Roma"},
        // Accented capitals are not lowered, accented letters after a blank are not raised.
        {"FORL\xCC-CESENA", "Forl\xCC-Cesena"},
        {"X \xE8", "X \xE8"},
        // Accented letters at the start take their Windows-1252 capitals.
        {"\xE8RBA", "\xC8rba"},
        {"\xE0", "\xC0"},
        {"\xFE", "\xDE"},
        {"\x9A", "\x8A"},
        {"\x9C", "\x8C"},
        {"\x9E", "\x8E"},
        {"\xFF", "\x9F"},
        {"\xF7X", "\xF7x"},
        {"\xDFX", "\xDFx"},
        {"\xC8RBA", "\xC8rba"},
    };
    for (const Case& c : cases) {
        std::string name = c.name;
        CapitaliseProvinceName(name);
        EXPECT_EQ(name, c.expected) << "name '" << c.name << "'";
    }
}

}  // namespace
}  // namespace zelkor
