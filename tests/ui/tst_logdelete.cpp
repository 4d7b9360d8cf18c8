// "Elimina" on large selections made in the real window's log list: what stays in the list, in
// the working file and selected afterwards.

#include "MainWindowHarness.h"

#include "core/log/LogColumns.h"

#include <QAction>
#include <QFile>
#include <QItemSelectionModel>
#include <QTableView>
#include <QtTest>

#include <string>
#include <vector>

using namespace zelkor;
using namespace zelkor::test;

namespace {

constexpr int kRows = 3000;

QByteArray Callsign(int row)
{
    return "IK" + QByteArray::number(row % 10) + "A" + QByteArray::number(row);
}

QByteArray RowLine(int row)
{
    return "05.02.2006^1432^7^CW^" + Callsign(row) + "^599^RM^599^MI";
}

// A working file of kRows rows, as a previous run left it.
void WriteWorkingFile(const MainWindowHarness& h)
{
    QByteArray bytes = "zelk100;qso\r\nIK0ABC\r\nRM\r\n\r\nSOP\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n";
    for (int row = 0; row < kRows; ++row) {
        bytes += RowLine(row) + "^\r\n";
    }
    QFile file(h.folders.WorkingFilePath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

}  // namespace

class LogDeleteTest : public QObject {
    Q_OBJECT

private slots:
    void deletesExactlyTheRowsSelectedInTheList_data()
    {
        QTest::addColumn<QString>("shape");
        QTest::newRow("Ctrl+A") << "all";
        QTest::newRow("a block") << "block";
        QTest::newRow("every other row") << "scattered";
    }

    void deletesExactlyTheRowsSelectedInTheList()
    {
        QFETCH(QString, shape);
        MainWindowHarness h;
        WriteWorkingFile(h);
        QVERIFY(h.Open());
        auto* list = h.Find<QTableView>(ControlId::LogList);
        QVERIFY(list);
        QCOMPARE(list->model()->rowCount(), kRows);

        auto selected = [&shape](int row) {
            return shape == QLatin1String("all") ||
                   (shape == QLatin1String("block") && row >= 500 && row < 2800) ||
                   (shape == QLatin1String("scattered") && row % 2 == 1);
        };
        list->setFocus();
        if (shape == QLatin1String("all")) {
            QTest::keyClick(list, Qt::Key_A, Qt::ControlModifier);
        } else {
            // What clicks and Ctrl+clicks leave in the list's selection.
            QItemSelection selection;
            const int lastColumn = list->model()->columnCount() - 1;
            for (int row = 0; row < kRows; ++row) {
                if (selected(row)) {
                    selection.select(list->model()->index(row, 0),
                                     list->model()->index(row, lastColumn));
                }
            }
            list->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
        }
        h.prompter.answers.push_back(Answer::Yes);
        h.Action(Command::Delete)->trigger();

        int deleted = 0;
        QList<QByteArray> expectedRows;
        for (int row = 0; row < kRows; ++row) {
            if (selected(row)) {
                ++deleted;
            } else {
                expectedRows.push_back(RowLine(row) + "^");
            }
        }
        QCOMPARE(h.prompter.boxes.size(), size_t(1));
        QCOMPARE(h.prompter.boxes[0].text,
                 QStringLiteral("Hai scelto di cancellare %1 QSO del log.\nDopo la cancellazione "
                                "non sarà più possibile recuperarli.\n\nVuoi procedere?")
                     .arg(deleted));
        QCOMPARE(list->model()->rowCount(), int(expectedRows.size()));
        for (int row = 0; row < expectedRows.size(); ++row) {
            const QModelIndex number = list->model()->index(row, QsoColumn::Number);
            const QModelIndex callsign = list->model()->index(row, QsoColumn::Callsign);
            QCOMPARE(number.data().toString(), QStringLiteral("%1").arg(row + 1, 5));
            QCOMPARE(callsign.data().toString().toLatin1(), expectedRows[row].split('^')[4]);
        }
        QVERIFY(!list->selectionModel()->hasSelection());
        const QList<QByteArray> lines = h.folders.WorkingFileLines();
        QCOMPARE(lines.mid(12), expectedRows);
    }
};

QTEST_MAIN(LogDeleteTest)
#include "tst_logdelete.moc"
