#include "core/entry/EntryRowFixture.h"
#include "core/log/LogColumns.h"
#include "core/settings/SettingKeys.h"

#include <QDir>
#include <QFile>

namespace zelkor {
namespace {

TEST_F(EntryRowTest, StartsWithTheStoredBandAndModeInAutomaticDateAndTime)
{
    m_context.settings.currentBand = "3";  // selected by its start, like a drop-down list
    m_context.settings.currentMode = "CW";
    Start();
    const EntryValues& v = m_row.Values();
    EXPECT_TRUE(m_row.AutoDateTime());
    EXPECT_EQ(v.date, "14.02.2026");
    EXPECT_EQ(v.time, "1430");  // UTC
    EXPECT_EQ(v.band, "3,5");
    EXPECT_EQ(v.mode, "CW");
    EXPECT_EQ(v.reportSent, "599");
    EXPECT_EQ(v.reportReceived, "599");
    EXPECT_EQ(m_row.Focus(), EntryField::Callsign);
    EXPECT_FALSE(m_row.DupShown());
    EXPECT_FALSE(m_row.MultiplierShown());
    EXPECT_EQ(m_row.Matrices(), IndicatorMatrices{});
}

TEST_F(EntryRowTest, LogsAContactWithCallsignEnterProvinceEnter)
{
    Start();
    const qsizetype linesBefore = WorkingFileLines();
    Type(EntryField::Callsign, "IK0ABC");
    EXPECT_EQ(m_row.OnEntryEnter(), EnterOutcome::FocusMoved);
    EXPECT_EQ(m_row.Focus(), EntryField::ProvinceCode);
    EXPECT_TRUE(m_row.PreviousContacts().empty());
    Type(EntryField::ProvinceCode, "RM");
    EXPECT_EQ(m_row.Values().provinceName, "Roma");
    EXPECT_TRUE(m_row.MultiplierShown());
    EXPECT_EQ(m_row.OnEntryEnter(), EnterOutcome::Logged);

    ASSERT_EQ(m_log.RowCount(), 1);
    EXPECT_EQ(m_log.Cell(0, QsoColumn::Number), "    1");
    EXPECT_EQ(m_log.Cell(0, QsoColumn::Callsign), "IK0ABC");
    EXPECT_EQ(m_log.Cell(0, QsoColumn::ProvinceName), "Roma");
    EXPECT_EQ(WorkingFileLines(), linesBefore + 1);
    EXPECT_TRUE(m_folder.Read(QStringLiteral("_ult.zelk"))
                    .endsWith("14.02.2026^1430^7^SSB^IK0ABC^59^MI^59^RM^\r\n"));
    EXPECT_TRUE(m_tables.Provinces().IsWorked(ProvinceIndexOf("RM"), 0, 1));
    EXPECT_TRUE(m_document.IsModified());
    EXPECT_EQ(m_context.store->ReadSetting(keys::kModified, 0), 1);

    const EntryValues& v = m_row.Values();
    EXPECT_TRUE(v.callsign.empty());
    EXPECT_TRUE(v.provinceCode.empty());
    EXPECT_TRUE(v.provinceName.empty());
    EXPECT_EQ(v.reportSent, "59");
    EXPECT_EQ(m_row.Focus(), EntryField::Callsign);
    EXPECT_FALSE(m_row.MultiplierShown());
}

TEST_F(EntryRowTest, EnterWalkWithAutomaticDateAndTimeOff)
{
    Start();
    m_row.OnAutoDateTimeClicked(false);
    EXPECT_EQ(m_row.Focus(), EntryField::Date);
    EXPECT_FALSE(m_row.PcShowsUtcVisible());
    m_row.OnEntryEnter();
    EXPECT_EQ(m_row.Focus(), EntryField::Time);
    Type(EntryField::Time, "14:32");
    m_row.OnEntryEnter();
    EXPECT_EQ(m_row.Focus(), EntryField::Callsign);
    EXPECT_EQ(m_row.Values().time, "1432");
    EXPECT_TRUE(m_prompter.boxes.empty());

    // A wrong time is refused when the field is left, and the focus goes back to it.
    m_row.OnFocusMoved(EntryField::Time);
    Type(EntryField::Time, "2400");
    m_row.OnEntryEnter();
    ASSERT_EQ(m_prompter.boxes.size(), 1U);
    EXPECT_EQ(m_prompter.boxes[0].title, QStringLiteral("Errore"));
    EXPECT_EQ(m_prompter.boxes[0].text, QStringLiteral("Ora errata!"));
    EXPECT_EQ(m_prompter.boxes[0].icon, MessageIcon::Stop);
    EXPECT_EQ(m_row.Focus(), EntryField::Time);

    // Date checked only now that it is typed by hand.
    Type(EntryField::Time, "1200");
    m_row.OnFocusMoved(EntryField::Date);
    Type(EntryField::Date, "01.01.2004");
    m_row.OnFocusMoved(EntryField::Callsign);
    Type(EntryField::Callsign, "I1AAA");
    m_row.OnFocusMoved(EntryField::ProvinceCode);
    Type(EntryField::ProvinceCode, "TO");
    EXPECT_EQ(m_row.OnEntryEnter(), EnterOutcome::Refused);
    EXPECT_EQ(m_row.Focus(), EntryField::Date);
    EXPECT_EQ(m_log.RowCount(), 0);
}

TEST_F(EntryRowTest, AutomaticDateAndTimeSkipsTheirFields)
{
    Start();
    m_row.OnFocusMoved(EntryField::Date);
    EXPECT_EQ(m_row.Focus(), EntryField::Band);
    m_row.OnFocusMoved(EntryField::ProvinceName);
    EXPECT_EQ(m_row.Focus(), EntryField::Band);  // name -> date -> time -> band
}

TEST_F(EntryRowTest, EarlierContactOnAnotherBandFillsTheProvince)
{
    m_context.settings.currentMode = "CW";
    Start({Qso("IK0ABC", "3,5", "CW", "TO")});
    Type(EntryField::Callsign, "IK0ABC");
    m_row.OnEntryEnter();
    ASSERT_EQ(m_row.PreviousContacts().size(), 1U);
    EXPECT_EQ(m_row.PreviousContacts()[0],
              (PreviousContact{"14", "1400", "3,5", "CW", "599", "599"}));
    EXPECT_TRUE(m_row.Matrices().IsButtonEnabled(10008));
    EXPECT_FALSE(m_row.DupShown());
    EXPECT_FALSE(m_row.EntryBlocked());
    EXPECT_EQ(m_row.Values().provinceCode, "TO");
    EXPECT_EQ(m_row.Values().provinceName, "Torino");
    // Torino was worked on 3,5 CW only: a new multiplier on 7 MHz.
    EXPECT_TRUE(m_row.Matrices().IsButtonEnabled(10002));
    EXPECT_TRUE(m_row.MultiplierShown());
    EXPECT_EQ(m_row.OnEntryEnter(), EnterOutcome::Logged);
    EXPECT_EQ(m_log.RowCount(), 2);
}

TEST_F(EntryRowTest, DuplicatesBlockTheEntry)
{
    struct Case {
        const char* name;
        const char* loggedMode;
        const char* entryCallsign;
        const char* entryBand;
        int entryMode;
        bool dup;
    };
    const Case cases[] = {
        {"same band and mode", "CW", "IK0ABC", "3,5", 1, true},
        {"RTTY and PSK31 are one group", "RTTY", "IK0ABC", "3,5", 3, true},
        {"other band", "CW", "IK0ABC", "7", 1, false},
        {"portable is another station", "CW", "IK0ABC/P", "3,5", 1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_log.DeleteAllRows();
        m_context.settings.currentBand = c.entryBand;
        m_context.settings.currentMode = EntryRow::ModeList()[c.entryMode];
        Start({Qso("IK0ABC", "3,5", c.loggedMode, "TO")});
        Type(EntryField::Callsign, c.entryCallsign);
        m_row.OnEntryEnter();
        EXPECT_EQ(m_row.DupShown(), c.dup);
        EXPECT_EQ(m_row.EntryBlocked(), c.dup);
        if (!c.dup) {
            continue;
        }
        EXPECT_TRUE(m_row.Values().provinceCode.empty());
        EXPECT_FALSE(m_row.MultiplierShown());
        Type(EntryField::ProvinceCode, "TO");
        EXPECT_EQ(m_row.OnEntryEnter(), EnterOutcome::EntryDiscarded);
        EXPECT_EQ(m_log.RowCount(), 1);
        EXPECT_TRUE(m_row.Values().callsign.empty());
        EXPECT_TRUE(m_row.PreviousContacts().empty());
        EXPECT_FALSE(m_row.DupShown());
        EXPECT_FALSE(m_row.EntryBlocked());
        EXPECT_EQ(m_row.Focus(), EntryField::Callsign);
    }
}

TEST_F(EntryRowTest, ChangingTheBandRerunsTheDuplicateTest)
{
    m_context.settings.currentMode = "CW";
    Start({Qso("IK0ABC", "3,5", "CW", "TO")});
    Type(EntryField::Callsign, "IK0ABC");
    m_row.OnEntryEnter();
    EXPECT_FALSE(m_row.DupShown());
    m_row.OnBandChosen(0);
    EXPECT_EQ(m_row.Values().band, "3,5");
    EXPECT_TRUE(m_row.DupShown());
    EXPECT_EQ(m_context.store->ReadSetting(keys::kBand, QString()), QStringLiteral("3,5"));
    m_row.OnBandChosen(1);
    EXPECT_FALSE(m_row.DupShown());
    EXPECT_EQ(m_row.Values().provinceCode, "TO");
}

TEST_F(EntryRowTest, ProvinceCodeTypedLetterByLetter)
{
    Start({Qso("I1AAA", "7", "SSB", "RM")});
    Type(EntryField::Callsign, "I5XYZ");
    m_row.OnEntryEnter();
    Type(EntryField::ProvinceCode, "R");
    EXPECT_TRUE(m_row.Values().provinceName.empty());
    EXPECT_FALSE(m_row.Matrices().IsButtonEnabled(10001));
    Type(EntryField::ProvinceCode, "RM");
    EXPECT_EQ(m_row.Values().provinceName, "Roma");
    EXPECT_TRUE(m_row.Matrices().IsButtonEnabled(10001));  // 7 MHz ssb
    EXPECT_FALSE(m_row.MultiplierShown());                 // already worked here
    Type(EntryField::ProvinceCode, "XY");                  // unknown: matrix stays
    EXPECT_TRUE(m_row.Values().provinceName.empty());
    EXPECT_TRUE(m_row.Matrices().IsButtonEnabled(10001));
    EXPECT_EQ(m_row.OnEntryEnter(), EnterOutcome::Refused);
    EXPECT_EQ(m_row.Focus(), EntryField::ProvinceCode);
}

TEST_F(EntryRowTest, EnterOutsideTheWalkDoesNothing)
{
    Start();
    for (EntryField field : {EntryField::ReportSent, EntryField::ReportReceived, EntryField::Band,
                             EntryField::Mode, EntryField::Other}) {
        m_row.OnFocusMoved(field);
        EXPECT_EQ(m_row.OnEntryEnter(), EnterOutcome::Nothing);
        EXPECT_EQ(m_row.Focus(), field);
    }
    EXPECT_EQ(m_log.RowCount(), 0);
}

TEST_F(EntryRowTest, RefusalsMoveTheFocusToTheWrongField)
{
    struct Case {
        const char* name;
        EntryField field;
        const char* text;
        EntryField focus;
    };
    const Case cases[] = {
        {"report received", EntryField::ReportReceived, "60", EntryField::ReportReceived},
        {"report sent", EntryField::ReportSent, "29", EntryField::ReportSent},
        {"province", EntryField::ProvinceCode, "R", EntryField::ProvinceCode},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Start();
        Type(EntryField::Callsign, "I1AAA");
        m_row.OnEntryEnter();
        Type(EntryField::ProvinceCode, "RM");
        Type(c.field, c.text);
        m_row.OnFocusMoved(EntryField::ProvinceCode);
        EXPECT_EQ(m_row.OnEntryEnter(), EnterOutcome::Refused);
        EXPECT_EQ(m_row.Focus(), c.focus);
        EXPECT_EQ(m_log.RowCount(), 0);
        m_row.ClearEntryRow();
    }
}

TEST_F(EntryRowTest, MissingOwnProvinceAsksForTheSummaryData)
{
    m_context.summary.province.clear();
    Start();
    Type(EntryField::Callsign, "I1AAA");
    m_row.OnEntryEnter();
    Type(EntryField::ProvinceCode, "RM");
    EXPECT_EQ(m_row.OnEntryEnter(), EnterOutcome::NeedSummaryData);
    ASSERT_EQ(m_prompter.boxes.size(), 1U);
    EXPECT_EQ(m_prompter.boxes[0].title, QStringLiteral("Avviso"));
    EXPECT_EQ(m_prompter.boxes[0].text,
              QStringLiteral("ATTENZIONE!\nSpecificare il codice della propria provincia"));
    EXPECT_EQ(m_prompter.boxes[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(m_log.RowCount(), 0);
    EXPECT_EQ(m_row.Values().callsign, "I1AAA");
    EXPECT_EQ(m_row.Values().provinceCode, "RM");
}

TEST_F(EntryRowTest, InvalidCallsignIsEmptiedSilentlyWhenLeft)
{
    Start();
    Type(EntryField::Callsign, "DL1ABC");
    m_row.OnFocusMoved(EntryField::ReportSent);
    EXPECT_TRUE(m_row.Values().callsign.empty());
    EXPECT_TRUE(m_prompter.boxes.empty());
    Type(EntryField::Callsign, " ik0abc ");
    m_row.OnFocusMoved(EntryField::Callsign);
    m_row.OnFocusMoved(EntryField::ReportSent);
    EXPECT_EQ(m_row.Values().callsign, "IK0ABC");
}

TEST_F(EntryRowTest, ModeChoiceResetsReportsAndSdgForcesDigital)
{
    Start();
    m_row.OnModeChosen(1);
    Type(EntryField::ReportReceived, "579");
    m_row.OnModeChosen(0);
    EXPECT_EQ(m_row.Values().reportSent, "59");
    EXPECT_EQ(m_row.Values().reportReceived, "59");
    m_row.OnModeChosen(1);
    EXPECT_EQ(m_row.Values().reportSent, "599");
    EXPECT_EQ(m_row.Values().reportReceived, "599");
    EXPECT_EQ(m_context.store->ReadSetting(keys::kMode, QString()), QStringLiteral("CW"));

    m_context.summary.category = "SDG";
    m_row.OnModeChosen(0);
    EXPECT_EQ(m_row.Values().mode, "RTTY");
    EXPECT_EQ(m_context.settings.currentMode, "RTTY");
    m_row.OnModeChosen(3);
    EXPECT_EQ(m_row.Values().mode, "PSK31");
}

TEST_F(EntryRowTest, CategoryPresetsWinOverTheStoredBandAndMode)
{
    struct Case {
        const char* category;
        const char* band;
        const char* mode;
        const char* report;
        bool bandEnabled;
        bool modeEnabled;
    };
    const Case cases[] = {
        {"S40", "7", "SSB", "59", false, true},    {"S80", "3,5", "SSB", "59", false, true},
        {"SPH", "3,5", "SSB", "59", true, false},  {"SCW", "3,5", "CW", "599", true, false},
        {"SDG", "3,5", "RTTY", "599", true, true}, {"SOP", "3,5", "SSB", "59", true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.category);
        m_context.summary.category = c.category;
        m_context.settings.currentBand = "3,5";
        m_context.settings.currentMode = "SSB";
        Start();
        EXPECT_EQ(m_row.Values().band, c.band);
        EXPECT_EQ(m_row.Values().mode, c.mode);
        EXPECT_EQ(m_row.Values().reportSent, c.report);
        EXPECT_EQ(m_row.Values().reportReceived, c.report);
        EXPECT_EQ(m_row.BandListEnabled(), c.bandEnabled);
        EXPECT_EQ(m_row.ModeListEnabled(), c.modeEnabled);
    }
}

TEST_F(EntryRowTest, MinuteTimerFallsOnFullMinutesAndFollowsMidnight)
{
    m_clock.now = LocalTime(2026, 2, 15, 0, 59, 40);  // 23:59:40 UTC
    Start();
    EXPECT_EQ(m_row.AutoDateTimeTick(), 20000);
    EXPECT_EQ(m_row.Values().time, "2359");
    EXPECT_EQ(m_row.Values().date, "14.02.2026");
    m_clock.now = LocalTime(2026, 2, 15, 1, 0, 0);
    EXPECT_EQ(m_row.AutoDateTimeTick(), 60000);
    EXPECT_EQ(m_row.Values().time, "0000");
    EXPECT_EQ(m_row.Values().date, "15.02.2026");
    // A computer that slept over midnight gets the right date at the first tick.
    m_clock.now = LocalTime(2026, 2, 16, 9, 12, 5);
    m_row.AutoDateTimeTick();
    EXPECT_EQ(m_row.Values().date, "16.02.2026");
}

TEST_F(EntryRowTest, PcShowsUtcTakesTheClockAsItIs)
{
    m_clock.now = LocalTime(2026, 2, 14, 10, 5, 0);
    Start();
    EXPECT_EQ(m_row.Values().time, "0905");
    m_row.OnPcShowsUtcClicked(true);
    EXPECT_EQ(m_row.Values().time, "1005");
}

TEST_F(EntryRowTest, ClearingKeepsTheDuplicateState)
{
    m_context.settings.currentMode = "CW";
    m_context.settings.currentBand = "3,5";
    Start({Qso("IK0ABC", "3,5", "CW", "TO")});
    Type(EntryField::Callsign, "IK0ABC");
    m_row.OnEntryEnter();
    ASSERT_TRUE(m_row.DupShown());
    Type(EntryField::ReportSent, "5");
    m_row.ClearEntryRow();
    EXPECT_TRUE(m_row.Values().callsign.empty());
    EXPECT_EQ(m_row.Values().reportSent, "599");
    EXPECT_TRUE(m_row.DupShown());
    EXPECT_TRUE(m_row.EntryBlocked());
    EXPECT_EQ(m_row.PreviousContacts().size(), 1U);
    EXPECT_EQ(m_row.Focus(), EntryField::Callsign);
}

TEST_F(EntryRowTest, AFailedAppendFallsBackToARewriteOrTellsTheUser)
{
    Start();
    QFile::remove(m_folder.File(QStringLiteral("_ult.zelk")));
    Type(EntryField::Callsign, "I1AAA");
    m_row.OnEntryEnter();
    Type(EntryField::ProvinceCode, "RM");
    EXPECT_EQ(m_row.OnEntryEnter(), EnterOutcome::Logged);
    EXPECT_TRUE(m_prompter.boxes.empty());
    EXPECT_TRUE(m_folder.Read(QStringLiteral("_ult.zelk")).endsWith("^I1AAA^59^MI^59^RM^\r\n"));

    // Neither an append nor a rewrite can reach a folder in the file's place.
    QFile::remove(m_folder.File(QStringLiteral("_ult.zelk")));
    ASSERT_TRUE(QDir(m_folder.Path()).mkdir(QStringLiteral("_ult.zelk")));
    Type(EntryField::Callsign, "I1BBB");
    m_row.OnEntryEnter();
    Type(EntryField::ProvinceCode, "TO");
    EXPECT_EQ(m_row.OnEntryEnter(), EnterOutcome::Logged);
    ASSERT_EQ(m_prompter.boxes.size(), 1U);
    EXPECT_EQ(m_prompter.boxes[0].title, QStringLiteral("Errore"));
    EXPECT_TRUE(m_prompter.boxes[0].text.contains(m_folder.File(QStringLiteral("_ult.zelk"))));
    EXPECT_EQ(m_log.RowCount(), 2);

    // Once the file can be written again, the next contact brings the missing row with it, and
    // the operator, told of the failure, is told that the file is whole again; then no more.
    ASSERT_TRUE(QDir(m_folder.Path()).rmdir(QStringLiteral("_ult.zelk")));
    for (const char* callsign : {"I1CCC", "I1DDD"}) {
        Type(EntryField::Callsign, callsign);
        m_row.OnEntryEnter();
        Type(EntryField::ProvinceCode, "RM");
        EXPECT_EQ(m_row.OnEntryEnter(), EnterOutcome::Logged);
    }
    ASSERT_EQ(m_prompter.boxes.size(), 2U);
    EXPECT_EQ(m_prompter.boxes[1].title, QStringLiteral("Informazione"));
    EXPECT_EQ(m_prompter.boxes[1].icon, MessageIcon::Information);
    EXPECT_EQ(m_prompter.boxes[1].text,
              QStringLiteral("Il file di lavoro è di nuovo completo:\n") +
                  m_folder.File(QStringLiteral("_ult.zelk")) +
                  QStringLiteral("\n\nContiene tutto il log, anche le righe che prima non si "
                                 "erano potute scrivere."));
    const QByteArray written = m_folder.Read(QStringLiteral("_ult.zelk"));
    EXPECT_TRUE(written.contains("^I1BBB^") && written.contains("^I1CCC^") &&
                written.endsWith("^I1DDD^59^MI^59^RM^\r\n"));
}

}  // namespace
}  // namespace zelkor
