#pragma once
// Call-history files in the comma-separated form that contest loggers share: a first line
// "!!Order!!,Call,Exch1,..." names the columns of the lines that follow, lines starting with '#'
// are comments. Which column holds the province is told by the values when only one column can
// be it; otherwise the operator chooses.

#include "core/history/HistorySources.h"

#include <optional>
#include <string>
#include <vector>

namespace zelkor {

struct SharedHistoryLayout {
    // The names of the data columns, in order ("!!Order!!" itself is not one).
    std::vector<std::string> columns;
    // The "Call" column; -1 when there is none, and the file can't be read.
    int callColumn = -1;
    // The columns whose values are at least half known provinces, in column order.
    std::vector<int> provinceColumns;
    // The first few values of each column, for the operator's choice.
    std::vector<std::vector<std::string>> samples;
};

SharedHistoryLayout InspectSharedHistory(const QByteArray& bytes, const ProvinceTable& provinces);

// The one column that can hold the province, or nothing when it is not obvious.
std::optional<int> ObviousProvinceColumn(const SharedHistoryLayout& layout);

// The stations with the province of the given data column; lines without a valid callsign and
// a known province there are skipped. The dates are unknown.
HistoryReadResult ReadSharedHistory(const QByteArray& bytes, const SharedHistoryLayout& layout,
                                    int provinceColumn, const ProvinceTable& provinces);

// The history in the shared form: "!!Order!!,Call,Exch1" and one "CALLSIGN,CODE" per station in
// callsign order, CR LF line ends.
QByteArray SharedHistoryBytes(const CallHistory& history);

}  // namespace zelkor
