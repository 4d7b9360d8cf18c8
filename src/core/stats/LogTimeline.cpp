#include "core/stats/LogTimeline.h"

#include "core/contest/BandMode.h"
#include "core/log/LogColumns.h"
#include "core/log/LogList.h"
#include "core/scoring/ComputeScore.h"
#include "core/scoring/ScoreTable.h"
#include "core/stats/ContactTime.h"

#include <algorithm>

namespace zelkor {

std::vector<std::int64_t> LogTimeline::Minutes() const
{
    std::vector<std::int64_t> minutes;
    minutes.reserve(contacts.size());
    for (const TimedContact& contact : contacts) {
        minutes.push_back(contact.minute);
    }
    return minutes;
}

int BandModeGroupOf(const LogList& log, int row)
{
    static_assert(int{QsoColumn::Band} == int{SwlColumn::Band} &&
                  int{QsoColumn::Mode} == int{SwlColumn::Mode});
    const std::optional<int> band = ScoringBandIndex(log.Cell(row, QsoColumn::Band));
    const std::optional<int> mode = ModeRowFromText(log.Cell(row, QsoColumn::Mode));
    return band && mode ? ScoreTable::RowOf(*band, *mode) : kOtherGroup;
}

LogTimeline BuildTimeline(const LogList& log)
{
    static_assert(int{QsoColumn::Date} == int{SwlColumn::Date} &&
                  int{QsoColumn::Time} == int{SwlColumn::Time});
    LogTimeline timeline;
    timeline.contacts.reserve(static_cast<std::size_t>(log.RowCount()));
    bool ordered = true;
    for (int row = 0; row < log.RowCount(); ++row) {
        const std::optional<std::int64_t> minute =
            ContactMinute(log.Cell(row, QsoColumn::Date), log.Cell(row, QsoColumn::Time));
        if (!minute) {
            ++timeline.untimedRows;
            continue;
        }
        ordered =
            ordered && (timeline.contacts.empty() || timeline.contacts.back().minute <= *minute);
        timeline.contacts.push_back({*minute, row, BandModeGroupOf(log, row)});
    }
    // A log is nearly always in time order already; only an unordered one pays for the sort.
    if (!ordered) {
        std::stable_sort(
            timeline.contacts.begin(), timeline.contacts.end(),
            [](const TimedContact& a, const TimedContact& b) { return a.minute < b.minute; });
    }
    return timeline;
}

}  // namespace zelkor
