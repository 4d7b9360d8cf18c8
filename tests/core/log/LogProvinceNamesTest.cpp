#include "core/log/LogColumns.h"
#include "core/log/LogList.h"
#include "core/log/LogProvinceNames.h"
#include "core/provinces/ProvinceTable.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace zelkor {
namespace {

TEST(LogProvinceNamesTest, NamesFollowTheTableAfterItChanged)
{
    LogList log;
    log.BuildStartColumns();
    for (const char* code : {"RM", "MI", "XX"}) {
        log.AppendLogRow({"14.02.2026", "1400", "7", "SSB", "I1AAA", "59", "59", code, "Old"});
    }
    ProvinceTable table;
    table.SetName(ProvinceIndexOf("RM"), "ROMA CAPITALE");
    std::vector<std::pair<int, int>> changed;
    int cellsChanged = 0;
    QObject::connect(&log, &LogList::rowsChanged,
                     [&](int first, int last) { changed.emplace_back(first, last); });
    QObject::connect(&log, &LogList::cellChanged, [&] { ++cellsChanged; });
    RefreshProvinceNames(log, table);
    // The views hear of it once, not once per row.
    EXPECT_EQ(changed, (std::vector<std::pair<int, int>>{{0, 2}}));
    EXPECT_EQ(cellsChanged, 0);
    EXPECT_EQ(log.Cell(0, QsoColumn::ProvinceName), "Roma Capitale");
    EXPECT_EQ(log.Cell(1, QsoColumn::ProvinceName), "");  // deleted from the list
    EXPECT_EQ(log.Cell(2, QsoColumn::ProvinceName), "");
    EXPECT_EQ(log.Cell(1, QsoColumn::ProvinceCode), "MI");  // the logged code stays

    changed.clear();
    RefreshProvinceNames(log, table);
    EXPECT_TRUE(changed.empty());
}

}  // namespace
}  // namespace zelkor
