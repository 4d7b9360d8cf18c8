// The entry row follows the radio: what a change of the radio runs, when it waits for the
// operator, what locked lists keep, and the one message about a radio out of reach.

#include "core/entry/EntryRowFixture.h"
#include "core/log/LogColumns.h"
#include "core/presenters/RadioFollower.h"
#include "core/settings/SettingKeys.h"
#include "support/EventLoop.h"
#include "support/FakeRadio.h"

namespace zelkor {
namespace {

using namespace std::chrono_literals;

class RadioFollowerTest : public EntryRowTest {
protected:
    static void SetUpTestSuite() { s_app = test::MakeCoreApplication(); }
    static void TearDownTestSuite() { s_app.reset(); }

    ~RadioFollowerTest() override { m_radio->Release(); }

    // Starts the entry row and the follower; the worker's radio holds its open call, so that
    // the readings a test hands over are the only ones.
    void StartFollowing(const std::vector<std::vector<std::string>>& rows = {}, bool swl = false)
    {
        Start(rows, swl);
        m_radio->HoldOpen();
        m_follower.Start(m_radio->Factory());
    }

    void Radio(double hertz, const char* mode) { m_follower.OnReading({hertz, mode}); }
    // The entry row's handlers have finished; a change held until then has run.
    static void Settle() { test::RunFor(20ms); }
    std::pair<std::string, std::string> BandAndMode() const
    {
        return {m_row.Values().band, m_row.Values().mode};
    }

    static inline std::unique_ptr<QCoreApplication> s_app;
    std::shared_ptr<test::FakeRadio> m_radio = test::FakeRadio::Make();
    RadioFollower m_follower{m_row, m_prompter};
};

TEST_F(RadioFollowerTest, AReadingRunsWhatTheOperatorsChoiceRuns)
{
    m_context.settings.currentMode = "SSB";
    StartFollowing();
    EXPECT_EQ(m_follower.LabelText(), QStringLiteral("Radio non collegata"));

    Radio(3'550'000, "CW");
    EXPECT_EQ(BandAndMode(), std::pair(std::string("3,5"), std::string("CW")));
    EXPECT_EQ(m_row.Values().reportSent, "599");
    EXPECT_EQ(m_row.Values().reportReceived, "599");
    EXPECT_EQ(m_context.store->ReadSetting(keys::kBand, QString()), QStringLiteral("3,5"));
    EXPECT_EQ(m_context.store->ReadSetting(keys::kMode, QString()), QStringLiteral("CW"));
    EXPECT_EQ(m_follower.LabelText(), QStringLiteral("Radio: 3.550,0 kHz CW"));
    EXPECT_FALSE(m_follower.ChangeWaiting());
}

TEST_F(RadioFollowerTest, OnlyAChangeOfTheRadioOverridesTheOperatorsChoice)
{
    StartFollowing();
    // Each step: the operator's choice (-1 none), the reading, and what the row shows after.
    const struct {
        int bandChosen;
        int modeChosen;
        double hertz;
        const char* radioMode;
        const char* band;
        const char* mode;
    } steps[] = {
        {-1, -1, 7'045'000, "CW", "7", "CW"},
        {0, 0, 7'046'000, "CW", "3,5", "SSB"},     // the radio stays: the choice stands
        {-1, -1, 7'180'000, "CWR", "3,5", "SSB"},  // CWR is CW still
        {-1, -1, 3'510'000, "CWR", "3,5", "SSB"},  // the band moved to what is shown
        {-1, -1, 3'510'000, "USB", "3,5", "SSB"},
        {-1, -1, 7'010'000, "USB", "7", "SSB"},
        {-1, -1, 14'074'000, "PKTUSB", "7", "RTTY"},  // outside the bands: band kept
        {-1, 3, 21'074'000, "PKTUSB", "7", "PSK31"},
        {1, -1, 7'074'000, "PKTUSB", "7", "PSK31"},  // back in a band: a change
        {0, -1, 7'074'000, "AM", "3,5", "PSK31"},    // AM is no contest mode
    };
    for (const auto& step : steps) {
        if (step.bandChosen >= 0) {
            m_row.OnBandChosen(step.bandChosen);
        }
        if (step.modeChosen >= 0) {
            m_row.OnModeChosen(step.modeChosen);
        }
        Radio(step.hertz, step.radioMode);
        EXPECT_EQ(BandAndMode(), std::pair(std::string(step.band), std::string(step.mode)))
            << step.hertz << " " << step.radioMode;
    }
}

TEST_F(RadioFollowerTest, TheChangeWaitsForTheCallsignFieldToBeLeft)
{
    m_context.settings.currentMode = "CW";
    StartFollowing({Qso("IK0ABC", "3,5", "CW", "TO")});
    Radio(7'020'000, "CW");
    Type(EntryField::Callsign, "IK0ABC");

    Radio(3'550'000, "CW");
    Settle();
    EXPECT_EQ(m_row.Values().band, "7");
    EXPECT_TRUE(m_follower.ChangeWaiting());
    EXPECT_FALSE(m_row.DupShown());

    m_row.OnFocusMoved(EntryField::ReportSent);
    Settle();
    EXPECT_EQ(m_row.Values().band, "3,5");
    EXPECT_FALSE(m_follower.ChangeWaiting());
    // The duplicate test followed the band, as after the operator's own choice.
    EXPECT_TRUE(m_row.DupShown());
    EXPECT_EQ(m_row.Focus(), EntryField::ReportSent);
}

TEST_F(RadioFollowerTest, AContactIsLoggedWithTheBandShownAtEnter)
{
    StartFollowing();
    Radio(7'020'000, "CW");
    Type(EntryField::Callsign, "I5XYZ");
    Radio(3'550'000, "CW");
    EXPECT_EQ(m_row.OnEntryEnter(), EnterOutcome::FocusMoved);  // the callsign is left
    Settle();
    EXPECT_EQ(m_row.Values().band, "3,5");
    Type(EntryField::ProvinceCode, "RM");
    EXPECT_EQ(m_row.OnEntryEnter(), EnterOutcome::Logged);
    ASSERT_EQ(m_log.RowCount(), 1);
    EXPECT_EQ(m_log.Cell(0, QsoColumn::Band), "3,5");

    // A change with the province code half typed lands at once, before the Enter.
    Type(EntryField::Callsign, "I6ABC");
    m_row.OnEntryEnter();
    Type(EntryField::ProvinceCode, "FI");
    Radio(7'001'000, "USB");
    EXPECT_EQ(BandAndMode(), std::pair(std::string("7"), std::string("SSB")));
    Type(EntryField::ReportSent, "59");
    Type(EntryField::ReportReceived, "57");
    EXPECT_EQ(m_row.OnEntryEnter(), EnterOutcome::Logged);
    EXPECT_EQ(m_log.Cell(1, QsoColumn::Band), "7");
    EXPECT_EQ(m_log.Cell(1, QsoColumn::Mode), "SSB");
}

TEST_F(RadioFollowerTest, ClearingTheRowReleasesTheChange)
{
    StartFollowing();
    Radio(7'020'000, "CW");
    Type(EntryField::Callsign, "I5XY");
    Radio(3'520'000, "USB");
    EXPECT_EQ(BandAndMode(), std::pair(std::string("7"), std::string("CW")));
    m_row.ClearEntryRow();
    Settle();
    EXPECT_EQ(BandAndMode(), std::pair(std::string("3,5"), std::string("SSB")));
    EXPECT_EQ(m_row.Values().reportSent, "59");
}

TEST_F(RadioFollowerTest, AnSwlExchangeKeepsItsBandUntilItIsLogged)
{
    m_context.settings.currentBand = "7";
    m_context.settings.currentMode = "CW";
    StartFollowing({}, true);
    Type(EntryField::Callsign, "IK0AAA");
    m_row.OnEntryEnter();
    Type(EntryField::ProvinceCode, "RM");
    m_row.OnEntryEnter();
    ASSERT_EQ(m_row.Focus(), EntryField::AnsweringCallsign);

    Radio(3'550'000, "CW");
    Settle();
    EXPECT_EQ(m_row.Values().band, "7");
    EXPECT_EQ(m_row.Focus(), EntryField::AnsweringCallsign);
    Type(EntryField::AnsweringCallsign, "IK0BBB");
    m_row.OnEntryEnter();
    Type(EntryField::AnsweringProvinceCode, "MI");
    EXPECT_EQ(m_row.OnEntryEnter(), EnterOutcome::Logged);
    Settle();
    ASSERT_EQ(m_log.RowCount(), 2);
    EXPECT_EQ(m_log.Cell(0, SwlColumn::Band), "7");
    EXPECT_EQ(m_log.Cell(1, SwlColumn::Band), "7");
    EXPECT_EQ(m_row.Values().band, "3,5");
}

TEST_F(RadioFollowerTest, ListsLockedByTheCategoryKeepTheirValue)
{
    const struct {
        const char* category;
        double hertz;
        const char* radioMode;
        const char* band;
        const char* mode;
    } cases[] = {
        {"S40", 3'550'000, "CW", "7", "CW"},      {"S80", 7'050'000, "USB", "3,5", "SSB"},
        {"SPH", 3'550'000, "CW", "3,5", "SSB"},   {"SCW", 3'650'000, "LSB", "3,5", "CW"},
        {"SDG", 3'580'000, "USB", "3,5", "RTTY"}, {"SOP", 3'580'000, "USB", "3,5", "SSB"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.category);
        m_context.summary.category = c.category;
        m_context.settings.currentBand = "7";
        m_context.settings.currentMode = "PSK31";
        m_follower.Stop();
        StartFollowing();
        Radio(c.hertz, c.radioMode);
        EXPECT_EQ(BandAndMode(), std::pair(std::string(c.band), std::string(c.mode)));
    }
}

TEST_F(RadioFollowerTest, TheSdgRuleKeepsADigitalMode)
{
    m_context.summary.category = "SDG";
    StartFollowing();
    m_row.OnModeChosen(3);
    Radio(7'040'000, "PKTUSB");
    EXPECT_EQ(m_row.Values().mode, "PSK31");
    Radio(7'040'000, "CW");
    EXPECT_EQ(m_row.Values().mode, "RTTY");
    EXPECT_EQ(m_context.store->ReadSetting(keys::kMode, QString()), QStringLiteral("RTTY"));
}

TEST_F(RadioFollowerTest, ARadioOutOfReachIsToldOnceOnly)
{
    StartFollowing();
    m_follower.OnLinkFailed(QStringLiteral("la radio non risponde"), false);
    m_follower.OnLinkFailed(QStringLiteral("la radio non risponde"), false);
    Radio(7'040'000, "CW");
    EXPECT_EQ(m_follower.LabelText(), QStringLiteral("Radio: 7.040,0 kHz CW"));
    m_follower.OnLinkFailed(QStringLiteral("errore di comunicazione con la radio"), true);
    EXPECT_EQ(m_follower.LabelText(), QStringLiteral("Radio non collegata"));
    ASSERT_EQ(m_prompter.boxes.size(), 1U);
    EXPECT_EQ(m_prompter.boxes[0].title, QStringLiteral("Avviso"));
    EXPECT_EQ(m_prompter.boxes[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(m_prompter.boxes[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(m_prompter.boxes[0].text,
              QStringLiteral("Impossibile collegarsi alla radio: la radio non risponde.\n\n"
                             "Zelkor riprova a collegarsi ogni 5 secondi; intanto banda e modo si "
                             "scelgono a mano."));

    // Following again, after the operator turned it off and on, tells again.
    m_follower.Stop();
    m_radio->Release();
    m_follower.Start(test::FakeRadio::Make()->Factory());
    m_follower.Stop();
    m_follower.Start(m_radio->Factory());
    m_follower.OnLinkFailed(QStringLiteral("errore di comunicazione con la radio"), true);
    ASSERT_EQ(m_prompter.boxes.size(), 2U);
    EXPECT_EQ(m_prompter.boxes[1].text,
              QStringLiteral("Il collegamento con la radio si \u00e8 interrotto: errore di "
                             "comunicazione con la radio.\n\nZelkor riprova a collegarsi ogni 5 "
                             "secondi; intanto banda e modo si scelgono a mano."));

    // Following again with the same settings (the radio's dialog cancelled) tells nothing new.
    m_follower.Stop();
    m_follower.Resume(m_radio->Factory());
    m_follower.OnLinkFailed(QStringLiteral("la radio non risponde"), false);
    EXPECT_EQ(m_prompter.boxes.size(), 2U);
}

TEST_F(RadioFollowerTest, TheMessageWaitsForTheOperatorLikeAChange)
{
    const QString lostText =
        RadioFollower::FailureText(QStringLiteral("errore di comunicazione con la radio"), true);
    bool busy = false;
    m_follower.SetWindowBusy([&] { return busy; });
    StartFollowing();
    Radio(7'020'000, "CW");

    // No box takes the keys of a callsign being typed: it comes once the field is left.
    Type(EntryField::Callsign, "IK1AB");
    m_follower.OnLinkFailed(QStringLiteral("errore di comunicazione con la radio"), true);
    m_follower.OnLinkFailed(QStringLiteral("la radio non risponde"), false);
    Settle();
    EXPECT_TRUE(m_prompter.boxes.empty());
    EXPECT_EQ(m_follower.LabelText(), QStringLiteral("Radio non collegata"));
    m_row.OnFocusMoved(EntryField::ReportSent);
    Settle();
    ASSERT_EQ(m_prompter.boxes.size(), 1U);
    EXPECT_EQ(m_prompter.boxes[0].text, lostText);
    EXPECT_EQ(m_row.Values().callsign, "IK1AB");

    // Nor over a box or dialog of the window's own: it comes at the next retry after it.
    m_follower.Stop();
    m_follower.Start(m_radio->Factory());
    busy = true;
    m_follower.OnLinkFailed(QStringLiteral("errore di comunicazione con la radio"), true);
    EXPECT_EQ(m_prompter.boxes.size(), 1U);
    busy = false;
    m_follower.OnLinkFailed(QStringLiteral("la radio non risponde"), false);
    ASSERT_EQ(m_prompter.boxes.size(), 2U);
    EXPECT_EQ(m_prompter.boxes[1].text, lostText);
    m_follower.OnLinkFailed(QStringLiteral("la radio non risponde"), false);
    EXPECT_EQ(m_prompter.boxes.size(), 2U);
}

TEST_F(RadioFollowerTest, AfterALostLinkWhatTheRadioShowsCountsAgain)
{
    StartFollowing();
    Radio(3'550'000, "CW");
    m_row.OnBandChosen(1);
    m_follower.OnLinkFailed(QStringLiteral("la radio non risponde"), true);
    Radio(3'550'000, "CW");
    EXPECT_EQ(m_row.Values().band, "3,5");
}

TEST_F(RadioFollowerTest, NothingLandsWhileTheWindowIsBusy)
{
    bool busy = true;
    m_follower.SetWindowBusy([&] { return busy; });
    StartFollowing();
    Radio(3'550'000, "CW");
    Settle();
    EXPECT_EQ(m_row.Values().band, "7");
    busy = false;
    Radio(3'550'000, "CW");
    EXPECT_EQ(m_row.Values().band, "3,5");
}

TEST_F(RadioFollowerTest, TheLabelShowsOnlyWhileFollowing)
{
    Start();
    EXPECT_FALSE(m_follower.LabelShown());
    Radio(3'550'000, "CW");
    EXPECT_EQ(m_row.Values().band, "7");  // not following: readings are ignored

    StartFollowing();
    EXPECT_TRUE(m_follower.LabelShown());
    m_follower.Stop();
    EXPECT_FALSE(m_follower.LabelShown());
    EXPECT_FALSE(m_follower.Following());
}

TEST_F(RadioFollowerTest, TheWorkersReadingsReachTheEntryRow)
{
    Start();
    m_radio->SetReading(3'550'000, "CW");
    m_follower.Start(m_radio->Factory(), {5ms, 20ms});
    ASSERT_TRUE(test::RunUntil([&] { return m_row.Values().band == "3,5"; }));
    EXPECT_EQ(m_row.Values().mode, "CW");
    EXPECT_EQ(m_follower.LabelText(), QStringLiteral("Radio: 3.550,0 kHz CW"));
    EXPECT_TRUE(m_prompter.boxes.empty());
}

}  // namespace
}  // namespace zelkor
