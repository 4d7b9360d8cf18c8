#include "core/log/LogColumns.h"
#include "core/log/LogList.h"
#include "core/log/LogProvinceNames.h"
#include "core/provinces/ProvinceTable.h"

#include <gtest/gtest.h>

namespace zelkor {
namespace {

TEST(LogProvinceNamesTest, NamesFollowTheTableAfterItChanged)
{
    LogList log;
    log.BuildStartColumns(800);
    for (const char* code : {"RM", "MI", "XX"}) {
        log.AppendLogRow({"14.02.2026", "1400", "7", "SSB", "I1AAA", "59", "59", code, "Old"});
    }
    ProvinceTable table;
    table.SetName(ProvinceIndexOf("RM"), "ROMA CAPITALE");
    RefreshProvinceNames(log, table);
    EXPECT_EQ(log.Cell(0, QsoColumn::ProvinceName), "Roma Capitale");
    EXPECT_EQ(log.Cell(1, QsoColumn::ProvinceName), "");  // deleted from the list
    EXPECT_EQ(log.Cell(2, QsoColumn::ProvinceName), "");
    EXPECT_EQ(log.Cell(1, QsoColumn::ProvinceCode), "MI");  // the logged code stays
}

}  // namespace
}  // namespace zelkor
