#pragma once
// Shared by the province tests: a table's named slots as (code, name) pairs, so that a whole
// table is compared in one assertion and a failure shows every slot that differs.

#include "core/provinces/ProvinceTable.h"

#include <string>
#include <utility>
#include <vector>

namespace zelkor::test {

using ProvinceEntries = std::vector<std::pair<std::string, std::string>>;

inline ProvinceEntries Entries(const ProvinceTable& table)
{
    ProvinceEntries entries;
    for (int index = 0; index < kProvinceSlotCount; ++index) {
        if (!table.Name(index).empty()) {
            entries.emplace_back(ProvinceCodeAt(index), table.Name(index));
        }
    }
    return entries;
}

}  // namespace zelkor::test
