// Benchmarks of the core's hot paths, run by hand (outside the test run).

#include "core/text/Cp1252.h"
#include "core/text/Text.h"

#include <benchmark/benchmark.h>

namespace {

void BM_RowNumberFormat(benchmark::State& state)
{
    int n = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(zelkor::Format("%5d", ++n));
    }
}
BENCHMARK(BM_RowNumberFormat);

void BM_Cp1252RoundTrip(benchmark::State& state)
{
    const std::string line = "    1^05.02.2006^1432^7^SSB^I2ABC^59^59^MI^MILANO^";
    for (auto _ : state) {
        benchmark::DoNotOptimize(zelkor::FromQString(zelkor::ToQString(line)));
    }
}
BENCHMARK(BM_Cp1252RoundTrip);

}  // namespace
