#include "log/LogProvinceNames.h"

#include "log/LogColumns.h"
#include "log/LogList.h"
#include "provinces/ProvinceTable.h"

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
