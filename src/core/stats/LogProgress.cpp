#include "core/stats/LogProgress.h"

#include "core/log/LogList.h"

namespace zelkor {

LogProgress ComputeLogProgress(const LogList& log)
{
    LogProgress progress;
    progress.layout = log.Layout();
    progress.timeline = BuildTimeline(log);
    progress.rates = ComputeRateFigures(progress.timeline.Minutes());
    progress.hourly = CountPerHour(progress.timeline);
    progress.score = ComputeScore(log);
    return progress;
}

}  // namespace zelkor
