#include "core/worked/IndicatorMatrices.h"

#include "core/log/LogList.h"
#include "core/worked/WorkedTables.h"

#include <gtest/gtest.h>

#include <vector>

namespace zelkor {
namespace {

constexpr int kRm = 17 * 26 + 12;

std::vector<int> EnabledButtonIds(const IndicatorMatrices& matrices)
{
    std::vector<int> ids;
    for (int id = 9990; id < 10020; ++id) {
        if (matrices.IsButtonEnabled(id)) {
            ids.push_back(id);
        }
    }
    return ids;
}

TEST(IndicatorMatricesTest, APsk31QsoOnSevenLightsTheDigitalSevenButton)
{
    LogList log;
    log.AppendLogRow({"05.02.2006", "1432", "7", "PSK31", "I2ABC", "599", "599", "RM", "Roma"});
    WorkedTables tables;
    tables.AddRowToWorkedTables(log, 0);
    ASSERT_EQ(tables.Provinces().Entry(kRm, 2), 2);

    for (const auto& [matrix, id] :
         {std::pair{IndicatorMatrix::Province, 10005}, {IndicatorMatrix::Second, 10011}}) {
        IndicatorMatrices matrices;
        ShowProvinceIndicators(tables.Provinces(), kRm, matrix, 0, 0, matrices);
        EXPECT_EQ(EnabledButtonIds(matrices), std::vector<int>{id});
    }
}

TEST(IndicatorMatricesTest, ButtonsFollowEveryBitAndLeaveTheOtherMatrix)
{
    ProvinceWorkedTable table;
    table.MarkProvinceWorked(kRm, 0, 1);
    table.MarkProvinceWorked(kRm, 1, 2);
    table.MarkProvinceWorked(kRm, 2, 1);
    IndicatorMatrices matrices;
    matrices.enabled.fill(true);
    ShowProvinceIndicators(table, kRm, IndicatorMatrix::Second, 0, 0, matrices);
    EXPECT_EQ(EnabledButtonIds(matrices),
              (std::vector<int>{10000, 10001, 10002, 10003, 10004, 10005, 10006, 10009, 10010}));
}

TEST(IndicatorMatricesTest, NewMultiplierSignFollowsTheChosenBandAndMode)
{
    ProvinceWorkedTable table;
    table.MarkProvinceWorked(kRm, 2, 2);
    table.MarkProvinceWorked(kRm, 0, 1);
    struct Case {
        int provinceIndex, modePosition, bandPosition;
        bool shown;
    };
    const std::vector<Case> cases = {{kRm, 3, 1, false}, {kRm, 2, 1, false}, {kRm, 3, 0, true},
                                     {kRm, 1, 1, true},  {kRm, 0, 1, true},  {kRm, 0, 0, false},
                                     {-1, 0, 0, true},   {676, 0, 0, true}};
    for (const Case& c : cases) {
        for (const IndicatorMatrix matrix : {IndicatorMatrix::Province, IndicatorMatrix::Second}) {
            IndicatorMatrices matrices;
            matrices.newMultiplierShown = {true, true};
            const bool shown = ShowProvinceIndicators(table, c.provinceIndex, matrix,
                                                      c.modePosition, c.bandPosition, matrices);
            EXPECT_EQ(shown, c.shown)
                << c.provinceIndex << ":" << c.modePosition << "/" << c.bandPosition;
            EXPECT_EQ(matrices.IsNewMultiplierShown(matrix), c.shown);
            EXPECT_TRUE(matrices.newMultiplierShown[1 - static_cast<int>(matrix)]);
        }
    }
}

TEST(IndicatorMatricesTest, ClearingDisablesButtonsAndLeavesTheSigns)
{
    const std::vector<std::pair<MatrixChoice, std::vector<int>>> cases = {
        {MatrixChoice::Province, {10006, 10007, 10008, 10009, 10010, 10011}},
        {MatrixChoice::Second, {10000, 10001, 10002, 10003, 10004, 10005}},
        {MatrixChoice::Both, {}}};
    for (const auto& [which, stillEnabled] : cases) {
        IndicatorMatrices matrices;
        matrices.enabled.fill(true);
        matrices.newMultiplierShown = {true, false};
        ClearMatrixButtons(which, matrices);
        EXPECT_EQ(EnabledButtonIds(matrices), stillEnabled) << static_cast<int>(which);
        EXPECT_EQ(matrices.newMultiplierShown, (std::array<bool, 2>{true, false}));
    }
}

}  // namespace
}  // namespace zelkor
