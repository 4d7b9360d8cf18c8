#pragma once
// The files a call history is imported from, and what a reader hands back. Each format has its
// own reader (Cabrillo, ADIF, the program's logs, shared call-history files); a file's format is
// told by its content, and by its extension only for a log without its magic line.

#include "core/history/CallHistory.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace zelkor {

class ProvinceTable;

enum class HistoryFormat { Log, Cabrillo, Adif, SharedHistory, Unknown };

HistoryFormat DetectHistoryFormat(const QByteArray& bytes, const QString& fileName);

struct HistoryReadResult {
    // In the order of the file, which is the order in which equal dates are decided.
    std::vector<HistoryRecord> records;
    // Contact lines (or records) that gave no callsign with a known province.
    int skipped = 0;
};

}  // namespace zelkor
