#pragma once
// The log's contacts in time order: each row with a readable date and time, its minute and its
// band/mode group. Everything the rate and the hourly chart count starts from here.

#include <cstdint>
#include <vector>

namespace zelkor {

class LogList;

// The six band/mode groups in the score table's order (80 m SSB, CW, RTTY/PSK, then 40 m), and
// a seventh for rows the score leaves out (a band or mode the contest doesn't know).
inline constexpr int kBandModeGroupCount = 6;
inline constexpr int kOtherGroup = 6;
inline constexpr int kGroupCount = 7;

struct TimedContact {
    std::int64_t minute = 0;
    // 0-based position in the list.
    int row = 0;
    int group = kOtherGroup;

    bool operator==(const TimedContact&) const = default;
};

struct LogTimeline {
    // By minute; rows of the same minute in list order.
    std::vector<TimedContact> contacts;
    // Rows whose date or time can't be read: counted nowhere in time.
    int untimedRows = 0;

    [[nodiscard]] bool IsEmpty() const { return contacts.empty(); }
    [[nodiscard]] std::int64_t First() const { return contacts.front().minute; }
    [[nodiscard]] std::int64_t Last() const { return contacts.back().minute; }
    // The minutes alone, in order.
    [[nodiscard]] std::vector<std::int64_t> Minutes() const;
};

// Band and mode by the score's rules: the group is ScoreTable's row, or kOtherGroup.
int BandModeGroupOf(const LogList& log, int row);

// Reads "Data", "Utc", "MHz" and "Modo" of every row; the columns are the same in both layouts.
LogTimeline BuildTimeline(const LogList& log);

}  // namespace zelkor
