#pragma once
// What the hourly chart draws: one category per clock hour with its label, the log's contacts in
// it by band/mode group and, when racing, the other log's contacts in the same hour of its own
// contest. Computed here so that the widget only hands numbers to the chart.

#include "core/stats/HourlyCounts.h"

#include <optional>
#include <string>
#include <vector>

namespace zelkor {

class RaceTarget;

struct ProgressChartData {
    // "hh" (UTC); "dd/hh" when the chart spans more than a day, so that no label repeats.
    std::vector<std::string> labels;
    // Zeros in hours after the log's latest contact (shown when the other log goes on longer).
    std::vector<GroupCounts> ours;
    // Empty without a race; otherwise one per label, nothing where the other log has no hour.
    std::vector<std::optional<int>> theirs;
    // Contacts of the log too early for the chart.
    int leftOut = 0;

    [[nodiscard]] int HourCount() const { return static_cast<int>(labels.size()); }
    // The highest bar of either log, for the value axis.
    [[nodiscard]] int Highest() const;
};

// ourOrigin: the minute of the log's first contact (nothing for an empty log). The other log's
// hour k (from the hour of its first contact) stands beside the log's hour k.
ProgressChartData BuildProgressChart(const HourlyCounts& ours, std::optional<std::int64_t> ourFirst,
                                     const RaceTarget* target);

// How many hours apart the hour labels stand when an hour gets pixelsPerHour along the axis and
// a label needs labelExtent: 1, 2, 3, 4, 6, 12 or 24, so that the labelled hours are the same
// clock hours every day.
int HourLabelStep(double pixelsPerHour, double labelExtent);
// The indexes of the labels that a step of `step` hours shows: those whose clock hour is a
// multiple of it, or the first one when none is.
std::vector<int> LabelledHours(const std::vector<std::string>& labels, int step);

}  // namespace zelkor
