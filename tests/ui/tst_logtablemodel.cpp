// The log as item views see it: the table model over the LogList and the log list view.

#include "core/log/LogList.h"
#include "ui/ControlIds.h"
#include "ui/log/LogTableModel.h"
#include "ui/log/LogTableView.h"

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QSignalSpy>
#include <QtTest>

#include <string>
#include <vector>

using namespace zelkor;

namespace {

std::vector<std::string> QsoCells(const std::string& callsign)
{
    return {"05.02.2006", "1432", "7", "SSB", callsign, "59", "59", "FC", "Forl\xEC-Cesena"};
}

}  // namespace

class TestLogTableModel : public QObject {
    Q_OBJECT

private slots:
    void ShowsTheBytesAsWindows1252Text();
    void AlignsOnlyTheNumberColumnRight();
    void FollowsEveryChangeOfTheLog();
    void ColumnsComeFromTheLogWidthsClampedAtZero();
    void SelectionIsKeptInStepBothWays();
    void SelectionStaysOnItsRowsWhenRowsAreRemoved();
    void KeyboardShowsAndMovesTheSelectedRows();
};

void TestLogTableModel::ShowsTheBytesAsWindows1252Text()
{
    LogList log;
    LogTableModel model(log);
    log.AppendLogRow(QsoCells("I2ABC"));
    log.SetCell(0, QsoColumn::Callsign, "\x80\xE8\xFF");

    QCOMPARE(model.data(model.index(0, QsoColumn::Number)).toString(), QStringLiteral("    1"));
    QCOMPARE(model.data(model.index(0, QsoColumn::ProvinceName)).toString(),
             QStringLiteral(u"Forlì-Cesena"));
    QCOMPARE(model.data(model.index(0, QsoColumn::Callsign)).toString(), QStringLiteral(u"€èÿ"));
    QCOMPARE(model.data(model.index(0, QsoColumn::Callsign), Qt::AccessibleTextRole).toString(),
             QStringLiteral(u"€èÿ"));
    QVERIFY(!(model.flags(model.index(0, 0)) & Qt::ItemIsEditable));
}

void TestLogTableModel::AlignsOnlyTheNumberColumnRight()
{
    LogList log;
    LogTableModel model(log);
    log.AppendLogRow(QsoCells("I2ABC"));

    const int right = Qt::AlignRight | Qt::AlignVCenter;
    const int left = Qt::AlignLeft | Qt::AlignVCenter;
    for (int column = 0; column < model.columnCount(); ++column) {
        const int expected = column == 0 ? right : left;
        QCOMPARE(model.data(model.index(0, column), Qt::TextAlignmentRole).toInt(), expected);
        QCOMPARE(model.headerData(column, Qt::Horizontal, Qt::TextAlignmentRole).toInt(), expected);
    }
}

void TestLogTableModel::FollowsEveryChangeOfTheLog()
{
    LogList log;
    LogTableModel model(log);
    // Fails the test on any begin/end call out of place or any count that disagrees.
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);

    log.AppendLogRow(QsoCells("I1AAA"));
    log.AppendLogRow(QsoCells("I2BBB"));
    log.InsertRow(0, 1, QsoCells("I3CCC"));
    QCOMPARE(model.rowCount(), 3);
    QCOMPARE(inserted.count(), 3);
    QCOMPARE(inserted.at(2).at(1).toInt(), 0);

    log.DeleteRow(1);
    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(removed.count(), 1);

    log.RenumberRows();
    QCOMPARE(model.data(model.index(1, 0)).toString(), QStringLiteral("    2"));
    log.SetCell(0, QsoColumn::Callsign, "I9ZZZ");
    QCOMPARE(changed.count(), 2);
    QCOMPARE(changed.at(1).at(0).toModelIndex(), model.index(0, QsoColumn::Callsign));

    log.DeleteAllRows();
    QCOMPARE(model.rowCount(), 0);
    QCOMPARE(reset.count(), 1);

    log.AppendLogRow(QsoCells("I1AAA"));
    log.SetSwlColumns();
    QCOMPARE(model.rowCount(), 0);
    QCOMPARE(reset.count(), 2);
    log.AppendLogRow({"05.02.2006", "1432", "7", "CW", "I2ABC", "599", "MI", "I3XYZ"});
    QCOMPARE(model.data(model.index(0, SwlColumn::AnsweringCallsign)).toString(),
             QStringLiteral("I3XYZ"));
}

void TestLogTableModel::ColumnsComeFromTheLogWidthsClampedAtZero()
{
    LogList log;
    LogTableView view(log);
    // Other tests and screen readers find the list by these names.
    QCOMPARE(view.objectName(), ControlName(ControlId::LogList));
    QCOMPARE(view.accessibleName(), QStringLiteral("Log"));
    // A client width of 1022 leaves 1000 pixels to share out.
    view.resize(1022 + 2 * view.frameWidth(), 400);
    log.BuildStartColumns();
    QCOMPARE(view.ClientWidth(), 1022);
    QCOMPARE(view.columnWidth(QsoColumn::Mode), 80);
    QCOMPARE(view.columnWidth(QsoColumn::Callsign), 180);

    log.SetSwlColumns();
    QCOMPARE(view.model()->columnCount(), 9);
    QCOMPARE(view.model()->headerData(5, Qt::Horizontal).toString(),
             QStringLiteral("Nomin. chiamante"));
    QCOMPARE(view.columnWidth(SwlColumn::Date), 140);
    QCOMPARE(view.columnWidth(SwlColumn::AnsweringCallsign), 190);

    log.SetQsoColumns();
    view.resize(2 * view.frameWidth(), 400);
    log.BuildStartColumns();
    QCOMPARE(view.columnWidth(QsoColumn::Callsign), 0);
    QCOMPARE(view.columnWidth(QsoColumn::Number), 0);
}

void TestLogTableModel::SelectionIsKeptInStepBothWays()
{
    LogList log;
    LogTableView view(log);
    for (const char* callsign : {"I1AAA", "I2BBB", "I3CCC", "I4DDD"}) {
        log.AppendLogRow(QsoCells(callsign));
    }

    // The user picks rows 3 and 1 in the view.
    QItemSelectionModel* selection = view.selectionModel();
    selection->select(view.model()->index(3, 0),
                      QItemSelectionModel::Select | QItemSelectionModel::Rows);
    selection->select(view.model()->index(1, 0),
                      QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QCOMPARE(log.SelectedRows(), (std::vector<int>{1, 3}));

    // The log picks rows for the view.
    log.SetSelectedRows({0, 2});
    QCOMPARE(selection->selectedRows().size(), 2);
    QVERIFY(selection->isRowSelected(0, {}));
    QVERIFY(selection->isRowSelected(2, {}));
    QCOMPARE(log.SelectedRows(), (std::vector<int>{0, 2}));

    selection->clearSelection();
    QVERIFY(log.SelectedRows().empty());
}

void TestLogTableModel::SelectionStaysOnItsRowsWhenRowsAreRemoved()
{
    LogList log;
    LogTableView view(log);
    for (const char* callsign : {"I1AAA", "I2BBB", "I3CCC", "I4DDD", "I5EEE"}) {
        log.AppendLogRow(QsoCells(callsign));
    }
    log.SetSelectedRows({1, 3});

    log.DeleteRow(3);
    log.DeleteRow(0);
    QCOMPARE(log.SelectedRows(), (std::vector<int>{0}));
    QCOMPARE(view.selectionModel()->selectedRows().size(), 1);
    QVERIFY(view.selectionModel()->isRowSelected(0, {}));

    log.InsertRow(0, 1, QsoCells("I6FFF"));
    QCOMPARE(log.SelectedRows(), (std::vector<int>{1}));
    QVERIFY(view.selectionModel()->isRowSelected(1, {}));

    // Reordering exchanges texts between positions; the selected position stays selected.
    log.ReorderRows({2, 1, 0});
    QCOMPARE(log.SelectedRows(), (std::vector<int>{1}));
    QVERIFY(view.selectionModel()->isRowSelected(1, {}));

    log.DeleteAllRows();
    QVERIFY(log.SelectedRows().empty());
    QVERIFY(!view.selectionModel()->hasSelection());
}

void TestLogTableModel::KeyboardShowsAndMovesTheSelectedRows()
{
    LogList log;
    LogTableView view(log);
    const auto focusIn = [&view](Qt::FocusReason reason) {
        QFocusEvent event(QEvent::FocusIn, reason);
        QApplication::sendEvent(&view, &event);
    };
    const auto current = [&view] { return view.currentIndex().row(); };

    // An empty log takes the focus without a selection.
    focusIn(Qt::TabFocusReason);
    QVERIFY(log.SelectedRows().empty());

    for (const char* callsign : {"I1AAA", "I2BBB", "I3CCC", "I4DDD", "I5EEE"}) {
        log.AppendLogRow(QsoCells(callsign));
    }
    // The mouse picks its own row; nothing is chosen for it.
    focusIn(Qt::MouseFocusReason);
    QVERIFY(log.SelectedRows().empty());

    // Tab with nothing selected selects the latest row.
    focusIn(Qt::TabFocusReason);
    QCOMPARE(log.SelectedRows(), (std::vector<int>{4}));
    QCOMPARE(current(), 4);

    struct Step {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        std::vector<int> selected;
        int current;
    };
    const Step steps[] = {
        {Qt::Key_Home, Qt::NoModifier, {0}, 0},
        {Qt::Key_End, Qt::NoModifier, {4}, 4},
        {Qt::Key_Up, Qt::NoModifier, {3}, 3},
        {Qt::Key_Home, Qt::ShiftModifier, {0, 1, 2, 3}, 0},
        {Qt::Key_End, Qt::NoModifier, {4}, 4},
        {Qt::Key_Home, Qt::ControlModifier, {4}, 0},
        {Qt::Key_End, Qt::ShiftModifier, {0, 1, 2, 3, 4}, 4},
        {Qt::Key_Up, Qt::NoModifier, {3}, 3},
    };
    for (const Step& step : steps) {
        QTest::keyClick(&view, step.key, step.modifiers);
        QCOMPARE(log.SelectedRows(), step.selected);
        QCOMPARE(current(), step.current);
    }

    // A selection is kept, and the current row goes onto it when it had wandered off.
    log.SetSelectedRows({1, 2});
    QTest::keyClick(&view, Qt::Key_Home, Qt::ControlModifier);
    QCOMPARE(current(), 0);
    focusIn(Qt::BacktabFocusReason);
    QCOMPARE(log.SelectedRows(), (std::vector<int>{1, 2}));
    QCOMPARE(current(), 1);

    // With nothing selected, the current row is the one chosen.
    log.SetSelectedRows({});
    focusIn(Qt::TabFocusReason);
    QCOMPARE(log.SelectedRows(), (std::vector<int>{1}));
}

QTEST_MAIN(TestLogTableModel)
#include "tst_logtablemodel.moc"
