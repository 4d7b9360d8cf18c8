#include "core/text/Cp1252.h"
#include "core/text/Text.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace zelkor {
namespace {

TEST(Cp1252Test, EveryByteSurvivesTheRoundTrip)
{
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all.push_back(static_cast<char>(b));
    }
    const QString text = ToQString(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(FromQString(text), all);
}

TEST(Cp1252Test, MapsTheWindowsCharacters)
{
    struct Case {
        std::string bytes;
        QString text;
    };
    const Case cases[] = {
        {"\x80", QString(QChar(0x20AC))}, {"perch\xE9", QStringLiteral(u"perché")},
        {"\xE8", QStringLiteral(u"è")},   {"\x9F", QString(QChar(0x0178))},
        {"\x81", QString(QChar(0x0081))},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ToQString(c.bytes), c.text);
        EXPECT_EQ(FromQString(c.text), c.bytes);
    }
}

TEST(Cp1252Test, CharactersOutsideTheCodePageBecomeQuestionMarks)
{
    EXPECT_EQ(FromQString(QStringLiteral(u"a\u0416b")), "a?b");
    EXPECT_EQ(FromQString(QString::fromUtf8("x\xF0\x9F\x93\xBBy")), "x?y");
}

TEST(Cp1252Test, Utf8FilesAreReadAsTheirWindowsBytes)
{
    struct Case {
        const char* name;
        QByteArray bytes;
        std::optional<QByteArray> expected;
    };
    const std::vector<Case> cases = {
        {"accented names",
         "FC Forl\xC3\xAC-Cesena\r\nAO Valle d\xE2\x80\x99"
         "Aosta\r\n",
         QByteArray("FC Forl\xEC-Cesena\r\nAO Valle d\x92"
                    "Aosta\r\n")},
        {"byte order mark", "\xEF\xBB\xBFRM Roma\r\n", QByteArray("RM Roma\r\n")},
        {"plain ASCII stays as it is", "RM Roma\r\n", std::nullopt},
        {"a Windows-1252 file is no UTF-8", "FC Forl\xEC-Cesena\r\n", std::nullopt},
        {"a character without its byte", "RM Roma \xE2\x82\xBD\r\n", std::nullopt},
        {"binary data",
         QByteArray("\x7F"
                    "ELF\x02\x01\x00\xFF\xC3",
                    9),
         std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Utf8AsCp1252(c.bytes), c.expected) << c.name;
    }
}

TEST(FormatTest, PrintfStyles)
{
    EXPECT_EQ(Format("%5d", 1), "    1");
    EXPECT_EQ(Format("%5d", 100000), "100000");
    EXPECT_EQ(Format("%-14s|", "I2ABC"), "I2ABC         |");
    EXPECT_EQ(Format("%s %s\r\n", "MI", "MILANO"), "MI MILANO\r\n");
    EXPECT_EQ(Format("%s", ""), "");
    EXPECT_EQ(Format("%s", std::string(5000, 'x').c_str()).size(), 5000U);
}

TEST(CompareBytesTest, OrdersOnUnsignedBytesAndPrefixFirst)
{
    struct Case {
        std::string a;
        std::string b;
        int sign;
    };
    const Case cases[] = {
        {"I2ABC", "I2ABC", 0}, {"I2AB", "I2ABC", -1}, {"IK2", "I2A", 1},
        {"\xE8", "z", 1},      {"", "A", -1},         {"9A", "A", -1},
    };
    for (const Case& c : cases) {
        const int r = CompareBytes(c.a, c.b);
        EXPECT_EQ((r > 0) - (r < 0), c.sign) << c.a << " vs " << c.b;
    }
}

TEST(TextTest, AsciiCaseAndTrim)
{
    std::string s = "mi milano \xE8";
    ToUpperAscii(s);
    EXPECT_EQ(s, "MI MILANO \xE8");
    ToLowerAscii(s);
    EXPECT_EQ(s, "mi milano \xE8");
    EXPECT_EQ(TrimWhiteSpace("  \tMI Milano \r"), "MI Milano");
    EXPECT_EQ(TrimWhiteSpace("   "), "");
}

}  // namespace
}  // namespace zelkor
