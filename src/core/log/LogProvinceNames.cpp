#include "core/log/LogProvinceNames.h"

#include "core/log/LogColumns.h"
#include "core/log/LogList.h"
#include "core/provinces/ProvinceTable.h"

namespace zelkor {

void RefreshProvinceNames(LogList& log, const ProvinceTable& provinces)
{
    if (log.IsSwl()) {
        return;
    }
    for (int row = 0; row < log.RowCount(); ++row) {
        std::string name = provinces.ProvinceNameOf(log.Cell(row, QsoColumn::ProvinceCode));
        CapitaliseProvinceName(name);
        if (name != log.Cell(row, QsoColumn::ProvinceName)) {
            log.SetCell(row, QsoColumn::ProvinceName, std::move(name));
        }
    }
}

}  // namespace zelkor
