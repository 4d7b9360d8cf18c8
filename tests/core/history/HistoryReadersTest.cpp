// The readers of the call-history import on real-looking files: the program's own exports of one
// log in three formats, and the files another logger writes, each with broken lines.

#include "HistoryTestSupport.h"
#include "core/history/AdifHistoryReader.h"
#include "core/history/CabrilloHistoryReader.h"
#include "core/history/LogHistoryReader.h"
#include "core/history/SharedHistoryFile.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <functional>

namespace zelkor {
namespace {

using test::ReadTestData;
using test::ShippedProvinces;
using Records = std::vector<HistoryRecord>;

// The stations of tests/data/export-qso.*: IK0ABC/QRP/PORT has 15 characters, one too many for
// a callsign of the contest, and is skipped in every format.
const Records kExportedQso = {
    {"I1ABC", "TO", "20051203"},  {"IZ2XYZ/P", "MI", "20051203"}, {"IK8QQQ", "NA", "20051203"},
    {"IW3ABC", "PD", "20051203"}, {"I5XYZ", "FI", "20051204"},    {"I6AAA", "PE", "20051204"},
    {"I7BBB", "BA", "20051204"},  {"I8CCC", "NA", "20051204"},
};

// The calling stations of tests/data/export-swl.*.
const Records kExportedSwl = {
    {"I1ABC", "TO", "20051203"},
    {"IZ2XYZ/P", "MI", "20051203"},
    {"IK8QQQ", "NA", "20051202"},
    {"IW3ABC", "PD", "20051203"},
};

struct ReaderCase {
    const char* file;
    std::function<HistoryReadResult(const QByteArray&, const ProvinceTable&)> read;
    Records records;
    int skipped;
};

TEST(HistoryReadersTest, TheProgramsOwnExportsOfOneLogGiveTheSameStations)
{
    const ReaderCase cases[] = {
        {"export-qso.zelk", ReadLogHistory, kExportedQso, 1},
        {"export-qso.cbr", ReadCabrilloHistory, kExportedQso, 1},
        {"export-qso.adi", ReadAdifHistory, kExportedQso, 1},
        {"export-swl.zelk", ReadLogHistory, kExportedSwl, 0},
        {"export-swl.cbr", ReadCabrilloHistory, kExportedSwl, 0},
        {"export-swl.adi", ReadAdifHistory, kExportedSwl, 0},
        {"export-qso-empty.zelk", ReadLogHistory, {}, 0},
        {"export-qso-empty.cbr", ReadCabrilloHistory, {}, 0},
        {"export-qso-empty.adi", ReadAdifHistory, {}, 0},
    };
    for (const ReaderCase& c : cases) {
        const HistoryReadResult result = c.read(ReadTestData(c.file), ShippedProvinces());
        EXPECT_EQ(result.records, c.records) << c.file;
        EXPECT_EQ(result.skipped, c.skipped) << c.file;
    }
}

TEST(HistoryReadersTest, CabrilloOfAnotherLoggerWithBrokenLines)
{
    const HistoryReadResult result =
        ReadCabrilloHistory(ReadTestData("history-other.cbr"), ShippedProvinces());
    // Skipped: a station abroad, a line without the province, a line cut short, an unknown
    // province. The X-QSO line is no contact and no broken line either.
    EXPECT_EQ(result.records, (Records{{"IK2BBB", "MI", "20240204"},
                                       {"I5CCC", "FI", "20240204"},
                                       {"IK2BBB", "BG", "20240204"},
                                       {"IK0GGG", "RM", "20240204"},
                                       {"IV3HHH", "UD", "20240204"}}));
    EXPECT_EQ(result.skipped, 4);
}

TEST(HistoryReadersTest, CabrilloLinesOfBothLayouts)
{
    struct Case {
        const char* name;
        QByteArray text;
        Records records;
        int skipped;
    };
    const Case cases[] = {
        {"no header: contacts made",
         "QSO: 7000 CW 2024-02-04 0800 IK0ABC 599 RM I1XYZ 599 TO\n",
         {{"I1XYZ", "TO", "20240204"}},
         0},
        {"the own province is never taken for the station's",
         "QSO: 7000 CW 2024-02-04 0800 IK0ABC 599 RM DL1XYZ 599 TO\n"
         "QSO: 7000 CW 2024-02-04 0800 IK0ABC 599 RM I1XYZ 599\n",
         {},
         2},
        {"a foreign entrant's own callsign",
         "QSO: 7000 CW 2024-02-04 0800 DL1ABC 599 001 I1XYZ 599 TO\n",
         {{"I1XYZ", "TO", "20240204"}},
         0},
        {"a listener's log: the calling station",
         "CATEGORY: SWL\r\nQSO:  7000 CW 2024-02-04 0800 I1XYZ         599 TO   IK0ABC        \r\n",
         {{"I1XYZ", "TO", "20240204"}},
         0},
        {"a listener's line without the calling station's province",
         "CATEGORY: SWL\r\nQSO:  7000 CW 2024-02-04 0800 I1XYZ 599 IK0ABC RM\r\n",
         {},
         1},
        {"a date that can't be read leaves the date unknown",
         "QSO: 7000 CW 04/02/2024 0800 IK0ABC 599 RM I1XYZ 599 TO\n",
         {{"I1XYZ", "TO", ""}},
         0},
    };
    for (const Case& c : cases) {
        const HistoryReadResult result = ReadCabrilloHistory(c.text, ShippedProvinces());
        EXPECT_EQ(result.records, c.records) << c.name;
        EXPECT_EQ(result.skipped, c.skipped) << c.name;
    }
}

TEST(HistoryReadersTest, AdifOfAnotherLoggerWithBrokenRecords)
{
    const HistoryReadResult result =
        ReadAdifHistory(ReadTestData("history-other.adi"), ShippedProvinces());
    // Skipped: no province, a station abroad, a province in NOTES of a file that is not the
    // program's own, and a record cut short by a value longer than the file.
    EXPECT_EQ(result.records, (Records{{"IK2BBB", "MI", "20240204"},
                                       {"I5CCC", "FI", "20240204"},
                                       {"IK0GGG", "RM", "20240204"}}));
    EXPECT_EQ(result.skipped, 4);
}

TEST(HistoryReadersTest, AdifWithoutHeaderAndWithBrokenTags)
{
    const QByteArray text =
        "<CALL:5>I1XYZ <STATE:2>TO <EOR>\n"
        "<CALL:5>I2XYZ <STATE>MI <SRX_STRING:2>BG <EOR>\n"
        "<CALL:x>I3XYZ <STATE:2>VE <EOR>\n"
        "<CALL:5>I4XYZ <STATE:2>BO";
    const HistoryReadResult result = ReadAdifHistory(text, ShippedProvinces());
    EXPECT_EQ(result.records, (Records{{"I1XYZ", "TO", ""}, {"I2XYZ", "BG", ""}}));
    // I3XYZ's callsign tag has no length; I4XYZ's record never ends.
    EXPECT_EQ(result.skipped, 2);
}

TEST(HistoryReadersTest, LogsWithBrokenLines)
{
    struct Case {
        const char* file;
        int records;
        int skipped;
    };
    const Case cases[] = {
        // Two rows, and a last line cut short.
        {"broken-log-last-line-open.zelk", 2, 1},
        // Every line of bytes after the header is a row with no station in it.
        {"broken-log-garbage.zelk", 0, 449},
        {"broken-log-garbage-swl.zelk", 0, 421},
    };
    for (const Case& c : cases) {
        const HistoryReadResult result = ReadLogHistory(ReadTestData(c.file), ShippedProvinces());
        EXPECT_EQ(static_cast<int>(result.records.size()), c.records) << c.file;
        EXPECT_EQ(result.skipped, c.skipped) << c.file;
    }
}

TEST(HistoryReadersTest, SharedCallHistoryWithCommentsAndBrokenLines)
{
    const QByteArray bytes = ReadTestData("history-shared.txt");
    const SharedHistoryLayout layout = InspectSharedHistory(bytes, ShippedProvinces());
    EXPECT_EQ(layout.columns, (std::vector<std::string>{"Call", "Name", "Exch1", "UserText"}));
    EXPECT_EQ(layout.callColumn, 0);
    ASSERT_EQ(ObviousProvinceColumn(layout), 2);
    const HistoryReadResult result = ReadSharedHistory(bytes, layout, 2, ShippedProvinces());
    EXPECT_EQ(result.records,
              (Records{{"IK2BBB", "MI", ""}, {"I5CCC", "FI", ""}, {"IK0GGG", "RM", ""}}));
    // No province, a station abroad, an unknown province, a line with the callsign alone.
    EXPECT_EQ(result.skipped, 4);
}

TEST(HistoryReadersTest, TwoColumnsOfProvincesAreNotObvious)
{
    const QByteArray bytes = ReadTestData("history-shared-two-columns.txt");
    const SharedHistoryLayout layout = InspectSharedHistory(bytes, ShippedProvinces());
    EXPECT_EQ(layout.provinceColumns, (std::vector<int>{1, 2}));
    EXPECT_EQ(ObviousProvinceColumn(layout), std::nullopt);
    EXPECT_EQ(layout.samples[2], (std::vector<std::string>{"BG", "FI", "LT"}));
    EXPECT_EQ(ReadSharedHistory(bytes, layout, 2, ShippedProvinces()).records,
              (Records{{"IK2BBB", "BG", ""}, {"I5CCC", "FI", ""}, {"IK0GGG", "LT", ""}}));
}

TEST(HistoryReadersTest, TheSharedFormWrittenReadsBackTheSameStations)
{
    CallHistory history;
    history.Merge({"IZ2XYZ/P", "MI", "20240204"});
    history.Merge({"I1ABC", "TO", ""});
    const QByteArray bytes = SharedHistoryBytes(history);
    EXPECT_EQ(bytes, QByteArray("!!Order!!,Call,Exch1\r\nI1ABC,TO\r\nIZ2XYZ/P,MI\r\n"));
    const SharedHistoryLayout layout = InspectSharedHistory(bytes, ShippedProvinces());
    ASSERT_EQ(ObviousProvinceColumn(layout), 1);
    EXPECT_EQ(ReadSharedHistory(bytes, layout, 1, ShippedProvinces()).records,
              (Records{{"I1ABC", "TO", ""}, {"IZ2XYZ/P", "MI", ""}}));
}

TEST(HistoryReadersTest, TheFormatIsToldByTheContent)
{
    struct Case {
        const char* name;
        QByteArray bytes;
        const char* fileName;
        HistoryFormat format;
    };
    const Case cases[] = {
        {"log", ReadTestData("export-swl.zelk"), "gara.txt", HistoryFormat::Log},
        {"log without header", "03.12.2005^1530^3,5^SSB^I1ABC^59^RM^59^TO^\r\n", "gara.ZELK",
         HistoryFormat::Log},
        {"Cabrillo", ReadTestData("export-qso.cbr"), "gara.zelk", HistoryFormat::Cabrillo},
        {"Cabrillo lines alone", "QSO: 7000 CW 2024-02-04 0800 A 599 RM B 599 TO\n", "x",
         HistoryFormat::Cabrillo},
        {"ADIF", ReadTestData("history-other.adi"), "x.cbr", HistoryFormat::Adif},
        {"ADIF without header", "<CALL:5>I1XYZ <EOR>", "x", HistoryFormat::Adif},
        {"shared, with a byte-order mark", "\xEF\xBB\xBF!!Order!!,Call,Exch1\r\n", "x",
         HistoryFormat::SharedHistory},
        {"shared, lower case", "\r\n!!order!!,call\r\n", "x", HistoryFormat::SharedHistory},
        {"shared after comments", "# storico\r\n  # di prova\r\n!!Order!!,Call,Exch1\r\n", "x",
         HistoryFormat::SharedHistory},
        {"something else", "MI Milano\r\nRM Roma\r\n", "province.txt", HistoryFormat::Unknown},
        {"empty", "", "vuoto.txt", HistoryFormat::Unknown},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DetectHistoryFormat(c.bytes, QString::fromLatin1(c.fileName)), c.format)
            << c.name;
    }
}

}  // namespace
}  // namespace zelkor
