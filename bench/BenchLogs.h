#pragma once
// What the benchmarks share: generated logs in the three shapes (QSO, SWL from a pool of
// stations, SWL where every row brings new stations), the sizes every case runs at, a prompter
// that answers Yes, and the entrant.

#include "LogGenerator.h"

#include "core/log/LogList.h"
#include "core/platform/Prompter.h"
#include "core/provinces/ProvinceFile.h"
#include "core/provinces/ProvinceTable.h"
#include "core/settings/SummaryData.h"

#include <QByteArray>
#include <QString>

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace zelkor::bench {

// The benchmarks' argument for the log's shape.
enum Shape : int { kQso = 0, kSwl = 1, kSwlAllNew = 2 };

inline const char* ShapeName(int shape)
{
    return shape == kQso ? "qso" : shape == kSwl ? "swl" : "swl-new";
}

// Every case runs at these sizes, for each shape it takes.
inline void Sizes(benchmark::internal::Benchmark* b, const std::vector<int>& shapes)
{
    for (int shape : shapes) {
        for (int rows : {1000, 10000, 100000}) {
            b->Args({rows, shape});
        }
    }
    b->Unit(benchmark::kMillisecond);
}

inline void QsoAndSwl(benchmark::internal::Benchmark* b)
{
    Sizes(b, {kQso, kSwl});
}

inline void QsoOnly(benchmark::internal::Benchmark* b)
{
    Sizes(b, {kQso});
}

inline void AllShapes(benchmark::internal::Benchmark* b)
{
    Sizes(b, {kQso, kSwl, kSwlAllNew});
}

inline RowGenerator GeneratorFor(int rows, int shape)
{
    return RowGenerator(rows, shape != kQso, shape == kSwlAllNew);
}

inline void FillLog(LogList& log, int rows, int shape)
{
    log.BuildStartColumns();
    if (shape != kQso) {
        log.SetSwlColumns();
    }
    RowGenerator generator = GeneratorFor(rows, shape);
    for (int row = 0; row < rows; ++row) {
        log.AppendLogRow(generator.Cells(generator.Next()));
    }
}

inline QByteArray FileBytes(int rows, int shape)
{
    RowGenerator generator = GeneratorFor(rows, shape);
    std::string text = generator.FileHeader();
    for (int row = 0; row < rows; ++row) {
        text += generator.FileLine(generator.Next());
    }
    return QByteArray::fromStdString(text);
}

inline SummaryData Entrant(bool swl)
{
    SummaryData summary;
    summary.callsign = "IK0ABC";
    summary.province = "RM";
    summary.section = "LAZ";
    summary.category = swl ? "SWL" : "SOP";
    summary.name = "Mario Rossi";
    summary.address1 = "Via Roma 1";
    summary.address2 = "00100 Roma";
    return summary;
}

// The shipped province list, so that every row shows a real name.
inline ProvinceTable Provinces()
{
    ProvinceTable table;
    (void)LoadProvinceFile(QStringLiteral(ZELKOR_SHIPPED_PROVINCES), table);
    return table;
}

// Yes to every question, OK to every box.
class YesPrompter : public Prompter {
public:
    Answer Show(const MessageBox& box) override
    {
        return box.buttons == MessageButtons::YesNo ? Answer::Yes : Answer::Ok;
    }
    std::optional<QString> ChooseFile(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<int> ChooseColour(int) override { return std::nullopt; }
};

inline void SetRows(benchmark::State& state)
{
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetLabel(ShapeName(static_cast<int>(state.range(1))));
}

}  // namespace zelkor::bench
