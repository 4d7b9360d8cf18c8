// What a logged contact costs while the "Andamento" window is open: the row appended to the log
// and the window brought up to date (figures, score, chart and map), as the event loop does it
// after the entry row's Enter. Runs on the offscreen platform, without a display.

#include "core/log/LogList.h"
#include "core/platform/FileIO.h"
#include "core/platform/Prompter.h"
#include "core/provinces/ProvinceFile.h"
#include "core/text/Text.h"
#include "ui/stats/CProgressDlg.h"

#include <QApplication>
#include <QTabWidget>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

class SilentPrompter : public zelkor::Prompter {
public:
    zelkor::Answer Show(const zelkor::MessageBox&) override { return zelkor::Answer::No; }
    std::optional<QString> ChooseFile(const zelkor::FileDialogRequest&) override
    {
        return std::nullopt;
    }
    std::optional<int> ChooseColour(int) override { return std::nullopt; }
};

const char* const kBands[] = {"3,5", "7"};
const char* const kModes[] = {"SSB", "CW", "RTTY", "PSK31"};
const char* const kProvinces[] = {"RM", "MI", "TO", "NA", "PA", "BA", "FI", "BO", "VE", "GE"};

std::vector<std::string> ContactCells(int row)
{
    const int minute = 13 * 60 + row * 3 / 20;
    const int day = 9 + minute / (24 * 60);
    const int ofDay = minute % (24 * 60);
    return {zelkor::Format("%02d.03.2024", day),
            zelkor::Format("%02d%02d", ofDay / 60, ofDay % 60),
            kBands[row % 2],
            kModes[(row / 2) % 4],
            zelkor::Format("IK%dA%03d", row % 10, row % 997),
            "59",
            "59",
            kProvinces[row % 10],
            "Roma"};
}

void BM_LoggedContactWithWindowOpen(benchmark::State& state)
{
    zelkor::LogList log;
    log.BuildStartColumns();
    const int rowCount = static_cast<int>(state.range(0));
    for (int row = 0; row < rowCount; ++row) {
        log.AppendLogRow(ContactCells(row));
    }
    zelkor::ProvinceTable provinces;
    zelkor::LoadProvinceFile(QStringLiteral(ZELKOR_SHIPPED_PROVINCES), provinces);
    zelkor::PositionsLoad positions;
    positions.positions = zelkor::ProvincePositions::Parse(
        zelkor::ReadWholeFile(QStringLiteral(ZELKOR_SHIPPED_POSITIONS)).value_or(QByteArray()));
    SilentPrompter prompter;
    zelkor::CProgressDlg window(log, provinces, positions, prompter, QString());
    window.show();
    // The page shown is the one painted again: 0 the chart, 1 the map.
    window.Pages()->setCurrentIndex(static_cast<int>(state.range(1)));
    QApplication::processEvents();
    int next = rowCount;
    for (auto _ : state) {
        log.AppendLogRow(ContactCells(next++));
        // The zero-timer refresh, and the repaint of what changed.
        QApplication::processEvents();
    }
}
BENCHMARK(BM_LoggedContactWithWindowOpen)
    ->Args({10000, 0})
    ->Args({10000, 1})
    ->Args({100000, 0})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(50);

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
