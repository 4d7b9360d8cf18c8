#include "core/history/CabrilloHistoryReader.h"

#include "core/contest/FieldRules.h"
#include "core/history/HistoryLines.h"

#include <optional>

namespace zelkor {
namespace {

// Frequency, mode, date and time come before the stations.
constexpr std::size_t kFirstStationWord = 4;

bool IsCallsignWord(std::string_view word)
{
    std::string text(word);
    return IsValidCallsign(text);
}

// The first word from `from` on that holds a province, up to (not including) `end`.
std::optional<std::size_t> ProvinceWord(const std::vector<std::string_view>& words,
                                        std::size_t from, std::size_t end)
{
    for (std::size_t i = from; i < end && i < words.size(); ++i) {
        if (!ProvinceFromExchange(words[i]).empty()) {
            return i;
        }
    }
    return std::nullopt;
}

std::optional<std::size_t> NextCallsignWord(const std::vector<std::string_view>& words,
                                            std::size_t from)
{
    for (std::size_t i = from; i < words.size(); ++i) {
        if (IsCallsignWord(words[i])) {
            return i;
        }
    }
    return std::nullopt;
}

// The station a contact line names with its province: in a log of contacts made, the second
// callsign and the province after it; in a listener's log the first callsign and the province
// before the second.
std::optional<HistoryRecord> ReadQsoLine(std::string_view line, bool listener,
                                         const ProvinceTable& provinces)
{
    const std::vector<std::string_view> words = SplitWords(line.substr(4));
    if (words.size() <= kFirstStationWord) {
        return std::nullopt;
    }
    const std::string date = HistoryDate(words[2]);
    std::size_t station = kFirstStationWord;
    std::size_t provinceFrom = station + 1;
    std::size_t provinceEnd = words.size();
    if (listener) {
        if (!IsCallsignWord(words[station])) {
            return std::nullopt;
        }
        provinceEnd = NextCallsignWord(words, station + 1).value_or(words.size());
    } else {
        const std::optional<std::size_t> worked = NextCallsignWord(words, station + 1);
        if (!worked) {
            return std::nullopt;
        }
        station = *worked;
        provinceFrom = station + 1;
    }
    const std::optional<std::size_t> province = ProvinceWord(words, provinceFrom, provinceEnd);
    if (!province) {
        return std::nullopt;
    }
    return MakeHistoryRecord(words[station], words[*province], date, provinces);
}

bool IsListenerLog(const QByteArray& bytes)
{
    bool listener = false;
    ForEachLine(bytes, [&listener](std::string_view line) {
        if (StartsWithNoCase(line, "CATEGORY")) {
            const std::size_t colon = line.find(':');
            if (colon != std::string_view::npos) {
                for (const std::string_view word : SplitWords(line.substr(colon + 1))) {
                    listener = listener || StartsWithNoCase(word, "SWL");
                }
            }
        }
    });
    return listener;
}

}  // namespace

HistoryReadResult ReadCabrilloHistory(const QByteArray& bytes, const ProvinceTable& provinces)
{
    const bool listener = IsListenerLog(bytes);
    HistoryReadResult result;
    ForEachLine(WithoutByteOrderMark(bytes), [&](std::string_view line) {
        if (!StartsWithNoCase(line, "QSO:")) {
            return;
        }
        if (std::optional<HistoryRecord> record = ReadQsoLine(line, listener, provinces)) {
            result.records.push_back(std::move(*record));
        } else {
            ++result.skipped;
        }
    });
    return result;
}

}  // namespace zelkor
