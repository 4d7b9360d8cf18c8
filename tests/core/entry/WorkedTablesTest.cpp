#include "core/worked/WorkedTables.h"

#include "core/log/LogList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace zelkor {
namespace {

constexpr int kRm = 17 * 26 + 12;

void AddQso(LogList& log, const std::string& band, const std::string& mode,
            const std::string& province)
{
    log.AppendLogRow({"05.02.2006", "1432", band, mode, "I2ABC", "59", "59", province, ""});
}

// Switches the log to the heard-contact layout on its first row.
void AddHrd(LogList& log, const std::string& band, const std::string& mode,
            const std::string& caller, const std::string& province, const std::string& answerer)
{
    log.SetSwlColumns();
    log.AppendLogRow({"05.02.2006", "1432", band, mode, caller, "599", province, answerer});
}

const StationRecord& Record(const WorkedTables& tables, const std::string& callsign)
{
    const StationLookup lookup = tables.Stations().FindStation(callsign);
    EXPECT_TRUE(lookup.found) << callsign;
    return tables.Stations().At(lookup.position);
}

TEST(ProvinceWorkedTableTest, NothingOutsideTheTableOrBesideTheBandBitsIsWritten)
{
    ProvinceWorkedTable table;
    for (const auto& [index, modeRow] :
         {std::pair{-1, 0}, {kProvinceSlotCount, 0}, {0, -1}, {0, kModeRowCount}}) {
        table.MarkProvinceWorked(index, modeRow, 3);
        EXPECT_EQ(table.Entry(index, modeRow), 0) << index << "/" << modeRow;
    }
    EXPECT_TRUE(table.IsEmpty());
    table.MarkProvinceWorked(kRm, 1, 0xFE);
    EXPECT_EQ(table.Entries(kRm), (WorkedEntry{0, 2, 0}));
}

TEST(WorkedTablesTest, QsoRowMarksItsProvinceOnBandAndModeGroup)
{
    struct Case {
        std::string band, mode, province;
        int index, modeRow, byte;
    };
    const std::vector<Case> cases = {
        {"7", "PSK31", "RM", kRm, 2, 2}, {"3,5", "CW", "RMX", kRm, 1, 1},
        {"14", "SSB", "RM", kRm, 0, 1},  {"7", "SSB", "M1", 0, 0, 2},
        {"7", "SSB", "", 0, 0, 2},       {"7", "AM", "RM", 0, 0, 0},
        {"7", "", "RM", 0, 0, 0}};
    for (const Case& c : cases) {
        LogList log;
        AddQso(log, c.band, c.mode, c.province);
        WorkedTables tables;
        tables.AddRowToWorkedTables(log, 0);
        ProvinceWorkedTable expected;
        expected.MarkProvinceWorked(c.index, c.modeRow, static_cast<std::uint8_t>(c.byte));
        EXPECT_EQ(tables.Provinces(), expected) << c.band << " " << c.mode << " " << c.province;
    }
}

TEST(WorkedTablesTest, RebuildForgetsAProvinceNoRowHasAnyMore)
{
    LogList log;
    AddQso(log, "7", "SSB", "RM");
    WorkedTables tables;
    tables.RebuildWorkedTables(log);
    log.SetCell(0, QsoColumn::ProvinceCode, "MI");
    tables.RebuildWorkedTables(log);
    EXPECT_EQ(tables.Provinces().Entries(kRm), WorkedEntry{});
    EXPECT_TRUE(tables.Provinces().IsWorked(ProvinceIndexOf("MI"), 0, 1));
}

TEST(WorkedTablesTest, HeardExchangeRecordsCallerAndAnswerer)
{
    LogList log;
    AddHrd(log, "3,5", "CW", "IK0AAA", "RM", "IK0BBB");
    AddHrd(log, "3,5", "CW", "IK0BBB", "MI", "IK0AAA");
    AddHrd(log, "7", "AM", "IK0ZZZ", "TO", "IK0BBB");
    WorkedTables tables;
    tables.RebuildWorkedTables(log);

    EXPECT_TRUE(tables.Provinces().IsWorked(kRm, 1, 0));
    EXPECT_TRUE(tables.Provinces().IsWorked(ProvinceIndexOf("MI"), 1, 0));
    ASSERT_EQ(tables.Stations().Size(), 2);
    for (const auto& [callsign, province] : {std::pair{"IK0AAA", "RM"}, {"IK0BBB", "MI"}}) {
        const StationRecord& record = Record(tables, callsign);
        EXPECT_EQ(record.callerBits, (std::array<std::uint8_t, 3>{0, 1, 0})) << callsign;
        EXPECT_EQ(record.answerCounts, (std::array<std::uint8_t, 2>{1 << 2, 0})) << callsign;
        EXPECT_EQ(record.province, province);
    }
}

TEST(WorkedTablesTest, FourAnswersOnSevenCwCountThreeAndRebuildStartsAfresh)
{
    LogList log;
    for (const std::string caller : {"I1AAA", "I2BBB", "I3CCC", "I4DDD"}) {
        AddHrd(log, "7", "CW", caller, "RM", "IK0BBB");
    }
    WorkedTables tables;
    tables.Stations().StoreStation(StationRecord{"I9OLD", {}, {}, ""});
    tables.RebuildWorkedTables(log);
    tables.RebuildWorkedTables(log);

    EXPECT_FALSE(tables.Stations().FindStation("I9OLD").found);
    const StationRecord& answerer = Record(tables, "IK0BBB");
    EXPECT_EQ(answerer.AnswerCount(1, 1), 3);
    EXPECT_EQ(answerer.answerCounts, (std::array<std::uint8_t, 2>{0, 12}));
    EXPECT_EQ(answerer.province, "");
}

TEST(WorkedTablesTest, LoaderKeepsACallersProvinceWhereLiveAccountingReplacesIt)
{
    for (const auto& [rule, expected] :
         {std::pair{CallerProvinceRule::Replace, "MI"}, {CallerProvinceRule::KeepExisting, "RM"}}) {
        LogList log;
        AddHrd(log, "7", "SSB", "IK0AAA", "RM", "IK0BBB");
        AddHrd(log, "3,5", "SSB", "IK0AAA", "MI", "IK0CCC");
        // IK0BBB has a record without a province until it calls.
        AddHrd(log, "7", "SSB", "IK0BBB", "TO", "IK0AAA");
        WorkedTables tables;
        for (int row = 0; row < log.RowCount(); ++row) {
            tables.AddRowToWorkedTables(log, row, rule);
        }
        EXPECT_EQ(Record(tables, "IK0AAA").province, expected);
        EXPECT_EQ(Record(tables, "IK0AAA").callerBits[0], 3);
        EXPECT_EQ(Record(tables, "IK0BBB").province, "TO");
        EXPECT_EQ(Record(tables, "IK0CCC").province, "");
    }
}

TEST(WorkedTablesTest, EqualCallsignsInARowMakeOneRecordWithBothChanges)
{
    LogList log;
    AddHrd(log, "7", "RTTY", "IK0AAA", "RM", "IK0AAA");
    WorkedTables tables;
    tables.RebuildWorkedTables(log);

    ASSERT_EQ(tables.Stations().Size(), 1);
    EXPECT_EQ(tables.Stations().At(0), (StationRecord{"IK0AAA", {0, 0, 2}, {0, 1 << 4}, "RM"}));
}

// The rebuild makes the station list whole instead of a station at a time; it must still give
// exactly what accounting the rows one after another gives, under both province rules, for logs
// with repeated stations, a station answering itself, empty callsigns, bytes above 127 and rows
// whose mode marks nothing.
TEST(WorkedTablesTest, RebuildGivesWhatRowByRowAccountingGives)
{
    const std::string highByteCall = std::string("\xC9") + "A1ZZ";
    const std::vector<std::string> calls = {"IK0AAA", "IK0AAA/P",   "I1B",   "",
                                            "IZ2CCC", highByteCall, "IK0AA", "IW3DDD"};
    const std::vector<std::string> bands = {"7", "3,5", "14"};
    const std::vector<std::string> modes = {"SSB", "CW", "RTTY", "PSK31", "AM", ""};
    const std::vector<std::string> provinces = {"RM", "MI", "", "RMX", "m1"};
    std::uint32_t state = 7;
    auto below = [&state](std::size_t bound) {
        state = state * 1664525U + 1013904223U;
        return static_cast<std::size_t>((state >> 8) % bound);
    };
    for (int rowCount : {0, 1, 2, 5, 40, 400}) {
        LogList log;
        log.SetSwlColumns();
        for (int row = 0; row < rowCount; ++row) {
            AddHrd(log, bands[below(bands.size())], modes[below(modes.size())],
                   calls[below(calls.size())], provinces[below(provinces.size())],
                   calls[below(calls.size())]);
        }
        for (CallerProvinceRule rule :
             {CallerProvinceRule::Replace, CallerProvinceRule::KeepExisting}) {
            WorkedTables oneByOne;
            for (int row = 0; row < log.RowCount(); ++row) {
                oneByOne.AddRowToWorkedTables(log, row, rule);
            }
            WorkedTables rebuilt;
            rebuilt.Stations().StoreStation(StationRecord{"I9OLD", {}, {}, ""});
            rebuilt.RebuildWorkedTables(log, rule);
            EXPECT_EQ(rebuilt.Stations().Records(), oneByOne.Stations().Records()) << rowCount;
            for (int index = 0; index < kProvinceSlotCount; ++index) {
                ASSERT_EQ(rebuilt.Provinces().Entries(index), oneByOne.Provinces().Entries(index))
                    << rowCount << " slot " << index;
            }
        }
    }
}

// A log in which every row brings two stations never heard before, in no alphabetical order.
TEST(WorkedTablesTest, NewStationsOnEveryRowGiveASortedCompleteList)
{
    LogList log;
    std::vector<std::string> expected;
    for (int row = 0; row < 3000; ++row) {
        const int scrambled = (row * 7919) % 3000;
        const std::string caller =
            "IK" + std::to_string(scrambled % 10) + "C" + std::to_string(scrambled);
        const std::string answerer =
            "IZ" + std::to_string(scrambled % 7) + "A" + std::to_string(scrambled);
        AddHrd(log, "7", "CW", caller, "RM", answerer);
        expected.push_back(caller);
        expected.push_back(answerer);
    }
    std::sort(expected.begin(), expected.end());
    WorkedTables tables;
    tables.RebuildWorkedTables(log);

    std::vector<std::string> listed;
    for (const StationRecord& record : tables.Stations().Records()) {
        listed.push_back(record.callsign);
    }
    EXPECT_EQ(listed, expected);
    EXPECT_EQ(Record(tables, "IK0C0").callerBits, (std::array<std::uint8_t, 3>{0, 2, 0}));
    EXPECT_EQ(Record(tables, "IZ0A0").AnswerCount(1, 1), 1);
}

}  // namespace
}  // namespace zelkor
