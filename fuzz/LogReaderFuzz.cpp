// The log reader on any bytes: it never crashes, and what it read survives a write and a second
// read unchanged (rows, summary data, layout, worked tables).

#include "FuzzSupport.h"

#include "core/log/LogFile.h"
#include "core/log/LogList.h"
#include "core/log/WorkingFile.h"
#include "core/worked/WorkedTables.h"

#include <QBuffer>

namespace {

using namespace zelkor;

struct ReadLog {
    LogList log;
    SummaryData summary;
    WorkedTables tables;
    LogReadResult result;

    explicit ReadLog(const QByteArray& bytes)
    {
        log.BuildStartColumns();
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        result = ReadLogFile(buffer, fuzz::ShippedProvinces(), log, summary, tables);
    }
};

bool SameRows(const LogList& a, const LogList& b)
{
    if (a.RowCount() != b.RowCount() || a.ColumnCount() != b.ColumnCount()) {
        return false;
    }
    for (int row = 0; row < a.RowCount(); ++row) {
        for (int column = 0; column < a.ColumnCount(); ++column) {
            if (a.Cell(row, column) != b.Cell(row, column)) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const ReadLog first(bytes);
    fuzz::Check(first.result.incompleteLastLine == !first.result.incompleteLine.isEmpty(),
                "a torn last line comes with its bytes");
    fuzz::Check(bytes.endsWith(first.result.incompleteLine), "the torn line is the file's end");
    if (first.result.incompleteLastLine) {
        (void)SetAsideDescription(first.result.incompleteLine);
    }
    const QByteArray written = LogFileBytes(first.log, first.summary);
    fuzz::Check(written.endsWith("\r\n"), "a written log ends with a line end");
    const ReadLog second(written);
    fuzz::Check(!second.result.incompleteLastLine && !second.result.headerIncomplete,
                "a written log reads back complete");
    fuzz::Check(second.log.IsSwl() == first.log.IsSwl(), "the layout survives");
    fuzz::Check(SameRows(first.log, second.log), "the rows survive a write and a read");
    // An SWL log's header says SWL once it is written, whatever a broken file said before.
    SummaryData expected = first.summary;
    if (first.log.IsSwl()) {
        expected.category = "SWL";
    }
    fuzz::Check(second.summary == expected, "the summary data survives a write and a read");
    fuzz::Check(LogFileBytes(second.log, second.summary) == written, "a second write is the same");
    fuzz::Check(second.tables.Stations().Records() == first.tables.Stations().Records() &&
                    second.tables.Provinces() == first.tables.Provinces(),
                "the worked tables survive a write and a read");
    return 0;
}
