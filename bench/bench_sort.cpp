// "Riordina per data ed ora" must feel instant on the longest log an operator could make, and no
// order of rows may make it slower than the plain exchange sort whose result it reproduces.

#include "core/commands/LogEditing.h"
#include "core/log/DateTimeSort.h"
#include "core/log/LogList.h"
#include "core/text/Text.h"

#include <benchmark/benchmark.h>

#include <string_view>
#include <utility>
#include <vector>

namespace {

// Rows in the order an operator enters them: about ten a minute, so several in the same minute,
// from 28 January over the month boundary, with an occasional contact logged a few minutes late.
// The "01.02" rows sort before the "31.01" ones.
void FillEntryOrderLog(zelkor::LogList& log, int rowCount)
{
    static const int kDaysIn[] = {31, 28, 31};  // from January
    for (int row = 0; row < rowCount; ++row) {
        int minute = row / 10;
        if (row % 97 == 0 && minute >= 3) {
            minute -= 3;
        }
        int day = 27 + minute / 1440;
        int month = 0;
        while (day >= kDaysIn[month]) {
            day -= kDaysIn[month];
            month = (month + 1) % 3;
        }
        log.AppendLogRow({zelkor::Format("%02d.%02d.2006", day + 1, month + 1),
                          zelkor::Format("%02d%02d", minute / 60 % 24, minute % 60), "7", "SSB",
                          "IK0ABC", "59", "59", "RM", "Roma"});
    }
}

// Every row earlier than all before it: every pass of the exchange sort exchanges at every
// later row, the worst case for the chains.
void FillReversedLog(zelkor::LogList& log, int rowCount)
{
    for (int row = 0; row < rowCount; ++row) {
        const int minute = rowCount - row;
        log.AppendLogRow({"05.02.2006", zelkor::Format("%05d", minute), "7", "SSB", "IK0ABC", "59",
                          "59", "RM", "Roma"});
    }
}

using Filler = void (*)(zelkor::LogList&, int);

// The whole command: order, reordering and renumbering of the log. Between iterations the log is
// put back into its first order, untimed.
void SortCommand(benchmark::State& state, Filler fill)
{
    zelkor::LogList log;
    fill(log, static_cast<int>(state.range(0)));
    const std::vector<int> order = zelkor::DateTimeSortOrder(log);
    std::vector<int> inverse(order.size());
    for (std::size_t position = 0; position < order.size(); ++position) {
        inverse[order[position]] = static_cast<int>(position);
    }
    for (auto _ : state) {
        zelkor::SortByDateTime(log);
        state.PauseTiming();
        log.ReorderRows(inverse);
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// The order alone, without moving the rows.
void SortOrder(benchmark::State& state, Filler fill)
{
    zelkor::LogList log;
    fill(log, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(zelkor::DateTimeSortOrder(log).data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// The exchange sort as the command defines it, on the texts of the log, for comparison.
void PlainExchangeSort(benchmark::State& state, Filler fill)
{
    zelkor::LogList log;
    fill(log, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        std::vector<std::pair<std::string_view, std::string_view>> keys;
        std::vector<int> order;
        for (int row = 0; row < log.RowCount(); ++row) {
            keys.emplace_back(log.Cell(row, 1), log.Cell(row, 2));
            order.push_back(row);
        }
        for (std::size_t i = 0; i + 1 < keys.size(); ++i) {
            for (std::size_t j = i + 1; j < keys.size(); ++j) {
                if (keys[j] < keys[i]) {
                    std::swap(keys[i], keys[j]);
                    std::swap(order[i], order[j]);
                }
            }
        }
        benchmark::DoNotOptimize(order.data());
    }
}

BENCHMARK_CAPTURE(SortCommand, EntryOrder, FillEntryOrderLog)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SortCommand, Reversed, FillReversedLog)
    ->Arg(1000)
    ->Arg(5000)
    ->Arg(20000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SortOrder, EntryOrder, FillEntryOrderLog)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PlainExchangeSort, EntryOrder, FillEntryOrderLog)
    ->Arg(1000)
    ->Arg(5000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PlainExchangeSort, Reversed, FillReversedLog)
    ->Arg(1000)
    ->Arg(5000)
    ->Unit(benchmark::kMillisecond);

}  // namespace
