#include "core/history/HistoryLines.h"

namespace zelkor {
namespace {

char UpperAscii(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

}  // namespace

std::vector<std::string_view> SplitWords(std::string_view line)
{
    std::vector<std::string_view> words;
    std::size_t start = 0;
    while (start < line.size()) {
        start = line.find_first_not_of(" \t", start);
        if (start == std::string_view::npos) {
            break;
        }
        std::size_t end = line.find_first_of(" \t", start);
        if (end == std::string_view::npos) {
            end = line.size();
        }
        words.push_back(line.substr(start, end - start));
        start = end;
    }
    return words;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix)
{
    if (text.size() < prefix.size()) {
        return false;
    }
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (UpperAscii(text[i]) != UpperAscii(prefix[i])) {
            return false;
        }
    }
    return true;
}

QByteArray WithoutByteOrderMark(const QByteArray& bytes)
{
    return bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
}

}  // namespace zelkor
