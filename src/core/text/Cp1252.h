#pragma once
// Conversion between the program's single-byte texts (Windows-1252 bytes held in std::string)
// and QString, used only where a text crosses into widgets, settings or file names.

#include <QString>

#include <string>
#include <string_view>

namespace zelkor {

// Every byte maps to one character; the five bytes Windows-1252 leaves undefined map to the
// C1 control characters of the same value, so that all 256 bytes survive a round trip.
QString ToQString(std::string_view cp1252);

// Characters outside Windows-1252 become '?'.
std::string FromQString(const QString& text);

}  // namespace zelkor
