#pragma once
// The fixed-column text the Vantlog log checker reads: one line per row of a QSO log, in list
// order, no header. Vantlog knows no SWL logs; the command refuses those before writing.

#include <QByteArray>

#include <string>

namespace zelkor {

class LogList;

// One line with its CR LF. Vantlog has no PSK31: such a row is written as RTTY and marked by
// the " PSK   --" ending. The callsign is cut to 10 characters and the province to 2.
std::string VantlogLine(const LogList& log, int row);

// Every row's line; an empty log gives no bytes at all.
QByteArray VantlogTextBytes(const LogList& log);

}  // namespace zelkor
