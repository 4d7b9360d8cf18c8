// The log list of the window, as the operator meets it: selecting every row and deleting them,
// loading a log into a shown list, and adding a row at the end. Each iteration ends once the
// list has handled its pending events and painted. Runs on the offscreen platform unless
// another is set.

#include "BenchLogs.h"

#include "core/app/Startup.h"
#include "core/commands/AppContext.h"
#include "core/commands/LogEditing.h"
#include "core/document/LogDocument.h"
#include "core/history/CallHistoryFile.h"
#include "core/log/LogFile.h"
#include "core/log/WorkingFile.h"
#include "core/platform/HeldPrompter.h"
#include "core/worked/WorkedTables.h"
#include "ui/app/ZelkorApp.h"
#include "ui/history/CPartialCheckDlg.h"
#include "ui/log/LogTableView.h"
#include "ui/mainwindow/CVelsadDlg.h"
#include "ui/mainwindow/MainMenu.h"

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

using namespace zelkor;
using namespace zelkor::bench;

void Settle(QWidget& widget)
{
    QApplication::processEvents();
    widget.repaint();
}

// A shown list over a log loaded from a generated file, with what "Elimina" needs.
struct ViewFixture {
    explicit ViewFixture(int shape)
        : document(nullptr, folder.filePath(QStringLiteral("_ult.zelk"))), view(log)
    {
        context.store = SettingsStore::OpenFile(folder.filePath(QStringLiteral("zelkor.conf")));
        context.summary = Entrant(shape != kQso);
        context.provinces = Provinces();
        view.resize(900, 500);
        view.show();
        log.BuildStartColumns();
    }

    void Load()
    {
        log.DeleteAllRows();
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        (void)ReadLogFile(buffer, context.provinces, log, context.summary, tables);
        log.MakeRowVisible(log.RowCount() - 1);
    }

    QTemporaryDir folder;
    AppContext context;
    QByteArray bytes;
    LogDocument document;
    LogList& log = document.Log();
    WorkedTables& tables = document.Tables();
    LogTableView view;
};

void SelectionDelete(benchmark::State& state, bool everyOther)
{
    const int rows = static_cast<int>(state.range(0));
    const int shape = static_cast<int>(state.range(1));
    ViewFixture fixture(shape);
    fixture.bytes = FileBytes(rows, shape);
    YesPrompter prompter;
    for (auto _ : state) {
        state.PauseTiming();
        fixture.Load();
        Settle(fixture.view);
        state.ResumeTiming();
        if (everyOther) {
            QItemSelection selection;
            const int lastColumn = fixture.view.model()->columnCount() - 1;
            for (int row = 1; row < rows; row += 2) {
                selection.select(fixture.view.model()->index(row, 0),
                                 fixture.view.model()->index(row, lastColumn));
            }
            fixture.view.selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
        } else {
            fixture.view.selectAll();
        }
        DeleteSelectedRows(fixture.context, fixture.document, prompter);
        Settle(fixture.view);
    }
    SetRows(state);
}
BENCHMARK_CAPTURE(SelectionDelete, SelectAll, false)->Apply(QsoAndSwl);
BENCHMARK_CAPTURE(SelectionDelete, EveryOtherRow, true)->Apply(QsoAndSwl);

// From an empty shown list to the loaded log painted with its last row in view.
void BM_ViewLoad(benchmark::State& state)
{
    const int shape = static_cast<int>(state.range(1));
    ViewFixture fixture(shape);
    fixture.bytes = FileBytes(static_cast<int>(state.range(0)), shape);
    for (auto _ : state) {
        fixture.Load();
        Settle(fixture.view);
    }
    SetRows(state);
}
BENCHMARK(BM_ViewLoad)->Apply(AllShapes);

// One row more at the end of a shown list, scrolled into view and painted.
void BM_ViewAppendRow(benchmark::State& state)
{
    const int shape = static_cast<int>(state.range(1));
    ViewFixture fixture(shape);
    fixture.bytes = FileBytes(static_cast<int>(state.range(0)), shape);
    fixture.Load();
    Settle(fixture.view);
    RowGenerator generator = GeneratorFor(1000, shape);
    for (auto _ : state) {
        fixture.log.AppendLogRow(generator.Cells(generator.Next()));
        Settle(fixture.view);
    }
    SetRows(state);
}
BENCHMARK(BM_ViewAppendRow)->Apply(QsoAndSwl);

// The main window from its construction (which loads the working file) until it is shown and
// painted: what the operator waits for once the splash has gone.
void BM_WindowStart(benchmark::State& state)
{
    const int shape = static_cast<int>(state.range(1));
    QTemporaryDir folder;
    QFile::copy(QStringLiteral(ZELKOR_SHIPPED_PROVINCES),
                folder.filePath(QStringLiteral("_prov.cod")));
    QFile workingFile(folder.filePath(QStringLiteral("_ult.zelk")));
    if (!workingFile.open(QIODevice::WriteOnly) ||
        workingFile.write(FileBytes(static_cast<int>(state.range(0)), shape)) < 0) {
        state.SkipWithError("working file not written");
        return;
    }
    workingFile.close();
    YesPrompter prompter;
    for (auto _ : state) {
        state.PauseTiming();
        AppContext context;
        StartupInputs inputs;
        inputs.store = SettingsStore::OpenFile(folder.filePath(QStringLiteral("zelkor.conf")));
        inputs.executableFolder = folder.path();
        inputs.userDataFolder = folder.path();
        RunStartup(context, std::move(inputs), prompter);
        state.ResumeTiming();
        {
            CVelsadDlg window(context, prompter);
            window.show();
            Settle(window);
            state.PauseTiming();
        }
        QApplication::processEvents();
        state.ResumeTiming();
    }
    SetRows(state);
}
BENCHMARK(BM_WindowStart)->Args({0, kQso})->Apply(AllShapes);

// The program's start as the operator sees it: the window is made behind the start-up picture,
// and the time runs from the picture closing to the window shown and painted. The picture stays
// up long enough for the largest log to be loaded behind it.
void BM_WindowAfterSplash(benchmark::State& state)
{
    constexpr std::chrono::milliseconds kSplash(700);
    const int shape = static_cast<int>(state.range(1));
    QTemporaryDir folder;
    QFile::copy(QStringLiteral(ZELKOR_SHIPPED_PROVINCES),
                folder.filePath(QStringLiteral("_prov.cod")));
    QFile workingFile(folder.filePath(QStringLiteral("_ult.zelk")));
    if (!workingFile.open(QIODevice::WriteOnly) ||
        workingFile.write(FileBytes(static_cast<int>(state.range(0)), shape)) < 0) {
        state.SkipWithError("working file not written");
        return;
    }
    workingFile.close();
    YesPrompter prompter;
    for (auto _ : state) {
        state.PauseTiming();
        AppContext context;
        StartupInputs inputs;
        inputs.store = SettingsStore::OpenFile(folder.filePath(QStringLiteral("zelkor.conf")));
        inputs.executableFolder = folder.path();
        inputs.userDataFolder = folder.path();
        RunStartup(context, std::move(inputs), prompter);
        HeldPrompter held(prompter);
        std::unique_ptr<CVelsadDlg> window = ZelkorApp::OpenMainWindow(context, held, kSplash);
        state.ResumeTiming();
        window->show();
        Settle(*window);
        state.PauseTiming();
        window.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    SetRows(state);
}
BENCHMARK(BM_WindowAfterSplash)->Args({0, kQso})->Apply(AllShapes)->Iterations(8);

void SendKey(QWidget& widget, int key, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(&widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(&widget, &release);
}

// A key typed into the callsign field with "Controllo parziale" open over a history of the given
// size: the field, the search, the list and the window painted, as the event loop does it before
// the next key. The keys alternate between a letter and Backspace after "IK1".
void BM_KeystrokeWithPartialCheck(benchmark::State& state)
{
    QTemporaryDir folder;
    QFile::copy(QStringLiteral(ZELKOR_SHIPPED_PROVINCES),
                folder.filePath(QStringLiteral("_prov.cod")));
    CallHistory history;
    for (int i = 0; i < static_cast<int>(state.range(0)); ++i) {
        const std::uint32_t k = ScrambledStation(static_cast<std::uint32_t>(i));
        history.Merge({StationCallsign(k), std::string(StationProvince(k)), "20240204"});
    }
    if (!SaveCallHistory(folder.filePath(QStringLiteral("_storico.cod")), history)) {
        state.SkipWithError("history not written");
        return;
    }
    YesPrompter prompter;
    AppContext context;
    StartupInputs inputs;
    inputs.store = SettingsStore::OpenFile(folder.filePath(QStringLiteral("zelkor.conf")));
    inputs.executableFolder = folder.path();
    inputs.userDataFolder = folder.path();
    RunStartup(context, std::move(inputs), prompter);
    CVelsadDlg window(context, prompter);
    window.show();
    window.RunCommand(Command::PartialCheck);
    auto* callsign = window.findChild<QLineEdit*>(QStringLiteral("1004"));
    callsign->setFocus();
    for (const QChar c : QStringLiteral("IK1")) {
        SendKey(*callsign, c.unicode(), c);
    }
    Settle(window);
    bool letter = true;
    for (auto _ : state) {
        if (letter) {
            SendKey(*callsign, Qt::Key_A, QStringLiteral("A"));
        } else {
            SendKey(*callsign, Qt::Key_Backspace, QString());
        }
        letter = !letter;
        // The zero-timer refresh of the window, then everything repainted.
        QApplication::processEvents();
        window.PartialCheckWindow()->repaint();
        callsign->repaint();
    }
}
BENCHMARK(BM_KeystrokeWithPartialCheck)->Arg(50000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
