#include "core/commands/ScoreCommand.h"

#include "core/commands/AppContext.h"
#include "core/settings/SettingKeys.h"

namespace zelkor {

ScoreResult RunScoreComputation(AppContext& context, const LogList& log, Prompter& prompter)
{
    ScoreResult result = ComputeScore(log, prompter);
    context.settings.claimedScore = result.score;
    if (context.store) {
        (void)context.store->WriteSetting(keys::kScore, result.score);
    }
    return result;
}

}  // namespace zelkor
