#include "core/presenters/ProvinceList.h"

#include "ProvinceTestHelpers.h"
#include "core/contest/BandMode.h"
#include "core/worked/ProvinceWorkedTable.h"
#include "support/ScriptedPrompter.h"
#include "support/TempFolder.h"

#include <QFile>

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace zelkor {
namespace {

using test::Entries;
using test::ProvinceEntries;
using Rows = std::vector<ProvinceEntry>;
using Texts = std::vector<std::string>;

const ProvinceEntries kCapitalised = {
    {"AL", "Alessandria"}, {"MI", "Milano"}, {"RE", "Reggio Nell'Emilia"}, {"TO", "Torino"}};

Rows CodesAndNames(const ProvinceList& list)
{
    Rows rows;
    for (const ProvinceListRow& row : list.Rows()) {
        rows.push_back({row.code, row.name});
    }
    return rows;
}

Texts WorkedTexts(const ProvinceList& list)
{
    Texts texts;
    for (const ProvinceListRow& row : list.Rows()) {
        texts.push_back(row.worked);
    }
    return texts;
}

class ProvinceListTest : public ::testing::Test {
protected:
    ProvinceListTest()
    {
        m_table.SetName(ProvinceIndexOf("TO"), "TORINO");
        m_table.SetName(ProvinceIndexOf("MI"), "MILANO");
        m_table.SetName(ProvinceIndexOf("AL"), "ALESSANDRIA");
        m_table.SetName(ProvinceIndexOf("RE"), "REGGIO NELL'EMILIA");
        // MI: SSB on both bands, CW on 40 m; RM: RTTY/PSK31 on 80 m.
        for (const auto& [code, modeRow, band] : {std::tuple{"MI", 0, 0}, std::tuple{"MI", 0, 1},
                                                  std::tuple{"MI", 1, 1}, std::tuple{"RM", 2, 0}}) {
            m_worked.MarkProvinceWorked(ProvinceIndexOf(code), modeRow, BandBit(band));
        }
    }

    // A list that holds exactly these rows, in this order.
    ProvinceList ListOf(const Rows& rows)
    {
        m_table.Clear();
        ProvinceList list(m_table, m_worked);
        for (const ProvinceEntry& row : rows) {
            list.AppendRow(row);
        }
        return list;
    }

    const MessageBox& OnlyBox() const
    {
        EXPECT_EQ(m_prompter.boxes.size(), 1U);
        EXPECT_EQ(m_prompter.boxes.front().title, QStringLiteral("Errore"));
        EXPECT_EQ(m_prompter.boxes.front().icon, MessageIcon::Stop);
        return m_prompter.boxes.front();
    }

    ProvinceTable m_table;
    ProvinceWorkedTable m_worked;
    test::ScriptedPrompter m_prompter;
    test::TempFolder m_folder;
    const QString m_path = m_folder.File(QStringLiteral("_prov.cod"));
};

TEST_F(ProvinceListTest, OpeningCapitalisesTheTableItselfEvenWhenLeftWithoutSaving)
{
    ProvinceList list(m_table, m_worked);
    EXPECT_EQ(Entries(m_table), kCapitalised);
    EXPECT_EQ(list.Rows()[2], (ProvinceListRow{"RE", "Reggio Nell'Emilia", ""}));
    list.Restore();
    EXPECT_EQ(Entries(m_table), kCapitalised);
}

TEST_F(ProvinceListTest, RowsChangedAfterShowingTheColumnHaveNoWorkedText)
{
    ProvinceList list(m_table, m_worked);
    list.ShowWorked(true);
    EXPECT_EQ(WorkedTexts(list), (Texts{"-- -- --", "84 -4 --", "-- -- --", "-- -- --"}));

    // MI's text must not stay on the row now coded RM, nor appear on the new row.
    list.SetSelectedRows({1});
    list.EditSelectedRows([](const ProvinceEntry&) { return ProvinceEntry{"RM", "Roma"}; });
    list.AppendRow({"MI", "Milano"});
    EXPECT_EQ(WorkedTexts(list), (Texts{"-- -- --", "", "-- -- --", "-- -- --", ""}));

    list.ShowWorked(false);
    EXPECT_EQ(WorkedTexts(list), Texts(5));
    list.ShowWorked(true);
    EXPECT_EQ(WorkedTexts(list),
              (Texts{"-- -- --", "-- -- 8-", "-- -- --", "-- -- --", "84 -4 --"}));
}

TEST_F(ProvinceListTest, EditWalksTheSelectedRowsFirstToLast)
{
    ProvinceList list(m_table, m_worked);
    list.SetSelectedRows({3, 0, 2, 9});
    Texts asked;
    list.EditSelectedRows([&asked](const ProvinceEntry& current) -> std::optional<ProvinceEntry> {
        asked.push_back(current.code);
        if (current.code == "RE") {
            return std::nullopt;
        }
        return ProvinceEntry{current.code, "X"};
    });
    EXPECT_EQ(asked, (Texts{"AL", "RE", "TO"}));
    EXPECT_EQ(CodesAndNames(list),
              (Rows{{"AL", "X"}, {"MI", "Milano"}, {"RE", "Reggio Nell'Emilia"}, {"TO", "X"}}));
}

TEST_F(ProvinceListTest, SortsGiveTheExchangeSortsOrder)
{
    const std::string longName = "Provincia Dal Nome Assai Piu Lungo Del Campo";
    struct Case {
        const char* what;
        bool byCode;
        Rows rows;
        Rows sorted;
    };
    // clang-format off
    const Case cases[] = {
        {"c before t", false, {{"AT", "Asti"}, {"AP", "Ascoli Piceno"}},
                              {{"AP", "Ascoli Piceno"}, {"AT", "Asti"}}},
        {"accented after unaccented", false, {{"AO", "\xC0osta"}, {"ZA", "Zara"}},
                                             {{"ZA", "Zara"}, {"AO", "\xC0osta"}}},
        {"lower case after upper case", false, {{"AO", "aosta"}, {"BI", "Biella"}},
                                               {{"BI", "Biella"}, {"AO", "aosta"}}},
        {"equal names stay where the exchanges put them", false,
         {{"BB", "Xa"}, {"CC", "Xa"}, {"AA", "Ab"}}, {{"AA", "Ab"}, {"CC", "Xa"}, {"BB", "Xa"}}},
        {"equal codes stay where the exchanges put them", true,
         {{"MI", "Milano"}, {"MI", "Monza"}, {"AL", "Alba"}},
         {{"AL", "Alba"}, {"MI", "Monza"}, {"MI", "Milano"}}},
        {"a name longer than the field is carried whole", true,
         {{"ZZ", longName}, {"AA", "Corta"}}, {{"AA", "Corta"}, {"ZZ", longName}}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ProvinceList list = ListOf(c.rows);
        c.byCode ? list.SortByCode() : list.SortByName();
        EXPECT_EQ(CodesAndNames(list), c.sorted);
    }
}

TEST_F(ProvinceListTest, SortHidesTheWorkedColumnAndDropsTheSelectionOfMovedRows)
{
    for (const bool byCode : {true, false}) {
        SCOPED_TRACE(byCode ? "by code" : "by name");
        ProvinceList list = ListOf({{"AA", "A"}, {"CC", "C"}, {"BB", "B"}, {"DD", "D"}});
        list.ShowWorked(true);
        list.SetSelectedRows({0, 1, 2});
        byCode ? list.SortByCode() : list.SortByName();
        EXPECT_FALSE(list.WorkedShown());
        EXPECT_EQ(WorkedTexts(list), Texts(4));
        list.DeleteSelectedRows();
        EXPECT_EQ(CodesAndNames(list), (Rows{{"BB", "B"}, {"CC", "C"}, {"DD", "D"}}));
    }
}

TEST_F(ProvinceListTest, ConflictNamesBothProvincesAndLeavingRestoresTheOpenedTable)
{
    ProvinceList list(m_table, m_worked);
    // Not refused when added; sorted, the new row comes before RE and TO.
    list.AppendRow({"MI", "Monza"});
    list.SortByName();
    EXPECT_FALSE(list.Save(m_prompter));
    EXPECT_EQ(OnlyBox().text, QStringLiteral("ATTENZIONE!\n\nLe province di Milano\ne di Monza\n"
                                             "hanno la stessa sigla: MI\n\nModifica le sigle!"));
    EXPECT_FALSE(list.CancelEnabled());
    EXPECT_EQ(Entries(m_table), (ProvinceEntries{{"AL", "Alessandria"}, {"MI", "Milano"}}));
    list.Restore();
    EXPECT_EQ(Entries(m_table), kCapitalised);
}

TEST_F(ProvinceListTest, CorrectedSaveWritesTheRowsAndDropsANameOfBlanks)
{
    ProvinceList list(m_table, m_worked);
    list.AppendRow({"MI", "Monza"});
    EXPECT_FALSE(list.Save(m_prompter));
    list.SetSelectedRows({3, 4});
    list.EditSelectedRows([this](const ProvinceEntry& row) {
        return row.code == "TO" ? ProvinceEdit::Save({"TO", "  "}, m_prompter)
                                : ProvinceEdit::Save({"MB", row.name}, m_prompter);
    });
    EXPECT_EQ(list.Rows()[3].name, "");
    ASSERT_TRUE(list.Save(m_prompter));
    EXPECT_EQ(list.WriteProvinceFile(m_path, m_prompter), ProvinceListOutcome::Saved);
    EXPECT_EQ(m_folder.Read(QStringLiteral("_prov.cod")),
              QByteArray("AL Alessandria\r\nMB Monza\r\nMI Milano\r\nRE Reggio Nell'Emilia\r\n"));
}

TEST_F(ProvinceListTest, DeletingEveryRowSavesAnEmptyFile)
{
    m_folder.Write(QStringLiteral("_prov.cod"), "MI MILANO\r\n");
    ProvinceList list(m_table, m_worked);
    list.SetSelectedRows({0, 1, 2, 3});
    list.DeleteSelectedRows();
    ASSERT_TRUE(list.Save(m_prompter));
    EXPECT_EQ(list.WriteProvinceFile(m_path, m_prompter), ProvinceListOutcome::Saved);
    EXPECT_TRUE(QFile::exists(m_path));
    EXPECT_EQ(m_folder.Read(QStringLiteral("_prov.cod")), QByteArray());
}

TEST_F(ProvinceListTest, FileThatCannotBeWrittenIsReported)
{
    ProvinceList list(m_table, m_worked);
    ASSERT_TRUE(list.Save(m_prompter));
    EXPECT_EQ(list.WriteProvinceFile(m_folder.File(QStringLiteral("manca/_prov.cod")), m_prompter),
              ProvinceListOutcome::FileNotWritten);
    EXPECT_EQ(OnlyBox().text, QStringLiteral("Non posso salvare sul file _prov.cod!\n\nLa "
                                             "cartella che dovrebbe contenerlo non esiste."));
    EXPECT_EQ(Entries(m_table), kCapitalised);
}

TEST_F(ProvinceListTest, ColumnWidthsShareTheInnerWidthLessTwenty)
{
    EXPECT_EQ(ProvinceList::ColumnWidths(520, false), (std::array{80, 420, 0}));
    EXPECT_EQ(ProvinceList::ColumnWidths(520, true), (std::array{80, 210, 210}));
    EXPECT_EQ(ProvinceList::ColumnWidths(123, true), (std::array{16, 43, 43}));
    EXPECT_EQ(ProvinceList::ColumnWidths(10, false), (std::array{0, 0, 0}));
}

}  // namespace
}  // namespace zelkor
