#pragma once
// The partial check's search: every callsign of the call history and of the open log that
// contains what the operator has typed so far, with its province and the band and mode groups
// it was logged in. A keystroke runs one pass over a single text of all callsigns, so that a
// history of tens of thousands of stations answers well within a keystroke's time.

#include "core/history/CallHistory.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace zelkor {

class LogList;

// Callsigns one after another in one text, each after a line feed, searched in one pass.
class CallsignText {
public:
    void Clear();
    void Reserve(std::size_t count, std::size_t bytes);
    int Add(std::string_view callsign);
    [[nodiscard]] int Size() const { return static_cast<int>(m_starts.size()); }
    [[nodiscard]] std::string_view At(int index) const;
    // Calls f(index) once for every callsign that contains the part, in the order they were
    // added. The part must not hold a line feed.
    template <typename F>
    void ForEachContaining(std::string_view part, F f) const;

private:
    std::string m_text;
    std::vector<std::uint32_t> m_starts;
};

struct PartialMatch {
    std::string callsign;
    // The first contact's in this log, otherwise the history's; empty when neither has one.
    std::string province;
    bool inLog = false;
    // Bit BandIndex + 2 x ModeRow for each band and mode group the station was logged in (in a
    // listener's log: as calling station).
    std::uint8_t worked = 0;

    bool operator==(const PartialMatch&) const = default;
};

class PartialCheckIndex {
public:
    // Shorter texts match too much to be of use.
    static constexpr std::size_t kMinimumLength = 3;

    void SetHistory(const CallHistory& history);
    // The whole log, after anything but an appended row.
    void SetLog(const LogList& log);
    // A row appended to the log.
    void AddLogRow(const LogList& log, int row);

    struct Result {
        // In callsign order, at most the limit asked for.
        std::vector<PartialMatch> matches;
        // Every callsign that matched.
        int total = 0;
    };
    // The callsigns that contain the text (blanks around it dropped, letters upper-cased);
    // nothing for a text shorter than kMinimumLength.
    Result Find(std::string_view typed, std::size_t limit) const;

private:
    struct LogStation {
        std::string province;
        std::uint8_t worked = 0;
    };
    LogStation& LogStationOf(std::string_view callsign);
    bool InHistory(std::string_view callsign) const;
    PartialMatch MakeMatch(std::string_view callsign, const std::string* historyProvince) const;

    CallsignText m_history;
    std::vector<std::string> m_historyProvinces;
    CallsignText m_log;
    std::vector<LogStation> m_logStations;
    std::unordered_map<std::string, int> m_logPositions;
};

template <typename F>
void CallsignText::ForEachContaining(std::string_view part, F f) const
{
    if (part.empty() || m_starts.empty()) {
        return;
    }
    const std::string_view text(m_text);
    std::size_t from = 0;
    while (true) {
        const std::size_t hit = text.find(part, from);
        if (hit == std::string_view::npos) {
            return;
        }
        // The callsign the hit lies in: the last one starting at or before it.
        const auto next = std::upper_bound(m_starts.begin(), m_starts.end(), hit);
        const int index = static_cast<int>(next - m_starts.begin()) - 1;
        f(index);
        // On past this callsign, so that a second hit in it is not reported again.
        if (next == m_starts.end()) {
            return;
        }
        from = *next;
    }
}

}  // namespace zelkor
