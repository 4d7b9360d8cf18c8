#pragma once
// The province file "_prov.cod" and plain-text province lists: one "XX NAME" per line, read into
// and written from a ProvinceTable. Nothing here talks to the user.

#include "core/provinces/ProvinceTable.h"

#include <QByteArray>
#include <QString>

#include <string>

class QIODevice;

namespace zelkor {

// Lines of this length or longer are not province lines.
inline constexpr int kProvinceLineLimit = 200;

struct ProvinceLineRead {
    int length = 0;
    // The last read found no byte.
    bool endOfFile = false;
    bool endedWithLineFeed = false;
};

// Reads one line byte by byte: CR bytes are dropped wherever they stand, LF ends the line, and
// the reading stops once the line holds more than `limit` characters (the rest of that line is
// left unread).
ProvinceLineRead ReadProvinceLine(QIODevice& device, std::string& line,
                                  int limit = kProvinceLineLimit);

// Upper-cases the line and, when it reads "XX N..." (two letters, a space, a letter, at least six
// characters), stores everything from the fourth character on under code XX. Returns whether it
// was stored; a later line with the same code replaces the earlier name.
bool AcceptProvinceLine(std::string line, ProvinceTable& table);

// Start-up loading: lines are taken exactly as read, and reading ends at the end of the file or
// at the first line of 200 or more characters; a last line without a line end is not taken.
// Merges into what the table holds. Returns false when the file can't be read (also when the
// name holds no regular file).
bool LoadProvinceFile(const QString& path, ProvinceTable& table);
void LoadProvinceFile(QIODevice& device, ProvinceTable& table);

// The warning start-up shows when the province file can't be opened.
QString ProvinceFileOpenWarningText(const QString& path);

// Import of a plain-text list: each line is trimmed before the acceptance test, an over-long line
// is skipped and the reading goes on, and a last line without a line end is taken. Merges into
// the table and returns the number of accepted lines (a code that occurs twice counts twice).
int ImportProvinceLines(QIODevice& device, ProvinceTable& table);

// The file's bytes: "XX NAME\r\n" for every named slot, in code order.
QByteArray ProvinceFileBytes(const ProvinceTable& table);

// Replaces the file as a whole, so that a failed save leaves the old file in place; the reason
// of a failure is an Italian sentence.
bool SaveProvinceFile(const QString& path, const ProvinceTable& table, QString* reason = nullptr);

// "Non posso salvare sul file _prov.cod!" followed by the reason.
QString ProvinceFileNotWrittenText(const QString& reason);

}  // namespace zelkor
