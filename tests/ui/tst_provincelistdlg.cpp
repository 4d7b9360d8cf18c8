// The province list and province edit windows on screen: what they show, how their commands
// reach the rows, and what leaving them does to the province table.

#include "core/contest/BandMode.h"
#include "core/worked/ProvinceWorkedTable.h"
#include "support/ScriptedPrompter.h"
#include "support/TempFolder.h"
#include "ui/platform/QtPrompter.h"
#include "ui/provinces/CProvinceEditDlg.h"
#include "ui/provinces/CProvinceListDlg.h"

#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

#include <array>
#include <functional>

using namespace zelkor;

namespace {

ProvinceTable Provinces()
{
    ProvinceTable table;
    for (const auto& [code, name] : {std::pair{"TO", "TORINO"}, std::pair{"MI", "MILANO"},
                                     std::pair{"AT", "ASTI"}, std::pair{"AP", "ASCOLI PICENO"}}) {
        table.SetName(ProvinceIndexOf(code), name);
    }
    return table;
}

template <typename T>
T* Find(const QWidget& window, const char* name)
{
    return window.findChild<T*>(QString::fromLatin1(name));
}

QStringList Texts(const QList<QAction*>& actions)
{
    QStringList texts;
    for (const QAction* action : actions) {
        texts << action->text();
    }
    return texts;
}

QStringList Column(const QTreeWidget& list, int column)
{
    QStringList texts;
    for (int row = 0; row < list.topLevelItemCount(); ++row) {
        texts << list.topLevelItem(row)->text(column);
    }
    return texts;
}

// Runs `act` on the window of type T once it is open modally inside a command; a window that
// act leaves open is closed, so that a failed check cannot leave the test waiting.
template <typename T>
void WhenOpen(std::function<void(T&)> act)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, act] {
        if (auto* window = qobject_cast<T*>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            act(*window);
            if (window->isVisible()) {
                window->reject();
            }
        }
    });
    poll->start(10);
}

void Fill(CProvinceEditDlg& edit, const QString& code, const QString& name)
{
    Find<QLineEdit>(edit, "codeEdit")->setText(code);
    Find<QLineEdit>(edit, "nameEdit")->setText(name);
    Find<QPushButton>(edit, "saveButton")->click();
}

void ClickHeader(QTreeWidget* list, int column)
{
    QHeaderView* header = list->header();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      {header->sectionViewportPosition(column) + 5, header->height() / 2});
}

}  // namespace

enum class Leave { Escape, MenuAnnulla, CloseBox };
Q_DECLARE_METATYPE(Leave)

class TestProvinceListDlg : public QObject {
    Q_OBJECT

private slots:
    void ShowsTheCapitalisedTableWithItsMenusAndColumns();
    void WorkedColumnComesWithTheCheckAndGoesWithAHeaderSort();
    void ConflictDisablesAnnullaAndLeavingRestoresTheTable_data();
    void ConflictDisablesAnnullaAndLeavingRestoresTheTable();
    void EditWindowTypesCapitalsAndRefusesABadCode();
    void SaveWritesTheProvinceFile();
};

void TestProvinceListDlg::ShowsTheCapitalisedTableWithItsMenusAndColumns()
{
    ProvinceTable table = Provinces();
    test::ScriptedPrompter prompter;
    const ProvinceWorkedTable worked;
    CProvinceListDlg dialog(table, worked, prompter);
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Elenco province italiane"));
    QCOMPARE(table.ProvinceNameOf("AP"), std::string("Ascoli Piceno"));
    QCOMPARE(Find<QMenu>(dialog, "provinceMenu")->title(), QStringLiteral("Provincia"));
    QCOMPARE(Texts(Find<QMenu>(dialog, "provinceMenu")->actions()),
             QStringList({"Modifica", "Aggiungi", "Elimina", "Ordina per sigla", "Ordina per nome",
                          "Salva", "Annulla"}));
    QCOMPARE(
        Texts(Find<QMenu>(dialog, "contextMenu")->actions()),
        QStringList({"Modifica ", "Aggiungi", "Elimina", "Ordina per sigla", "Ordina per nome"}));

    const auto* list = Find<QTreeWidget>(dialog, "provinceList");
    QCOMPARE(list->headerItem()->text(0), QStringLiteral("Sigla"));
    QCOMPARE(list->headerItem()->text(1), QStringLiteral("Nome Provincia"));
    QCOMPARE(Column(*list, 1), QStringList({"Ascoli Piceno", "Asti", "Milano", "Torino"}));
    QCOMPARE(list->columnWidth(1),
             ProvinceList::ColumnWidths(list->contentsRect().width(), false)[1]);
    QCOMPARE(Find<QPushButton>(dialog, "cancelButton")->accessibleName(),
             QStringLiteral("Annulla"));
}

void TestProvinceListDlg::WorkedColumnComesWithTheCheckAndGoesWithAHeaderSort()
{
    ProvinceTable table = Provinces();
    ProvinceWorkedTable worked;
    worked.MarkProvinceWorked(ProvinceIndexOf("MI"), 0, BandBit(0));
    worked.MarkProvinceWorked(ProvinceIndexOf("MI"), 0, BandBit(1));
    worked.MarkProvinceWorked(ProvinceIndexOf("MI"), 1, BandBit(1));
    test::ScriptedPrompter prompter;
    CProvinceListDlg dialog(table, worked, prompter);
    dialog.show();
    auto* list = Find<QTreeWidget>(dialog, "provinceList");
    auto* check = Find<QCheckBox>(dialog, "workedCheck");
    QCOMPARE(check->text(), QStringLiteral("Mostra bande/modi lavorati"));

    check->click();
    QCOMPARE(list->headerItem()->text(2), QStringLiteral("Bande lavorate ssb/cw/rtty"));
    QCOMPARE(Column(*list, 2), QStringList({"-- -- --", "-- -- --", "84 -4 --", "-- -- --"}));
    // The three columns share the list's width; the third heading, wider than its share in the
    // usual fonts, borrows what the others spare beyond their own heading and contents.
    const std::array<int, 3> shares =
        ProvinceList::ColumnWidths(list->contentsRect().width(), true);
    QCOMPARE(list->columnWidth(0) + list->columnWidth(1) + list->columnWidth(2),
             shares[0] + shares[1] + shares[2]);
    QVERIFY(list->columnWidth(2) >= list->header()->sectionSizeHint(2));
    for (const int column : {0, 1}) {
        QVERIFY(list->columnWidth(column) >= list->header()->sectionSizeHint(column));
        QVERIFY(list->columnWidth(column) >=
                static_cast<const QAbstractItemView*>(list)->sizeHintForColumn(column));
    }

    // A double-click edits; the edited row loses the worked text of its old code.
    list->topLevelItem(2)->setSelected(true);
    WhenOpen<CProvinceEditDlg>([](CProvinceEditDlg& edit) {
        QCOMPARE(edit.windowTitle(), QStringLiteral("Modifica dati di una provincia"));
        QCOMPARE(Find<QLineEdit>(edit, "codeEdit")->text(), QStringLiteral("MI"));
        Fill(edit, QStringLiteral("AO"), QStringLiteral("AOSTA"));
    });
    emit list->itemDoubleClicked(list->topLevelItem(2), 0);
    QCOMPARE(Column(*list, 1), QStringList({"Ascoli Piceno", "Asti", "Aosta", "Torino"}));
    QCOMPARE(Column(*list, 2), QStringList({"-- -- --", "-- -- --", "", "-- -- --"}));

    // The selected row's contents move away, so its selection goes.
    ClickHeader(list, 1);
    QVERIFY(!check->isChecked());
    QCOMPARE(list->columnCount(), 2);
    QCOMPARE(Column(*list, 1), QStringList({"Aosta", "Ascoli Piceno", "Asti", "Torino"}));
    QVERIFY(list->selectedItems().isEmpty());
    ClickHeader(list, 0);
    QCOMPARE(Column(*list, 0), QStringList({"AO", "AP", "AT", "TO"}));
}

void TestProvinceListDlg::ConflictDisablesAnnullaAndLeavingRestoresTheTable_data()
{
    QTest::addColumn<Leave>("leave");
    QTest::newRow("Esc") << Leave::Escape;
    QTest::newRow("menu Annulla") << Leave::MenuAnnulla;
    QTest::newRow("close box") << Leave::CloseBox;
}

void TestProvinceListDlg::ConflictDisablesAnnullaAndLeavingRestoresTheTable()
{
    QFETCH(Leave, leave);
    ProvinceTable table = Provinces();
    test::ScriptedPrompter prompter;
    const ProvinceWorkedTable worked;
    CProvinceListDlg dialog(table, worked, prompter);
    dialog.show();
    const ProvinceTable opened = table;

    WhenOpen<CProvinceEditDlg>([](CProvinceEditDlg& edit) {
        QCOMPARE(edit.windowTitle(), QStringLiteral("Aggiunta di una nuova provincia"));
        QVERIFY(edit.width() >= QtPrompter::MinimumBoxWidth(edit.windowTitle()));
        Fill(edit, QStringLiteral("AT"), QStringLiteral("asti bis"));
    });
    Find<QAction>(dialog, "addAction")->trigger();
    // Sorted, the new row comes before MI and TO, which the stopped "Salva" then leaves out.
    Find<QAction>(dialog, "sortByNameAction")->trigger();
    Find<QPushButton>(dialog, "saveButton")->click();
    QVERIFY(dialog.isVisible());
    QCOMPARE(prompter.boxes.size(), size_t(1));
    QCOMPARE(prompter.boxes[0].text,
             QStringLiteral("ATTENZIONE!\n\nLe province di Asti\ne di Asti Bis\n"
                            "hanno la stessa sigla: AT\n\nModifica le sigle!"));
    QVERIFY(!Find<QPushButton>(dialog, "cancelButton")->isEnabled());
    QVERIFY(table.ProvinceNameOf("TO").empty());

    switch (leave) {
        case Leave::Escape:
            QTest::keyClick(&dialog, Qt::Key_Escape);
            break;
        case Leave::MenuAnnulla:
            Find<QAction>(dialog, "cancelAction")->trigger();
            break;
        case Leave::CloseBox:
            dialog.close();
            break;
    }
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(table == opened);
}

void TestProvinceListDlg::EditWindowTypesCapitalsAndRefusesABadCode()
{
    test::ScriptedPrompter prompter;
    CProvinceEditDlg edit(ProvinceEditPurpose::Add, {}, prompter);
    edit.show();
    auto* code = Find<QLineEdit>(edit, "codeEdit");
    auto* name = Find<QLineEdit>(edit, "nameEdit");
    QCOMPARE(code->accessibleName(), QStringLiteral("Sigla"));
    QTest::keyClicks(code, QStringLiteral("m1abc"));
    QCOMPARE(code->text(), QStringLiteral("M1AB"));
    QTest::keyClicks(name, QStringLiteral("reggio nell'emilia e dintorni"));
    Find<QPushButton>(edit, "saveButton")->click();
    QVERIFY(edit.isVisible());
    QCOMPARE(prompter.boxes.size(), size_t(1));
    QCOMPARE(prompter.boxes[0].text, QStringLiteral("La sigla deve essere di 2 lettere!\n\n"));

    code->clear();
    QTest::keyClicks(code, QStringLiteral("re"));
    Find<QPushButton>(edit, "saveButton")->click();
    QCOMPARE(edit.result(), int(QDialog::Accepted));
    QCOMPARE(name->text(), QStringLiteral("Reggio Nell'Emilia E Dint"));
    QCOMPARE(edit.Result(), (ProvinceEntry{"RE", "Reggio Nell'Emilia E Dint"}));
}

void TestProvinceListDlg::SaveWritesTheProvinceFile()
{
    ProvinceTable table = Provinces();
    test::ScriptedPrompter prompter;
    test::TempFolder folder;
    WhenOpen<CProvinceListDlg>(
        [](CProvinceListDlg& dialog) { Find<QPushButton>(dialog, "saveButton")->click(); });
    QCOMPARE(RunProvinceListDialog(nullptr, table, {}, folder.File(QStringLiteral("_prov.cod")),
                                   prompter),
             ProvinceListOutcome::Saved);
    QCOMPARE(folder.Read(QStringLiteral("_prov.cod")),
             QByteArray("AP Ascoli Piceno\r\nAT Asti\r\nMI Milano\r\nTO Torino\r\n"));
}

QTEST_MAIN(TestProvinceListDlg)
#include "tst_provincelistdlg.moc"
