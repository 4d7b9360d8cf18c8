#pragma once
// The program's log file format, shared by the working file and the saved "*.zelk" logs: a magic
// line, the eleven summary values, then one '^'-separated line per row, CR LF line ends.

#include "app/SummaryData.h"

#include <QByteArray>

#include <string>

class QIODevice;

namespace zelkor {

class LogList;
class ProvinceTable;
class WorkedTables;

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
    // The file does not end with a line end. Such a last row line was not loaded, and a last
    // header line was taken as its value; either way its bytes (without any CR) are here so
    // that the caller can keep them. A last line made only of CRs counts as no line.
    bool incompleteLastLine = false;
    QByteArray incompleteLine;
};

// Reads a log file from a device open for reading into the log, the summary data and the
// worked tables; nothing is validated. Switches the log's layout to the file's (which empties
// the log only on a real change, so callers empty it first), clears the worked tables, then
// inserts and accounts every complete row line, a QSO row's province name from the table. A
// file without the magic line is a QSO log whose first line is a row; the summary data then
// stays as it was.
LogReadResult ReadLogFile(QIODevice& device, const ProvinceTable& provinces, LogList& log,
                          SummaryData& summary, WorkedTables& tables);
// The same without the worked tables, for readers of the rows alone (the command line).
LogReadResult ReadLogFile(QIODevice& device, const ProvinceTable& provinces, LogList& log,
                          SummaryData& summary);

}  // namespace zelkor
