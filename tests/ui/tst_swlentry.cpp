// Heard exchanges typed through the real window in an SWL log: the DUP sign of a blocked
// exchange, where the focus goes after a callsign field, and what the fields show.

#include "MainWindowHarness.h"

#include "core/log/LogColumns.h"
#include "core/log/LogList.h"
#include "core/presenters/EntryRow.h"
#include "core/settings/SettingKeys.h"

#include <QComboBox>
#include <QtTest>

using namespace zelkor;
using test::MainWindowHarness;

namespace {

// An SWL log opens with the focus in the calling station's field.
[[nodiscard]] bool OpenSwl(MainWindowHarness& h)
{
    h.folders.WriteSetting(keys::kCategory, QStringLiteral("SWL"));
    return h.Open() && h.FocusedId() == ControlName(ControlId::Callsign);
}

// Each text typed and followed by Enter: calling station, its province, answering station, its
// province is one heard exchange.
void TypeEach(const QStringList& texts)
{
    for (const QString& text : texts) {
        MainWindowHarness::Type(text);
        MainWindowHarness::Press(Qt::Key_Return);
    }
}

// The working file as an earlier run left it: an SWL header, then the rows.
void WriteSwlWorkingFile(const MainWindowHarness& h, const QList<QByteArray>& rows)
{
    QByteArray bytes = "zelk100;hrd\r\nIK0XYZ\r\nMI\r\n\r\nSWL\r\n\r\nUgo\r\n\r\n\r\n\r\n\r\n\r\n";
    for (const QByteArray& row : rows) {
        bytes += row + "\r\n";
    }
    QFile file(h.folders.WorkingFilePath());
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

// Chooses the other band from the keyboard, as the operator does.
void ChooseOtherBand(const MainWindowHarness& h)
{
    auto* bands = h.Find<QComboBox>(ControlId::Band);
    bands->setFocus();
    QTest::keyClick(bands, bands->currentIndex() == 0 ? Qt::Key_Down : Qt::Key_Up);
}

}  // namespace

class SwlEntryTest : public QObject {
    Q_OBJECT

private slots:
    void blockedExchangeShowsDupAndEnterDiscardsIt()
    {
        MainWindowHarness h;
        QVERIFY(OpenSwl(h));
        TypeEach({"ik0aaa", "rm", "ik0bbb", "mi"});
        QCOMPARE(h.window->Log().RowCount(), 2);
        QVERIFY(!h.Find(ControlId::DupSign)->isVisible());

        // The same exchange again: both stations already called here, so no exchange of roles.
        MainWindowHarness::Type(QStringLiteral("ik0aaa"));
        MainWindowHarness::Press(Qt::Key_Return);
        QCOMPARE(h.Text(ControlId::ProvinceCode), QStringLiteral("RM"));
        MainWindowHarness::Press(Qt::Key_Return);
        MainWindowHarness::Type(QStringLiteral("ik0bbb"));
        MainWindowHarness::Press(Qt::Key_Return);
        QVERIFY(h.window->Entry().EntryBlocked());
        QVERIFY(h.Find(ControlId::DupSign)->isVisible());
        QCOMPARE(h.Text(ControlId::Callsign), QStringLiteral("IK0AAA"));

        // Enter discards the exchange instead of logging it, and the sign goes.
        MainWindowHarness::Press(Qt::Key_Return);
        QCOMPARE(h.window->Log().RowCount(), 2);
        QVERIFY(!h.Find(ControlId::DupSign)->isVisible());
        for (const ControlId id :
             {ControlId::Callsign, ControlId::ProvinceCode, ControlId::AnsweringCallsign,
              ControlId::AnsweringProvinceCode}) {
            QVERIFY2(h.Text(id).isEmpty(), qPrintable(ControlName(id)));
        }
        QCOMPARE(h.FocusedId(), ControlName(ControlId::Callsign));
    }

    void bandChangedBeforeEnterShowsDup()
    {
        MainWindowHarness h;
        QVERIFY(OpenSwl(h));
        TypeEach({"ik0aaa", "rm", "ik0bbb", "mi"});
        QCOMPARE(h.window->Log().RowCount(), 2);

        // On the other band IK0AAA may call again.
        ChooseOtherBand(h);
        h.Find(ControlId::Callsign)->setFocus();
        MainWindowHarness::Type(QStringLiteral("ik0aaa"));
        MainWindowHarness::Press(Qt::Key_Return);
        MainWindowHarness::Press(Qt::Key_Return);
        MainWindowHarness::Type(QStringLiteral("ik0ccc"));
        MainWindowHarness::Press(Qt::Key_Return);
        MainWindowHarness::Type(QStringLiteral("to"));
        QVERIFY(!h.Find(ControlId::DupSign)->isVisible());

        // Back on the first band before Enter: the check before logging blocks it.
        ChooseOtherBand(h);
        h.Find(ControlId::AnsweringProvinceCode)->setFocus();
        MainWindowHarness::Press(Qt::Key_Return);
        QCOMPARE(h.window->Log().RowCount(), 2);
        QVERIFY(h.Find(ControlId::DupSign)->isVisible());
        MainWindowHarness::Press(Qt::Key_Return);
        QCOMPARE(h.window->Log().RowCount(), 2);
        QVERIFY(!h.Find(ControlId::DupSign)->isVisible());
    }

    void answeringCallsignTakesTheLongestValidCallsign()
    {
        MainWindowHarness h;
        QVERIFY(OpenSwl(h));
        // Fourteen characters, one more than the calling station's field takes.
        TypeEach({"ik0aaa", "rm", "ik0abcdefghijkl"});
        QCOMPARE(h.Text(ControlId::AnsweringCallsign), QStringLiteral("IK0ABCDEFGHIJK"));
        QCOMPARE(h.FocusedId(), ControlName(ControlId::AnsweringProvinceCode));
        TypeEach({"mi"});
        QCOMPARE(h.window->Log().RowCount(), 2);
        QCOMPARE(h.window->Log().Cell(0, SwlColumn::AnsweringCallsign),
                 std::string("IK0ABCDEFGHIJK"));
        QCOMPARE(h.window->Log().Cell(1, SwlColumn::CallingCallsign),
                 std::string("IK0ABCDEFGHIJK"));

        MainWindowHarness::Type(QStringLiteral("ik0abcdefghijk"));
        QCOMPARE(h.Text(ControlId::Callsign), QStringLiteral("IK0ABCDEFGHIJ"));
    }

    void exchangeOfRolesShowsALongCallsignWhole()
    {
        MainWindowHarness h;
        QVERIFY(OpenSwl(h));
        // IK0AAA calls here; the station it answered has no province.
        TypeEach({"ik0aaa", "rm", "ik0bbb", "xy"});
        QCOMPARE(h.window->Log().RowCount(), 1);

        // Now IK0AAA is heard answering a new station of 14 characters: the roles change.
        TypeEach({"ik0aaa", "", "ik0abcdefghijk"});
        QCOMPARE(h.window->Entry().Values().callsign, std::string("IK0ABCDEFGHIJK"));
        QCOMPARE(h.Text(ControlId::Callsign), QStringLiteral("IK0ABCDEFGHIJK"));
        QCOMPARE(h.Text(ControlId::AnsweringCallsign), QStringLiteral("IK0AAA"));
        QCOMPARE(h.Text(ControlId::AnsweringProvinceCode), QStringLiteral("RM"));
        QCOMPARE(h.FocusedId(), ControlName(ControlId::ProvinceCode));
        QVERIFY(!h.Find(ControlId::DupSign)->isVisible());

        TypeEach({"to", "", ""});
        QCOMPARE(h.window->Log().RowCount(), 2);
        QCOMPARE(h.window->Log().Cell(1, SwlColumn::CallingCallsign),
                 std::string("IK0ABCDEFGHIJK"));
        QCOMPARE(h.window->Log().Cell(1, SwlColumn::ProvinceCode), std::string("TO"));
    }

    void provinceCodeFromAStationRecordIsShownWhole()
    {
        MainWindowHarness h;
        // IK0AAA called from a code longer than two letters.
        WriteSwlWorkingFile(h, {"09.03.2024^1400^3,5^CW^IK0AAA^599^RMX^IK0BBB^"});
        QVERIFY(OpenSwl(h));
        QCOMPARE(h.window->Log().RowCount(), 1);

        MainWindowHarness::Type(QStringLiteral("ik0aaa"));
        MainWindowHarness::Press(Qt::Key_Return);
        QCOMPARE(h.FocusedId(), ControlName(ControlId::ProvinceCode));
        QCOMPARE(h.Text(ControlId::ProvinceCode), QStringLiteral("RMX"));
        QVERIFY(h.Text(ControlId::ProvinceName).isEmpty());
        // Enter waits for a code of two letters.
        MainWindowHarness::Press(Qt::Key_Return);
        QCOMPARE(h.FocusedId(), ControlName(ControlId::ProvinceCode));
        MainWindowHarness::Press(Qt::Key_End);
        MainWindowHarness::Press(Qt::Key_Backspace);
        QCOMPARE(h.Text(ControlId::ProvinceName), QStringLiteral("Roma"));
        MainWindowHarness::Press(Qt::Key_Return);
        QCOMPARE(h.FocusedId(), ControlName(ControlId::AnsweringCallsign));
    }

    void typingReplacesTheProvinceCodeOfAStationHeardBefore()
    {
        MainWindowHarness h;
        QVERIFY(OpenSwl(h));
        TypeEach({"ik0aaa", "rm", "ik0bbb", "mi"});
        QCOMPARE(h.window->Log().RowCount(), 2);

        // On the other band IK0BBB answers again, now from Florence: its code from Milan is
        // taken whole.
        ChooseOtherBand(h);
        h.Find(ControlId::Callsign)->setFocus();
        TypeEach({"ik0ccc", "to", "ik0bbb"});
        QCOMPARE(h.FocusedId(), ControlName(ControlId::AnsweringProvinceCode));
        auto* code = h.Find<QLineEdit>(ControlId::AnsweringProvinceCode);
        QCOMPARE(code->text(), QStringLiteral("MI"));
        QCOMPARE(code->selectedText(), QStringLiteral("MI"));
        MainWindowHarness::Type(QStringLiteral("fi"));
        QCOMPARE(code->text(), QStringLiteral("FI"));
        QCOMPARE(h.Text(ControlId::AnsweringProvinceName), QStringLiteral("Firenze"));
        MainWindowHarness::Press(Qt::Key_Return);

        QCOMPARE(h.window->Log().RowCount(), 4);
        QCOMPARE(h.window->Log().Cell(3, SwlColumn::CallingCallsign), std::string("IK0BBB"));
        QCOMPARE(h.window->Log().Cell(3, SwlColumn::ProvinceCode), std::string("FI"));
    }

    void stationHeardBeforeGoesOnToItsProvinceCode()
    {
        MainWindowHarness h;
        QVERIFY(OpenSwl(h));
        // An unknown second province: IK0BBB is recorded without a province.
        TypeEach({"ik0aaa", "rm", "ik0bbb", "xy"});
        QCOMPARE(h.window->Log().RowCount(), 1);

        // Tab after a known calling station lands on its province code, empty here.
        MainWindowHarness::Type(QStringLiteral("ik0bbb"));
        MainWindowHarness::Press(Qt::Key_Tab);
        QCOMPARE(h.FocusedId(), ControlName(ControlId::ProvinceCode));
        QVERIFY(h.Text(ControlId::ProvinceCode).isEmpty());

        // Shift+Tab after a known answering station lands on its province code as well.
        MainWindowHarness::Press(Qt::Key_F9);
        TypeEach({"ik0ccc", "to"});
        QCOMPARE(h.FocusedId(), ControlName(ControlId::AnsweringCallsign));
        MainWindowHarness::Type(QStringLiteral("ik0bbb"));
        MainWindowHarness::Press(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(h.FocusedId(), ControlName(ControlId::AnsweringProvinceCode));
        QVERIFY(h.Text(ControlId::AnsweringProvinceCode).isEmpty());
    }
};

QTEST_MAIN(SwlEntryTest)
#include "tst_swlentry.moc"
