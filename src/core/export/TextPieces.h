#pragma once
// The cuts and blank fills the export formats build their fields from. A cut that asks for more
// characters than a text has takes what is there, so that a short text from a loaded log gives
// short pieces instead of an error.

#include <cstddef>
#include <string>
#include <string_view>

namespace zelkor {

// The first n characters, or the whole text when it is shorter.
inline std::string_view FirstChars(std::string_view text, std::size_t n)
{
    return text.substr(0, n);
}

// The last n characters, or the whole text when it is shorter.
inline std::string_view LastChars(std::string_view text, std::size_t n)
{
    return text.size() > n ? text.substr(text.size() - n) : text;
}

// Up to n characters from the zero-based position on; empty when the text ends before it.
inline std::string_view CharsFrom(std::string_view text, std::size_t position, std::size_t n)
{
    return position < text.size() ? text.substr(position, n) : std::string_view();
}

// printf's "%-<width>s": the text whole, then blanks up to the width.
inline void AppendLeftAligned(std::string& out, std::string_view text, std::size_t width)
{
    out.append(text);
    if (text.size() < width) {
        out.append(width - text.size(), ' ');
    }
}

}  // namespace zelkor
