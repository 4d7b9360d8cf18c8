#include "core/provinces/ProvinceFile.h"

#include "ProvinceTestHelpers.h"
#include "support/TempFolder.h"

#include <QBuffer>
#include <QFile>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zelkor {
namespace {

using test::Entries;
using test::ProvinceEntries;

QByteArray Bytes(const std::string& text)
{
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

// A valid province line ("TO XXX...") of exactly `length` characters, without line end.
std::string LongLine(std::size_t length)
{
    return "TO " + std::string(length - 3, 'X');
}

ProvinceTable LoadAtStartUp(const std::string& bytes)
{
    QByteArray data = Bytes(bytes);
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    ProvinceTable table;
    LoadProvinceFile(buffer, table);
    return table;
}

int Import(const std::string& bytes, ProvinceTable& table)
{
    QByteArray data = Bytes(bytes);
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    return ImportProvinceLines(buffer, table);
}

TEST(ProvinceFileTest, ReadsLinesByteByByte)
{
    struct Read {
        std::string line;
        bool endedWithLineFeed;
        bool endOfFile;
    };
    struct Case {
        const char* name;
        std::string bytes;
        std::vector<Read> reads;
    };
    const Case cases[] = {
        {"empty", "", {{"", false, true}}},
        {"lone LF", "\n", {{"", true, false}, {"", false, true}}},
        {"CR LF", "ab\r\ncd\r\n", {{"ab", true, false}, {"cd", true, false}, {"", false, true}}},
        {"CR anywhere", "a\rb\r\r\nc", {{"ab", true, false}, {"c", false, true}}},
        {"CR only", "ab\rcd\r", {{"abcd", false, true}}},
        {"stops after 201",
         std::string(250, 'x') + "\n",
         {{std::string(201, 'x'), false, false}, {std::string(49, 'x'), true, false}}},
        {"200 and LF", std::string(200, 'x') + "\n", {{std::string(200, 'x'), true, false}}},
    };
    for (const Case& c : cases) {
        QByteArray data = Bytes(c.bytes);
        QBuffer buffer(&data);
        buffer.open(QIODevice::ReadOnly);
        std::string line = "left over";
        for (const Read& expected : c.reads) {
            const ProvinceLineRead read = ReadProvinceLine(buffer, line);
            EXPECT_EQ(line, expected.line) << c.name;
            EXPECT_EQ(read.length, static_cast<int>(expected.line.size())) << c.name;
            EXPECT_EQ(read.endedWithLineFeed, expected.endedWithLineFeed) << c.name;
            EXPECT_EQ(read.endOfFile, expected.endOfFile) << c.name;
        }
    }
}

// The same bytes read at start-up and imported: start-up takes the lines as they are and stops
// at the first over-long line or an unterminated last line; import trims, skips over-long lines
// and takes the last line.
TEST(ProvinceFileTest, StartUpAndImportReadTheSameBytesDifferently)
{
    const std::string line199 = LongLine(199);
    const std::string line200 = LongLine(200);
    struct Case {
        const char* name;
        std::string bytes;
        ProvinceEntries atStartUp;
        ProvinceEntries imported;
        int importedCount;
    };
    // clang-format off
    const Case cases[] = {
        {"plain", "MI Milano\r\n", {{"MI", "MILANO"}}, {{"MI", "MILANO"}}, 1},
        {"lower case", "mi milano\r\n", {{"MI", "MILANO"}}, {{"MI", "MILANO"}}, 1},
        {"5 and 6 characters", "MI Mi\r\nRM Rom\r\n", {{"RM", "ROM"}}, {{"RM", "ROM"}}, 1},
        {"two spaces", "MI  Milano\r\n", {}, {}, 0},
        {"digit in the code", "M1 Milano\r\n", {}, {}, 0},
        {"leading space", " MI Milano\r\n", {}, {{"MI", "MILANO"}}, 1},
        {"trailing spaces", "MI Milano  \t\r\n", {{"MI", "MILANO  \t"}}, {{"MI", "MILANO"}}, 1},
        {"second wins", "MI Milano\r\nMI Monza\r\n", {{"MI", "MONZA"}}, {{"MI", "MONZA"}}, 2},
        {"header and footer", "Elenco province\r\n\r\nRM Roma\r\n---\r\n",
            {{"RM", "ROMA"}}, {{"RM", "ROMA"}}, 1},
        {"accented name", "FC Forl\xEC-Cesena\r\n",
            {{"FC", "FORL\xEC-CESENA"}}, {{"FC", "FORL\xEC-CESENA"}}, 1},
        {"LF only", "MI Milano\nRM Roma\n",
            {{"MI", "MILANO"}, {"RM", "ROMA"}}, {{"MI", "MILANO"}, {"RM", "ROMA"}}, 2},
        {"CR only", "MI Milano\rRM Roma\r", {}, {{"MI", "MILANORM ROMA"}}, 1},
        {"last line without LF", "MI Milano\r\nRM Roma",
            {{"MI", "MILANO"}}, {{"MI", "MILANO"}, {"RM", "ROMA"}}, 2},
        {"199 characters", line199 + "\r\nRM Roma\r\n",
            {{"RM", "ROMA"}, {"TO", line199.substr(3)}},
            {{"RM", "ROMA"}, {"TO", line199.substr(3)}}, 2},
        {"200 characters", "MI Milano\r\n" + line200 + "\r\nRM Roma\r\n",
            {{"MI", "MILANO"}}, {{"MI", "MILANO"}, {"RM", "ROMA"}}, 2},
        {"200 characters at the end", "MI Milano\r\n" + line200,
            {{"MI", "MILANO"}}, {{"MI", "MILANO"}}, 1},
        {"1000 characters", "MI Milano\r\n" + LongLine(1000) + "\r\nRM Roma\r\n",
            {{"MI", "MILANO"}}, {{"MI", "MILANO"}, {"RM", "ROMA"}}, 2},
        // The tail of a skipped line must not be read as a line of its own.
        {"long line with a province tail", std::string(201, 'Z') + "BG BERGAMO\r\n", {}, {}, 0},
        {"empty", "", {}, {}, 0},
        {"binary", std::string("\x00\x01\xFF\xFE\x7F\x80MI\x00 x\n\x1A", 13), {}, {}, 0},
    };
    // clang-format on
    for (const Case& c : cases) {
        EXPECT_EQ(Entries(LoadAtStartUp(c.bytes)), c.atStartUp) << c.name;
        ProvinceTable table;
        EXPECT_EQ(Import(c.bytes, table), c.importedCount) << c.name;
        EXPECT_EQ(Entries(table), c.imported) << c.name;
    }
}

TEST(ProvinceFileTest, LoadFromAPathThatCannotBeOpened)
{
    const test::TempFolder folder;
    ProvinceTable table;
    EXPECT_FALSE(LoadProvinceFile(folder.File("_prov.cod"), table));
    EXPECT_FALSE(LoadProvinceFile(folder.Path(), table));
    EXPECT_TRUE(table.IsEmpty());

    folder.Write("_prov.cod", "");
    EXPECT_TRUE(LoadProvinceFile(folder.File("_prov.cod"), table));
    EXPECT_TRUE(table.IsEmpty());

    EXPECT_EQ(ProvinceFileOpenWarningText(QStringLiteral("/opt/zelkor/_prov.cod")),
              QStringLiteral("Errore apertura file province:\n/opt/zelkor/_prov.cod\n\n"
                             "Importare elenco province dal menu Strumenti"));
}

TEST(ProvinceFileTest, SaveWritesNamedSlotsInCodeOrder)
{
    ProvinceTable table;
    table.SetName(ProvinceIndexOf("ZZ"), "ULTIMO SLOT  ");
    table.SetName(ProvinceIndexOf("RE"), "Reggio Nell'Emilia");
    table.SetName(ProvinceIndexOf("MI"), "MILANO");
    table.SetName(ProvinceIndexOf("FC"), "Forl\xEC-Cesena");
    table.SetName(0, "PRIMO SLOT");

    const test::TempFolder folder;
    ASSERT_TRUE(SaveProvinceFile(folder.File("_prov.cod"), table));
    EXPECT_EQ(folder.Read("_prov.cod").toStdString(),
              test::ReadTestData(QStringLiteral("prov-saved.cod")).toStdString());

    // Capitalised names come back upper-cased at the next start; accented letters stay as saved.
    ProvinceTable loaded;
    ASSERT_TRUE(LoadProvinceFile(folder.File("_prov.cod"), loaded));
    const ProvinceEntries expected = {{"AA", "PRIMO SLOT"},
                                      {"FC", "FORL\xEC-CESENA"},
                                      {"MI", "MILANO"},
                                      {"RE", "REGGIO NELL'EMILIA"},
                                      {"ZZ", "ULTIMO SLOT  "}};
    EXPECT_EQ(Entries(loaded), expected);
}

TEST(ProvinceFileTest, SaveOfAnEmptyTableEmptiesTheFile)
{
    const test::TempFolder folder;
    folder.Write("_prov.cod", "MI MILANO\r\n");
    ASSERT_TRUE(SaveProvinceFile(folder.File("_prov.cod"), ProvinceTable()));
    QFile file(folder.File("_prov.cod"));
    EXPECT_TRUE(file.exists());
    EXPECT_EQ(file.size(), 0);
}

TEST(ProvinceFileTest, ShippedFileHoldsEveryProvinceAndSavesBackUnchanged)
{
    QFile file(QStringLiteral(ZELKOR_SHIPPED_PROVINCES));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_TRUE(bytes.endsWith("\r\n"));
    EXPECT_FALSE(bytes.contains("\r\n\r\n"));

    ProvinceTable table;
    ASSERT_TRUE(LoadProvinceFile(QStringLiteral(ZELKOR_SHIPPED_PROVINCES), table));
    const ProvinceEntries entries = Entries(table);
    EXPECT_EQ(entries.size(), 107U);
    EXPECT_EQ(ProvinceFileBytes(table).toStdString(), bytes.toStdString());

    // Every line passes on import too, so a user can re-import the shipped list.
    ProvinceTable imported;
    EXPECT_EQ(Import(bytes.toStdString(), imported), 107);
    EXPECT_EQ(imported, table);

    const std::pair<const char*, const char*> samples[] = {
        {"AG", "AGRIGENTO"},
        {"AO", "AOSTA"},
        {"BT", "BARLETTA-ANDRIA-TRANI"},
        {"FM", "FERMO"},
        {"MB", "MONZA E BRIANZA"},
        {"MI", "MILANO"},
        {"RE", "REGGIO NELL'EMILIA"},
        {"RM", "ROMA"},
        {"SU", "SUD SARDEGNA"},
        {"CA", "CAGLIARI"},
        {"NU", "NUORO"},
        {"OR", "ORISTANO"},
        {"SS", "SASSARI"},
        {"VV", "VIBO VALENTIA"},
    };
    for (const auto& [code, name] : samples) {
        EXPECT_EQ(table.ProvinceNameOf(code), name) << code;
    }
    // Codes of the Sardinian provinces that no longer exist.
    for (const char* code : {"OT", "OG", "VS", "CI"}) {
        EXPECT_EQ(table.ProvinceNameOf(code), "") << code;
    }
}

}  // namespace
}  // namespace zelkor
