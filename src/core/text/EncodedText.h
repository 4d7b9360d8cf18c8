#pragma once
// The program's title, the about box's texts and the user manual are shipped encoded among the
// resources, so that they can't be read or changed as plain text in the executable. Here are the
// decoding the program uses, the encoding the build uses, and the conversion of the readable
// sources (UTF-8, LF line ends) into the program's Windows-1252 texts.

#include <QByteArrayView>
#include <QString>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelkor {

// Entries of the string table the program reads.
inline constexpr int kProgramTitleEntry = 0;
inline constexpr int kAboutTitleEntry = 1;
inline constexpr int kFirstAboutFieldEntry = 2;
inline constexpr int kAboutFieldCount = 9;
// One length byte per entry.
inline constexpr std::size_t kMaxEntryLength = 255;

// Entry n of the shipped string table, decoded; empty when the table has no entry n.
std::string FetchEncodedString(int n);
// The whole shipped user manual, decoded: Windows-1252 bytes with LF line ends.
std::string LoadInstructionsText();

// Entry n of an encoded string table. A negative n, or an entry that lies wholly or partly past
// the end of the table, gives the empty text.
std::string DecodeStringEntry(std::string_view table, int n);
std::string DecodeInstructions(std::string_view encoded);

// Entries longer than kMaxEntryLength can't be encoded; nothing is returned for them.
std::optional<std::string> EncodeStringTable(const std::vector<std::string>& entries);
std::string EncodeInstructions(std::string_view text);

// The manual as the instructions box shows it: every LF becomes CR LF, every other byte stays.
std::string WithCrLfLineBreaks(std::string_view text);

// Converts a readable source to Windows-1252. The conversion stops, with the line and column in
// problem, on malformed UTF-8, on a character the code page can't hold, and on any control
// character but LF and tab (a CR means the file was saved with the wrong line ends).
std::optional<std::string> SourceToCp1252(QByteArrayView utf8, QString& problem);

// The string table's source: one entry per line as its number, a tab and its text, numbered
// from 0 without gaps. Blank lines and lines starting with '#' are notes for the translator.
std::optional<std::vector<std::string>> ParseStringTableSource(QByteArrayView utf8,
                                                               QString& problem);

}  // namespace zelkor
