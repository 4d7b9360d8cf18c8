// The entry row scans the whole log when a callsign is left and when the band or mode changes;
// with a long log that must still answer well inside a frame. Logging a contact appends one line
// and must not grow with the log.

#include "core/commands/AppContext.h"
#include "core/log/LogList.h"
#include "core/log/WorkingFile.h"
#include "core/platform/Clock.h"
#include "core/platform/Prompter.h"
#include "core/presenters/EntryRow.h"
#include "core/text/Text.h"
#include "core/worked/WorkedTables.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace zelkor;

class SilentPrompter : public Prompter {
public:
    Answer Show(const MessageBox&) override { return Answer::Ok; }
    std::optional<QString> ChooseFile(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<int> ChooseColour(int) override { return std::nullopt; }
};

const char* const kBands[] = {"3,5", "7"};
const char* const kModes[] = {"SSB", "CW", "RTTY", "PSK31"};
const char* const kProvinces[] = {"RM", "MI", "TO", "NA", "PA", "BA", "FI", "BO", "VE", "GE"};

// A QSO log of many different stations, each worked a few times, behind a started entry row.
struct EntryFixture {
    explicit EntryFixture(int rowCount)
        : workingFile(folder.path() + QStringLiteral("/_ult.zelk")),
          row(context, log, tables, workingFile, prompter, clock)
    {
        context.store = SettingsStore::OpenFile(folder.path() + QStringLiteral("/zelkor.conf"));
        context.programFolder = folder.path() + QLatin1Char('/');
        context.summary.province = "MI";
        context.provinces.SetName(ProvinceIndexOf("RM"), "ROMA");
        log.BuildStartColumns(800);
        for (int i = 0; i < rowCount; ++i) {
            const int station = (i * 7919) % (rowCount / 3 + 1);
            log.AppendLogRow({"05.02.2006", "1432", kBands[i % 2], kModes[(i / 2) % 4],
                              Format("IK%dA%05d", station % 10, station), "59", "59",
                              kProvinces[station % 10], ""});
        }
        tables.RebuildWorkedTables(log);
        (void)workingFile.WriteWorkingFile(log, context.summary);
        row.Start();
    }

    QTemporaryDir folder;
    AppContext context;
    LogList log;
    WorkedTables tables;
    WorkingFile workingFile;
    SilentPrompter prompter;
    SystemClock clock;
    EntryRow row;
};

void BM_CallsignLeave(benchmark::State& state)
{
    EntryFixture fixture(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        fixture.row.SetFieldText(EntryField::Callsign, "IK1A00001");
        fixture.row.OnFocusMoved(EntryField::ReportSent);
        fixture.row.OnFocusMoved(EntryField::Callsign);
        benchmark::DoNotOptimize(fixture.row.PreviousContacts().size());
    }
}
BENCHMARK(BM_CallsignLeave)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_BandChange(benchmark::State& state)
{
    EntryFixture fixture(static_cast<int>(state.range(0)));
    fixture.row.SetFieldText(EntryField::Callsign, "IK1A00001");
    fixture.row.OnFocusMoved(EntryField::ReportSent);
    int band = 0;
    for (auto _ : state) {
        fixture.row.OnBandChosen(band);
        band = 1 - band;
        benchmark::DoNotOptimize(fixture.row.DupShown());
    }
}
BENCHMARK(BM_BandChange)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

// Includes the flush to disk of the appended line.
void BM_LogContact(benchmark::State& state)
{
    EntryFixture fixture(static_cast<int>(state.range(0)));
    int n = 0;
    for (auto _ : state) {
        fixture.row.SetFieldText(EntryField::Callsign, Format("IZ9Z%06d", ++n));
        fixture.row.OnEntryEnter();
        fixture.row.SetFieldText(EntryField::ProvinceCode, "RM");
        fixture.row.OnEntryEnter();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_LogContact)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace

namespace {

// A heard log with many stations: each exchange looks both stations up by binary search.
void BM_LogSwlExchange(benchmark::State& state)
{
    EntryFixture fixture(0);
    fixture.log.SetSwlColumns();
    const int stations = static_cast<int>(state.range(0));
    for (int i = 0; i < stations; i += 2) {
        fixture.log.AppendLogRow({"05.02.2006", "1432", "7", "CW", Format("IK%dA%06d", i % 10, i),
                                  "599", "RM", Format("IK%dA%06d", (i + 1) % 10, i + 1)});
    }
    fixture.tables.RebuildWorkedTables(fixture.log);
    (void)fixture.workingFile.WriteWorkingFile(fixture.log, fixture.context.summary);
    fixture.row.OnLayoutSwitched();
    int n = 0;
    for (auto _ : state) {
        ++n;
        fixture.row.SetFieldText(EntryField::Callsign, Format("IZ9A%06d", n));
        fixture.row.OnEntryEnter();
        fixture.row.SetFieldText(EntryField::ProvinceCode, "RM");
        fixture.row.OnEntryEnter();
        fixture.row.SetFieldText(EntryField::AnsweringCallsign, Format("IZ8B%06d", n));
        fixture.row.OnEntryEnter();
        fixture.row.SetFieldText(EntryField::AnsweringProvinceCode, "RM");
        fixture.row.OnEntryEnter();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_LogSwlExchange)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
