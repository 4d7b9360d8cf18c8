#pragma once
// Line and word splitting shared by the call-history readers: every reader takes LF or CR LF
// line ends, and a CR anywhere else is dropped.

#include <QByteArray>

#include <string>
#include <string_view>
#include <vector>

namespace zelkor {

// Calls f with every line of the bytes, without its line end; a last line without one is
// given too.
template <typename F>
void ForEachLine(const QByteArray& bytes, F f)
{
    const std::string_view text(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    std::string line;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        line.assign(text.substr(start, end - start));
        std::erase(line, '\r');
        f(std::string_view(line));
        start = end + 1;
    }
}

// The words of a line, separated by blanks and tabs.
std::vector<std::string_view> SplitWords(std::string_view line);

// Whether the text starts with the prefix, the letters A-Z taken without case.
bool StartsWithNoCase(std::string_view text, std::string_view prefix);

// The bytes with a leading UTF-8 byte-order mark left out.
QByteArray WithoutByteOrderMark(const QByteArray& bytes);

}  // namespace zelkor
