#pragma once
// Reads the stations and their provinces from one of the program's own logs, through the log
// file reader: in a log of contacts made the callsign and its province, in a listener's log
// the calling station and its province (an answering station whose exchange was logged has a
// row of its own as calling station). A row whose callsign or province the entry row would
// refuse is skipped, and so is a last line cut short.

#include "core/history/HistorySources.h"

namespace zelkor {

HistoryReadResult ReadLogHistory(const QByteArray& bytes, const ProvinceTable& provinces);

}  // namespace zelkor
