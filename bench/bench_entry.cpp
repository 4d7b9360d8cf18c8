// The entry row while the operator types: leaving the callsign field scans the log, a band or
// mode change scans it again and hands the choice to the settings (written a moment later), and
// logging a contact appends one line and flushes it. None of it may grow with the log beyond a
// frame's time.

#include "BenchLogs.h"

#include "core/commands/AppContext.h"
#include "core/document/LogDocument.h"
#include "core/log/LogList.h"
#include "core/log/WorkingFile.h"
#include "core/platform/Clock.h"
#include "core/platform/Prompter.h"
#include "core/presenters/EntryRow.h"
#include "core/settings/SettingKeys.h"
#include "core/text/Text.h"
#include "core/worked/WorkedTables.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace zelkor;
using namespace zelkor::bench;

// The window's application, whose event loop writes a band or mode choice after the change.
void NeedApplication()
{
    static int argc = 1;
    static char name[] = "zelkor_bench";
    static char* argv[] = {name, nullptr};
    if (QCoreApplication::instance() == nullptr) {
        new QCoreApplication(argc, argv);
    }
}

AppContext StoreIn(const QTemporaryDir& folder)
{
    AppContext context;
    context.store = SettingsStore::OpenFile(folder.filePath(QStringLiteral("zelkor.conf")));
    return context;
}

// A generated log behind a started entry row, in temporary folders.
struct EntryFixture {
    EntryFixture(int rows, int shape)
        : context((NeedApplication(), StoreIn(folder))),
          document(context.store.get(), folder.filePath(QStringLiteral("_ult.zelk"))),
          row(context, document, prompter, clock)
    {
        context.programFolder = folder.path() + QLatin1Char('/');
        context.summary = Entrant(shape != kQso);
        context.provinces = Provinces();
        FillLog(log, rows, shape);
        tables.RebuildWorkedTables(log);
        (void)workingFile.WriteWorkingFile(log, context.summary);
        if (shape != kQso) {
            row.OnLayoutSwitched();
        }
        row.Start();
        // A station from the middle of the log.
        knownCallsign = std::string(log.Cell(rows / 2, QsoColumn::Callsign));
    }

    QTemporaryDir folder;
    AppContext context;
    LogDocument document;
    LogList& log = document.Log();
    WorkedTables& tables = document.Tables();
    WorkingFile& workingFile = document.File();
    YesPrompter prompter;
    SystemClock clock;
    EntryRow row;
    std::string knownCallsign;
};

void BM_CallsignLeave(benchmark::State& state)
{
    EntryFixture fixture(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state) {
        fixture.row.SetFieldText(EntryField::Callsign, fixture.knownCallsign);
        fixture.row.OnFocusMoved(EntryField::ReportSent);
        fixture.row.OnFocusMoved(EntryField::Callsign);
        benchmark::DoNotOptimize(fixture.row.PreviousContacts().size());
    }
    SetRows(state);
}
BENCHMARK(BM_CallsignLeave)->Apply(QsoAndSwl);

// The whole handler: the wall time is what the operator waits before the window shows the
// change. The settings write follows a moment later (BM_BandSettingWrite, and both together in
// BM_BandChangeThenWrite).
void BM_BandChange(benchmark::State& state)
{
    EntryFixture fixture(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    fixture.row.SetFieldText(EntryField::Callsign, fixture.knownCallsign);
    fixture.row.OnFocusMoved(EntryField::ReportSent);
    int band = 0;
    for (auto _ : state) {
        fixture.row.OnBandChosen(band);
        band = 1 - band;
        benchmark::DoNotOptimize(fixture.row.DupShown());
    }
    SetRows(state);
}
BENCHMARK(BM_BandChange)->Apply(QsoAndSwl);

// The change and the write that follows it, as the window's event loop makes it.
void BM_BandChangeThenWrite(benchmark::State& state)
{
    EntryFixture fixture(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    fixture.row.SetFieldText(EntryField::Callsign, fixture.knownCallsign);
    fixture.row.OnFocusMoved(EntryField::ReportSent);
    int band = 0;
    for (auto _ : state) {
        fixture.row.OnBandChosen(band);
        benchmark::DoNotOptimize(fixture.context.store->Flush());
        band = 1 - band;
    }
    SetRows(state);
}
BENCHMARK(BM_BandChangeThenWrite)->Apply(QsoAndSwl);

// The band list reports a choice of the band already chosen too; the store holds it already.
void BM_BandChosenAgain(benchmark::State& state)
{
    EntryFixture fixture(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    fixture.row.SetFieldText(EntryField::Callsign, fixture.knownCallsign);
    fixture.row.OnFocusMoved(EntryField::ReportSent);
    fixture.row.OnBandChosen(1);
    for (auto _ : state) {
        fixture.row.OnBandChosen(1);
        benchmark::DoNotOptimize(fixture.row.DupShown());
    }
    SetRows(state);
}
BENCHMARK(BM_BandChosenAgain)->Apply(QsoAndSwl);

void BM_ModeChange(benchmark::State& state)
{
    EntryFixture fixture(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    fixture.row.SetFieldText(EntryField::Callsign, fixture.knownCallsign);
    fixture.row.OnFocusMoved(EntryField::ReportSent);
    int mode = 0;
    for (auto _ : state) {
        fixture.row.OnModeChosen(mode);
        mode = 1 - mode;
        benchmark::DoNotOptimize(fixture.row.DupShown());
    }
    SetRows(state);
}
BENCHMARK(BM_ModeChange)->Apply(QsoAndSwl);

// The settings write alone, as a band change makes it, for the share it takes of the above.
void BM_BandSettingWrite(benchmark::State& state)
{
    QTemporaryDir folder;
    auto store = SettingsStore::OpenFile(folder.filePath(QStringLiteral("zelkor.conf")));
    int band = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(store->WriteSetting(
            keys::kBand, band == 0 ? QStringLiteral("3,5") : QStringLiteral("7")));
        band = 1 - band;
    }
}
BENCHMARK(BM_BandSettingWrite)->Unit(benchmark::kMillisecond);

// The Enter that logs one contact (QSO) or one heard exchange of two new stations (SWL): the
// rows added, the append and its flush to disk. The fields are filled untimed (leaving the
// callsign field is BM_CallsignLeave).
void BM_LogContact(benchmark::State& state)
{
    const int shape = static_cast<int>(state.range(1));
    EntryFixture fixture(static_cast<int>(state.range(0)), shape);
    EntryRow& row = fixture.row;
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        ++n;
        // New stations that sort into the middle of the station list.
        row.SetFieldText(EntryField::Callsign, Format("IM%dZ%05d", n % 10, n));
        row.OnEntryEnter();
        if (shape == kQso) {
            row.SetFieldText(EntryField::ProvinceCode, "RM");
        } else {
            row.SetFieldText(EntryField::ProvinceCode, "RM");
            row.OnEntryEnter();
            row.SetFieldText(EntryField::AnsweringCallsign, Format("IL%dB%05d", n % 10, n));
            row.OnEntryEnter();
            row.SetFieldText(EntryField::AnsweringProvinceCode, "MI");
        }
        state.ResumeTiming();
        row.OnEntryEnter();
    }
    if (fixture.log.RowCount() != state.range(0) + (shape == kQso ? 1 : 2) * n) {
        state.SkipWithError("not every contact was logged");
    }
    SetRows(state);
}
BENCHMARK(BM_LogContact)->Apply(AllShapes);

}  // namespace
