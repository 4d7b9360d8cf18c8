#include "core/commands/ScoreCommand.h"

#include "core/commands/AppContext.h"

namespace zelkor {

ScoreResult RunScoreComputation(AppContext& context, const LogList& log, Prompter& prompter)
{
    ScoreResult result = ComputeScore(log, prompter);
    context.ReportSettingsWrite(context.settings.SetClaimedScore(context.store.get(), result.score),
                                prompter);
    return result;
}

}  // namespace zelkor
