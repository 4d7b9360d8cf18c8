// The "Andamento" window recomputes everything it shows from the rows after each change of the
// log: times, rate, contacts per hour and the score. With 10 000 rows that must stay well under
// the 5 ms a logged contact may cost.

#include "core/log/LogList.h"
#include "core/stats/LogProgress.h"
#include "core/text/Text.h"

#include <benchmark/benchmark.h>

namespace {

const char* const kBands[] = {"3,5", "7"};
const char* const kModes[] = {"SSB", "CW", "RTTY", "PSK31"};
const char* const kProvinces[] = {"RM", "MI", "TO", "NA", "PA", "BA", "FI", "BO", "VE", "GE"};

// A contact every 9 seconds or so from 13:00 on, across midnight into the next days.
void FillContestLog(zelkor::LogList& log, int rowCount)
{
    log.BuildStartColumns();
    for (int row = 0; row < rowCount; ++row) {
        const int minute = 13 * 60 + row * 3 / 20;
        const int day = 9 + minute / (24 * 60);
        const int ofDay = minute % (24 * 60);
        log.AppendLogRow({zelkor::Format("%02d.03.2024", day),
                          zelkor::Format("%02d%02d", ofDay / 60, ofDay % 60), kBands[row % 2],
                          kModes[(row / 2) % 4], zelkor::Format("IK%dA%03d", row % 10, row % 997),
                          "59", "59", kProvinces[row % 10], "Roma"});
    }
}

void BM_ComputeLogProgress(benchmark::State& state)
{
    zelkor::LogList log;
    FillContestLog(log, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const zelkor::LogProgress progress = zelkor::ComputeLogProgress(log);
        benchmark::DoNotOptimize(progress.score.result.score);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ComputeLogProgress)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
