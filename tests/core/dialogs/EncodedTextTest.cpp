// The encoding of the string table and of the manual: what any table the build makes decodes to,
// and how the readable sources are turned into Windows-1252.

#include "core/text/EncodedText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zelkor {
namespace {

std::string AllBytes(int from, int to)
{
    std::string bytes;
    for (int b = from; b < to; ++b) {
        bytes.push_back(static_cast<char>(b));
    }
    return bytes;
}

TEST(EncodedStringTableTest, EveryEntryIsFoundPastEntriesOfOtherLengths)
{
    const std::vector<std::vector<std::string>> tables = {
        {"", "Zelkor", ""},
        {"a", "", "bc", std::string(255, 'x'), "dopo il massimo"},
        {std::string(255, '\0'), "", ""},
        {AllBytes(0, 255), AllBytes(255, 256), "perch\xE9"},
    };
    for (const auto& entries : tables) {
        const std::optional<std::string> table = EncodeStringTable(entries);
        ASSERT_TRUE(table);
        for (int n = 0; n < static_cast<int>(entries.size()); ++n) {
            EXPECT_EQ(DecodeStringEntry(*table, n), entries[static_cast<std::size_t>(n)])
                << "entry " << n;
        }
    }
}

TEST(EncodedStringTableTest, RequestsOutsideTheTableAreEmpty)
{
    const std::string table = *EncodeStringTable({"uno", "due", "tre"});
    for (const int n : {3, 4, 255, 100000, -1}) {
        EXPECT_EQ(DecodeStringEntry(table, n), "") << "entry " << n;
    }
    EXPECT_EQ(DecodeStringEntry("", 0), "");

    // A table cut inside its last entry: the entries before it are still whole.
    const std::string cut = table.substr(0, table.size() - 1);
    EXPECT_EQ(DecodeStringEntry(cut, 1), "due");
    EXPECT_EQ(DecodeStringEntry(cut, 2), "");
}

TEST(EncodedStringTableTest, TextsAreNotReadableEachEntryRestartsItsKeyAndHoldsAtMost255Bytes)
{
    const std::string table = *EncodeStringTable({"Zelkor", "Zelkor"});
    ASSERT_EQ(table.size(), 14U);
    EXPECT_EQ(table.find("Zelkor"), std::string::npos);
    EXPECT_NE(table.substr(1, 3), "Zel");
    EXPECT_EQ(table.substr(1, 6), table.substr(8, 6));
    EXPECT_FALSE(EncodeStringTable({"ok", std::string(256, 'x')}));
}

TEST(EncodedInstructionsTest, TheKeyRunsThroughTheWholeText)
{
    const std::string text = AllBytes(0, 256) + "Riga\nRiga\n" + AllBytes(0, 256);
    const std::string encoded = EncodeInstructions(text);
    ASSERT_EQ(encoded.size(), text.size());
    EXPECT_EQ(DecodeInstructions(encoded), text);
    // Two equal lines are stored differently: the key does not restart at a line.
    EXPECT_NE(encoded.substr(256, 5), encoded.substr(261, 5));
}

TEST(InstructionsBoxTextTest, EveryLineFeedBecomesCrLf)
{
    const std::pair<std::string, std::string> cases[] = {
        {"", ""},
        {"una riga", "una riga"},
        {"a\nb", "a\r\nb"},
        {"\n\n", "\r\n\r\n"},
        {"fine\n", "fine\r\n"},
        {"perch\xE9\n", "perch\xE9\r\n"},
        // A CR already there is copied like any other byte.
        {"a\r\nb", "a\r\r\nb"},
    };
    for (const auto& [manual, shown] : cases) {
        EXPECT_EQ(WithCrLfLineBreaks(manual), shown) << manual;
    }
}

TEST(SourceToCp1252Test, ConvertsWhatTheCodePageHolds)
{
    const std::pair<const char*, std::string> cases[] = {
        {"", ""},
        {"perché è così\n", "perch\xE9 \xE8 cos\xEC\n"},
        {"€ ‰ Œ “x”", "\x80 \x89 \x8C \x93x\x94"},
    };
    for (const auto& [utf8, cp1252] : cases) {
        QString problem;
        const std::optional<std::string> converted = SourceToCp1252(utf8, problem);
        ASSERT_TRUE(converted) << utf8 << ": " << problem.toStdString();
        EXPECT_EQ(*converted, cp1252);
    }
}

TEST(SourceToCp1252Test, StopsAtTheFirstCharacterItCannotHold)
{
    const std::pair<QByteArray, QString> cases[] = {
        {"prima\nva \xE2\x86\x92 qui", "line 2, column 4: character U+2192"},
        {"radio \xF0\x9F\x93\xBB", "line 1, column 7: character U+1F4FB"},
        {"riga\r\n", "line 1, column 5: control character U+000D"},
        {"\xC2\x81", "line 1, column 1: control character U+0081"},
        {"ok\n\xC3(", "line 2, column 1: the file is not valid UTF-8"},
    };
    for (const auto& [utf8, start] : cases) {
        QString problem;
        EXPECT_FALSE(SourceToCp1252(utf8, problem)) << utf8.toStdString();
        EXPECT_TRUE(problem.startsWith(start)) << problem.toStdString();
    }
}

TEST(StringTableSourceTest, ReadsNumberedEntriesAndRefusesGapsMissingTabsAndLongEntries)
{
    QString problem;
    const auto entries = ParseStringTableSource(
        "# note\n\n0\tTitolo\n1\t\n# another note\n2\tcos\xC3\xAC\n", problem);
    ASSERT_TRUE(entries) << problem.toStdString();
    EXPECT_EQ(*entries, (std::vector<std::string>{"Titolo", "", "cos\xEC"}));

    // 255 accented letters are 510 bytes of UTF-8 but fit: the limit counts Windows-1252 bytes.
    QByteArray accented;
    for (int i = 0; i < 255; ++i) {
        accented += "\xC3\xA8";
    }
    EXPECT_TRUE(ParseStringTableSource("0\t" + accented + "\n", problem));

    const std::pair<QByteArray, QString> cases[] = {
        {"0\ta\n2\tb\n", "line 2: expected entry 1"},
        {"0 senza tab\n", "line 1: expected entry 0"},
        {"0\t" + QByteArray(256, 'x'), "line 1: entry 0 has 256 bytes"},
        {"0\t\xE2\x86\x92", "line 1, column 3: character U+2192"},
    };
    for (const auto& [source, start] : cases) {
        EXPECT_FALSE(ParseStringTableSource(source, problem)) << source.toStdString();
        EXPECT_TRUE(problem.startsWith(start)) << problem.toStdString();
    }
}

}  // namespace
}  // namespace zelkor
