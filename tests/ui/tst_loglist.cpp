// The main window's log list beside the entry row, through the real window: the newest row shown
// whole after logging, and the keyboard back in the entry row once the list's commands are done.

#include "MainWindowHarness.h"

#include "core/log/LogColumns.h"
#include "core/log/LogList.h"
#include "core/settings/SettingKeys.h"

#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTimer>
#include <QtTest>

using namespace zelkor;
using test::MainWindowHarness;

namespace {

// The working file as an earlier run left it: a QSO header, then one contact per callsign.
void WriteQsoWorkingFile(const MainWindowHarness& h, const QStringList& callsigns)
{
    QByteArray bytes = "zelk100;qso\r\nIK0XYZ\r\nMI\r\n\r\nSOP\r\n\r\nUgo\r\n\r\n\r\n\r\n\r\n\r\n";
    for (const QString& callsign : callsigns) {
        bytes += "09.03.2024^1400^7^CW^" + callsign.toLatin1() + "^599^MI^599^RM^\r\n";
    }
    QFile file(h.folders.WorkingFilePath());
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

QTableView* LogView(const MainWindowHarness& h)
{
    return h.Find<QTableView>(ControlId::LogList);
}

// Where the row lies in the list's viewport, against the part of the viewport that shows.
QString RowPlace(const QTableView* view, int row)
{
    const QRect rect = view->visualRect(view->model()->index(row, 0));
    return QStringLiteral("row %1 at y %2..%3 in a viewport of height %4")
        .arg(row)
        .arg(rect.top())
        .arg(rect.bottom())
        .arg(view->viewport()->height());
}

bool RowWhollyShown(const QTableView* view, int row)
{
    const QRect rect = view->visualRect(view->model()->index(row, 0));
    return rect.isValid() && rect.top() >= 0 && rect.bottom() < view->viewport()->height();
}

// Clicks the button of the modal dialog as soon as the dialog runs.
void ClickInDialogSoon(ControlId button)
{
    QTimer::singleShot(0, [button] {
        QWidget* dialog = QApplication::activeModalWidget();
        QVERIFY(dialog != nullptr);
        dialog->findChild<QPushButton*>(ControlName(button))->click();
    });
}

// Double-clicks a row of the log list, as the operator opens "Modifica" with the mouse.
void DoubleClickRow(QTableView* view, int row)
{
    const QPoint at = view->visualRect(view->model()->index(row, QsoColumn::Callsign)).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
}

}  // namespace

class LogListTest : public QObject {
    Q_OBJECT

private slots:
    void newestRowIsWhollyShownAfterLogging_data()
    {
        // Styles scroll the list by whole rows or by pixels.
        QTest::addColumn<int>("scrollMode");
        QTest::newRow("by rows") << int(QAbstractItemView::ScrollPerItem);
        QTest::newRow("by pixels") << int(QAbstractItemView::ScrollPerPixel);
    }

    void newestRowIsWhollyShownAfterLogging()
    {
        QFETCH(int, scrollMode);
        MainWindowHarness h;
        h.StoreOwnProvince();
        QVERIFY(h.Open());
        QTableView* view = LogView(h);
        view->setVerticalScrollMode(static_cast<QAbstractItemView::ScrollMode>(scrollMode));

        // Well past the rows that fit, so that every offset of the last row is met.
        for (int row = 0; row < 20; ++row) {
            MainWindowHarness::EnterContact(QStringLiteral("ik0a%1").arg(QChar('a' + row)),
                                            QStringLiteral("rm"));
            QCOMPARE(h.window->Log().RowCount(), row + 1);
            // What the operator sees once the list has laid its rows out.
            QCoreApplication::processEvents();
            QVERIFY2(RowWhollyShown(view, row), qPrintable(RowPlace(view, row)));
        }
        QVERIFY(view->verticalScrollBar()->value() > 0);
    }

    void logOpenedAtStartShowsItsLastRowWhole()
    {
        MainWindowHarness h;
        QStringList callsigns;
        for (int row = 0; row < 30; ++row) {
            callsigns << QStringLiteral("IK0B%1").arg(QChar('A' + row % 26)) +
                             QString(QChar('A' + row / 26));
        }
        WriteQsoWorkingFile(h, callsigns);
        QVERIFY(h.Open());
        QTableView* view = LogView(h);
        QCOMPARE(view->model()->rowCount(), 30);
        QVERIFY2(RowWhollyShown(view, 29), qPrintable(RowPlace(view, 29)));
    }

    void keysGoBackToTheEntryRowAfterAListCommand_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("Modifica, Salva") << "modify save";
        QTest::newRow("Modifica, Annulla") << "modify cancel";
        QTest::newRow("Elimina, confirmed") << "delete yes";
        QTest::newRow("Elimina, refused") << "delete no";
        QTest::newRow("Elimina from the right-click menu") << "delete popup";
        QTest::newRow("Riordina per data ed ora") << "sort";
        QTest::newRow("Data heading") << "sort heading";
    }

    void keysGoBackToTheEntryRowAfterAListCommand()
    {
        QFETCH(QString, command);
        MainWindowHarness h;
        h.StoreOwnProvince();
        WriteQsoWorkingFile(h, {"IK0AAA", "IK0BBB", "IK0CCC"});
        QVERIFY(h.Open());
        QTableView* view = LogView(h);

        // The operator picks a row in the list with the mouse.
        const QPoint row1 = view->visualRect(view->model()->index(1, QsoColumn::Callsign)).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, row1);
        QCOMPARE(h.FocusedId(), ControlName(ControlId::LogList));

        if (command.startsWith(QLatin1String("modify"))) {
            ClickInDialogSoon(command.endsWith(QLatin1String("save")) ? ControlId::OkButton
                                                                      : ControlId::CancelButton);
            DoubleClickRow(view, 1);
        } else if (command == QLatin1String("delete popup")) {
            h.prompter.answers.push_back(Answer::Yes);
            QTimer::singleShot(0, [] {
                auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
                QVERIFY(popup != nullptr);
                for (QAction* action : popup->actions()) {
                    if (action->text() == QLatin1String("Elimina")) {
                        action->trigger();
                    }
                }
                popup->close();
            });
            emit view->customContextMenuRequested(row1);
        } else if (command.startsWith(QLatin1String("delete"))) {
            h.prompter.answers.push_back(command.endsWith(QLatin1String("yes")) ? Answer::Yes
                                                                                : Answer::No);
            h.Action(Command::Delete)->trigger();
        } else if (command == QLatin1String("sort")) {
            h.Action(Command::SortByDateTime)->trigger();
        } else {
            QHeaderView* header = view->horizontalHeader();
            QTest::mouseClick(
                header->viewport(), Qt::LeftButton, {},
                QPoint(header->sectionViewportPosition(QsoColumn::Date) + 4, header->height() / 2));
        }
        // The window manager hands the window back its activation once a dialog is gone.
        h.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(h.window.get()));

        // The next callsign lands in its field, and the walk goes on from there.
        MainWindowHarness::Type(QStringLiteral("iz1def"));
        QCOMPARE(h.FocusedId(), ControlName(ControlId::Callsign));
        QCOMPARE(h.Text(ControlId::Callsign), QStringLiteral("IZ1DEF"));
        MainWindowHarness::Press(Qt::Key_Return);
        QCOMPARE(h.FocusedId(), ControlName(ControlId::ProvinceCode));
    }

    void keysGoBackToTheFieldTheOperatorWasIn()
    {
        MainWindowHarness h;
        h.StoreOwnProvince();
        WriteQsoWorkingFile(h, {"IK0AAA", "IK0BBB"});
        QVERIFY(h.Open());
        MainWindowHarness::Type(QStringLiteral("ik0aaa"));
        MainWindowHarness::Press(Qt::Key_Return);
        QCOMPARE(h.Text(ControlId::ProvinceCode), QStringLiteral("RM"));
        QCOMPARE(h.FocusedId(), ControlName(ControlId::ProvinceCode));

        // "Riordina" from the menu while a contact is half typed keeps it as it stands.
        h.Action(Command::SortByDateTime)->trigger();
        QCOMPARE(h.FocusedId(), ControlName(ControlId::ProvinceCode));
        QCOMPARE(h.Text(ControlId::Callsign), QStringLiteral("IK0AAA"));
        QCOMPARE(h.Text(ControlId::ProvinceCode), QStringLiteral("RM"));
    }
};

QTEST_MAIN(LogListTest)
#include "tst_loglist.moc"
