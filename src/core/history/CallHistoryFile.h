#pragma once
// The call history's own file "_storico.cod" in the program folder: one station per line,
// "CALLSIGN CODE" followed by the contact's date "yyyymmdd" when it is known, sorted by callsign,
// CR LF line ends. The date is what lets a later import keep the newest contact of a station.

#include "core/history/CallHistory.h"

#include <QByteArray>
#include <QString>

namespace zelkor {

// The file's bytes: every entry in callsign order.
QByteArray CallHistoryFileBytes(const CallHistory& history);

// Reads the file's lines into the history (replacing what it held). Lines that are not a valid
// callsign and a two-letter code, with or without a date, are skipped; returns their number.
int ParseCallHistoryFile(const QByteArray& bytes, CallHistory& history);

enum class HistoryLoad { Loaded, Missing, Failed };

// Start-up: the file read into the history. A missing file is an empty history; a file that
// is there but can't be read leaves the history empty and gives the reason.
HistoryLoad LoadCallHistory(const QString& path, CallHistory& history, QString* reason = nullptr);

// The warning start-up shows when the file is there but can't be read.
QString CallHistoryOpenWarningText(const QString& path, const QString& reason);

// Replaces the file as a whole, so that a failed save leaves the old file in place.
bool SaveCallHistory(const QString& path, const CallHistory& history, QString* reason = nullptr);

// "Non posso salvare sul file _storico.cod!" followed by the reason.
QString CallHistoryNotWrittenText(const QString& reason);

}  // namespace zelkor
