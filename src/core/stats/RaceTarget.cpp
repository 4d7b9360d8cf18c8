#include "core/stats/RaceTarget.h"

#include "core/log/LogFile.h"
#include "core/platform/FileIO.h"
#include "core/scoring/ComputeScore.h"
#include "core/settings/SummaryData.h"
#include "core/stats/HourlyCounts.h"
#include "core/worked/WorkedTables.h"

#include <QBuffer>

#include <algorithm>
#include <utility>

namespace zelkor {

std::unique_ptr<RaceTarget> RaceTarget::FromLog(std::unique_ptr<LogList> log, QString name)
{
    LogTimeline timeline = BuildTimeline(*log);
    if (timeline.IsEmpty()) {
        return nullptr;
    }
    return std::unique_ptr<RaceTarget>(
        new RaceTarget(std::move(log), std::move(name), std::move(timeline)));
}

RaceTarget::RaceTarget(std::unique_ptr<LogList> log, QString name, LogTimeline timeline)
    : m_log(std::move(log)),
      m_name(std::move(name)),
      m_timeline(std::move(timeline)),
      m_origin(m_timeline.First() / 60 * 60)
{
    for (const TimedContact& contact : m_timeline.contacts) {
        const auto hour = static_cast<std::size_t>((contact.minute - m_origin) / 60);
        if (hour >= static_cast<std::size_t>(kMaxChartHours)) {
            break;
        }
        if (hour >= m_hourTotals.size()) {
            m_hourTotals.resize(hour + 1, 0);
        }
        ++m_hourTotals[hour];
    }
}

RaceSoFar RaceTarget::SoFar(std::int64_t elapsedMinutes) const
{
    if (m_lastAnswer && m_lastAnswer->first == elapsedMinutes) {
        return m_lastAnswer->second;
    }
    // The score counts rows in list order, whatever order their times are in.
    std::vector<int> rows;
    for (const TimedContact& contact : m_timeline.contacts) {
        if (contact.minute - m_origin > elapsedMinutes) {
            break;
        }
        rows.push_back(contact.row);
    }
    std::sort(rows.begin(), rows.end());
    const RaceSoFar answer{static_cast<int>(rows.size()), ComputeScore(*m_log, rows).result.score};
    m_lastAnswer = std::make_pair(elapsedMinutes, answer);
    return answer;
}

RaceLoad LoadRaceTarget(const QString& path, const ProvinceTable& provinces)
{
    QString reason;
    const std::optional<QByteArray> bytes = ReadWholeFile(path, &reason);
    if (!bytes) {
        return {nullptr, QStringLiteral("Impossibile leggere il log da confrontare:\n") + path +
                             QStringLiteral("\n\n") + reason};
    }
    QBuffer buffer;
    buffer.setData(*bytes);
    buffer.open(QIODevice::ReadOnly);
    auto log = std::make_unique<LogList>();
    SummaryData summary;
    WorkedTables tables;
    (void)ReadLogFile(buffer, provinces, *log, summary, tables);
    std::unique_ptr<RaceTarget> target = RaceTarget::FromLog(std::move(log), FileNamePart(path));
    if (!target) {
        return {nullptr, QStringLiteral("Il log da confrontare non ha nessuna riga con data e ora "
                                        "leggibili:\n") +
                             path};
    }
    return {std::move(target), QString()};
}

std::optional<RaceStanding> CompareRace(const LogTimeline& ours, int ourScore,
                                        const RaceTarget& target)
{
    if (ours.IsEmpty()) {
        return std::nullopt;
    }
    RaceStanding standing;
    standing.elapsedMinutes = ours.Last() - ours.First() / 60 * 60;
    standing.ours = {static_cast<int>(ours.contacts.size()), ourScore};
    standing.theirs = target.SoFar(standing.elapsedMinutes);
    return standing;
}

}  // namespace zelkor
