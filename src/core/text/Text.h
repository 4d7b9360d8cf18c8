#pragma once
// Byte-string helpers shared by every subsystem: printf-style formatting, byte-order comparison
// and the ASCII-only case rules the log and province files use.

#include <string>
#include <string_view>

namespace zelkor {

// printf-style formatting into a byte string ("%5d", "%-14s", ...).
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Compares character by character on unsigned byte values; a prefix sorts first.
// Returns a negative number, zero or a positive number.
int CompareBytes(std::string_view a, std::string_view b);

// Letters a-z become A-Z; every other byte is left as it is.
void ToUpperAscii(std::string& text);

// Letters A-Z become a-z; every other byte is left as it is.
void ToLowerAscii(std::string& text);

bool IsUpperAsciiLetter(char c);
bool IsLowerAsciiLetter(char c);

// Removes leading and trailing blanks, tabs and other ASCII white space.
std::string TrimWhiteSpace(std::string_view text);

}  // namespace zelkor
