#pragma once
// The Cabrillo 2.0 file for the contest organisers: a header from the summary data, one "QSO:"
// line per row in list order, fixed columns, CR LF line ends, the log's bytes unconverted.

#include <QByteArray>

#include <string>
#include <string_view>

namespace zelkor {

class LogList;
struct SummaryData;

// The six columns after "QSO: ". The contest's bands are " 3500 " (any text with a comma) and
// " 7000 "; the edit dialog's other bands get their own frequency, so that a contact on 14 MHz
// is never passed off as one on 7 MHz.
std::string_view CabrilloFrequency(std::string_view band);

// "PH " for exactly "SSB", "CW " for exactly "CW", "RY " for anything else.
std::string_view CabrilloMode(std::string_view mode);

// One "QSO:" line of the row with its CR LF, in the log's layout: a QSO row is sent from the
// entrant's callsign and province, a heard (SWL) row from the calling station to the answering
// one.
std::string CabrilloQsoLine(const LogList& log, int row, const SummaryData& summary);

// The whole file. The score is written as given, with no separators.
QByteArray CabrilloBytes(const LogList& log, const SummaryData& summary, int score);

}  // namespace zelkor
