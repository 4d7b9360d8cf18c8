#include "HistoryTestSupport.h"
#include "core/history/CallHistory.h"
#include "core/history/CallHistoryFile.h"
#include "support/TempFolder.h"

#include <QDir>

#include <gtest/gtest.h>

namespace zelkor {
namespace {

using test::ShippedProvinces;

TEST(CallHistoryTest, TheProvinceIsTakenFromAnExchangeOfTwoLettersAfterAnyReport)
{
    struct Case {
        const char* exchange;
        const char* code;
    };
    const Case cases[] = {
        {"RM", "RM"},   {" rm ", "RM"}, {"599 MI", "MI"}, {"59902NA", "NA"}, {"59 TO", "TO"},
        {"", ""},       {"599", ""},    {"R", ""},        {"RMA", ""},       {"Roma", ""},
        {"RM 599", ""}, {"R1", ""},     {"M I", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ProvinceFromExchange(c.exchange), c.code) << c.exchange;
    }
}

TEST(CallHistoryTest, DatesOfTheThreeFormatsBecomeYearMonthDay)
{
    struct Case {
        const char* text;
        const char* date;
    };
    const Case cases[] = {
        {"20240204", "20240204"},   {"2024-02-04", "20240204"},
        {"04.02.2024", "20240204"}, {"2024-2-4", ""},
        {"4.2.2024", ""},           {"2024020", ""},
        {"2024O204", ""},           {"", ""},
        {"04/02/2024", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(HistoryDate(c.text), c.date) << c.text;
    }
}

TEST(CallHistoryTest, ARecordNeedsACallsignOfTheContestAndAKnownProvince)
{
    const ProvinceTable& provinces = ShippedProvinces();
    EXPECT_EQ(MakeHistoryRecord(" ik0abc ", "rm", "20240204", provinces),
              (HistoryRecord{"IK0ABC", "RM", "20240204"}));
    EXPECT_EQ(MakeHistoryRecord("IZ2XYZ/P", "599 MI", "", provinces),
              (HistoryRecord{"IZ2XYZ/P", "MI", ""}));
    EXPECT_FALSE(MakeHistoryRecord("DL1ABC", "BY", "", provinces));  // not a contest callsign
    EXPECT_FALSE(MakeHistoryRecord("IK0ABC", "XX", "", provinces));  // no such province
    EXPECT_FALSE(MakeHistoryRecord("IK0ABC", "", "", provinces));    // no province at all
    EXPECT_FALSE(MakeHistoryRecord("IK0ABC/QRP/PORT", "FR", "", provinces));  // 15 characters
}

TEST(CallHistoryTest, TheNewestContactOfAStationWins)
{
    struct Case {
        const char* name;
        HistoryRecord held;
        HistoryRecord read;
        bool kept;
        const char* province;
    };
    const Case cases[] = {
        {"newer date", {"IK0ABC", "RM", "20230205"}, {"IK0ABC", "LT", "20240204"}, true, "LT"},
        {"older date", {"IK0ABC", "RM", "20240204"}, {"IK0ABC", "LT", "20230205"}, false, "RM"},
        {"same day: the one read last",
         {"IK0ABC", "RM", "20240204"},
         {"IK0ABC", "LT", "20240204"},
         true,
         "LT"},
        {"an unknown date is older than a known one",
         {"IK0ABC", "RM", "20240204"},
         {"IK0ABC", "LT", ""},
         false,
         "RM"},
        {"a known date is newer than an unknown one",
         {"IK0ABC", "RM", ""},
         {"IK0ABC", "LT", "20000101"},
         true,
         "LT"},
        {"both unknown: the one read last", {"IK0ABC", "RM", ""}, {"IK0ABC", "LT", ""}, true, "LT"},
        {"another station", {"IK0ABC", "RM", "20240204"}, {"IK0ABD", "LT", "20000101"}, true, "RM"},
    };
    for (const Case& c : cases) {
        CallHistory history;
        ASSERT_TRUE(history.Merge(c.held));
        EXPECT_EQ(history.Merge(c.read), c.kept) << c.name;
        EXPECT_EQ(history.ProvinceOf("IK0ABC"), c.province) << c.name;
    }
}

TEST(CallHistoryTest, TheFileIsSortedByCallsignWithCrLfAndTheDateWhenKnown)
{
    CallHistory history;
    history.Merge({"IZ2XYZ/P", "MI", "20240204"});
    history.Merge({"I1ABC", "TO", ""});
    history.Merge({"IK0ABC", "RM", "20051203"});
    history.Merge({"IK0AB", "LT", "20051203"});
    EXPECT_EQ(CallHistoryFileBytes(history), QByteArray("I1ABC TO\r\n"
                                                        "IK0AB LT 20051203\r\n"
                                                        "IK0ABC RM 20051203\r\n"
                                                        "IZ2XYZ/P MI 20240204\r\n"));
    EXPECT_EQ(CallHistoryFileBytes(CallHistory()), QByteArray());
}

TEST(CallHistoryTest, TheFileReadsBackAndSkipsLinesThatAreNotStations)
{
    const QByteArray bytes =
        "I1ABC TO\r\n"
        "IK0ABC RM 20051203\n"
        "\r\n"
        "DL1ABC BY\r\n"
        "IK0ABD RMA\r\n"
        "IK0ABE RM 2005-12\r\n"
        "IK0ABF\r\n"
        "IK0ABG RM 20051203 altro\r\n"
        "IZ2XYZ/P MI 20240204";
    CallHistory history;
    history.Merge({"IW9OLD", "PA", ""});
    EXPECT_EQ(ParseCallHistoryFile(bytes, history), 5);
    CallHistory expected;
    expected.Merge({"I1ABC", "TO", ""});
    expected.Merge({"IK0ABC", "RM", "20051203"});
    expected.Merge({"IZ2XYZ/P", "MI", "20240204"});
    EXPECT_EQ(history, expected);
    CallHistory again;
    ParseCallHistoryFile(CallHistoryFileBytes(history), again);
    EXPECT_EQ(again, history);
}

TEST(CallHistoryTest, AMissingFileIsAnEmptyHistoryAndAFolderInItsPlaceCantBeRead)
{
    test::TempFolder folder;
    CallHistory history;
    history.Merge({"I1ABC", "TO", ""});
    QString reason;
    EXPECT_EQ(LoadCallHistory(folder.File(QStringLiteral("_storico.cod")), history, &reason),
              HistoryLoad::Missing);
    EXPECT_TRUE(history.IsEmpty());

    folder.Write(QStringLiteral("_storico.cod"), "I1ABC TO\r\n");
    EXPECT_EQ(LoadCallHistory(folder.File(QStringLiteral("_storico.cod")), history),
              HistoryLoad::Loaded);
    EXPECT_EQ(history.ProvinceOf("I1ABC"), "TO");

    ASSERT_TRUE(QDir(folder.Path()).mkdir(QStringLiteral("cartella")));
    EXPECT_EQ(LoadCallHistory(folder.File(QStringLiteral("cartella")), history, &reason),
              HistoryLoad::Failed);
    EXPECT_TRUE(history.IsEmpty());
    EXPECT_FALSE(reason.isEmpty());
}

}  // namespace
}  // namespace zelkor
