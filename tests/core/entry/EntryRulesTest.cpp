#include "EntryRowFixture.h"
#include "core/log/LogList.h"
#include "core/presenters/EntryRow.h"
#include "core/presenters/EntryRules.h"
#include "core/settings/SettingKeys.h"

#include <gtest/gtest.h>

namespace zelkor {
namespace {

struct EarlierContactsCase {
    const char* name;
    std::vector<std::vector<std::string>> rows;
    const char* callsign;
    const char* band;
    const char* mode;
    const char* typedCode;
    bool duplicate;
    const char* code;
    std::optional<std::string> fromLog;
    std::size_t previousContacts;
};

TEST(EntryRulesTest, EarlierContactsOfAQsoLog)
{
    const std::vector<EarlierContactsCase> cases = {
        {"an empty log finds nothing", {}, "IK0ABC", "7", "CW", "", false, "", std::nullopt, 0},
        {"another band gives the province",
         {Qso("IK0ABC", "3,5", "CW", "RM")},
         "IK0ABC",
         "7",
         "CW",
         "",
         false,
         "RM",
         "RM",
         1},
        {"the first contact's province wins",
         {Qso("IK0ABC", "3,5", "CW", "RM"), Qso("IK0ABC", "3,5", "SSB", "TO")},
         "IK0ABC",
         "7",
         "CW",
         "",
         false,
         "RM",
         "RM",
         2},
        {"a contact without a code leaves it to a later one",
         {Qso("IK0ABC", "3,5", "CW", ""), Qso("IK0ABC", "3,5", "SSB", "TO")},
         "IK0ABC",
         "7",
         "CW",
         "",
         false,
         "TO",
         "TO",
         2},
        {"a code already there is kept",
         {Qso("IK0ABC", "3,5", "CW", "RM")},
         "IK0ABC",
         "7",
         "CW",
         "FI",
         false,
         "FI",
         std::nullopt,
         1},
        {"same band and mode is a duplicate that empties the code",
         {Qso("IK0ABC", "3,5", "CW", "RM")},
         "IK0ABC",
         "3,5",
         "CW",
         "",
         true,
         "",
         "RM",
         1},
        {"RTTY and PSK31 are one mode group",
         {Qso("IK0ABC", "3,5", "RTTY", "RM")},
         "IK0ABC",
         "3,5",
         "PSK31",
         "",
         true,
         "",
         "RM",
         1},
        {"no later row refills after a duplicate",
         {Qso("IK0ABC", "7", "SSB", "RM"), Qso("IK0ABC", "3,5", "SSB", "TO")},
         "IK0ABC",
         "7",
         "SSB",
         "",
         true,
         "",
         "RM",
         2},
        {"a portable callsign is another station",
         {Qso("IK0ABC", "7", "SSB", "RM")},
         "IK0ABC/P",
         "7",
         "SSB",
         "",
         false,
         "",
         std::nullopt,
         0},
    };
    for (const EarlierContactsCase& c : cases) {
        SCOPED_TRACE(c.name);
        LogList log;
        for (const auto& row : c.rows) {
            log.AppendLogRow(row);
        }
        const QsoCallsignFindings found =
            FindEarlierContacts(log, c.callsign, c.band, c.mode, c.typedCode);
        EXPECT_EQ(found.duplicate, c.duplicate);
        EXPECT_EQ(found.provinceCode, c.code);
        EXPECT_EQ(found.provinceFromLog, c.fromLog);
        EXPECT_EQ(found.previousContacts.size(), c.previousContacts);
    }
}

TEST(EntryRulesTest, PreviousContactLinesCarryDayTimeBandModeAndReports)
{
    LogList log;
    log.AppendLogRow({"09.12.2026", "0712", "3,5", "CW", "IK0ABC", "579", "589", "RM", "Roma"});
    const QsoCallsignFindings found = FindEarlierContacts(log, "IK0ABC", "7", "CW", "");
    ASSERT_EQ(found.previousContacts.size(), 1u);
    EXPECT_EQ(found.previousContacts[0],
              (PreviousContact{"09", "0712", "3,5", "CW", "579", "589"}));
}

StationRecord Station(const char* callsign, bool caller, int answers)
{
    StationRecord record;
    record.callsign = callsign;
    if (caller) {
        record.MarkCaller(0, 1);
    }
    for (int i = 0; i < answers; ++i) {
        record.RaiseAnswerCount(0, 1);
    }
    return record;
}

TEST(EntryRulesTest, AnsweringStationDecidesBlockAndRoles)
{
    struct Case {
        const char* name;
        StationRecord calling;
        StationRecord answering;
        SwlAnswerDecision expected;
    };
    const Case cases[] = {
        {"two new stations",
         Station("A", false, 0),
         Station("B", false, 0),
         {0, false, false, false}},
        {"the answering station answered twice",
         Station("A", false, 0),
         Station("B", false, 2),
         {2, false, false, false}},
        {"answers used up, the roles swap",
         Station("A", false, 0),
         Station("B", false, 3),
         {3, false, true, true}},
        {"a caller heard calling again, the roles swap",
         Station("A", true, 0),
         Station("B", false, 0),
         {0, false, false, true}},
        {"both already callers: blocked",
         Station("A", true, 0),
         Station("B", true, 0),
         {0, true, false, false}},
        {"the caller's answers used up: blocked",
         Station("A", true, 3),
         Station("B", false, 0),
         {0, true, false, false}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const SwlAnswerDecision d = DecideSwlAnswer(c.calling, c.answering, 0, 1);
        EXPECT_EQ(d.answerCount, c.expected.answerCount);
        EXPECT_EQ(d.blocked, c.expected.blocked);
        EXPECT_EQ(d.answersExhausted, c.expected.answersExhausted);
        EXPECT_EQ(d.exchangeRoles, c.expected.exchangeRoles);
    }
}

TEST(EntryRulesTest, AnSwlExchangeLogsOneOrTwoRows)
{
    EntryValues v;
    v.date = "09.12.2026";
    v.time = "0712";
    v.band = "3,5";
    v.mode = "CW";
    v.callsign = "IK0ABC";
    v.reportSent = "579";
    v.reportReceived = "589";
    v.provinceCode = "RM";
    v.provinceName = "Roma";
    v.answeringCallsign = "I1XYZ";
    v.answeringProvinceCode = "TO";
    v.answeringProvinceName = "Torino";

    SwlExchangePlan plan =
        PlanSwlExchange(v, Station("IK0ABC", false, 0), Station("I1XYZ", false, 0), 0, 1);
    ASSERT_FALSE(plan.blocked);
    EXPECT_EQ(plan.rows, (std::vector<std::vector<std::string>>{
                             {"09.12.2026", "0712", "3,5", "CW", "IK0ABC", "579", "RM", "I1XYZ"},
                             {"09.12.2026", "0712", "3,5", "CW", "I1XYZ", "589", "TO", "IK0ABC"}}));
    EXPECT_TRUE(plan.calling.IsCaller(0, 1));
    EXPECT_TRUE(plan.answering.IsCaller(0, 1));
    EXPECT_EQ(plan.calling.AnswerCount(0, 1), 1);
    EXPECT_EQ(plan.answering.AnswerCount(0, 1), 1);
    EXPECT_EQ(plan.calling.province, "RM");
    EXPECT_EQ(plan.answering.province, "TO");

    // An unknown answering province: one row, and the answering station keeps no province.
    v.answeringProvinceName.clear();
    plan = PlanSwlExchange(v, Station("IK0ABC", false, 0), Station("I1XYZ", false, 0), 0, 1);
    EXPECT_EQ(plan.rows.size(), 1u);
    EXPECT_FALSE(plan.answering.IsCaller(0, 1));
    EXPECT_EQ(plan.answering.province, "");

    // The band changed since the fields were left: the caller is already a caller there.
    plan = PlanSwlExchange(v, Station("IK0ABC", true, 0), Station("I1XYZ", false, 0), 0, 1);
    EXPECT_TRUE(plan.blocked);
    EXPECT_TRUE(plan.rows.empty());
}

// The window redraws once for each thing the operator does, never halfway through a handler.
TEST_F(EntryRowTest, EveryEventIsShownOnce)
{
    Start({Qso("IK0ABC", "3,5", "CW", "RM")});
    int shown = 0;
    QObject::connect(&m_row, &EntryRow::changed, [&shown] { ++shown; });
    const auto shownOnce = [&shown](const char* what) {
        SCOPED_TRACE(what);
        EXPECT_EQ(shown, 1);
        shown = 0;
    };
    Type(EntryField::Callsign, "IK0ABC");
    EXPECT_EQ(shown, 0);  // typing a callsign changes nothing else
    m_row.OnFocusMoved(EntryField::ReportSent);
    shownOnce("callsign left");
    m_row.OnBandChosen(0);
    shownOnce("band changed");
    m_row.OnModeChosen(0);
    shownOnce("mode changed");
    m_row.OnFocusMoved(EntryField::Callsign);
    shownOnce("callsign entered again");
    Type(EntryField::Callsign, "I1XYZ");
    EXPECT_EQ(m_row.OnEntryEnter(), EnterOutcome::FocusMoved);
    shownOnce("enter in the callsign field");
    Type(EntryField::ProvinceCode, "TO");
    shownOnce("province code typed");
    EXPECT_EQ(m_row.OnEntryEnter(), EnterOutcome::Logged);
    shownOnce("contact logged");
    Type(EntryField::Callsign, "I1XYZ");
    m_row.ClearEntryRow();
    shownOnce("entry row cleared");
}

}  // namespace
}  // namespace zelkor

namespace zelkor {
namespace {

// A store whose folder is a plain file can never be written, whoever runs the test.
class UnwritableSettingsTest : public EntryRowTest {
protected:
    void MakeStoreUnwritable()
    {
        m_folder.Write(QStringLiteral("blocked"), QByteArray("x"));
        m_context.store =
            SettingsStore::OpenFile(m_folder.File(QStringLiteral("blocked/zelkor.conf")));
    }
};

TEST_F(UnwritableSettingsTest, AFailedSettingsWriteIsToldOnceAndTheChoiceStays)
{
    Start();
    MakeStoreUnwritable();
    m_row.OnBandChosen(0);
    m_row.OnModeChosen(1);
    m_row.OnBandChosen(1);
    ASSERT_EQ(m_prompter.boxes.size(), 1u);
    EXPECT_EQ(m_prompter.boxes[0].title, "Errore");
    EXPECT_EQ(m_prompter.boxes[0].text,
              "Impossibile salvare le impostazioni nel file:\n" +
                  m_folder.File(QStringLiteral("blocked/zelkor.conf")) +
                  "\n\nUna parte del percorso non è una cartella.\n\nLe scelte fatte restano "
                  "valide fino alla chiusura del programma.");
    EXPECT_EQ(m_context.settings.currentBand, "7");
    EXPECT_EQ(m_context.settings.currentMode, "CW");
    EXPECT_EQ(m_row.Values().band, "7");
}

TEST_F(UnwritableSettingsTest, TheSetterWritesTheStoreOrSaysItCouldNot)
{
    AppSettings settings;
    settings.SetCurrentMode(m_context.store.get(), "CW");
    EXPECT_EQ(m_context.store->ReadSetting(keys::kMode, QString()), "CW");
    EXPECT_TRUE(m_context.store->Flush());
    LogDocument document(m_context.store.get(), QString());
    EXPECT_TRUE(document.SetOpenLog(QStringLiteral("/a/gara.zelk")));
    EXPECT_EQ(m_context.store->ReadSetting(keys::kOpenLogName, QString()), "gara.zelk");
    EXPECT_TRUE(document.MarkModified());
    EXPECT_EQ(m_context.store->ReadSetting(keys::kModified, 0), 1);
    MakeStoreUnwritable();
    LogDocument unwritable(m_context.store.get(), QString());
    EXPECT_FALSE(unwritable.MarkModified());
    EXPECT_TRUE(unwritable.IsModified());
    EXPECT_FALSE(settings.SetClaimedScore(m_context.store.get(), 1200));
    EXPECT_EQ(settings.claimedScore, 1200);
    settings.SetCurrentBand(nullptr, "3,5");
    EXPECT_EQ(settings.currentBand, "3,5");
}

}  // namespace
}  // namespace zelkor
