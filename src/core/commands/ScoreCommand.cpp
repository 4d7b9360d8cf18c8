#include "core/commands/ScoreCommand.h"

#include "core/commands/AppContext.h"
#include "core/platform/Prompter.h"

namespace zelkor {

ScoreResult ScoreAndReportIgnored(const LogList& log, Prompter& prompter)
{
    const ScoreDetail detail = ComputeScore(log);
    for (const IgnoredRow& row : detail.ignored) {
        prompter.Error(IgnoredRowText(row));
    }
    return detail.result;
}

ScoreResult RunScoreComputation(AppContext& context, const LogList& log, Prompter& prompter)
{
    ScoreResult result = ScoreAndReportIgnored(log, prompter);
    context.ReportSettingsWrite(context.settings.SetClaimedScore(context.store.get(), result.score),
                                prompter);
    return result;
}

}  // namespace zelkor
