#include "core/text/Text.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

namespace zelkor {

std::string Format(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    const int length = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string result;
    if (length > 0) {
        std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
        std::vsnprintf(buffer.data(), buffer.size(), format, args);
        result.assign(buffer.data(), static_cast<std::size_t>(length));
    }
    va_end(args);
    return result;
}

int CompareBytes(std::string_view a, std::string_view b)
{
    const std::size_t common = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < common; ++i) {
        const auto ca = static_cast<unsigned char>(a[i]);
        const auto cb = static_cast<unsigned char>(b[i]);
        if (ca != cb) {
            return ca < cb ? -1 : 1;
        }
    }
    if (a.size() == b.size()) {
        return 0;
    }
    return a.size() < b.size() ? -1 : 1;
}

bool IsUpperAsciiLetter(char c)
{
    return c >= 'A' && c <= 'Z';
}

bool IsLowerAsciiLetter(char c)
{
    return c >= 'a' && c <= 'z';
}

void ToUpperAscii(std::string& text)
{
    for (char& c : text) {
        if (IsLowerAsciiLetter(c)) {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
}

void ToLowerAscii(std::string& text)
{
    for (char& c : text) {
        if (IsUpperAsciiLetter(c)) {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
}

std::string TrimWhiteSpace(std::string_view text)
{
    const auto isSpace = [](char c) {
        return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
    };
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isSpace(text[begin])) {
        ++begin;
    }
    while (end > begin && isSpace(text[end - 1])) {
        --end;
    }
    return std::string(text.substr(begin, end - begin));
}

}  // namespace zelkor
