#pragma once
// What the export tests share: logs of the test data loaded as the program loads them, the
// shipped province table, the command line run into buffers, and whole-file comparisons that
// show the first differing line.

#include "core/cli/CommandLineTool.h"
#include "core/log/LogFile.h"
#include "core/log/LogList.h"
#include "core/provinces/ProvinceFile.h"
#include "core/text/Text.h"
#include "core/worked/WorkedTables.h"
#include "support/TempFolder.h"

#include <QBuffer>

#include <gtest/gtest.h>

#include <string>

namespace zelkor::test {

inline QString TestDataPath(const char* name)
{
    return QStringLiteral(ZELKOR_TEST_DATA "/") + QString::fromLatin1(name);
}

inline const ProvinceTable& ShippedProvinces()
{
    static const ProvinceTable table = [] {
        ProvinceTable provinces;
        LoadProvinceFile(QStringLiteral(ZELKOR_SHIPPED_PROVINCES), provinces);
        return provinces;
    }();
    return table;
}

// Loads a log file of tests/data into the log and the summary data, in the file's layout.
inline void LoadTestLog(const char* name, LogList& log, SummaryData& summary)
{
    QBuffer buffer;
    buffer.setData(ReadTestData(QString::fromLatin1(name)));
    buffer.open(QIODevice::ReadOnly);
    log.BuildStartColumns();
    WorkedTables tables;
    (void)ReadLogFile(buffer, ShippedProvinces(), log, summary, tables);
}

struct ToolRun {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

inline ToolRun RunTool(const QStringList& arguments, const CommandLineToolSetup& setup)
{
    ToolRun run;
    QBuffer out(&run.out);
    QBuffer err(&run.err);
    out.open(QIODevice::WriteOnly);
    err.open(QIODevice::WriteOnly);
    run.status = RunCommandLineTool(arguments, setup, out, err);
    return run;
}

// Whole files compared; on a difference, the first differing line of each, CR and bytes outside
// printable ASCII spelt out.
inline ::testing::AssertionResult SameBytes(const QByteArray& expected, const QByteArray& actual)
{
    if (expected == actual) {
        return ::testing::AssertionSuccess();
    }
    const QList<QByteArray> expectedLines = expected.split('\n');
    const QList<QByteArray> actualLines = actual.split('\n');
    qsizetype line = 0;
    while (line < expectedLines.size() && line < actualLines.size() &&
           expectedLines[line] == actualLines[line]) {
        ++line;
    }
    auto readable = [](const QList<QByteArray>& lines, qsizetype index) {
        std::string text = index < lines.size() ? "" : "(end of file)";
        for (char c : index < lines.size() ? lines[index] : QByteArray()) {
            const auto byte = static_cast<unsigned char>(c);
            text += byte >= 0x20 && byte < 0x7F ? std::string(1, c) : Format("\\x%02X", byte);
        }
        return text;
    };
    return ::testing::AssertionFailure() << "files differ at line " << line + 1
                                         << "\n  expected: " << readable(expectedLines, line)
                                         << "\n  written:  " << readable(actualLines, line);
}

}  // namespace zelkor::test
