#pragma once
// The call history: for each callsign heard in earlier contests, the province it came from and
// the date of the contact that said so. The entry row fills the province from it, the partial
// check lists it, and every import keeps the newest contact of each station.

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace zelkor {

class ProvinceTable;

// One station's province as a file gave it. The date is "yyyymmdd", or empty when the source
// does not say (a call-history file); an unknown date counts as older than any known one.
struct HistoryRecord {
    std::string callsign;
    std::string province;
    std::string date;

    bool operator==(const HistoryRecord&) const = default;
};

// A record of what a file says, or nothing when the callsign is not one the entry row accepts
// (upper-cased here) or the exchange holds no province of the table (see ProvinceFromExchange).
std::optional<HistoryRecord> MakeHistoryRecord(std::string_view callsign, std::string_view exchange,
                                               std::string date, const ProvinceTable& provinces);

// The province code in a received exchange: blanks around it and any report digits before it
// are skipped ("RM", "599 RM", "59901RM"), the rest must be two letters (upper-cased here).
// Empty when there is no such code.
std::string ProvinceFromExchange(std::string_view exchange);

// "yyyymmdd" from eight digits, from "yyyy-mm-dd" or from "dd.mm.yyyy"; empty otherwise.
std::string HistoryDate(std::string_view text);

class CallHistory {
public:
    struct Entry {
        std::string province;
        std::string date;

        bool operator==(const Entry&) const = default;
    };
    // By callsign in byte order, which is the order of the history file.
    using Entries = std::map<std::string, Entry, std::less<>>;

    // The province the history holds for the callsign; empty when it holds none.
    [[nodiscard]] std::string ProvinceOf(std::string_view callsign) const;

    // Keeps the record unless the history holds a newer contact of the station: a record dated
    // the same as or later than the one held replaces it, so that of two contacts on one day
    // the one read last wins. Returns whether the record was kept.
    bool Merge(const HistoryRecord& record);

    [[nodiscard]] const Entries& AllEntries() const { return m_entries; }
    [[nodiscard]] int Size() const { return static_cast<int>(m_entries.size()); }
    [[nodiscard]] bool IsEmpty() const { return m_entries.empty(); }
    void Clear() { m_entries.clear(); }

    bool operator==(const CallHistory&) const = default;

private:
    Entries m_entries;
};

}  // namespace zelkor
