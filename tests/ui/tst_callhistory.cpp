// The call history through the real window: a Cabrillo log imported from the "Strumenti" menu
// fills the province of a callsign as the operator leaves the field, and the "Controllo parziale"
// window lists the stations while he types, without ever taking his keys.

#include "MainWindowHarness.h"

#include "core/log/LogList.h"
#include "core/settings/SettingKeys.h"
#include "support/TempFolder.h"
#include "ui/history/CPartialCheckDlg.h"

#include <QFile>
#include <QLabel>
#include <QTableView>
#include <QtTest>

using namespace zelkor;
using test::MainWindowHarness;

namespace {

void StoreOwnProvinceOn7Cw(const MainWindowHarness& h)
{
    h.StoreOwnProvince();
    h.folders.WriteSetting(keys::kBand, QStringLiteral("7"));
    h.folders.WriteSetting(keys::kMode, QStringLiteral("CW"));
}

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

const QByteArray kCabrillo =
    "START-OF-LOG: 3.0\r\n"
    "CONTEST: ARI-40-80\r\n"
    "CALLSIGN: IZ1AAA\r\n"
    "QSO:  7012 CW 2024-02-04 0801 IZ1AAA        599 TO     "
    "IK2BBB        599 MI     0\r\n"
    "QSO:  7013 CW 2024-02-04 0803 IZ1AAA        599 TO     "
    "I5CCC         599 FI     0\r\n"
    "QSO:  7014 CW 2024-02-04 08\r\n"
    "END-OF-LOG:\r\n";

QStringList Column(const QTableView* view, int column)
{
    QStringList texts;
    for (int row = 0; row < view->model()->rowCount(); ++row) {
        texts << view->model()->index(row, column).data().toString();
    }
    return texts;
}

}  // namespace

class CallHistoryTest : public QObject {
    Q_OBJECT

private slots:
    void importedCabrilloFillsTheProvinceWhenTheCallsignIsLeft()
    {
        MainWindowHarness h;
        StoreOwnProvinceOn7Cw(h);
        test::TempFolder files;
        files.Write(QStringLiteral("gara.cbr"), kCabrillo);
        QVERIFY(h.Open());
        h.prompter.fileLists = {QStringList{files.File(QStringLiteral("gara.cbr"))}};
        h.Action(Command::ImportHistory)->trigger();

        QCOMPARE(h.prompter.boxes.size(), std::size_t{1});
        QCOMPARE(h.prompter.boxes[0].text,
                 QStringLiteral("Storico nominativi\n\nFile letti: 1\nContatti letti: 2\n"
                                "Nominativi aggiunti: 2\nNominativi aggiornati: 0\n"
                                "Righe scartate: 1\n"));
        QCOMPARE(ReadFile(h.folders.ProgramFolder() + QStringLiteral("/_storico.cod")),
                 QByteArray("I5CCC FI 20240204\r\nIK2BBB MI 20240204\r\n"));

        h.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(h.window.get()));
        QCOMPARE(h.FocusedId(), ControlName(ControlId::Callsign));
        MainWindowHarness::Type(QStringLiteral("ik2bbb"));
        MainWindowHarness::Press(Qt::Key_Tab);
        QCOMPARE(h.Text(ControlId::ProvinceCode), QStringLiteral("MI"));
        QCOMPARE(h.Text(ControlId::ProvinceName), QStringLiteral("Milano"));
        // Milano is not worked yet: the new-multiplier sign shows, as for a typed code.
        QVERIFY(h.Find(ControlId::NewMultiplierSign)->isVisible());

        // Enter in the province field logs the contact with the history's province.
        MainWindowHarness::Press(Qt::Key_Tab);
        MainWindowHarness::Press(Qt::Key_Tab);
        QCOMPARE(h.FocusedId(), ControlName(ControlId::ProvinceCode));
        MainWindowHarness::Press(Qt::Key_Return);
        QCOMPARE(h.window->Log().RowCount(), 1);
        QCOMPARE(h.window->Log().Cell(0, 8), "MI");
    }

    void partialCheckListsWhileTheOperatorTypes()
    {
        MainWindowHarness h;
        StoreOwnProvinceOn7Cw(h);
        QFile history(h.folders.ProgramFolder() + QStringLiteral("/_storico.cod"));
        QVERIFY(history.open(QIODevice::WriteOnly));
        history.write("I5CCC FI\r\nIK2BBB MI\r\nIK2BBC BG\r\nIW2BBB TO\r\n");
        history.close();
        QVERIFY(h.Open());
        QVERIFY(h.window->PartialCheckWindow() == nullptr);

        MainWindowHarness::Press(Qt::Key_F10);
        CPartialCheckDlg* window = h.window->PartialCheckWindow();
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QCOMPARE(window->windowTitle(), QStringLiteral("Controllo parziale"));
        QVERIFY(window->windowFlags() & Qt::WindowDoesNotAcceptFocus);
        QVERIFY(window->testAttribute(Qt::WA_ShowWithoutActivating));
        // The keys stay with the entry row.
        QCOMPARE(QApplication::activeWindow(), h.window.get());
        QCOMPARE(h.FocusedId(), ControlName(ControlId::Callsign));

        auto* status = window->findChild<QLabel*>(ControlName(ControlId::PartialCheckStatus));
        auto* list = window->findChild<QTableView*>(ControlName(ControlId::PartialCheckList));
        QVERIFY(status && list);
        QTRY_COMPARE(status->text(), QStringLiteral("Scrivere almeno 3 caratteri del nominativo."));
        QCOMPARE(QApplication::activeWindow(), h.window.get());

        MainWindowHarness::Type(QStringLiteral("2bb"));
        QCOMPARE(h.FocusedId(), ControlName(ControlId::Callsign));
        QTRY_COMPARE(Column(list, 0), (QStringList{"IK2BBB", "IK2BBC", "IW2BBB"}));
        QCOMPARE(Column(list, 1), (QStringList{"MI", "BG", "TO"}));
        QCOMPARE(Column(list, 2), (QStringList{"Milano", "Bergamo", "Torino"}));
        QCOMPARE(status->text(), QStringLiteral("Nominativi che contengono \"2BB\": 3"));
        MainWindowHarness::Type(QStringLiteral("c"));
        QTRY_COMPARE(Column(list, 0), (QStringList{"IK2BBC"}));

        // A double click puts the callsign into the entry row; the focus stays there.
        MainWindowHarness::Press(Qt::Key_Backspace);
        QTRY_COMPARE(Column(list, 0).size(), 3);
        const QRect cell = list->visualRect(list->model()->index(2, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(h.Text(ControlId::Callsign), QStringLiteral("IW2BBB"));
        QCOMPARE(h.FocusedId(), ControlName(ControlId::Callsign));
        MainWindowHarness::Press(Qt::Key_Return);
        QCOMPARE(h.Text(ControlId::ProvinceCode), QStringLiteral("TO"));
        MainWindowHarness::Press(Qt::Key_Return);
        QCOMPARE(h.window->Log().RowCount(), 1);

        // The logged station is marked at once.
        MainWindowHarness::Type(QStringLiteral("W2B"));
        QTRY_COMPARE(Column(list, 3), (QStringList{"7 cw"}));

        // F10 again hides it.
        MainWindowHarness::Press(Qt::Key_F10);
        QVERIFY(!window->isVisible());
        QCOMPARE(h.FocusedId(), ControlName(ControlId::Callsign));
    }
};

QTEST_MAIN(CallHistoryTest)
#include "tst_callhistory.moc"
