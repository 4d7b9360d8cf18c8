// The call history in the entry row: a province the log does not give comes from the history and
// then works as a typed code; the log always wins, and an empty history changes nothing.

#include "core/entry/EntryRowFixture.h"

namespace zelkor {
namespace {

class EntryRowHistoryTest : public EntryRowTest {
protected:
    EntryRowHistoryTest()
    {
        m_context.history.Merge({"IK0ABC", "RM", "20240204"});
        m_context.history.Merge({"IK0BBB", "MI", "20240204"});
        m_context.history.Merge({"IK0CCC", "TO", ""});
        m_context.settings.currentBand = "7";
        m_context.settings.currentMode = "CW";
    }

    // The callsign typed and left with Enter, as the operator walks the row.
    void EnterCallsign(const char* callsign)
    {
        m_row.OnFocusMoved(EntryField::Callsign);
        Type(EntryField::Callsign, callsign);
        m_row.OnEntryEnter();
    }
};

std::vector<std::string> Heard(const char* calling, const char* code, const char* answering)
{
    return {"14.02.2026", "1400", "3,5", "CW", calling, "599", code, answering};
}

TEST_F(EntryRowHistoryTest, AProvinceFromTheHistoryWorksAsATypedCode)
{
    Start({Qso("I1XYZ", "7", "CW", "MI")});
    EnterCallsign("ik0abc");
    EXPECT_EQ(m_row.Focus(), EntryField::ProvinceCode);
    EXPECT_EQ(m_row.Values().provinceCode, "RM");
    EXPECT_EQ(m_row.Values().provinceName, "Roma");
    EXPECT_TRUE(m_row.PreviousContacts().empty());
    // Roma is not worked yet: its matrix shows nothing worked and the MOLT sign is on.
    EXPECT_TRUE(m_row.MultiplierShown());

    // Milano is worked on 7 CW: no new multiplier.
    EnterCallsign("IK0BBB");
    EXPECT_EQ(m_row.Values().provinceCode, "MI");
    EXPECT_EQ(m_row.Values().provinceName, "Milano");
    EXPECT_FALSE(m_row.MultiplierShown());
    EXPECT_TRUE(m_row.Matrices().IsButtonEnabled(10003));

    EXPECT_EQ(m_row.OnEntryEnter(), EnterOutcome::Logged);
    EXPECT_EQ(m_log.Cell(1, QsoColumn::Callsign), "IK0BBB");
    EXPECT_EQ(m_log.Cell(1, QsoColumn::ProvinceCode), "MI");
}

TEST_F(EntryRowHistoryTest, TheLogWinsOverTheHistory)
{
    struct Case {
        const char* name;
        std::vector<std::vector<std::string>> rows;
        const char* callsign;
        const char* code;
        bool blocked;
    };
    const Case cases[] = {
        {"an earlier contact on another band",
         {Qso("IK0ABC", "3,5", "CW", "TO")},
         "IK0ABC",
         "TO",
         false},
        {"a duplicate stays empty", {Qso("IK0ABC", "7", "CW", "TO")}, "IK0ABC", "", true},
        {"a station the history does not know", {}, "IK0DDD", "", false},
        {"another callsign text", {}, "IK0ABC/P", "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_log.DeleteAllRows();
        Start(c.rows);
        EnterCallsign(c.callsign);
        EXPECT_EQ(m_row.Values().provinceCode, c.code);
        EXPECT_EQ(m_row.EntryBlocked(), c.blocked);
    }
}

TEST_F(EntryRowHistoryTest, AnEmptyHistoryChangesNothing)
{
    m_context.history.Clear();
    Start({Qso("I1XYZ", "7", "CW", "MI")});
    EnterCallsign("IK0ABC");
    EXPECT_EQ(m_row.Focus(), EntryField::ProvinceCode);
    EXPECT_EQ(m_row.Values().provinceCode, "");
    EXPECT_EQ(m_row.Values().provinceName, "");
    EXPECT_FALSE(m_row.MultiplierShown());
}

TEST_F(EntryRowHistoryTest, ACodeTheOperatorTypedStaysWhenTheBandChanges)
{
    Start();
    EnterCallsign("IK0ABC");
    Type(EntryField::ProvinceCode, "FI");
    m_row.OnBandChosen(0);
    EXPECT_EQ(m_row.Values().provinceCode, "FI");
    EXPECT_EQ(m_row.Values().provinceName, "Firenze");
    // The history's own code is kept as well.
    Type(EntryField::ProvinceCode, "RM");
    m_row.OnBandChosen(1);
    EXPECT_EQ(m_row.Values().provinceCode, "RM");
}

class SwlHistoryTest : public EntryRowHistoryTest {
protected:
    void StartSwl(const std::vector<std::vector<std::string>>& rows = {})
    {
        m_context.settings.currentBand = "3,5";
        Start(rows, true);
    }
    void LeaveCalling(const char* callsign)
    {
        m_row.OnFocusMoved(EntryField::Callsign);
        Type(EntryField::Callsign, callsign);
        m_row.OnFocusMoved(EntryField::ReportSent);
    }
    void LeaveAnswering(const char* callsign)
    {
        m_row.OnFocusMoved(EntryField::AnsweringCallsign);
        Type(EntryField::AnsweringCallsign, callsign);
        m_row.OnFocusMoved(EntryField::ReportReceived);
    }
};

TEST_F(SwlHistoryTest, BothStationsTakeTheirProvinceFromTheHistory)
{
    StartSwl();
    LeaveCalling("IK0ABC");
    EXPECT_EQ(m_row.Focus(), EntryField::ReportSent);
    EXPECT_EQ(m_row.Values().provinceCode, "RM");
    EXPECT_EQ(m_row.Values().provinceName, "Roma");
    EXPECT_TRUE(m_row.SwlSigns().multiplierShown[0]);
    LeaveAnswering("IK0BBB");
    EXPECT_EQ(m_row.Values().answeringProvinceCode, "MI");
    EXPECT_EQ(m_row.Values().answeringProvinceName, "Milano");
    EXPECT_TRUE(m_row.SwlSigns().multiplierShown[1]);

    // A corrected answering callsign takes its own province, not the one of the first.
    LeaveAnswering("IK0CCC");
    EXPECT_EQ(m_row.Values().answeringProvinceCode, "TO");
    LeaveAnswering("IK0DDD");
    EXPECT_EQ(m_row.Values().answeringProvinceCode, "");
    // A code the operator typed is his.
    Type(EntryField::AnsweringProvinceCode, "FI");
    LeaveAnswering("IK0CCC");
    EXPECT_EQ(m_row.Values().answeringProvinceCode, "FI");
}

TEST_F(SwlHistoryTest, AStationsRecordWinsAndARecordWithoutProvinceLeavesItToTheHistory)
{
    // IK0ABC is a caller heard from FI; IK0BBB was heard only answering, with no province.
    StartSwl({Heard("IK0ABC", "FI", "IK0BBB")});
    LeaveCalling("IK0ABC");
    EXPECT_EQ(m_row.Values().provinceCode, "FI");
    LeaveCalling("IK0BBB");
    EXPECT_EQ(m_row.Focus(), EntryField::ProvinceCode);
    EXPECT_EQ(m_row.Values().provinceCode, "MI");
    EXPECT_EQ(m_row.Values().provinceName, "Milano");
}

TEST_F(SwlHistoryTest, AnEmptyHistoryChangesNothing)
{
    m_context.history.Clear();
    StartSwl();
    LeaveCalling("IK0ABC");
    LeaveAnswering("IK0BBB");
    EXPECT_EQ(m_row.Values().provinceCode, "");
    EXPECT_EQ(m_row.Values().answeringProvinceCode, "");
}

}  // namespace
}  // namespace zelkor
