// Rebuilding the worked tables runs after every deletion or modification of a row, so a long SWL
// log, whose station list costs the most, must rebuild without a noticeable pause.

#include "core/log/LogList.h"
#include "core/text/Text.h"
#include "core/worked/WorkedTables.h"

#include <benchmark/benchmark.h>

namespace {

const char* const kBands[] = {"3,5", "7"};
const char* const kModes[] = {"SSB", "CW", "RTTY", "PSK31"};
const char* const kProvinces[] = {"RM", "MI", "TO", "NA", "PA", "BA", "FI", "BO", "VE", "GE"};

// Rows of a heard log with a few hundred stations, each heard calling and answering many times.
void FillSwlLog(zelkor::LogList& log, int rowCount)
{
    log.SetSwlColumns();
    for (int row = 0; row < rowCount; ++row) {
        const int caller = (row * 7919) % 600;
        const int answerer = (row * 104729 + 13) % 600;
        log.AppendLogRow({"05.02.2006", "1432", kBands[row % 2], kModes[(row / 2) % 4],
                          zelkor::Format("IK%dA%03d", caller % 10, caller), "599",
                          kProvinces[caller % 10],
                          zelkor::Format("IZ%dB%03d", answerer % 10, answerer)});
    }
}

void BM_RebuildWorkedTablesSwl(benchmark::State& state)
{
    zelkor::LogList log;
    FillSwlLog(log, static_cast<int>(state.range(0)));
    zelkor::WorkedTables tables;
    for (auto _ : state) {
        tables.RebuildWorkedTables(log);
        benchmark::DoNotOptimize(tables.Stations().Size());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_RebuildWorkedTablesSwl)->Arg(1000)->Arg(5000)->Arg(20000);

}  // namespace
