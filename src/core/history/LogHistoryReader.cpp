#include "core/history/LogHistoryReader.h"

#include "core/log/LogColumns.h"
#include "core/log/LogFile.h"
#include "core/log/LogList.h"
#include "core/settings/SummaryData.h"

#include <QBuffer>

namespace zelkor {

HistoryReadResult ReadLogHistory(const QByteArray& bytes, const ProvinceTable& provinces)
{
    QBuffer device;
    device.setData(bytes);
    device.open(QIODevice::ReadOnly);
    LogList log;
    SummaryData summary;
    const LogReadResult read = ReadLogFile(device, provinces, log, summary);

    const bool swl = log.IsSwl();
    const int callsignColumn = swl ? int{SwlColumn::CallingCallsign} : int{QsoColumn::Callsign};
    const int provinceColumn = swl ? int{SwlColumn::ProvinceCode} : int{QsoColumn::ProvinceCode};
    HistoryReadResult result;
    result.records.reserve(static_cast<std::size_t>(log.RowCount()));
    for (int row = 0; row < log.RowCount(); ++row) {
        std::optional<HistoryRecord> record =
            MakeHistoryRecord(log.Cell(row, callsignColumn), log.Cell(row, provinceColumn),
                              HistoryDate(log.Cell(row, QsoColumn::Date)), provinces);
        if (record) {
            result.records.push_back(std::move(*record));
        } else {
            ++result.skipped;
        }
    }
    if (read.incompleteLastLine) {
        ++result.skipped;
    }
    return result;
}

}  // namespace zelkor
