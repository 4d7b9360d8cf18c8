// The exports of any log the reader accepts: they never crash, and a log written and read again
// exports to the same bytes (read -> write -> read is stable for every format).

#include "FuzzSupport.h"

#include "core/commands/ExportCommands.h"
#include "core/log/LogFile.h"
#include "core/log/LogList.h"
#include "core/scoring/ComputeScore.h"
#include "core/worked/WorkedTables.h"

#include <QBuffer>

#include <array>
#include <optional>

namespace {

using namespace zelkor;

struct Exports {
    std::array<std::optional<QByteArray>, 3> bytes;
    int score = 0;
    QByteArray logBytes;
};

Exports ExportAll(const QByteArray& input)
{
    LogList log;
    log.BuildStartColumns();
    SummaryData summary;
    WorkedTables tables;
    QBuffer buffer;
    buffer.setData(input);
    buffer.open(QIODevice::ReadOnly);
    (void)ReadLogFile(buffer, fuzz::ShippedProvinces(), log, summary, tables);
    // An SWL log's header says SWL once it is written, whatever a broken file said before.
    if (log.IsSwl()) {
        summary.category = "SWL";
    }
    fuzz::SilentPrompter prompter;
    Exports exports;
    exports.score = ComputeScore(log).result.score;
    fuzz::Check(exports.score >= 0, "the score is never negative");
    int i = 0;
    for (const ExportFormat format :
         {ExportFormat::Cabrillo, ExportFormat::Adif, ExportFormat::VantlogText}) {
        exports.bytes[i++] =
            ExportBytes(format, log, summary, fuzz::ShippedProvinces(), exports.score);
    }
    exports.logBytes = LogFileBytes(log, summary);
    return exports;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const Exports first = ExportAll(bytes);
    const Exports second = ExportAll(first.logBytes);
    fuzz::Check(second.score == first.score, "the score survives a write and a read");
    fuzz::Check(second.bytes == first.bytes, "every export survives a write and a read");
    return 0;
}
