// The exports write the whole log in one go; a 100 000-row log must still be written in well
// under a second in every format, so that even a test of the biggest logs feels instant.

#include "core/export/AdifWriter.h"
#include "core/export/CabrilloWriter.h"
#include "core/export/VantlogWriter.h"
#include "core/log/LogList.h"
#include "core/provinces/ProvinceTable.h"
#include "core/settings/SummaryData.h"
#include "core/text/Text.h"

#include <benchmark/benchmark.h>

namespace {

using namespace zelkor;

constexpr int kRowCount = 100000;
const char* const kBands[] = {"3,5", "7"};
const char* const kModes[] = {"SSB", "CW", "RTTY", "PSK31"};
const char* const kProvinces[] = {"RM", "MI", "TO", "NA", "PA", "BA", "FI", "BO", "VE", "GE"};

SummaryData Entrant(bool swl)
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

// A log of kRowCount rows of many different stations, in either layout.
const LogList& BigLog(LogLayout layout)
{
    static LogList* logs[2] = {nullptr, nullptr};
    LogList*& log = logs[layout == LogLayout::Swl ? 1 : 0];
    if (log == nullptr) {
        log = new LogList;
        log->BuildStartColumns(800);
        if (layout == LogLayout::Swl) {
            log->SetSwlColumns();
        }
        for (int i = 0; i < kRowCount; ++i) {
            const std::string callsign = Format("IK%dA%05d", i % 10, i);
            const char* province = kProvinces[i % 10];
            if (layout == LogLayout::Swl) {
                log->AppendLogRow({"05.02.2006", "1432", kBands[i % 2], kModes[(i / 2) % 4],
                                   callsign, "59", province,
                                   Format("I%dZZ%04d", i % 10, i % 9999)});
            } else {
                log->AppendLogRow({"05.02.2006", "1432", kBands[i % 2], kModes[(i / 2) % 4],
                                   callsign, "59", "599", province, ""});
            }
        }
    }
    return *log;
}

void BM_CabrilloExport(benchmark::State& state)
{
    const auto layout = static_cast<LogLayout>(state.range(0));
    const LogList& log = BigLog(layout);
    const SummaryData summary = Entrant(layout == LogLayout::Swl);
    for (auto _ : state) {
        benchmark::DoNotOptimize(CabrilloBytes(log, summary, 123456));
    }
    state.SetItemsProcessed(state.iterations() * kRowCount);
}
BENCHMARK(BM_CabrilloExport)
    ->Arg(static_cast<int>(LogLayout::Qso))
    ->Arg(static_cast<int>(LogLayout::Swl))
    ->Unit(benchmark::kMillisecond);

void BM_AdifExport(benchmark::State& state)
{
    const auto layout = static_cast<LogLayout>(state.range(0));
    const LogList& log = BigLog(layout);
    const SummaryData summary = Entrant(layout == LogLayout::Swl);
    ProvinceTable provinces;
    provinces.SetName(ProvinceIndexOf("RM"), "ROMA");
    for (auto _ : state) {
        benchmark::DoNotOptimize(AdifBytes(log, summary, provinces, 123456));
    }
    state.SetItemsProcessed(state.iterations() * kRowCount);
}
BENCHMARK(BM_AdifExport)
    ->Arg(static_cast<int>(LogLayout::Qso))
    ->Arg(static_cast<int>(LogLayout::Swl))
    ->Unit(benchmark::kMillisecond);

void BM_VantlogExport(benchmark::State& state)
{
    const LogList& log = BigLog(LogLayout::Qso);
    for (auto _ : state) {
        benchmark::DoNotOptimize(VantlogTextBytes(log));
    }
    state.SetItemsProcessed(state.iterations() * kRowCount);
}
BENCHMARK(BM_VantlogExport)->Unit(benchmark::kMillisecond);

}  // namespace
