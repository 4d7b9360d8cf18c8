// Reading the whole log: the score and the three exports. Each must stay linear with a small
// constant, since the command line's are compared with mawk over the same file.

#include "BenchLogs.h"

#include "core/export/AdifWriter.h"
#include "core/export/CabrilloWriter.h"
#include "core/export/VantlogWriter.h"
#include "core/log/LogList.h"
#include "core/provinces/ProvinceTable.h"
#include "core/scoring/ComputeScore.h"
#include "core/settings/SummaryData.h"
#include "core/text/Text.h"

#include <benchmark/benchmark.h>

namespace {

using namespace zelkor;
using namespace zelkor::bench;

void BM_ComputeScore(benchmark::State& state)
{
    LogList log;
    FillLog(log, static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(ComputeScore(log).result.score);
    }
    SetRows(state);
}
BENCHMARK(BM_ComputeScore)->Apply(QsoAndSwl);

void BM_CabrilloExport(benchmark::State& state)
{
    LogList log;
    FillLog(log, static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    const SummaryData summary = Entrant(log.IsSwl());
    for (auto _ : state) {
        benchmark::DoNotOptimize(CabrilloBytes(log, summary, 123456));
    }
    SetRows(state);
}
BENCHMARK(BM_CabrilloExport)->Apply(QsoAndSwl);

void BM_AdifExport(benchmark::State& state)
{
    LogList log;
    FillLog(log, static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    const SummaryData summary = Entrant(log.IsSwl());
    const ProvinceTable provinces = Provinces();
    for (auto _ : state) {
        benchmark::DoNotOptimize(AdifBytes(log, summary, provinces, 123456));
    }
    SetRows(state);
}
BENCHMARK(BM_AdifExport)->Apply(QsoAndSwl);

// Vantlog knows QSO logs only.
void BM_VantlogExport(benchmark::State& state)
{
    LogList log;
    FillLog(log, static_cast<int>(state.range(0)), kQso);
    for (auto _ : state) {
        benchmark::DoNotOptimize(VantlogTextBytes(log));
    }
    SetRows(state);
}
BENCHMARK(BM_VantlogExport)->Apply(QsoOnly);

}  // namespace
