#include "core/commands/AppContext.h"
#include "core/commands/LogEditing.h"
#include "core/log/LogList.h"
#include "core/log/WorkingFile.h"
#include "core/worked/WorkedTables.h"
#include "support/DocumentFixture.h"
#include "support/ScriptedPrompter.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QSettings>

#include <gtest/gtest.h>

#include <deque>
#include <functional>

namespace zelkor {
namespace {

using Cells = std::vector<std::string>;

const QByteArray kHeaderLines = "I2ABC\r\nMI\r\n\r\nSOP\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n";

// Plays the edit dialogs: per row, the values of each "Salva" pressed, run through the dialogs'
// own acceptance; when none is accepted (or there is none) the user presses "Annulla".
class ScriptedRowEditor : public RowEditor {
public:
    ScriptedRowEditor(const ProvinceTable& provinces, Prompter& prompter)
        : m_provinces(provinces), m_prompter(prompter)
    {
    }
    std::optional<QsoRowEdit> EditQsoRow(const QsoRowEdit& row) override
    {
        shownQso.push_back(row);
        return Play(qsoSaves, [this](QsoRowEdit& e) {
            return AcceptQsoEdit(e.values, m_provinces, m_prompter);
        });
    }
    std::optional<HrdRowEdit> EditHrdRow(const HrdRowEdit& row) override
    {
        shownHrd.push_back(row);
        return Play(hrdSaves, [this](HrdRowEdit& e) {
            return AcceptHrdEdit(e.values, m_provinces, m_prompter);
        });
    }

    std::deque<std::vector<QsoRowEdit>> qsoSaves;
    std::deque<std::vector<HrdRowEdit>> hrdSaves;
    std::vector<QsoRowEdit> shownQso;
    std::vector<HrdRowEdit> shownHrd;
    std::function<void()> onEachRow = [] {};

private:
    template <typename Edit, typename Accept>
    std::optional<Edit> Play(std::deque<std::vector<Edit>>& script, Accept accept)
    {
        onEachRow();
        std::vector<Edit> saves;
        if (!script.empty()) {
            saves = script.front();
            script.pop_front();
        }
        for (Edit& save : saves) {
            if (accept(save)) {
                return save;
            }
        }
        return std::nullopt;
    }

    const ProvinceTable& m_provinces;
    Prompter& m_prompter;
};

QsoRowEdit Qso(std::string callsign, std::string code, std::string date = "05.02.2006")
{
    return {"3,5",
            {std::move(date), "1432", "CW", std::move(callsign), "599", "579", std::move(code)}};
}

class LogEditingTest : public ::testing::Test {
protected:
    LogEditingTest()
    {
        m_context.summary.callsign = "I2ABC";
        m_context.summary.province = "MI";
        m_context.provinces.SetName(ProvinceIndexOf("RM"), "ROMA");
        m_context.provinces.SetName(ProvinceIndexOf("MI"), "MILANO");
        m_context.provinces.SetName(ProvinceIndexOf("PU"), "PESARO E URBINO");
        m_log.BuildStartColumns();
    }

    // Row n: "I<n>AAA" at 143<n>, in Milano for n = 2 and in Roma otherwise.
    void AddQsoRows(int count)
    {
        for (int n = 1; n <= count; ++n) {
            const std::string digit = std::to_string(n);
            m_log.AppendLogRow({"05.02.2006", "143" + digit, "7", "SSB", "I" + digit + "AAA", "59",
                                "5" + digit, n == 2 ? "MI" : "RM", n == 2 ? "Milano" : "Roma"});
        }
        m_tables.RebuildWorkedTables(m_log);
        ASSERT_TRUE(m_workingFile.WriteWorkingFile(m_log, m_context.summary));
    }
    Cells Row(int row) const
    {
        Cells cells;
        for (int column = 0; column < m_log.ColumnCount(); ++column) {
            cells.emplace_back(m_log.Cell(row, column));
        }
        return cells;
    }
    QByteArray Working() const { return m_folder.Read(QStringLiteral("_ult.zelk")); }
    QVariant StoredModified() const
    {
        return QSettings(m_config.File(QStringLiteral("zelkor.conf")), QSettings::IniFormat)
            .value(QStringLiteral("Parametri/Modificato"));
    }
    bool Worked(const char* code) const
    {
        return m_tables.Provinces().Entries(ProvinceIndexOf(code)) != WorkedEntry{};
    }
    int Modify() { return ModifySelectedRows(m_context, m_document, m_prompter, m_editor); }
    bool Delete(const BusyNotifier& busy = {})
    {
        return DeleteSelectedRows(m_context, m_document, m_prompter, busy);
    }

    test::TempFolder m_folder;
    test::TempFolder m_config;
    AppContext m_context{test::ContextWithStore(m_config)};
    LogDocument m_document{m_context.store.get(), m_folder.File(QStringLiteral("_ult.zelk"))};
    LogList& m_log = m_document.Log();
    WorkedTables& m_tables = m_document.Tables();
    test::ScriptedPrompter m_prompter;
    WorkingFile& m_workingFile = m_document.File();
    ScriptedRowEditor m_editor{m_context.provinces, m_prompter};
};

TEST_F(LogEditingTest, DeletingRowsTwoAndFourOfFiveRenumbersAndRewrites)
{
    AddQsoRows(5);
    m_log.SetSelectedRows({1, 3});
    m_prompter.answers = {Answer::Yes};
    std::vector<bool> busy;
    EXPECT_TRUE(Delete([&busy](bool on) { busy.push_back(on); }));

    ASSERT_EQ(m_prompter.boxes.size(), 1U);
    const MessageBox& box = m_prompter.boxes[0];
    EXPECT_EQ(box.title, QStringLiteral("Richiesta di conferma"));
    EXPECT_EQ(box.text,
              QStringLiteral("Hai scelto di cancellare 2 QSO del log.\nDopo la cancellazione "
                             "non sarà più possibile recuperarli.\n\nVuoi procedere?"));
    EXPECT_EQ(box.icon, MessageIcon::Question);
    EXPECT_EQ(box.buttons, MessageButtons::YesNo);
    EXPECT_EQ(busy, (std::vector<bool>{true, false}));

    ASSERT_EQ(m_log.RowCount(), 3);
    EXPECT_EQ(Row(0), (Cells{"    1", "05.02.2006", "1431", "7", "SSB", "I1AAA", "59", "51", "RM",
                             "Roma"}));
    EXPECT_EQ(Row(1)[0] + Row(1)[5] + Row(2)[0] + Row(2)[5], "    2I3AAA    3I5AAA");
    EXPECT_EQ(Working(), "zelk100;qso\r\n" + kHeaderLines +
                             "05.02.2006^1431^7^SSB^I1AAA^59^MI^51^RM^\r\n"
                             "05.02.2006^1433^7^SSB^I3AAA^59^MI^53^RM^\r\n"
                             "05.02.2006^1435^7^SSB^I5AAA^59^MI^55^RM^\r\n");
    EXPECT_FALSE(Worked("MI"));  // only the deleted row 2 had it
    EXPECT_TRUE(Worked("RM"));
    EXPECT_TRUE(m_document.IsModified());
    EXPECT_EQ(StoredModified().toInt(), 1);
}

// Large selections go in one pass; what stays must be exactly the unselected rows, in order,
// renumbered and on disk, whatever the shape of the selection.
TEST_F(LogEditingTest, DeletingALargeSelectionKeepsExactlyTheOtherRows)
{
    constexpr int kRows = 3000;
    struct Case {
        const char* name;
        bool (*selected)(int row);
    };
    const Case cases[] = {
        {"every row", [](int) { return true; }},
        {"a block in the middle", [](int row) { return row >= 1000 && row < 2500; }},
        {"two rows of every three", [](int row) { return row % 3 != 1; }},
        {"every row but the last", [](int row) { return row != kRows - 1; }},
    };
    for (const Case& c : cases) {
        m_log.DeleteAllRows();
        std::vector<int> selection;
        QByteArray expectedFile = "zelk100;qso\r\n" + kHeaderLines;
        std::vector<std::string> expectedCalls;
        for (int row = 0; row < kRows; ++row) {
            const std::string callsign =
                "IK" + std::to_string(row % 10) + "A" + std::to_string(row);
            m_log.AppendLogRow({"05.02.2006", "1432", "7", "CW", callsign, "599", "599",
                                row == 2999 ? "MI" : "RM", "Roma"});
            if (c.selected(row)) {
                selection.push_back(row);
            } else {
                expectedCalls.push_back(callsign);
                expectedFile +=
                    QByteArray::fromStdString("05.02.2006^1432^7^CW^" + callsign + "^599^MI^599^" +
                                              (row == 2999 ? "MI" : "RM") + "^\r\n");
            }
        }
        m_tables.RebuildWorkedTables(m_log);
        m_log.SetSelectedRows(selection);
        m_prompter.answers = {Answer::Yes};

        EXPECT_TRUE(Delete()) << c.name;

        ASSERT_EQ(m_log.RowCount(), static_cast<int>(expectedCalls.size())) << c.name;
        for (int row = 0; row < m_log.RowCount(); ++row) {
            ASSERT_EQ(m_log.Cell(row, QsoColumn::Callsign), expectedCalls[row]) << c.name;
            ASSERT_EQ(m_log.Cell(row, QsoColumn::Number), LogList::RowNumberText(row + 1))
                << c.name;
        }
        EXPECT_TRUE(m_log.SelectedRows().empty()) << c.name;
        EXPECT_EQ(Working(), expectedFile) << c.name;
        EXPECT_EQ(Worked("MI"), !c.selected(2999)) << c.name;
        EXPECT_EQ(Worked("RM"), m_log.RowCount() > (c.selected(2999) ? 0 : 1)) << c.name;
    }
}

TEST_F(LogEditingTest, NoToTheDeleteQuestionChangesNothing)
{
    AddQsoRows(3);
    const QByteArray before = Working();
    m_log.SetSelectedRows({0, 1, 2});
    m_prompter.answers = {Answer::No};
    bool busyShown = false;
    EXPECT_FALSE(Delete([&busyShown](bool) { busyShown = true; }));
    EXPECT_EQ(m_prompter.boxes.size(), 1U);
    EXPECT_FALSE(busyShown);
    EXPECT_EQ(m_log.RowCount(), 3);
    EXPECT_EQ(Working(), before);
    EXPECT_TRUE(Worked("MI"));
    EXPECT_FALSE(m_document.IsModified());
    EXPECT_FALSE(StoredModified().isValid());
}

TEST_F(LogEditingTest, DeletingTwelveHeardRowsAsksWithTheSameWords)
{
    m_log.SetSwlColumns();
    for (int n = 0; n < 12; ++n) {
        m_log.AppendLogRow({"05.02.2006", "1432", "7", "SSB", "I1XYZ", "59", "RM", "I2BBB"});
    }
    m_log.SetSelectedRows({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11});
    m_prompter.answers = {Answer::Yes};
    EXPECT_TRUE(Delete());
    EXPECT_TRUE(m_prompter.boxes[0].text.startsWith(
        QStringLiteral("Hai scelto di cancellare 12 QSO del log.\n")));
    EXPECT_EQ(m_log.RowCount(), 0);
    EXPECT_EQ(Working(), "zelk100;hrd\r\n" + QByteArray(kHeaderLines).replace("SOP", "SWL"));
}

TEST_F(LogEditingTest, AFailedRewriteIsReportedAndTheRowsStayDeleted)
{
    LogDocument unreachable(m_context.store.get(),
                            m_folder.File(QStringLiteral("missing/_ult.zelk")));
    unreachable.Log().BuildStartColumns();
    for (const char* callsign : {"I1AAA", "I2AAA"}) {
        unreachable.Log().AppendLogRow(
            {"05.02.2006", "1431", "7", "SSB", callsign, "59", "51", "RM", "Roma"});
    }
    unreachable.Log().SetSelectedRows({0});
    m_prompter.answers = {Answer::Yes};
    EXPECT_TRUE(DeleteSelectedRows(m_context, unreachable, m_prompter));
    ASSERT_EQ(m_prompter.boxes.size(), 2U);
    EXPECT_EQ(m_prompter.boxes[1].title, QStringLiteral("Errore"));
    EXPECT_EQ(unreachable.Log().RowCount(), 1);
    EXPECT_TRUE(unreachable.IsModified());

    // With its folder there, the next deletion writes the file whole and says it is so again.
    ASSERT_TRUE(QDir(m_folder.Path()).mkdir(QStringLiteral("missing")));
    unreachable.Log().SetSelectedRows({0});
    m_prompter.answers = {Answer::Yes};
    EXPECT_TRUE(DeleteSelectedRows(m_context, unreachable, m_prompter));
    ASSERT_EQ(m_prompter.boxes.size(), 4U);
    EXPECT_EQ(m_prompter.boxes[3].title, QStringLiteral("Informazione"));
    EXPECT_TRUE(m_prompter.boxes[3].text.startsWith(
        QStringLiteral("Il file di lavoro è di nuovo completo:\n") + unreachable.File().Path()));
    EXPECT_FALSE(unreachable.File().LacksRows());
}

TEST_F(LogEditingTest, ThreeSelectedRowsWithTheSecondCancelled)
{
    AddQsoRows(4);
    m_log.SetSelectedRows({0, 2, 3});
    m_editor.qsoSaves = {{Qso("IK0AAA", "RM")}, {}, {Qso("IK0DDD", "RM")}};
    std::vector<QByteArray> workingSeen;
    m_editor.onEachRow = [&] { workingSeen.push_back(Working()); };
    EXPECT_EQ(Modify(), 2);

    ASSERT_EQ(m_editor.shownQso.size(), 3U);
    const QsoRowEdit& third = m_editor.shownQso[2];
    const QsoEditValues& v = third.values;
    EXPECT_EQ(third.band + "|" + v.date + "|" + v.time + "|" + v.mode + "|" + v.callsign + "|" +
                  v.reportSent + "|" + v.reportReceived + "|" + v.provinceCode,
              "7|05.02.2006|1434|SSB|I4AAA|59|54|RM");
    // The first save reached the disk before the next row was shown.
    EXPECT_TRUE(workingSeen[1].contains("^IK0AAA^"));

    EXPECT_EQ(Row(0), (Cells{"    1", "05.02.2006", "1432", "3,5", "CW", "IK0AAA", "599", "579",
                             "RM", "Roma"}));
    EXPECT_EQ(Row(1)[5] + Row(2)[5], "I2AAAI3AAA");  // not selected; cancelled
    EXPECT_EQ(Row(3)[0] + Row(3)[5], "    4IK0DDD");
    EXPECT_TRUE(Working().endsWith("05.02.2006^1432^3,5^CW^IK0DDD^599^MI^579^RM^\r\n"));
    EXPECT_EQ(StoredModified().toInt(), 1);
}

TEST_F(LogEditingTest, ARefusedSaveThenCancelLeavesTheLogUnmodified)
{
    AddQsoRows(1);
    const QByteArray before = Working();
    m_log.SetSelectedRows({0});
    m_editor.qsoSaves = {{Qso("IK0AAA", "RM", "31.04.2006")}};
    EXPECT_EQ(Modify(), 0);
    ASSERT_EQ(m_prompter.boxes.size(), 1U);
    EXPECT_EQ(m_prompter.boxes[0].text, QStringLiteral("Data errata!"));
    EXPECT_EQ(Row(0)[5], "I1AAA");
    EXPECT_EQ(Working(), before);
    EXPECT_FALSE(m_document.IsModified());
}

struct ProvinceCase {
    std::string code;
    bool asked;
    std::string savedName;
};

class ModifyProvinceTest : public LogEditingTest,
                           public ::testing::WithParamInterface<ProvinceCase> {};

// The first row is in Roma; "Salva" is pressed twice, the unknown-province question answered No
// (the dialog stays open), then Yes.
TEST_P(ModifyProvinceTest, SavesTheCapitalisedNameOrAfterYesNone)
{
    AddQsoRows(1);
    m_log.SetSelectedRows({0});
    m_editor.qsoSaves = {{Qso("ik0abc", GetParam().code), Qso("ik0abc", GetParam().code)}};
    m_prompter.answers = {Answer::No, Answer::Yes};
    EXPECT_EQ(Modify(), 1);
    EXPECT_EQ(m_prompter.boxes.size(), GetParam().asked ? 2U : 0U);
    for (const MessageBox& box : m_prompter.boxes) {
        EXPECT_EQ(box.title, QStringLiteral("Domanda"));
        EXPECT_EQ(box.text,
                  QStringLiteral(
                      "ATTENZIONE! Sigla provincia sconosciuta.\n\nVuoi inserirlo ugualmente?"));
        EXPECT_EQ(box.buttons, MessageButtons::YesNo);
    }
    EXPECT_EQ(Row(0)[5], "IK0ABC");
    EXPECT_EQ(Row(0)[8], GetParam().code);
    EXPECT_EQ(Row(0)[9], GetParam().savedName);
    EXPECT_FALSE(Worked("RM"));
}

INSTANTIATE_TEST_SUITE_P(Codes, ModifyProvinceTest,
                         ::testing::Values(ProvinceCase{"MI", false, "Milano"},
                                           ProvinceCase{"PU", false, "Pesaro E Urbino"},
                                           ProvinceCase{"XY", true, ""},
                                           ProvinceCase{"R", true, ""}));

TEST_F(LogEditingTest, HeardRowKeepsItsColumnsAndAsksWithInserirli)
{
    m_log.SetSwlColumns();
    m_log.AppendLogRow({"05.02.2006", "1432", "7", "SSB", "I1XYZ", "59", "RM", "I2BBB"});
    m_log.SetSelectedRows({0});
    m_editor.hrdSaves = {{{"14", {"06.02.2006", "0915", "RTTY", "i3ccc", "iz4ddd", "579", "ZZ"}}}};
    m_prompter.answers = {Answer::Yes};
    EXPECT_EQ(Modify(), 1);
    ASSERT_EQ(m_editor.shownHrd.size(), 1U);
    const HrdEditValues& v = m_editor.shownHrd[0].values;
    EXPECT_EQ(m_editor.shownHrd[0].band + v.mode + v.callingCallsign + v.report + v.provinceCode +
                  v.answeringCallsign,
              "7SSBI1XYZ59RMI2BBB");
    ASSERT_EQ(m_prompter.boxes.size(), 1U);
    EXPECT_EQ(
        m_prompter.boxes[0].text,
        QStringLiteral("ATTENZIONE! Sigla provincia sconosciuta.\n\nVuoi inserirli ugualmente?"));
    EXPECT_EQ(Row(0),
              (Cells{"    1", "06.02.2006", "0915", "14", "RTTY", "I3CCC", "579", "ZZ", "IZ4DDD"}));
}

TEST(FindListEntryTest, OpensOnTheFirstEntryThatBeginsWithTheRowText)
{
    for (const auto& [text, entry] : std::vector<std::pair<std::string_view, int>>{
             {"3,5", 1}, {"7", 2}, {"1", 0}, {"14", 3}, {"", -1}, {"3,5 ", -1}, {"10", -1}}) {
        EXPECT_EQ(FindListEntry(kEditBandEntries, text), entry) << text;
    }
    for (const auto& [text, entry] : std::vector<std::pair<std::string_view, int>>{
             {"SSB", 0}, {"cw", 1}, {"PSK", 3}, {"R", 2}, {"FM", -1}, {"PSK31X", -1}}) {
        EXPECT_EQ(FindListEntry(kEditModeEntries, text), entry) << text;
    }
}

struct SortCase {
    const char* name;
    std::vector<Cells> rows;  // date, time, callsign
    std::vector<std::string> sortedCallsigns;
};

class SortByDateTimeTest : public LogEditingTest, public ::testing::WithParamInterface<SortCase> {};

TEST_P(SortByDateTimeTest, OrdersAndRenumbersButLeavesTheDiskAlone)
{
    for (const Cells& row : GetParam().rows) {
        m_log.AppendLogRow({row[0], row[1], "7", "SSB", row[2], "59", "59", "RM", "Roma"});
    }
    ASSERT_TRUE(m_workingFile.WriteWorkingFile(m_log, m_context.summary));
    const QByteArray before = Working();
    SortByDateTime(m_log);
    for (int row = 0; row < m_log.RowCount(); ++row) {
        EXPECT_EQ(Row(row)[0], LogList::RowNumberText(row + 1));
        EXPECT_EQ(Row(row)[5], GetParam().sortedCallsigns[row]) << "row " << row;
    }
    EXPECT_EQ(Working(), before);
    EXPECT_FALSE(m_document.IsModified());
    EXPECT_FALSE(StoredModified().isValid());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SortByDateTimeTest,
    ::testing::Values(SortCase{"FebruaryBeforeJanuary31ByText",
                               {{"31.01.2006", "1200", "I1JAN"}, {"01.02.2006", "0800", "I1FEB"}},
                               {"I1FEB", "I1JAN"}},
                      SortCase{"SameDateByTime",
                               {{"05.02.2006", "1432", "I1B"}, {"05.02.2006", "0915", "I1A"}},
                               {"I1A", "I1B"}},
                      SortCase{"EqualRowsAreNotKeptInOrder",
                               {{"05.02.2006", "1432", "I1B"},
                                {"05.02.2006", "1432", "I2B"},
                                {"05.02.2006", "1200", "I1A"}},
                               {"I1A", "I2B", "I1B"}},
                      SortCase{"TimeOnlyWhenDatesAreEqual",
                               {{"04.02.2006", "2359", "I1A"}, {"05.02.2006", "0000", "I1B"}},
                               {"I1A", "I1B"}},
                      SortCase{"ShorterTimeFirst",
                               {{"05.02.2006", "1432", "I1B"}, {"05.02.2006", "143", "I1A"}},
                               {"I1A", "I1B"}}),
    [](const auto& instance) { return std::string(instance.param.name); });

}  // namespace
}  // namespace zelkor
