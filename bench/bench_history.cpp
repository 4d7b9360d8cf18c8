// The call history while the operator types: every keystroke in the callsign field searches the
// history and the log for the partial check (bound: 5 ms per keystroke with 50 000 stations),
// leaving the field looks the station up, and the index is built when the window first opens or
// after an import.

#include "BenchLogs.h"

#include "core/commands/AppContext.h"
#include "core/document/LogDocument.h"
#include "core/history/CallHistory.h"
#include "core/history/PartialCheckIndex.h"
#include "core/log/LogList.h"
#include "core/log/WorkingFile.h"
#include "core/platform/Clock.h"
#include "core/presenters/EntryRow.h"
#include "core/presenters/PartialCheck.h"
#include "core/text/Text.h"
#include "core/worked/WorkedTables.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace zelkor;
using namespace zelkor::bench;

constexpr int kLogRows = 5000;

CallHistory GeneratedHistory(int stations)
{
    CallHistory history;
    for (int i = 0; i < stations; ++i) {
        const std::uint32_t k = ScrambledStation(static_cast<std::uint32_t>(i));
        history.Merge({StationCallsign(k), std::string(StationProvince(k)), "20240204"});
    }
    return history;
}

// A history of the given size and a QSO log of 5 000 rows behind the partial check, shown.
struct HistoryFixture {
    explicit HistoryFixture(int stations)
        : document(nullptr, folder.filePath(QStringLiteral("_ult.zelk"))),
          row(context, document, prompter, clock),
          check(context, log, row)
    {
        context.programFolder = folder.path() + QLatin1Char('/');
        context.provinces = Provinces();
        context.summary = Entrant(false);
        context.history = GeneratedHistory(stations);
        FillLog(log, kLogRows, kQso);
        tables.RebuildWorkedTables(log);
        check.SetActive(true);
        check.Refresh();
        // A station from the middle of the history, typed key by key.
        known = std::next(context.history.AllEntries().begin(), stations / 2)->first;
    }

    QTemporaryDir folder;
    AppContext context;
    LogDocument document;
    LogList& log = document.Log();
    WorkedTables& tables = document.Tables();
    YesPrompter prompter;
    SystemClock clock;
    EntryRow row;
    PartialCheck check;
    std::string known;
};

// One keystroke: the new text searched and the lines made for the window. The text alternates
// between its upper and lower case so that each iteration searches afresh.
void BM_PartialCheckKeystroke(benchmark::State& state)
{
    HistoryFixture fixture(static_cast<int>(state.range(0)));
    std::string typed = fixture.known.substr(0, static_cast<std::size_t>(state.range(1)));
    std::string lower = typed;
    ToLowerAscii(lower);
    bool upper = true;
    for (auto _ : state) {
        fixture.check.OnCallsignText(EntryField::Callsign, upper ? typed : lower);
        fixture.check.Refresh();
        upper = !upper;
        benchmark::DoNotOptimize(fixture.check.Total());
    }
    state.SetLabel(typed + ": " + std::to_string(fixture.check.Total()) + " found");
}
BENCHMARK(BM_PartialCheckKeystroke)
    ->ArgsProduct({{5000, 50000, 200000}, {3, 4, 5, 6}})
    ->Unit(benchmark::kMicrosecond);

// A prefix and its call area, the start the operator types most: about one station in a hundred
// matches, the longest lists of these cases.
void BM_PartialCheckWidestSearch(benchmark::State& state)
{
    HistoryFixture fixture(static_cast<int>(state.range(0)));
    bool upper = true;
    for (auto _ : state) {
        fixture.check.OnCallsignText(EntryField::Callsign, upper ? "IK1" : "ik1");
        fixture.check.Refresh();
        upper = !upper;
        benchmark::DoNotOptimize(fixture.check.Total());
    }
    state.SetLabel(std::to_string(fixture.check.Total()) + " found");
}
BENCHMARK(BM_PartialCheckWidestSearch)->Arg(50000)->Arg(200000)->Unit(benchmark::kMicrosecond);

// The index built from the history and the log: the window's first refresh, or after an import.
void BM_PartialCheckIndexBuild(benchmark::State& state)
{
    HistoryFixture fixture(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        PartialCheckIndex index;
        index.SetHistory(fixture.context.history);
        index.SetLog(fixture.log);
        benchmark::DoNotOptimize(index.Find("IK1", 1).total);
    }
}
BENCHMARK(BM_PartialCheckIndexBuild)->Arg(50000)->Arg(200000)->Unit(benchmark::kMillisecond);

// Leaving the callsign field of a station the log does not know: the whole handler, the
// history's lookup included.
void BM_CallsignLeaveWithHistory(benchmark::State& state)
{
    HistoryFixture fixture(static_cast<int>(state.range(0)));
    fixture.row.Start();
    for (auto _ : state) {
        fixture.row.SetFieldText(EntryField::Callsign, fixture.known);
        fixture.row.OnFocusMoved(EntryField::ReportSent);
        fixture.row.OnFocusMoved(EntryField::Callsign);
        benchmark::DoNotOptimize(fixture.row.Values().provinceCode);
    }
}
BENCHMARK(BM_CallsignLeaveWithHistory)->Arg(50000)->Unit(benchmark::kMicrosecond);

}  // namespace
