#include "core/worked/StationList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace zelkor {
namespace {

// 0xC9 sorts after every ASCII byte only when bytes compare unsigned.
const std::string kHighByteCall = std::string("\xC9") + "A1ZZ";

StationRecord Station(const std::string& callsign, const std::string& province = "")
{
    StationRecord record;
    record.callsign = callsign;
    record.province = province;
    return record;
}

std::vector<std::string> Callsigns(const StationList& list)
{
    std::vector<std::string> callsigns;
    for (const StationRecord& record : list.Records()) {
        callsigns.push_back(record.callsign);
    }
    return callsigns;
}

// Inserts each callsign where FindStation says it belongs, as the entry row does.
void InsertAll(StationList& list, const std::vector<std::string>& callsigns)
{
    for (const std::string& callsign : callsigns) {
        const StationLookup lookup = list.FindStation(callsign);
        ASSERT_FALSE(lookup.found) << callsign;
        list.InsertStation(lookup.position, Station(callsign));
    }
}

TEST(StationRecordTest, CountersOfOneByteKeepEachOther)
{
    StationRecord record = Station("IK0BBB");
    record.RaiseAnswerCount(0, 0);
    record.RaiseAnswerCount(0, 2);
    record.RaiseAnswerCount(0, 2);
    for (int answer = 0; answer < 5; ++answer) {
        record.RaiseAnswerCount(0, 1);
    }
    record.RaiseAnswerCount(2, 0);
    EXPECT_EQ(record.answerCounts, (std::array<std::uint8_t, 2>{1 | 3 << 2 | 2 << 4, 0}));
    EXPECT_EQ(record.AnswerCount(0, 2), 2);
}

TEST(StationListTest, KeepsUnsignedByteOrderAndFindsEveryStation)
{
    StationList list;
    InsertAll(list, {"IK0ABC/P", kHighByteCall, "I2XYZ", "IK0ABC"});
    // Sorts before every record, so it must go first.
    InsertAll(list, {"4X4AA"});

    EXPECT_EQ(Callsigns(list),
              (std::vector<std::string>{"4X4AA", "I2XYZ", "IK0ABC", "IK0ABC/P", kHighByteCall}));
    for (int position = 0; position < list.Size(); ++position) {
        EXPECT_EQ(list.FindStation(list.At(position).callsign), (StationLookup{true, position}));
    }
    EXPECT_EQ(list.FindStation("ZZ9ZZ"), (StationLookup{false, 4}));
    EXPECT_EQ(list.FindStation("\xFF"), (StationLookup{false, 5}));
}

TEST(StationListTest, AWholeListTakenAtOnceIsPutInByteOrder)
{
    StationList list;
    InsertAll(list, {"I9OLD"});
    list.Assign({Station("IK0ABC/P", "RM"), Station(kHighByteCall), Station("I2XYZ", "MI"),
                 Station("IK0ABC"), Station("4X4AA")});

    EXPECT_EQ(Callsigns(list),
              (std::vector<std::string>{"4X4AA", "I2XYZ", "IK0ABC", "IK0ABC/P", kHighByteCall}));
    EXPECT_EQ(list.At(list.FindStation("I2XYZ").position).province, "MI");
    EXPECT_FALSE(list.FindStation("I9OLD").found);
}

// Thousands of stations, inserted in no order, taken whole, replaced and inserted again at
// stale positions: the list must stay sorted and complete and find each at its position.
TEST(StationListTest, ManyStationsStaySortedAndAreFoundWhereTheyStand)
{
    auto callsign = [](int n) { return "I" + std::to_string((n * 7919) % 10007) + "Z"; };
    std::vector<std::string> expected;
    StationList list;
    for (int n = 0; n < 6000; ++n) {
        const std::string call = callsign(n);
        const StationLookup lookup = list.FindStation(call);
        ASSERT_FALSE(lookup.found) << call;
        // Every third one with a position from before the list changed.
        list.InsertStation(n % 3 == 0 ? lookup.position + 1 : lookup.position,
                           Station(call, std::to_string(n)));
        expected.push_back(call);
    }
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(Callsigns(list), expected);
    ASSERT_EQ(list.Size(), 6000);
    for (int position = 0; position < list.Size(); ++position) {
        ASSERT_EQ(list.FindStation(list.At(position).callsign), (StationLookup{true, position}));
    }

    list.ReplaceStation(4321, Station(list.At(4321).callsign, "RM"));
    EXPECT_EQ(list.At(4321).province, "RM");
    list.StoreStation(Station(expected[17], "MI"));
    EXPECT_EQ(list.At(17).province, "MI");
    EXPECT_EQ(list.FindStation("I0"), (StationLookup{false, 0}));
    EXPECT_EQ(list.FindStation("J"), (StationLookup{false, 6000}));

    std::vector<StationRecord> taken = list.Records();
    std::reverse(taken.begin(), taken.end());
    StationList whole;
    whole.Assign(taken);
    EXPECT_EQ(whole.Records(), list.Records());
    whole.StoreStation(Station("I5000ZZ"));
    EXPECT_EQ(whole.Size(), 6001);
    EXPECT_EQ(whole.At(whole.FindStation("I5000ZZ").position).callsign, "I5000ZZ");
}

TEST(StationListTest, StalePositionsAreNotTrusted)
{
    StationList list;
    InsertAll(list, {"I1AAA", "I3CCC"});
    const StationLookup before = list.FindStation("I4DDD");
    InsertAll(list, {"I2BBB"});

    // All three positions were taken before I2BBB moved the tail of the list.
    list.InsertStation(before.position, Station("I4DDD"));
    list.ReplaceStation(1, Station("I3CCC", "RM"));
    list.InsertStation(0, Station("I1AAA", "MI"));

    EXPECT_EQ(Callsigns(list), (std::vector<std::string>{"I1AAA", "I2BBB", "I3CCC", "I4DDD"}));
    EXPECT_EQ(list.At(0).province, "MI");
    EXPECT_EQ(list.At(2).province, "RM");
}

TEST(StationListTest, UpdateOnlyReplacesAndStoreReplacesOrInserts)
{
    StationList list;
    InsertAll(list, {"I1AAA"});
    EXPECT_FALSE(list.UpdateStation(Station("I2BBB", "TO")));
    EXPECT_TRUE(list.UpdateStation(Station("I1AAA", "TO")));
    list.StoreStation(Station("I0ZZZ", "RM"));
    list.StoreStation(Station("I0ZZZ", "MI"));

    EXPECT_EQ(Callsigns(list), (std::vector<std::string>{"I0ZZZ", "I1AAA"}));
    EXPECT_EQ(list.At(0).province, "MI");
    EXPECT_EQ(list.At(1).province, "TO");
}

}  // namespace
}  // namespace zelkor
