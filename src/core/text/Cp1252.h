#pragma once
// Conversion between the program's single-byte texts (Windows-1252 bytes held in std::string)
// and QString, used only where a text crosses into widgets, settings or file names.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

#include <string>
#include <string_view>

namespace zelkor {

// Every byte maps to one character; the five bytes Windows-1252 leaves undefined map to the
// C1 control characters of the same value, so that all 256 bytes survive a round trip.
QString ToQString(std::string_view cp1252);

// Characters outside Windows-1252 become '?'.
std::string FromQString(const QString& text);

// A text file written in UTF-8 (what most of today's editors save), as Windows-1252 bytes: only
// when the bytes are valid UTF-8, hold at least one character beyond ASCII and every character
// has its byte in Windows-1252. Anything else (a Windows-1252 file, plain ASCII, binary data) is
// nothing, and is read as it stands.
std::optional<QByteArray> Utf8AsCp1252(QByteArrayView bytes);

}  // namespace zelkor
