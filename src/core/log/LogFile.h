#pragma once
// The program's log file format, shared by the working file and the saved "*.zelk" logs: a magic
// line, the eleven summary values, then one '^'-separated line per row, CR LF line ends.

#include "core/settings/SummaryData.h"

#include <QByteArray>

#include <string>

class QIODevice;

namespace zelkor {

class LogList;
class ProvinceTable;

// "zelk100;qso" or "zelk100;hrd".
std::string LogFileMagic(bool swl);

// The magic line and the eleven header lines, each ending in CR LF, in the file's order
// (callsign, province, section, category, operators, name, three address lines, two comment
// lines). In an SWL log the category line is always "SWL". A CR or LF inside a value is written
// as a blank, so that every value stays on its own line.
QByteArray WriteLogHeader(bool swl, const SummaryData& summary);

// One row line with its CR LF, in the layout of the log: nine fields for a QSO row (the own
// province taken from the summary data), eight for an SWL row. A '^', CR or LF inside a value
// is written as a blank, so that every line reads back as exactly one row.
std::string RowLine(const LogList& log, int row, const SummaryData& summary);

// The whole file: header, then every row in display order.
QByteArray LogFileBytes(const LogList& log, const SummaryData& summary);

struct LogReadResult {
    // The file ends inside the header: the missing values were read as empty and no row
    // followed.
    bool headerIncomplete = false;
    // The file does not end with a line end. Such a last row line was not loaded, and a last
    // header line was taken as its value; either way the bytes after the last LF are here,
    // exactly as in the file, so that the caller can keep them.
    bool incompleteLastLine = false;
    QByteArray incompleteLine;
};

// Reads a log file from a device open for reading into the log and the summary data; nothing
// is validated. Switches the log's layout to the file's (which empties the log only on a real
// change, so callers empty it first), then inserts every complete row line, a QSO row's
// province name from the table. A file without the magic line is a QSO log whose first line is
// a row; the summary data then stays as it was. The worked tables are the caller's to rebuild
// (core/worked/WorkedTables.h has the reading that does both).
LogReadResult ReadLogFile(QIODevice& device, const ProvinceTable& provinces, LogList& log,
                          SummaryData& summary);

// Bytes that are evidently no log: no magic line (as ReadLogFile tells it) and a NUL byte, which
// nothing typed into a log can hold. A log without the magic line is still read as rows as long
// as it holds none.
bool IsBinaryNotLog(const QByteArray& bytes);

}  // namespace zelkor
