// The whole-log operations of the log itself: deleting selections, loading, rebuilding the
// worked tables, sorting, renumbering, refreshing the province names and rewriting the working
// file. None may grow faster than n log n.

#include "BenchLogs.h"

#include "core/commands/AppContext.h"
#include "core/commands/LogEditing.h"
#include "core/document/LogDocument.h"
#include "core/log/DateTimeSort.h"
#include "core/log/LogFile.h"
#include "core/log/LogProvinceNames.h"
#include "core/log/WorkingFile.h"
#include "core/worked/WorkedTables.h"

#include <QBuffer>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace zelkor;
using namespace zelkor::bench;

// A log whose rows can be put back between iterations, untimed.
class RefillableLog {
public:
    RefillableLog(int rows, int shape, const QString& workingFilePath = QString())
        : document(nullptr, workingFilePath)
    {
        log.BuildStartColumns();
        if (shape != kQso) {
            log.SetSwlColumns();
        }
        RowGenerator generator = GeneratorFor(rows, shape);
        for (int row = 0; row < rows; ++row) {
            m_rows.push_back(generator.Cells(generator.Next()));
        }
        Refill();
    }

    void Refill()
    {
        log.DeleteAllRows();
        LogList::RowBatch batch(log);
        std::vector<std::string_view> cells;
        for (std::size_t row = 0; row < m_rows.size(); ++row) {
            cells.assign(m_rows[row].begin(), m_rows[row].end());
            batch.Append(static_cast<int>(row) + 1, cells);
        }
    }

    LogDocument document;
    LogList& log = document.Log();

private:
    std::vector<std::vector<std::string>> m_rows;
};

using Selector = bool (*)(int row, int rows);

bool All(int, int)
{
    return true;
}
bool EveryOther(int row, int)
{
    return row % 2 == 1;
}
bool LastHalf(int row, int rows)
{
    return row >= rows / 2;
}

// "Elimina" as the window runs it after Yes: one pass over the rows, the working file rewritten
// (and flushed to disk), the rows renumbered and the worked tables rebuilt.
void DeleteSelection(benchmark::State& state, Selector selected)
{
    const int rows = static_cast<int>(state.range(0));
    QTemporaryDir folder;
    RefillableLog fixture(rows, static_cast<int>(state.range(1)),
                          folder.filePath(QStringLiteral("_ult.zelk")));
    AppContext context;
    context.store = SettingsStore::OpenFile(folder.filePath(QStringLiteral("zelkor.conf")));
    context.summary = Entrant(fixture.log.IsSwl());
    YesPrompter prompter;
    std::vector<int> selection;
    for (int row = 0; row < rows; ++row) {
        if (selected(row, rows)) {
            selection.push_back(row);
        }
    }
    for (auto _ : state) {
        state.PauseTiming();
        fixture.Refill();
        fixture.log.SetSelectedRows(selection);
        state.ResumeTiming();
        DeleteSelectedRows(context, fixture.document, prompter);
    }
    SetRows(state);
}
BENCHMARK_CAPTURE(DeleteSelection, All, All)->Apply(QsoAndSwl);
BENCHMARK_CAPTURE(DeleteSelection, EveryOther, EveryOther)->Apply(QsoAndSwl);
BENCHMARK_CAPTURE(DeleteSelection, LastHalf, LastHalf)->Apply(QsoAndSwl);

// Reading a log file into the log and the worked tables, as start-up and "Apri" do.
void BM_LoadLog(benchmark::State& state)
{
    const int shape = static_cast<int>(state.range(1));
    const QByteArray bytes = FileBytes(static_cast<int>(state.range(0)), shape);
    const ProvinceTable provinces = Provinces();
    LogList log;
    log.BuildStartColumns();
    WorkedTables tables;
    for (auto _ : state) {
        state.PauseTiming();
        log.DeleteAllRows();
        state.ResumeTiming();
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        SummaryData summary;
        benchmark::DoNotOptimize(ReadLogFile(buffer, provinces, log, summary, tables));
    }
    SetRows(state);
    state.counters["file_MB"] = static_cast<double>(bytes.size()) / 1e6;
}
BENCHMARK(BM_LoadLog)->Apply(AllShapes);

// After every deletion and every saved "Modifica".
void BM_RebuildWorkedTables(benchmark::State& state)
{
    LogList log;
    FillLog(log, static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    WorkedTables tables;
    for (auto _ : state) {
        tables.RebuildWorkedTables(log);
        benchmark::DoNotOptimize(tables.Stations().Size());
    }
    SetRows(state);
}
BENCHMARK(BM_RebuildWorkedTables)->Apply(AllShapes);

// "Riordina per data ed ora": the order, the rows moved and renumbered. Between iterations the
// log is put back into its entry order, untimed.
void BM_SortByDateTime(benchmark::State& state)
{
    LogList log;
    FillLog(log, static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    const std::vector<int> order = DateTimeSortOrder(log);
    std::vector<int> inverse(order.size());
    for (std::size_t position = 0; position < order.size(); ++position) {
        inverse[order[position]] = static_cast<int>(position);
    }
    for (auto _ : state) {
        SortByDateTime(log);
        state.PauseTiming();
        log.ReorderRows(inverse);
        state.ResumeTiming();
    }
    SetRows(state);
}
BENCHMARK(BM_SortByDateTime)->Apply(QsoAndSwl);

void BM_RenumberRows(benchmark::State& state)
{
    LogList log;
    FillLog(log, static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state) {
        log.RenumberRows();
    }
    SetRows(state);
}
BENCHMARK(BM_RenumberRows)->Apply(QsoOnly);

// After "Salva" in the province list: every name changes, then every name changes back.
void BM_RefreshProvinceNames(benchmark::State& state)
{
    LogList log;
    FillLog(log, static_cast<int>(state.range(0)), kQso);
    const ProvinceTable provinces = Provinces();
    ProvinceTable renamed = provinces;
    for (int index = 0; index < kProvinceSlotCount; ++index) {
        if (!renamed.Name(index).empty()) {
            renamed.SetName(index, renamed.Name(index) + " (NUOVA)");
        }
    }
    bool flip = false;
    for (auto _ : state) {
        RefreshProvinceNames(log, flip ? renamed : provinces);
        flip = !flip;
    }
    SetRows(state);
}
BENCHMARK(BM_RefreshProvinceNames)->Apply(QsoOnly);

// The bytes of a rewrite of the working file.
void BM_WorkingFileBytes(benchmark::State& state)
{
    LogList log;
    FillLog(log, static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    const SummaryData summary = Entrant(log.IsSwl());
    for (auto _ : state) {
        benchmark::DoNotOptimize(LogFileBytes(log, summary));
    }
    SetRows(state);
}
BENCHMARK(BM_WorkingFileBytes)->Apply(QsoAndSwl);

}  // namespace
