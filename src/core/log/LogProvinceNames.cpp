#include "core/log/LogProvinceNames.h"

#include "core/log/LogColumns.h"
#include "core/log/LogList.h"
#include "core/provinces/ProvinceTable.h"

#include <array>
#include <string>

namespace zelkor {

void RefreshProvinceNames(LogList& log, const ProvinceTable& provinces)
{
    if (log.IsSwl()) {
        return;
    }
    // A name depends only on the code's slot: each is capitalised once, not once per row.
    std::array<std::string, kProvinceSlotCount> names;
    for (int index = 0; index < kProvinceSlotCount; ++index) {
        names[index] = provinces.Name(index);
        CapitaliseProvinceName(names[index]);
    }
    LogList::CellBatch changes(log);
    for (int row = 0; row < log.RowCount(); ++row) {
        const std::string& name = names[ProvinceIndexOf(log.Cell(row, QsoColumn::ProvinceCode))];
        if (name != log.Cell(row, QsoColumn::ProvinceName)) {
            changes.SetCell(row, QsoColumn::ProvinceName, name);
        }
    }
}

}  // namespace zelkor
