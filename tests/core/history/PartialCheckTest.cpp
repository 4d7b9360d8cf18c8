// The partial check: which callsigns contain what was typed, from the history and from the log,
// in what order, with which province and worked groups; and the window's logic around it.

#include "core/entry/EntryRowFixture.h"
#include "core/history/PartialCheckIndex.h"
#include "core/presenters/PartialCheck.h"

namespace zelkor {

void PrintTo(const PartialMatch& match, std::ostream* out)
{
    *out << match.callsign << ' ' << match.province << (match.inLog ? " in log " : " ")
         << int{match.worked};
}

void PrintTo(const PartialCheckLine& line, std::ostream* out)
{
    *out << line.callsign << '|' << line.province << '|' << line.provinceName << '|' << line.logged;
}

namespace {

std::vector<std::string> Callsigns(const PartialCheckIndex::Result& result)
{
    std::vector<std::string> callsigns;
    for (const PartialMatch& match : result.matches) {
        callsigns.push_back(match.callsign);
    }
    return callsigns;
}

CallHistory SmallHistory()
{
    CallHistory history;
    for (const auto& [callsign, code] :
         {std::pair{"IK0ABC", "RM"}, std::pair{"IK0ABD", "LT"}, std::pair{"IZ0ABC", "RI"},
          std::pair{"I1ABC", "TO"}, std::pair{"IK2XYZ", "MI"}, std::pair{"IW3ABCD", "VE"}}) {
        history.Merge({callsign, code, ""});
    }
    return history;
}

TEST(PartialCheckIndexTest, CallsignsThatContainTheTextInCallsignOrder)
{
    PartialCheckIndex index;
    index.SetHistory(SmallHistory());
    struct Case {
        const char* typed;
        std::vector<std::string> callsigns;
    };
    const Case cases[] = {
        {"ABC", {"I1ABC", "IK0ABC", "IW3ABCD", "IZ0ABC"}},
        {" abc ", {"I1ABC", "IK0ABC", "IW3ABCD", "IZ0ABC"}},
        {"K0A", {"IK0ABC", "IK0ABD"}},
        {"IK0ABC", {"IK0ABC"}},
        {"BCD", {"IW3ABCD"}},
        {"XYZ", {"IK2XYZ"}},
        {"QQQ", {}},
        {"AB", {}},  // too short
        {"", {}},
        {"IK0ABCX", {}},
        {"C\nI", {}},  // never across two callsigns
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Callsigns(index.Find(c.typed, 100)), c.callsigns) << c.typed;
    }
}

TEST(PartialCheckIndexTest, TheLogAddsItsStationsAndTheirProvinceAndGroups)
{
    LogList log;
    log.BuildStartColumns();
    log.AppendLogRow(Qso("IK0ABC", "7", "CW", "FR"));  // the log's province wins
    log.AppendLogRow(Qso("IK0ABC", "3,5", "SSB", "RM"));
    log.AppendLogRow(Qso("IK0ABC", "7", "PSK31", "RM"));
    log.AppendLogRow(Qso("IQ0ABC", "3,5", "RTTY", "PG"));  // in the log only
    PartialCheckIndex index;
    index.SetHistory(SmallHistory());
    index.SetLog(log);
    const PartialCheckIndex::Result result = index.Find("0ABC", 100);
    // Bits: band + 2 x mode group; 7 CW is 1 + 2, 3,5 SSB 0, 7 digital 1 + 4, 3,5 digital 4.
    EXPECT_EQ(result.matches,
              (std::vector<PartialMatch>{{"IK0ABC", "FR", true, (1 << 3) | (1 << 0) | (1 << 5)},
                                         {"IQ0ABC", "PG", true, 1 << 4},
                                         {"IZ0ABC", "RI", false, 0}}));
    EXPECT_EQ(result.total, 3);

    // A row appended on its own joins the index; a station once appended is not listed twice.
    log.AppendLogRow(Qso("IZ0ABC", "7", "SSB", "RI"));
    index.AddLogRow(log, 4);
    EXPECT_EQ(index.Find("IZ0A", 100).matches,
              (std::vector<PartialMatch>{{"IZ0ABC", "RI", true, 1 << 1}}));
}

TEST(PartialCheckIndexTest, AListenersLogGivesCallingStationsGroupsAndAnsweringStationsAMark)
{
    LogList log;
    log.BuildStartColumns();
    log.SetSwlColumns();
    log.AppendLogRow({"14.02.2026", "1400", "3,5", "CW", "IK0ABC", "599", "RM", "IK7QQQ"});
    PartialCheckIndex index;
    index.SetLog(log);
    EXPECT_EQ(index.Find("IK", 100).matches.size(), 0U);
    EXPECT_EQ(index.Find("IK7", 100).matches, (std::vector<PartialMatch>{{"IK7QQQ", "", true, 0}}));
    EXPECT_EQ(index.Find("IK0", 100).matches,
              (std::vector<PartialMatch>{{"IK0ABC", "RM", true, 1 << 2}}));
}

TEST(PartialCheckIndexTest, TheLimitCutsTheListButNotTheCount)
{
    CallHistory history;
    for (int i = 0; i < 250; ++i) {
        history.Merge({"IK0A" + std::string(1, static_cast<char>('A' + i / 26 % 26)) +
                           std::string(1, static_cast<char>('A' + i % 26)) + std::to_string(i),
                       "RM", ""});
    }
    LogList log;
    log.BuildStartColumns();
    log.AppendLogRow(Qso("IK0AAA", "7", "CW", "RM"));
    PartialCheckIndex index;
    index.SetHistory(history);
    index.SetLog(log);
    const PartialCheckIndex::Result result = index.Find("IK0A", 100);
    EXPECT_EQ(result.total, 251);
    ASSERT_EQ(result.matches.size(), 100U);
    // The log's own station sorts first ("IK0AAA" < "IK0AAA0").
    EXPECT_EQ(result.matches[0].callsign, "IK0AAA");
    EXPECT_EQ(result.matches[1].callsign, "IK0AAA0");
    EXPECT_TRUE(std::is_sorted(
        result.matches.begin(), result.matches.end(),
        [](const PartialMatch& a, const PartialMatch& b) { return a.callsign < b.callsign; }));
}

class PartialCheckTest : public EntryRowTest {
protected:
    PartialCheckTest()
    {
        m_context.history = SmallHistory();
        m_context.settings.currentBand = "7";
        m_context.settings.currentMode = "CW";
        QObject::connect(&m_check, &PartialCheck::refreshNeeded, [this] { ++m_requests; });
    }

    PartialCheck m_check{m_context, m_log, m_row};
    int m_requests = 0;
};

TEST_F(PartialCheckTest, TheLinesFollowTheTextTypedOnlyWhileActive)
{
    Start({Qso("IK0ABC", "7", "CW", "RM"), Qso("IK0ABC", "3,5", "SSB", "RM")});
    m_check.OnCallsignText(EntryField::Callsign, "K0A");
    m_check.Refresh();
    EXPECT_EQ(m_requests, 0);
    EXPECT_TRUE(m_check.Lines().empty());

    m_check.SetActive(true);
    EXPECT_EQ(m_requests, 1);
    m_check.Refresh();
    EXPECT_EQ(m_check.Lines(),
              (std::vector<PartialCheckLine>{{"IK0ABC", "RM", "Roma", "3,5 ssb, 7 cw"},
                                             {"IK0ABD", "LT", "", ""}}));
    EXPECT_EQ(m_check.StatusText(), QStringLiteral("Nominativi che contengono \"K0A\": 2"));

    m_check.OnCallsignText(EntryField::Callsign, "ik");
    m_check.Refresh();
    EXPECT_TRUE(m_check.Lines().empty());
    EXPECT_EQ(m_check.StatusText(), QStringLiteral("Scrivere almeno 3 caratteri del nominativo."));
    m_check.OnCallsignText(EntryField::Callsign, "ik9");
    m_check.Refresh();
    EXPECT_EQ(m_check.StatusText(), QStringLiteral("Nessun nominativo contiene \"IK9\"."));
}

TEST_F(PartialCheckTest, ContactsLoggedAndHistoryImportedShowAtTheNextRefresh)
{
    Start();
    m_check.SetActive(true);
    m_check.OnCallsignText(EntryField::Callsign, "IK2");
    m_check.Refresh();
    EXPECT_EQ(m_check.Lines(), (std::vector<PartialCheckLine>{{"IK2XYZ", "MI", "Milano", ""}}));

    // Logged through the entry row: the station is marked at once.
    Type(EntryField::Callsign, "IK2XYZ");
    m_row.OnEntryEnter();
    ASSERT_EQ(m_row.OnEntryEnter(), EnterOutcome::Logged);
    Type(EntryField::Callsign, "IK2");
    m_row.OnEntryEnter();
    m_check.OnCallsignText(EntryField::Callsign, "IK2X");
    m_check.Refresh();
    EXPECT_EQ(m_check.Lines(), (std::vector<PartialCheckLine>{{"IK2XYZ", "MI", "Milano", "7 cw"}}));

    m_context.history.Merge({"IK2XYA", "FI", ""});
    m_check.OnHistoryChanged();
    m_check.Refresh();
    ASSERT_EQ(m_check.Lines().size(), 2U);
    EXPECT_EQ(m_check.Lines()[0], (PartialCheckLine{"IK2XYA", "FI", "Firenze", ""}));

    // Rows deleted: the index is built again from the log.
    m_log.DeleteAllRows();
    m_check.Refresh();
    EXPECT_EQ(m_check.Lines()[1], (PartialCheckLine{"IK2XYZ", "MI", "Milano", ""}));
}

TEST_F(PartialCheckTest, ADoubleClickPutsTheCallsignIntoTheFieldTypedIn)
{
    Start();
    m_check.SetActive(true);
    Type(EntryField::Callsign, "XYZ");
    m_check.OnCallsignText(EntryField::Callsign, "XYZ");
    m_check.Refresh();
    ASSERT_EQ(m_check.Lines().size(), 1U);
    m_check.Choose(0);
    EXPECT_EQ(m_row.Values().callsign, "IK2XYZ");
    EXPECT_EQ(m_row.Focus(), EntryField::Callsign);
    // Enter then leaves the field as for a typed callsign: the province comes from the history.
    m_row.OnEntryEnter();
    EXPECT_EQ(m_row.Values().provinceCode, "MI");
    EXPECT_EQ(m_row.Values().provinceName, "Milano");

    // From the province field: the callsign goes back where it was typed, with the focus.
    m_check.OnCallsignText(EntryField::Callsign, "ABD");
    m_check.Refresh();
    m_check.Choose(0);
    EXPECT_EQ(m_row.Values().callsign, "IK0ABD");
    EXPECT_EQ(m_row.Focus(), EntryField::Callsign);
    EXPECT_EQ(m_row.Values().provinceCode, "");
    m_check.Choose(5);  // no such line
    EXPECT_EQ(m_row.Values().callsign, "IK0ABD");
}

TEST(PartialCheckWorkedTextTest, GroupsByBandThenMode)
{
    EXPECT_EQ(PartialCheck::WorkedText(0), "");
    EXPECT_EQ(PartialCheck::WorkedText(1 << 0), "3,5 ssb");
    EXPECT_EQ(PartialCheck::WorkedText(0x3F), "3,5 ssb, 3,5 cw, 3,5 rtty, 7 ssb, 7 cw, 7 rtty");
}

}  // namespace
}  // namespace zelkor
