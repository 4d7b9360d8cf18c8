#include "core/entry/EntryRowFixture.h"
#include "core/log/LogColumns.h"
#include "core/log/LogFile.h"

#include <QBuffer>

namespace zelkor {
namespace {

class SwlEntryTest : public EntryRowTest {
protected:
    // An SWL log on band "3,5", mode CW unless told otherwise.
    void StartSwl(const std::vector<std::vector<std::string>>& rows = {}, const char* band = "3,5",
                  const char* mode = "CW")
    {
        m_context.settings.currentBand = band;
        m_context.settings.currentMode = mode;
        Start(rows, true);
    }

    // Types one heard exchange the way the operator does: Enter after every field.
    void Hear(const char* calling, const char* report1, const char* code1, const char* answering,
              const char* report2, const char* code2)
    {
        Type(EntryField::Callsign, calling);
        m_row.OnEntryEnter();
        if (m_row.Focus() == EntryField::ProvinceCode) {
            Type(EntryField::ProvinceCode, code1);
        }
        Type(EntryField::ReportSent, report1);
        Type(EntryField::ReportReceived, report2);
        m_row.OnFocusMoved(EntryField::ProvinceCode);
        m_row.OnEntryEnter();
        Type(EntryField::AnsweringCallsign, answering);
        m_row.OnEntryEnter();
        if (m_row.Focus() == EntryField::AnsweringProvinceCode) {
            Type(EntryField::AnsweringProvinceCode, code2);
        }
    }

    std::vector<std::string> Row(int row) const
    {
        std::vector<std::string> cells;
        for (int column = SwlColumn::CallingCallsign; column <= SwlColumn::AnsweringCallsign;
             ++column) {
            cells.emplace_back(m_log.Cell(row, column));
        }
        return cells;
    }
    const StationRecord& Station(const char* callsign) const
    {
        return m_tables.Stations().At(m_tables.Stations().FindStation(callsign).position);
    }
    bool HasStation(const char* callsign) const
    {
        return m_tables.Stations().FindStation(callsign).found;
    }
};

std::vector<std::string> Heard(const char* band, const char* mode, const char* calling,
                               const char* code, const char* answering)
{
    return {"14.02.2026", "1400", band, mode, calling, "599", code, answering};
}

TEST_F(SwlEntryTest, OneExchangeGivesTwoRows)
{
    StartSwl();
    Hear("IK0AAA", "579", "RM", "IK0BBB", "599", "MI");
    EXPECT_EQ(m_row.OnEntryEnter(), EnterOutcome::Logged);

    ASSERT_EQ(m_log.RowCount(), 2);
    EXPECT_EQ(Row(0), (std::vector<std::string>{"IK0AAA", "579", "RM", "IK0BBB"}));
    EXPECT_EQ(Row(1), (std::vector<std::string>{"IK0BBB", "599", "MI", "IK0AAA"}));
    EXPECT_TRUE(m_tables.Provinces().IsWorked(ProvinceIndexOf("RM"), 1, 0));
    EXPECT_TRUE(m_tables.Provinces().IsWorked(ProvinceIndexOf("MI"), 1, 0));
    for (const char* station : {"IK0AAA", "IK0BBB"}) {
        SCOPED_TRACE(station);
        EXPECT_EQ(Station(station).callerBits[1], 1);
        EXPECT_EQ(Station(station).AnswerCount(0, 1), 1);
    }
    EXPECT_EQ(Station("IK0AAA").province, "RM");
    EXPECT_EQ(Station("IK0BBB").province, "MI");
    // Both new stations belonged at position 0: the list must still be in order.
    EXPECT_EQ(m_tables.Stations().At(0).callsign, "IK0AAA");
    EXPECT_EQ(m_tables.Stations().At(1).callsign, "IK0BBB");

    // Both rows reached the working file, and a rebuild gives the same tables.
    EXPECT_TRUE(m_folder.Read(QStringLiteral("_ult.zelk"))
                    .endsWith("14.02.2026^1430^3,5^CW^IK0AAA^579^RM^IK0BBB^\r\n"
                              "14.02.2026^1430^3,5^CW^IK0BBB^599^MI^IK0AAA^\r\n"));
    WorkedTables rebuilt;
    rebuilt.RebuildWorkedTables(m_log);
    EXPECT_EQ(rebuilt.Stations().Records(), m_tables.Stations().Records());
    EXPECT_EQ(rebuilt.Provinces(), m_tables.Provinces());

    EXPECT_TRUE(m_row.Values().callsign.empty());
    EXPECT_TRUE(m_row.Values().answeringProvinceName.empty());
    EXPECT_EQ(m_row.SwlSigns(), SwlIndicators{});
    EXPECT_EQ(m_row.Focus(), EntryField::Callsign);
}

TEST_F(SwlEntryTest, TheSameExchangeAgainIsADuplicate)
{
    StartSwl({Heard("3,5", "CW", "IK0AAA", "RM", "IK0BBB"),
              Heard("3,5", "CW", "IK0BBB", "MI", "IK0AAA")});
    Type(EntryField::Callsign, "IK0AAA");
    m_row.OnEntryEnter();
    // The calling station's province comes from its record; the focus goes to its code.
    EXPECT_EQ(m_row.Values().provinceCode, "RM");
    EXPECT_EQ(m_row.Values().provinceName, "Roma");
    EXPECT_EQ(m_row.Focus(), EntryField::ProvinceCode);
    EXPECT_TRUE(m_row.SwlSigns().callerShown);
    EXPECT_TRUE(m_row.SwlSigns().callerEnabled);
    m_row.OnEntryEnter();
    Type(EntryField::AnsweringCallsign, "IK0BBB");
    m_row.OnEntryEnter();
    EXPECT_TRUE(m_row.EntryBlocked());
    EXPECT_TRUE(m_row.DupShown());
    EXPECT_EQ(m_row.Values().callsign, "IK0AAA");  // no exchange of roles
    EXPECT_EQ(m_row.OnEntryEnter(), EnterOutcome::EntryDiscarded);
    EXPECT_EQ(m_log.RowCount(), 2);
    EXPECT_TRUE(m_row.Values().callsign.empty());
    EXPECT_TRUE(m_row.Values().answeringCallsign.empty());
    EXPECT_FALSE(m_row.DupShown());
}

TEST_F(SwlEntryTest, AStationHeardBeforeGoesOnToItsProvinceCodeEvenWithoutOne)
{
    // IK0BBB was heard only answering, so its record holds no province.
    StartSwl({Heard("7", "SSB", "IK0AAA", "RM", "IK0BBB")});
    ASSERT_TRUE(HasStation("IK0BBB"));
    ASSERT_EQ(Station("IK0BBB").province, "");

    struct Case {
        const char* callsign;
        EntryField lands;
        const char* code;
    };
    // Tab from the calling station to its report.
    for (const Case& c : {Case{"IK0BBB", EntryField::ProvinceCode, ""},
                          Case{"IK0AAA", EntryField::ProvinceCode, "RM"},
                          Case{"IK0ZZZ", EntryField::ReportSent, ""}}) {
        SCOPED_TRACE(c.callsign);
        m_row.OnFocusMoved(EntryField::Callsign);
        Type(EntryField::Callsign, c.callsign);
        m_row.OnFocusMoved(EntryField::ReportSent);
        EXPECT_EQ(m_row.Focus(), c.lands);
        EXPECT_EQ(m_row.Values().provinceCode, c.code);
    }

    // Back from the answering station to the report above it (calling station IK0ZZZ, new).
    for (const Case& c : {Case{"IK0BBB", EntryField::AnsweringProvinceCode, ""},
                          Case{"IK0AAA", EntryField::AnsweringProvinceCode, "RM"},
                          Case{"IK0YYY", EntryField::ReportReceived, ""}}) {
        SCOPED_TRACE(c.callsign);
        m_row.OnFocusMoved(EntryField::AnsweringCallsign);
        Type(EntryField::AnsweringCallsign, c.callsign);
        Type(EntryField::AnsweringProvinceCode, "");
        m_row.OnFocusMoved(EntryField::ReportReceived);
        EXPECT_EQ(m_row.Focus(), c.lands);
        EXPECT_EQ(m_row.Values().answeringProvinceCode, c.code);
        EXPECT_FALSE(m_row.EntryBlocked());
    }
}

TEST_F(SwlEntryTest, AStationAlreadyCallingHereSwapsRolesWithItsAnswerer)
{
    StartSwl({Heard("3,5", "CW", "IK0AAA", "RM", "IK0BBB")});
    Type(EntryField::Callsign, "IK0AAA");
    m_row.OnEntryEnter();
    Type(EntryField::ReportSent, "579");
    Type(EntryField::ReportReceived, "589");
    m_row.OnFocusMoved(EntryField::ProvinceCode);
    m_row.OnEntryEnter();
    Type(EntryField::AnsweringCallsign, "IK0CCC");
    m_row.OnEntryEnter();

    const EntryValues& v = m_row.Values();
    EXPECT_FALSE(m_row.EntryBlocked());
    EXPECT_FALSE(m_row.DupShown());
    EXPECT_EQ(v.callsign, "IK0CCC");
    EXPECT_EQ(v.answeringCallsign, "IK0AAA");
    EXPECT_EQ(v.reportSent, "589");
    EXPECT_EQ(v.reportReceived, "579");
    EXPECT_TRUE(v.provinceCode.empty());
    EXPECT_EQ(v.answeringProvinceCode, "RM");
    EXPECT_EQ(v.answeringProvinceName, "Roma");
    EXPECT_EQ(m_row.Focus(), EntryField::ProvinceCode);
    EXPECT_TRUE(m_row.SwlSigns().callerShown);
    EXPECT_FALSE(m_row.SwlSigns().callerEnabled);
    // IK0AAA never answered here: one R, off.
    EXPECT_EQ(m_row.SwlSigns().answerShown, (std::array<bool, 3>{true, false, false}));
    EXPECT_EQ(m_row.SwlSigns().answerEnabled, (std::array<bool, 3>{}));

    Type(EntryField::ProvinceCode, "TO");
    m_row.OnEntryEnter();
    EXPECT_EQ(m_row.Focus(), EntryField::AnsweringCallsign);
    m_row.OnEntryEnter();
    EXPECT_EQ(m_row.Focus(), EntryField::AnsweringProvinceCode);
    EXPECT_EQ(m_row.OnEntryEnter(), EnterOutcome::Logged);
    // IK0AAA already called here: only the row of the new caller.
    ASSERT_EQ(m_log.RowCount(), 2);
    EXPECT_EQ(Row(1), (std::vector<std::string>{"IK0CCC", "589", "TO", "IK0AAA"}));
    EXPECT_EQ(Station("IK0AAA").AnswerCount(0, 1), 1);
    EXPECT_EQ(Station("IK0CCC").province, "TO");
}

TEST_F(SwlEntryTest, ThreeAnswersMakeThreeRedRsAndNoExchange)
{
    std::vector<std::vector<std::string>> rows = {Heard("7", "SSB", "IK0AAA", "RM", "IK0ZZZ")};
    for (const char* caller : {"IK1AAA", "IK2AAA", "IK3AAA"}) {
        rows.push_back(Heard("7", "SSB", caller, "TO", "IK0AAA"));
    }
    StartSwl(rows, "7", "SSB");
    Hear("IK4AAA", "59", "FI", "IK0AAA", "59", "RM");
    EXPECT_EQ(m_row.SwlSigns().answerShown, (std::array<bool, 3>{true, true, true}));
    EXPECT_EQ(m_row.SwlSigns().answerEnabled, (std::array<bool, 3>{true, true, true}));
    EXPECT_TRUE(m_row.EntryBlocked());
    EXPECT_TRUE(m_row.DupShown());
    EXPECT_EQ(m_row.Values().callsign, "IK4AAA");
    EXPECT_EQ(m_row.OnEntryEnter(), EnterOutcome::EntryDiscarded);
    EXPECT_EQ(m_log.RowCount(), 4);
}

TEST_F(SwlEntryTest, UnknownSecondProvinceGivesOneRow)
{
    StartSwl();
    Hear("IK0AAA", "579", "RM", "IK0BBB", "599", "XY");
    EXPECT_TRUE(m_row.Values().answeringProvinceName.empty());
    EXPECT_EQ(m_row.OnEntryEnter(), EnterOutcome::Logged);
    ASSERT_EQ(m_log.RowCount(), 1);
    EXPECT_EQ(Station("IK0BBB").province, "");
    EXPECT_EQ(Station("IK0BBB").callerBits[1], 0);
    EXPECT_FALSE(m_tables.Provinces().IsWorked(ProvinceIndexOf("XY"), 1, 0));
}

TEST_F(SwlEntryTest, RttyAndPsk31AreOneGroup)
{
    StartSwl({Heard("3,5", "RTTY", "IK0AAA", "RM", "IK0BBB"),
              Heard("3,5", "RTTY", "IK0BBB", "MI", "IK0AAA")},
             "3,5", "PSK31");
    Hear("IK0AAA", "599", "RM", "IK0BBB", "599", "MI");
    EXPECT_TRUE(m_row.DupShown());
    m_row.OnModeChosen(1);  // CW: a new group
    Type(EntryField::Callsign, "IK0AAA");
    m_row.OnFocusMoved(EntryField::AnsweringCallsign);
    EXPECT_FALSE(m_row.SwlSigns().callerEnabled);
}

TEST_F(SwlEntryTest, ABandChangeAfterTheCallsignsIsCheckedBeforeLogging)
{
    StartSwl({Heard("7", "CW", "IK0AAA", "RM", "IK0BBB")});
    Hear("IK0AAA", "579", "RM", "IK0CCC", "599", "TO");
    // On 3,5 nothing blocks: IK0AAA stays the calling station.
    ASSERT_FALSE(m_row.EntryBlocked());
    m_row.OnBandChosen(1);
    m_row.OnFocusMoved(EntryField::AnsweringProvinceCode);
    EXPECT_EQ(m_row.OnEntryEnter(), EnterOutcome::Refused);
    EXPECT_TRUE(m_row.DupShown());
    EXPECT_EQ(m_log.RowCount(), 1);
}

TEST_F(SwlEntryTest, AnOldBlockDoesNotTriggerAnExchange)
{
    m_context.settings.currentMode = "CW";
    StartSwl({Heard("3,5", "CW", "IK0AAA", "RM", "IK0BBB"),
              Heard("3,5", "CW", "IK0BBB", "MI", "IK0AAA")});
    Hear("IK0AAA", "579", "RM", "IK0BBB", "599", "MI");
    ASSERT_TRUE(m_row.EntryBlocked());
    m_row.ClearEntryRow();  // F9 keeps the block
    ASSERT_TRUE(m_row.EntryBlocked());
    Hear("IK5AAA", "579", "FI", "IK5BBB", "599", "TO");
    EXPECT_FALSE(m_row.EntryBlocked());
    EXPECT_FALSE(m_row.DupShown());
    EXPECT_EQ(m_row.Values().callsign, "IK5AAA");
    EXPECT_EQ(m_row.OnEntryEnter(), EnterOutcome::Logged);
    EXPECT_EQ(m_log.RowCount(), 4);
}

TEST_F(SwlEntryTest, RefusalsOfTheSecondLine)
{
    StartSwl();
    // A station can't answer itself; an empty answering field creates no record.
    Hear("IK0AAA", "579", "RM", "IK0AAA", "599", "MI");
    EXPECT_TRUE(m_row.Values().answeringCallsign.empty());
    EXPECT_EQ(m_row.Focus(), EntryField::AnsweringCallsign);
    m_row.OnFocusMoved(EntryField::Date);
    EXPECT_FALSE(HasStation("IK0AAA"));
    EXPECT_EQ(m_tables.Stations().Size(), 0);

    // With automatic date and time off the date is checked as in QSO mode.
    m_row.OnAutoDateTimeClicked(false);
    Type(EntryField::Date, "31.04.2026");
    Hear("IK0AAA", "579", "RM", "IK0BBB", "599", "MI");
    EXPECT_EQ(m_row.OnEntryEnter(), EnterOutcome::Refused);
    EXPECT_EQ(m_row.Focus(), EntryField::Date);
    EXPECT_EQ(m_log.RowCount(), 0);
}

TEST_F(SwlEntryTest, InvalidCallingCallsignClearsTheBlockAndItsSigns)
{
    StartSwl({Heard("3,5", "CW", "IK0AAA", "RM", "IK0BBB"),
              Heard("3,5", "CW", "IK0BBB", "MI", "IK0AAA")});
    Hear("IK0AAA", "579", "RM", "IK0BBB", "599", "MI");
    ASSERT_TRUE(m_row.DupShown());
    m_row.OnFocusMoved(EntryField::Callsign);
    Type(EntryField::Callsign, "DL1ABC");
    m_row.OnFocusMoved(EntryField::ReportSent);
    EXPECT_FALSE(m_row.EntryBlocked());
    EXPECT_FALSE(m_row.DupShown());
    EXPECT_FALSE(m_row.SwlSigns().callerShown);
}

TEST_F(SwlEntryTest, EachPathGivesTheRecordsTheirProvince)
{
    // Live: IK0AAA calls from RM, then from TO: the last call wins.
    StartSwl();
    Hear("IK0AAA", "579", "RM", "IK0BBB", "599", "MI");
    m_row.OnEntryEnter();
    m_row.OnModeChosen(0);
    Hear("IK0AAA", "59", "", "IK0CCC", "59", "");
    Type(EntryField::ProvinceCode, "TO");
    m_row.OnFocusMoved(EntryField::AnsweringProvinceCode);
    Type(EntryField::AnsweringProvinceCode, "FI");
    ASSERT_EQ(m_row.OnEntryEnter(), EnterOutcome::Logged);
    EXPECT_EQ(Station("IK0AAA").province, "TO");

    // A rebuild takes the province of the last calling row too.
    WorkedTables rebuilt;
    rebuilt.RebuildWorkedTables(m_log);
    EXPECT_EQ(rebuilt.Stations().At(rebuilt.Stations().FindStation("IK0AAA").position).province,
              "TO");

    // The loader keeps the first province a station called from.
    QBuffer file;
    file.setData(LogFileBytes(m_log, m_context.summary));
    file.open(QIODevice::ReadOnly);
    LogList loaded;
    SummaryData summary;
    WorkedTables loadedTables;
    ReadLogFile(file, m_context.provinces, loaded, summary, loadedTables);
    EXPECT_EQ(
        loadedTables.Stations().At(loadedTables.Stations().FindStation("IK0AAA").position).province,
        "RM");
}

}  // namespace
}  // namespace zelkor
