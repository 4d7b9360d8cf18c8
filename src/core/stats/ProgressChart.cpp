#include "core/stats/ProgressChart.h"

#include "core/stats/ContactTime.h"
#include "core/stats/RaceTarget.h"
#include "core/text/Text.h"

#include <algorithm>
#include <numeric>

namespace zelkor {
namespace {

constexpr int kHoursPerDay = 24;

std::string HourLabel(std::int64_t hour, bool withDay)
{
    std::string clock = ClockText(hour * 60).substr(0, 2);
    if (!withDay) {
        return clock;
    }
    return DateText(hour * 60).substr(0, 2) + "/" + clock;
}

}  // namespace

int ProgressChartData::Highest() const
{
    int highest = 0;
    for (const GroupCounts& counts : ours) {
        highest = std::max(highest, std::accumulate(counts.begin(), counts.end(), 0));
    }
    for (const std::optional<int>& count : theirs) {
        highest = std::max(highest, count.value_or(0));
    }
    return highest;
}

ProgressChartData BuildProgressChart(const HourlyCounts& ours, std::optional<std::int64_t> ourFirst,
                                     const RaceTarget* target)
{
    ProgressChartData chart;
    chart.leftOut = ours.leftOut;
    if (!ourFirst && target == nullptr) {
        return chart;
    }
    // The hour the chart starts with, and the hour of the log's own contest that is.
    const std::int64_t originHour = ourFirst ? *ourFirst / 60 : target->Origin() / 60;
    const std::int64_t firstHour = ourFirst ? ours.firstHour : originHour;
    int hourCount = ours.HourCount();
    if (target != nullptr) {
        const auto theirHours = static_cast<std::int64_t>(target->HourTotals().size());
        hourCount = static_cast<int>(
            std::max<std::int64_t>(hourCount, originHour + theirHours - firstHour));
    }
    const bool withDay = hourCount > kHoursPerDay;
    for (int index = 0; index < hourCount; ++index) {
        const std::int64_t hour = firstHour + index;
        chart.labels.push_back(HourLabel(hour, withDay));
        chart.ours.push_back(index < ours.HourCount() ? ours.hours[static_cast<std::size_t>(index)]
                                                      : GroupCounts{});
        if (target != nullptr) {
            const std::int64_t theirHour = hour - originHour;
            const std::vector<int>& totals = target->HourTotals();
            chart.theirs.push_back(
                theirHour >= 0 && theirHour < static_cast<std::int64_t>(totals.size())
                    ? std::optional<int>(totals[static_cast<std::size_t>(theirHour)])
                    : std::nullopt);
        }
    }
    return chart;
}

int HourLabelStep(double pixelsPerHour, double labelExtent)
{
    for (const int step : {1, 2, 3, 4, 6, 12}) {
        if (pixelsPerHour * step >= labelExtent) {
            return step;
        }
    }
    return kHoursPerDay;
}

std::vector<int> LabelledHours(const std::vector<std::string>& labels, int step)
{
    std::vector<int> shown;
    for (int index = 0; index < static_cast<int>(labels.size()); ++index) {
        const std::string& label = labels[static_cast<std::size_t>(index)];
        // Every label ends in the two digits of its clock hour.
        const int clock = label.size() >= 2 ? (label[label.size() - 2] - '0') * 10 +
                                                  (label[label.size() - 1] - '0')
                                            : 0;
        if (clock % step == 0) {
            shown.push_back(index);
        }
    }
    if (shown.empty() && !labels.empty()) {
        shown.push_back(0);
    }
    return shown;
}

}  // namespace zelkor
