#pragma once
// The province table the call-history tests read with: the shipped list of the program.

#include "core/history/CallHistory.h"
#include "core/provinces/ProvinceFile.h"
#include "core/provinces/ProvinceTable.h"

#include <gtest/gtest.h>

namespace zelkor {

inline void PrintTo(const HistoryRecord& record, std::ostream* out)
{
    *out << record.callsign << ' ' << record.province << ' ' << record.date;
}

}  // namespace zelkor

namespace zelkor::test {

inline const ProvinceTable& ShippedProvinces()
{
    static const ProvinceTable table = [] {
        ProvinceTable loaded;
        EXPECT_TRUE(LoadProvinceFile(QStringLiteral(ZELKOR_SHIPPED_PROVINCES), loaded));
        return loaded;
    }();
    return table;
}

}  // namespace zelkor::test
