#include "core/contest/InputRestrictions.h"

#include "core/text/Text.h"

namespace zelkor {
namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsAllowed(FieldKind kind, char c)
{
    switch (kind) {
        case FieldKind::Date:
            return IsDigit(c) || c == '.';
        case FieldKind::Time:
            return IsDigit(c) || c == ':' || c == '.';
        case FieldKind::Callsign:
            return IsUpperAsciiLetter(c) || IsDigit(c) || c == '/';
        case FieldKind::Report:
            return IsDigit(c);
        case FieldKind::ProvinceCode:
            return IsUpperAsciiLetter(c);
    }
    return false;
}

bool UpperCases(FieldKind kind)
{
    return kind == FieldKind::Callsign || kind == FieldKind::ProvinceCode;
}

}  // namespace

int MaxLength(FieldKind kind, FieldPlace place)
{
    switch (kind) {
        case FieldKind::Date:
            return 10;
        case FieldKind::Time:
            // "hh:mm"; the edit dialogs want "hhmm" but refuse a longer text with a message.
            return 5;
        case FieldKind::Callsign:
            // 14 is the longest callsign the rule accepts.
            return place == FieldPlace::MainWindow ? 13 : 14;
        case FieldKind::Report:
            // Room for leading zeros ("0059" is a valid report), but no pasted digit string.
            return 6;
        case FieldKind::ProvinceCode:
            return 2;
    }
    return 0;
}

std::optional<std::string> FilterTypedText(FieldKind kind, FieldPlace place, std::string_view text)
{
    if (text.size() > static_cast<std::size_t>(MaxLength(kind, place))) {
        return std::nullopt;
    }
    std::string result(text);
    if (UpperCases(kind)) {
        ToUpperAscii(result);
    }
    for (const char c : result) {
        if (!IsAllowed(kind, c)) {
            return std::nullopt;
        }
    }
    return result;
}

bool IsAcceptedText(FieldKind kind, FieldPlace place, std::string_view text)
{
    const std::optional<std::string> held = FilterTypedText(kind, place, text);
    return held && *held == text;
}

}  // namespace zelkor
