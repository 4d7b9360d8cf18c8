#include "core/log/LogFile.h"

#include "core/log/LogList.h"
#include "core/provinces/ProvinceTable.h"
#include "core/text/Text.h"
#include "core/worked/WorkedTables.h"
#include "support/TempFolder.h"

#include <QBuffer>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace zelkor {
namespace {

using Cells = std::vector<std::string>;

// Bytes as text that a failed comparison can show line by line: CR and the bytes outside
// printable ASCII are spelt out, LF stays a line break so that the failure shows a diff.
std::string Readable(const QByteArray& bytes)
{
    std::string text;
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\r') {
            text += "\\r";
        } else if (c == '\n' || (byte >= 0x20 && byte < 0x7F)) {
            text += c;
        } else {
            text += Format("\\x%02X", byte);
        }
    }
    return text;
}

QByteArray Bytes(const std::string& text)
{
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

const ProvinceTable& Provinces()
{
    static const ProvinceTable table = [] {
        ProvinceTable provinces;
        for (const auto& [code, name] : {std::pair{"RM", "ROMA"},
                                         {"TO", "TORINO"},
                                         {"MI", "MILANO"},
                                         {"NA", "NAPOLI"},
                                         {"PU", "PESARO E URBINO"}}) {
            provinces.SetName(ProvinceIndexOf(code), name);
        }
        return provinces;
    }();
    return table;
}

// The values in the order of the file's header lines.
Cells HeaderValues(const SummaryData& summary)
{
    return {summary.callsign,  summary.province, summary.section,  summary.category,
            summary.operators, summary.name,     summary.address1, summary.address2,
            summary.address3,  summary.comment1, summary.comment2};
}

// What the program holds before a file is read; a file without header must leave it alone.
SummaryData HeldSummary()
{
    return {"IZ9OLD", "BO", "EMR", "Vecchio", "IZ9OLD", "SOP", "a1", "a2", "a3", "c1", "c2"};
}

// Columns 1..n of every row, number included, so that a failure shows the whole log.
std::vector<Cells> Rows(const LogList& log)
{
    std::vector<Cells> rows;
    for (int row = 0; row < log.RowCount(); ++row) {
        Cells cells;
        for (int column = 0; column < log.ColumnCount(); ++column) {
            cells.emplace_back(log.Cell(row, column));
        }
        rows.push_back(cells);
    }
    return rows;
}

// A log read from bytes into fresh objects.
struct ReadLog {
    explicit ReadLog(const QByteArray& bytes, LogLayout startLayout = LogLayout::Qso)
    {
        if (startLayout == LogLayout::Swl) {
            log.SetSwlColumns();
        }
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        result = ReadLogFile(buffer, Provinces(), log, summary, tables);
    }

    LogList log;
    SummaryData summary = HeldSummary();
    WorkedTables tables;
    LogReadResult result;
};

const QByteArray kHeaderLines =
    "H1\r\nH2\r\nH3\r\nH4\r\nH5\r\nH6\r\nH7\r\nH8\r\nH9\r\nH10\r\nH11\r\n";

// --- Writing ----------------------------------------------------------------------------------

struct GoldenCase {
    const char* file;
    LogLayout layout;
    SummaryData summary;
    std::vector<Cells> rows;
};

const std::vector<GoldenCase>& GoldenCases()
{
    static const std::vector<GoldenCase> cases = {
        {"log-qso.zelk",
         LogLayout::Qso,
         {"IK0ABC", "RM", "LAZ", "Mario Rossi", "IK0ABC IK0XYZ", "SOP", "Via Libert\xE0 5",
          "00100 Roma", "", "Caff\xE8 e radio", "73!"},
         {{"05.02.2006", "1432", "7", "SSB", "I1ABC", "59", "59", "TO", "Torino"},
          {"05.02.2006", "1433", "3,5", "CW", "IZ2XYZ/P", "599", "599", "MI", "Milano"},
          {"05.02.2006", "1501", "7", "RTTY", "IK8QQQ", "599", "579", "NA", "Napoli"},
          {"05.02.2006", "1502", "7", "PSK31", "I0ZZZ", "599", "", "", ""}}},
        // The category in memory is not "SWL": the file says "SWL" all the same.
        {"log-swl.zelk",
         LogLayout::Swl,
         {"I-1234/RM", "RM", "", "Luca Bianchi", "", "SOP", "Via Po 1", "", "", "Ascolto da casa",
          ""},
         {{"05.02.2006", "1432", "7", "SSB", "I1ABC", "59", "TO", "IK0XYZ"},
          {"05.02.2006", "1440", "3,5", "CW", "IK0XYZ", "599", "RM", "I1ABC"},
          {"06.02.2006", "0702", "7", "RTTY", "IZ2AAA", "599", "", ""}}},
    };
    return cases;
}

TEST(LogFileTest, WritesTheGoldenFilesByteForByte)
{
    for (const GoldenCase& c : GoldenCases()) {
        LogList log;
        if (c.layout == LogLayout::Swl) {
            log.SetSwlColumns();
        }
        for (const Cells& row : c.rows) {
            log.AppendLogRow(row);
        }
        EXPECT_EQ(Readable(LogFileBytes(log, c.summary)), Readable(test::ReadTestData(c.file)))
            << c.file;
    }
}

TEST(LogFileTest, GoldenFilesReadBackAsTheyWereWrittenAndRewriteUnchanged)
{
    for (const GoldenCase& c : GoldenCases()) {
        const QByteArray bytes = test::ReadTestData(c.file);
        const ReadLog read(bytes, LogLayout::Qso);
        EXPECT_EQ(read.log.Layout(), c.layout) << c.file;
        SummaryData expected = c.summary;
        if (c.layout == LogLayout::Swl) {
            expected.category = "SWL";
        }
        EXPECT_EQ(HeaderValues(read.summary), HeaderValues(expected)) << c.file;
        std::vector<Cells> rows = c.rows;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            rows[i].insert(rows[i].begin(), LogList::RowNumberText(static_cast<int>(i) + 1));
        }
        EXPECT_EQ(Rows(read.log), rows) << c.file;
        EXPECT_FALSE(read.result.incompleteLastLine) << c.file;
        EXPECT_EQ(Readable(LogFileBytes(read.log, read.summary)), Readable(bytes)) << c.file;
    }
}

TEST(LogFileTest, BytesThatWouldSplitAFieldOrALineAreWrittenAsBlanks)
{
    LogList log;
    log.AppendLogRow(
        {"05.02\r\n.2006", "1432", "7", "SSB", "I1^ABC", "59", "5\n9", "TO", "Torino"});
    SummaryData summary;
    summary.callsign = "IK0\r\nABC";
    summary.province = "R^M";
    summary.comment1 = "Tnx^73";
    const QByteArray expected =
        "zelk100;qso\r\nIK0  ABC\r\nR^M\r\n\r\nSOP\r\n\r\n\r\n\r\n\r\n\r\nTnx^73\r\n\r\n"
        "05.02  .2006^1432^7^SSB^I1 ABC^59^R M^5 9^TO^\r\n";
    EXPECT_EQ(Readable(LogFileBytes(log, summary)), Readable(expected));
}

// --- Reading: header and layout ---------------------------------------------------------------

TEST(LogFileTest, FirstLineDecidesBetweenHeaderAndRowAndBetweenTheLayouts)
{
    struct Case {
        const char* firstLine;
        bool header;
        LogLayout layout;
    };
    const std::vector<Case> cases = {
        {"zelk100;qso", true, LogLayout::Qso},  {"zelk100;hrd", true, LogLayout::Swl},
        {"zelk100hrd", true, LogLayout::Swl},   {"zelk100;qso;hrd", true, LogLayout::Swl},
        {"zelk100", true, LogLayout::Qso},      {"zelk100;HRD", true, LogLayout::Qso},
        {"zelk10;hrd", false, LogLayout::Qso},  {"ZELK100;hrd", false, LogLayout::Qso},
        {"hrd;zelk100", false, LogLayout::Qso}, {"", false, LogLayout::Qso},
    };
    const QByteArray row = "05.02.2006^1432^7^SSB^I1ABC^59^RM^59^TO^\r\n";
    for (const Case& c : cases) {
        for (LogLayout start : {LogLayout::Qso, LogLayout::Swl}) {
            const ReadLog read(QByteArray(c.firstLine) + "\r\n" + kHeaderLines + row, start);
            EXPECT_EQ(read.log.Layout(), c.layout) << c.firstLine;
            // Without the magic line the header lines are rows like any other.
            EXPECT_EQ(read.log.RowCount(), c.header ? 1 : 13) << c.firstLine;
            EXPECT_EQ(read.summary.callsign, c.header ? "H1" : HeldSummary().callsign)
                << c.firstLine;
        }
    }
}

TEST(LogFileTest, HeaderOnlySwlFileIsAnEmptySwlLogWithItsSummary)
{
    const ReadLog read("zelk100;hrd\r\nIK0ABC\r\nRM\r\n\r\nSWL\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n");
    EXPECT_TRUE(read.log.IsSwl());
    EXPECT_EQ(read.log.RowCount(), 0);
    EXPECT_EQ(HeaderValues(read.summary),
              (Cells{"IK0ABC", "RM", "", "SWL", "", "", "", "", "", "", ""}));
    EXPECT_FALSE(read.result.incompleteLastLine);
}

TEST(LogFileTest, RowsAreRewrittenWithTheCurrentOwnProvinceAndAShortenedTime)
{
    // Header-less, so the held summary's own province "BO" is current; the file said "MI".
    const ReadLog headerless("05.02.2006^14:32^7^SSB^I1ABC^59^MI^57^TO^\r\n");
    EXPECT_EQ(Rows(headerless.log), (std::vector<Cells>{{"    1", "05.02.2006", "1432", "7", "SSB",
                                                         "I1ABC", "59", "57", "TO", "Torino"}}));
    EXPECT_EQ(HeaderValues(headerless.summary), HeaderValues(HeldSummary()));
    const QByteArray rewritten = LogFileBytes(headerless.log, headerless.summary);
    EXPECT_TRUE(rewritten.endsWith("\r\n05.02.2006^1432^7^SSB^I1ABC^59^BO^57^TO^\r\n"))
        << Readable(rewritten);
}

// --- Reading: rows ----------------------------------------------------------------------------

TEST(LogFileTest, RowFieldsAreTakenAsTheyStand)
{
    struct Case {
        const char* line;
        LogLayout layout;
        Cells cells;  // columns 1..n
    };
    const std::vector<Case> cases = {
        {"05.02.2006^1432^7^SSB^I1ABC^59^XX^57^PU^",
         LogLayout::Qso,
         {"05.02.2006", "1432", "7", "SSB", "I1ABC", "59", "57", "PU", "Pesaro E Urbino"}},
        {"05.02.2006^14:32:59^7^CW^I1ABC^599^RM^579^RM^",
         LogLayout::Qso,
         {"05.02.2006", "1459", "7", "CW", "I1ABC", "599", "579", "RM", "Roma"}},
        {"05.02.2006^1:32^7^CW^I1ABC^599^RM^579^RMX^",
         LogLayout::Qso,
         {"05.02.2006", "1:32", "7", "CW", "I1ABC", "599", "579", "RMX", "Roma"}},
        {"05.02.2006^1432^7^", LogLayout::Qso, {"05.02.2006", "1432", "7", "", "", "", "", "", ""}},
        {"05.02.2006^1432^7^SSB^I1ABC^59^RM^57^TO",
         LogLayout::Qso,
         {"05.02.2006", "1432", "7", "SSB", "I1ABC", "59", "57", "TO", "Torino"}},
        {"05.02.2006^1432^7^SSB^I1ABC^59^RM^57^TO^extra^more^",
         LogLayout::Qso,
         {"05.02.2006", "1432", "7", "SSB", "I1ABC", "59", "57", "TO", "Torino"}},
        {"05.02.2006^1432^7^SSB^I1ABC^59^RM^57^QQ^",
         LogLayout::Qso,
         {"05.02.2006", "1432", "7", "SSB", "I1ABC", "59", "57", "QQ", ""}},
        {"05.02.2006^1432^7^SSB^I1ABC^59^RM^57^to^",
         LogLayout::Qso,
         {"05.02.2006", "1432", "7", "SSB", "I1ABC", "59", "57", "to", ""}},
        {"05.0\r2.2006^^^^^^^^TO^\r",
         LogLayout::Qso,
         {"05.02.2006", "", "", "", "", "", "", "TO", "Torino"}},
        {"", LogLayout::Qso, {"", "", "", "", "", "", "", "", ""}},
        {"05.02.2006^1432^7^SSB^I1ABC^59^TO^IK0XYZ^",
         LogLayout::Swl,
         {"05.02.2006", "1432", "7", "SSB", "I1ABC", "59", "TO", "IK0XYZ"}},
        {"05.02.2006^14:32^7^SSB^I1ABC^59^TO^IK0XYZ^RM^",
         LogLayout::Swl,
         {"05.02.2006", "1432", "7", "SSB", "I1ABC", "59", "TO", "IK0XYZ"}},
        {"05.02.2006^1432^3,5^SSB",
         LogLayout::Swl,
         {"05.02.2006", "1432", "3,5", "SSB", "", "", "", ""}},
    };
    for (const Case& c : cases) {
        const QByteArray magic = c.layout == LogLayout::Swl ? "zelk100;hrd\r\n" : "zelk100;qso\r\n";
        const ReadLog read(magic + kHeaderLines + c.line + "\r\n");
        Cells expected = c.cells;
        expected.insert(expected.begin(), "    1");
        EXPECT_EQ(Rows(read.log), std::vector<Cells>{expected}) << c.line;
    }
}

TEST(LogFileTest, LongLinesStayOneRow)
{
    const std::string longCallsign(65, 'K');
    const std::string megabyte(1 << 20, 'A');
    struct Case {
        std::string line;
        Cells cells;
    };
    const std::vector<Case> cases = {
        // 100 characters before the line end.
        {"05.02.2006^1432^7^SSB^" + longCallsign + "^59^RM^57^TO^",
         {"05.02.2006", "1432", "7", "SSB", longCallsign, "59", "57", "TO", "Torino"}},
        {megabyte, {megabyte, "", "", "", "", "", "", "", ""}},
        {"05.02.2006^1432^7^SSB^" + megabyte + "^59^RM^57^TO^",
         {"05.02.2006", "1432", "7", "SSB", megabyte, "59", "57", "TO", "Torino"}},
        {std::string(1 << 20, '^'), {"", "", "", "", "", "", "", "", ""}},
    };
    ASSERT_EQ(cases[0].line.size(), 100u);
    for (const Case& c : cases) {
        const ReadLog read(Bytes(c.line + "\r\n") + "05.02.2006^1433^7^CW^I1B^5^RM^5^MI^\r\n");
        ASSERT_EQ(read.log.RowCount(), 2) << c.line.substr(0, 40);
        for (int column = 1; column < QsoColumn::Count; ++column) {
            EXPECT_EQ(read.log.Cell(0, column), c.cells[column - 1]) << column;
        }
        EXPECT_EQ(read.log.Cell(1, QsoColumn::Callsign), "I1B");
    }
}

// --- Reading: line ends and broken files ------------------------------------------------------

TEST(LogFileTest, LfOnlyFilesReadLikeCrLfFiles)
{
    for (const char* file : {"log-qso.zelk", "log-swl.zelk"}) {
        const QByteArray bytes = test::ReadTestData(file);
        const ReadLog crLf(bytes);
        const ReadLog lfOnly(QByteArray(bytes).replace("\r\n", "\n"));
        EXPECT_EQ(lfOnly.log.Layout(), crLf.log.Layout()) << file;
        EXPECT_EQ(Rows(lfOnly.log), Rows(crLf.log)) << file;
        EXPECT_EQ(HeaderValues(lfOnly.summary), HeaderValues(crLf.summary)) << file;
        EXPECT_TRUE(lfOnly.tables.Provinces() == crLf.tables.Provinces()) << file;
        EXPECT_EQ(lfOnly.tables.Stations().Records(), crLf.tables.Stations().Records()) << file;
        EXPECT_FALSE(lfOnly.result.incompleteLastLine) << file;
    }
}

TEST(LogFileTest, AFileThatEndsInsideALineIsReportedAndItsLastRowIsNotLoaded)
{
    const QByteArray qso = test::ReadTestData("log-qso.zelk");
    struct Case {
        const char* name;
        QByteArray bytes;
        int rows;
        std::optional<QByteArray> reported;
        Cells header;  // empty: the held summary stays
    };
    const Cells qsoHeader = HeaderValues(GoldenCases().front().summary);
    const std::vector<Case> cases = {
        {"row line without line end",
         test::ReadTestData("broken-log-last-line-open.zelk"),
         2,
         "05.02.2006^1503^7^SSB^I5AB",
         {"IK0ABC", "RM", "LAZ", "SOP", "", "Mario Rossi", "", "", "", "", ""}},
        {"header cut short",
         test::ReadTestData("broken-log-header-cut.zelk"),
         0,
         "SO",
         {"IK0ABC", "RM", "LAZ", "SO", "", "", "", "", "", "", ""}},
        // One line with no LF: the magic line swallows the whole file.
        {"CR only", test::ReadTestData("broken-log-cr-only.zelk"), 0,
         test::ReadTestData("broken-log-cr-only.zelk"), Cells(11)},
        {"only a row, without line end",
         "05.02.2006^1432^7^SSB^I1ABC^59^RM^59^TO^",
         0,
         "05.02.2006^1432^7^SSB^I1ABC^59^RM^59^TO^",
         {}},
        {"a CR after the last line end", qso + "\r", 4, std::nullopt, qsoHeader},
        {"magic line only, with its line end", "zelk100;qso\r\n", 0, std::nullopt, Cells(11)},
        {"empty file", "", 0, std::nullopt, {}},
    };
    for (const Case& c : cases) {
        const ReadLog read(c.bytes, LogLayout::Swl);
        // Only a file with the magic line and fewer than eleven complete header lines.
        const bool headerCut = c.bytes.startsWith("zelk100") && c.bytes.count('\n') < 12;
        EXPECT_EQ(read.result.headerIncomplete, headerCut) << c.name;
        EXPECT_FALSE(read.log.IsSwl()) << c.name;
        EXPECT_EQ(read.log.RowCount(), c.rows) << c.name;
        EXPECT_EQ(read.result.incompleteLastLine, c.reported.has_value()) << c.name;
        EXPECT_EQ(Readable(read.result.incompleteLine), Readable(c.reported.value_or("")))
            << c.name;
        EXPECT_EQ(HeaderValues(read.summary),
                  c.header.empty() ? HeaderValues(HeldSummary()) : c.header)
            << c.name;
    }
}

// Random bytes with many separators: whatever they hold, every LF-ended line after the header
// is one row, and the rows survive a rewrite.
TEST(LogFileTest, GarbageLoadsOneRowPerLineAndRewritesToTheSameRows)
{
    struct Case {
        const char* file;
        LogLayout layout;
        int headerLines;
    };
    for (const Case& c : {Case{"broken-log-garbage.zelk", LogLayout::Qso, 0},
                          Case{"broken-log-garbage-swl.zelk", LogLayout::Swl, 12}}) {
        const QByteArray bytes = test::ReadTestData(c.file);
        const ReadLog read(bytes);
        EXPECT_EQ(read.log.Layout(), c.layout) << c.file;
        EXPECT_EQ(read.log.RowCount(), static_cast<int>(bytes.count('\n')) - c.headerLines)
            << c.file;
        EXPECT_EQ(read.log.Cell(read.log.RowCount() - 1, 0),
                  LogList::RowNumberText(read.log.RowCount()));

        const ReadLog again(LogFileBytes(read.log, read.summary));
        EXPECT_EQ(Rows(again.log), Rows(read.log)) << c.file;
    }
}

// --- Reading: worked tables -------------------------------------------------------------------

TEST(LogFileTest, WorkedTablesAreClearedThenFilledFromTheRowsRead)
{
    WorkedTables stale;
    stale.Provinces().MarkProvinceWorked(ProvinceIndexOf("BO"), 0, 1);
    stale.Stations().StoreStation(StationRecord{"IZ9OLD", {1, 0, 0}, {0, 0}, "BO"});

    LogList log;
    SummaryData summary;
    QBuffer buffer;
    buffer.setData(test::ReadTestData("log-qso.zelk"));
    buffer.open(QIODevice::ReadOnly);
    ReadLogFile(buffer, Provinces(), log, summary, stale);

    ProvinceWorkedTable expected;
    expected.MarkProvinceWorked(ProvinceIndexOf("TO"), 0, 2);
    expected.MarkProvinceWorked(ProvinceIndexOf("MI"), 1, 1);
    expected.MarkProvinceWorked(ProvinceIndexOf("NA"), 2, 2);
    expected.MarkProvinceWorked(0, 2, 2);  // the row without a province counts under AA
    EXPECT_TRUE(stale.Provinces() == expected);
    EXPECT_TRUE(stale.Stations().IsEmpty());
}

TEST(LogFileTest, SwlCallingStationKeepsTheProvinceItWasFirstReadWith)
{
    const ReadLog read("zelk100;hrd\r\n" + kHeaderLines +
                       "05.02.2006^1432^7^SSB^IK0AAA^59^RM^I1ZZZ^\r\n"
                       "05.02.2006^1440^7^CW^IK0AAA^599^MI^I1ZZZ^\r\n"
                       // I1ZZZ only answered so far and has no province: it takes this one.
                       "05.02.2006^1450^3,5^SSB^I1ZZZ^59^TO^IK0AAA^\r\n");
    const std::vector<StationRecord> expected = {
        {"I1ZZZ", {1, 0, 0}, {0, 0x05}, "TO"},
        {"IK0AAA", {2, 2, 0}, {0x01, 0}, "RM"},
    };
    EXPECT_EQ(read.tables.Stations().Records(), expected);
}

// The rows reach the views as one change, however many there are, and a reader of the rows
// alone gets the same rows and leaves any tables as they were.
TEST(LogFileTest, RowsArriveAsOneChangeAndReadTheSameWithoutTables)
{
    const QByteArray bytes = test::ReadTestData("log-swl.zelk");
    const ReadLog withTables(bytes);

    LogList log;
    log.SetSwlColumns();
    std::vector<std::string> events;
    QObject::connect(&log, &LogList::rowsAboutToBeReset, [&] { events.push_back("aboutToReset"); });
    QObject::connect(&log, &LogList::rowsReset,
                     [&] { events.push_back("reset " + std::to_string(log.RowCount())); });
    QObject::connect(&log, &LogList::rowInserted, [&] { events.push_back("inserted"); });
    SummaryData summary;
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    ReadLogFile(buffer, Provinces(), log, summary);

    ASSERT_GT(withTables.log.RowCount(), 1);
    EXPECT_EQ(Rows(log), Rows(withTables.log));
    EXPECT_EQ(summary, withTables.summary);
    EXPECT_EQ(events, (std::vector<std::string>{"aboutToReset",
                                                "reset " + std::to_string(log.RowCount())}));
}

TEST(LogFileTest, OnlyANulByteWithoutTheMagicLineMakesAFileBinary)
{
    struct Case {
        const char* name;
        QByteArray bytes;
        bool binary;
    };
    const QByteArray nul(1, '\0');
    const Case cases[] = {
        {"empty", QByteArray(), false},
        {"rows without header", "05.02.2006^1432^7^SSB^I1XYZ^59^MI^59^RM^\r\n", false},
        {"every byte but NUL",
         [] {
             QByteArray all;
             for (int byte = 1; byte < 256; ++byte) {
                 all += static_cast<char>(byte);
             }
             return all;
         }(),
         false},
        {"NUL alone", nul, true},
        {"NUL in the last row", "05.02.2006^1432^7^SSB^I1XYZ\r\nIK0" + nul + "\r\n", true},
        {"magic line, then NUL", "zelk100;qso\r\n" + nul, false},
        {"magic line with a CR inside, then NUL", "zel\rk100;hrd\n" + nul, false},
        {"magic line after an empty line", "\r\nzelk100;qso\r\n" + nul, true},
        {"magic line cut short", "zelk10\r\n" + nul, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsBinaryNotLog(c.bytes), c.binary) << c.name;
    }
}

}  // namespace
}  // namespace zelkor
