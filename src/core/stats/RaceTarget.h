#pragma once
// Another log to race against, such as last year's: read once from its file and kept whole, so
// that its score at any moment of its contest comes from the same computation as the log's own.
// Both logs are lined up from the start of the clock hour of their first contact.

#include "core/log/LogList.h"
#include "core/stats/LogTimeline.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace zelkor {

class ProvinceTable;

struct RaceSoFar {
    int contacts = 0;
    int score = 0;

    bool operator==(const RaceSoFar&) const = default;
};

class RaceTarget {
public:
    // Takes a log already read; nothing when it has no row with a readable date and time.
    static std::unique_ptr<RaceTarget> FromLog(std::unique_ptr<LogList> log, QString name);

    // The file name, as shown beside the chart.
    [[nodiscard]] const QString& Name() const { return m_name; }
    [[nodiscard]] const LogList& Log() const { return *m_log; }
    // Minute of the start of the clock hour of its first contact.
    [[nodiscard]] std::int64_t Origin() const { return m_origin; }
    // Contacts in each hour from Origin(), at most kMaxChartHours of them.
    [[nodiscard]] const std::vector<int>& HourTotals() const { return m_hourTotals; }

    // Contacts and score of the rows at most elapsedMinutes after Origin(). The last answer is
    // kept, since the log raced against gets asked the same moment again and again.
    RaceSoFar SoFar(std::int64_t elapsedMinutes) const;

private:
    RaceTarget(std::unique_ptr<LogList> log, QString name, LogTimeline timeline);

    std::unique_ptr<LogList> m_log;
    QString m_name;
    LogTimeline m_timeline;
    std::int64_t m_origin = 0;
    std::vector<int> m_hourTotals;
    mutable std::optional<std::pair<std::int64_t, RaceSoFar>> m_lastAnswer;
};

struct RaceLoad {
    std::unique_ptr<RaceTarget> target;
    // The Italian message when there is no target.
    QString error;
};

// Reads a log file (either layout) without touching the open log, its working file or the
// settings; province names come from the table.
RaceLoad LoadRaceTarget(const QString& path, const ProvinceTable& provinces);

// The race at the latest contact of the log: both logs from the start of the hour of their first
// contact, the other log up to as long after its start as the log is now after its own.
struct RaceStanding {
    std::int64_t elapsedMinutes = 0;
    RaceSoFar ours;
    RaceSoFar theirs;

    [[nodiscard]] int ContactLead() const { return ours.contacts - theirs.contacts; }
    [[nodiscard]] std::int64_t ScoreLead() const { return std::int64_t{ours.score} - theirs.score; }
};

// Nothing while the log has no timed contact. ours is the whole log's contacts with a time and
// the whole log's score.
std::optional<RaceStanding> CompareRace(const LogTimeline& ours, int ourScore,
                                        const RaceTarget& target);

}  // namespace zelkor
