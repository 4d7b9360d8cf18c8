// The main window's log list beside the entry row, through the real window: the newest row shown
// whole after logging.

#include "MainWindowHarness.h"

#include "core/log/LogColumns.h"
#include "core/log/LogList.h"
#include "core/settings/SettingKeys.h"

#include <QScrollBar>
#include <QTableView>
#include <QtTest>

using namespace zelkor;
using test::MainWindowHarness;

namespace {

void StoreOwnProvince(const MainWindowHarness& h)
{
    h.folders.WriteSetting(keys::kCallsign, QStringLiteral("IK0XYZ"));
    h.folders.WriteSetting(keys::kProvince, QStringLiteral("MI"));
}

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
        StoreOwnProvince(h);
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
};

QTEST_MAIN(LogListTest)
#include "tst_loglist.moc"
