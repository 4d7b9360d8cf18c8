#include "core/history/CallHistory.h"

#include "core/contest/FieldRules.h"
#include "core/provinces/ProvinceTable.h"
#include "core/text/Text.h"

#include <algorithm>

namespace zelkor {
namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool AllDigits(std::string_view text)
{
    return std::ranges::all_of(text, IsDigit);
}

}  // namespace

std::string ProvinceFromExchange(std::string_view exchange)
{
    std::string text = TrimWhiteSpace(exchange);
    std::size_t start = 0;
    while (start < text.size() && (IsDigit(text[start]) || text[start] == ' ')) {
        ++start;
    }
    std::string code = text.substr(start);
    ToUpperAscii(code);
    if (code.size() != 2 || !IsUpperAsciiLetter(code[0]) || !IsUpperAsciiLetter(code[1])) {
        return std::string();
    }
    return code;
}

std::string HistoryDate(std::string_view text)
{
    if (text.size() == 8 && AllDigits(text)) {
        return std::string(text);
    }
    if (text.size() != 10) {
        return std::string();
    }
    std::string date;
    if (text[4] == '-' && text[7] == '-') {
        date.append(text.substr(0, 4)).append(text.substr(5, 2)).append(text.substr(8, 2));
    } else if (text[2] == '.' && text[5] == '.') {
        date.append(text.substr(6, 4)).append(text.substr(3, 2)).append(text.substr(0, 2));
    }
    return date.size() == 8 && AllDigits(date) ? date : std::string();
}

std::optional<HistoryRecord> MakeHistoryRecord(std::string_view callsign, std::string_view exchange,
                                               std::string date, const ProvinceTable& provinces)
{
    std::string call = TrimWhiteSpace(callsign);
    if (!IsValidCallsign(call)) {
        return std::nullopt;
    }
    std::string code = ProvinceFromExchange(exchange);
    // Only a code the entry row would accept: an unknown one would stop the contact at Enter.
    if (code.empty() || provinces.ProvinceNameOf(code).empty()) {
        return std::nullopt;
    }
    return HistoryRecord{std::move(call), std::move(code), std::move(date)};
}

std::string CallHistory::ProvinceOf(std::string_view callsign) const
{
    const auto found = m_entries.find(callsign);
    return found == m_entries.end() ? std::string() : found->second.province;
}

bool CallHistory::Merge(const HistoryRecord& record)
{
    const auto [position, inserted] =
        m_entries.try_emplace(record.callsign, Entry{record.province, record.date});
    // Dates are "yyyymmdd" or empty, so that comparing the texts compares the days.
    if (!inserted && record.date < position->second.date) {
        return false;
    }
    position->second = Entry{record.province, record.date};
    return true;
}

}  // namespace zelkor
