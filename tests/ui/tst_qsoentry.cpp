// Logging QSO contacts through the real window from the keyboard: the Enter walk, what the
// fields let through, duplicates and previous contacts, the band list, clearing the row and the
// summary data command.

#include "MainWindowHarness.h"

#include "core/app/ProgramTitle.h"
#include "core/log/LogList.h"
#include "core/presenters/EntryRow.h"
#include "core/settings/SettingKeys.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>
#include "core/log/LogColumns.h"

#include <QtTest>

using namespace zelkor;
using test::MainWindowHarness;

namespace {

// The working file as an earlier run left it: a QSO header for IK0XYZ of MI, then the rows.
void WriteQsoWorkingFile(const MainWindowHarness& h, const QList<QByteArray>& rows)
{
    QByteArray bytes = "zelk100;qso\r\nIK0XYZ\r\nMI\r\n\r\nSOP\r\n\r\nUgo\r\n\r\n\r\n\r\n\r\n\r\n";
    for (const QByteArray& row : rows) {
        bytes += row + "\r\n";
    }
    QFile file(h.folders.WorkingFilePath());
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

QStringList Row(LogList& log, int row)
{
    QStringList cells;
    for (int column = 0; column < log.ColumnCount(); ++column) {
        cells << QString::fromLatin1(log.Cell(row, column));
    }
    return cells;
}

}  // namespace

class QsoEntryTest : public QObject {
    Q_OBJECT

private slots:
    void logsAContactFromTheKeyboard_data()
    {
        QTest::addColumn<int>("enterKey");
        QTest::newRow("Return") << static_cast<int>(Qt::Key_Return);
        QTest::newRow("keypad Enter") << static_cast<int>(Qt::Key_Enter);
    }

    void logsAContactFromTheKeyboard()
    {
        QFETCH(int, enterKey);
        MainWindowHarness h;
        h.StoreOwnProvince();
        QVERIFY(h.Open());
        const qsizetype linesBefore = h.folders.WorkingFileLines().size();

        const auto key = static_cast<Qt::Key>(enterKey);
        const Qt::KeyboardModifiers modifiers =
            key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
        QCOMPARE(h.FocusedId(), ControlName(ControlId::Callsign));
        MainWindowHarness::Type(QStringLiteral("ik0abc"));
        MainWindowHarness::Press(key, modifiers);
        QCOMPARE(h.FocusedId(), ControlName(ControlId::ProvinceCode));
        MainWindowHarness::Type(QStringLiteral("rm"));
        QCOMPARE(h.Text(ControlId::ProvinceName), QStringLiteral("Roma"));
        QVERIFY(h.Find(ControlId::NewMultiplierSign)->isVisible());  // Rome is not worked yet
        MainWindowHarness::Press(key, modifiers);

        QCOMPARE(h.window->Log().RowCount(), 1);
        QCOMPARE(Row(h.window->Log(), 0), (QStringList{"    1", "09.03.2024", "1432", "7", "SSB",
                                                       "IK0ABC", "59", "59", "RM", "Roma"}));
        const QList<QByteArray> lines = h.folders.WorkingFileLines();
        QCOMPARE(lines.size(), linesBefore + 1);
        QCOMPARE(lines.constLast(), QByteArray("09.03.2024^1432^7^SSB^IK0ABC^59^MI^59^RM^"));
        QCOMPARE(h.folders.ReadIntSetting(keys::kModified), 1);

        // Ready for the next contact.
        for (const ControlId id :
             {ControlId::Callsign, ControlId::ProvinceCode, ControlId::ProvinceName}) {
            QVERIFY2(h.Text(id).isEmpty(), qPrintable(ControlName(id)));
        }
        QCOMPARE(h.FocusedId(), ControlName(ControlId::Callsign));
        QVERIFY(!h.Find(ControlId::NewMultiplierSign)->isVisible());
    }

    void fieldsTakeOnlyWhatTheyMayHold_data()
    {
        QTest::addColumn<ControlId>("id");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("callsign in capitals") << ControlId::Callsign << "ik0abc/p"
                                              << "IK0ABC/P";
        QTest::newRow("callsign separators") << ControlId::Callsign << "ik0 a^b-c"
                                             << "IK0ABC";
        QTest::newRow("callsign length") << ControlId::Callsign << "ik0abcdefghijkl"
                                         << "IK0ABCDEFGHIJ";
        QTest::newRow("province letters") << ControlId::ProvinceCode << "r^1m"
                                          << "RM";
        QTest::newRow("province length") << ControlId::ProvinceCode << "rmx"
                                         << "RM";
        QTest::newRow("report digits") << ControlId::ReportSent << "5^9a9"
                                       << "599";
        QTest::newRow("date") << ControlId::Date << "1^0.03x.2024"
                              << "10.03.2024";
        QTest::newRow("time") << ControlId::Time << "14:^3a2"
                              << "14:32";
    }

    void fieldsTakeOnlyWhatTheyMayHold()
    {
        QFETCH(ControlId, id);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        MainWindowHarness h;
        QVERIFY(h.Open());
        auto* field = h.Find<QLineEdit>(id);
        field->clear();
        QTest::keyClicks(field, typed);
        QCOMPARE(field->text(), shown);
    }

    void provinceCodeFromTheLogIsShownWhole()
    {
        MainWindowHarness h;
        // An earlier contact whose province code is longer than two letters.
        WriteQsoWorkingFile(h, {"09.03.2024^1400^3,5^SSB^IK0ABC^59^MI^59^RMX^"});
        QVERIFY(h.Open());
        QCOMPARE(h.window->Log().RowCount(), 1);

        MainWindowHarness::Type(QStringLiteral("ik0abc"));
        MainWindowHarness::Press(Qt::Key_Return);
        QCOMPARE(h.FocusedId(), ControlName(ControlId::ProvinceCode));
        QCOMPARE(h.window->Entry().Values().provinceCode, std::string("RMX"));
        QCOMPARE(h.Text(ControlId::ProvinceCode), QStringLiteral("RMX"));
        QVERIFY(h.Text(ControlId::ProvinceName).isEmpty());

        // Enter refuses the code and leaves the focus on it, to be corrected.
        MainWindowHarness::Press(Qt::Key_Return);
        QCOMPARE(h.window->Log().RowCount(), 1);
        QCOMPARE(h.FocusedId(), ControlName(ControlId::ProvinceCode));
        QCOMPARE(h.Text(ControlId::ProvinceCode), QStringLiteral("RMX"));

        // Typing still can't make it longer; taking its last letter away gives Rome.
        MainWindowHarness::Press(Qt::Key_End);
        MainWindowHarness::Type(QStringLiteral("a"));
        QCOMPARE(h.Text(ControlId::ProvinceCode), QStringLiteral("RMX"));
        MainWindowHarness::Press(Qt::Key_Backspace);
        QCOMPARE(h.Text(ControlId::ProvinceCode), QStringLiteral("RM"));
        QCOMPARE(h.Text(ControlId::ProvinceName), QStringLiteral("Roma"));
        MainWindowHarness::Press(Qt::Key_Return);
        QCOMPARE(h.window->Log().RowCount(), 2);
        QCOMPARE(h.window->Log().Cell(1, QsoColumn::ProvinceCode), std::string("RM"));
        QVERIFY(h.Text(ControlId::ProvinceCode).isEmpty());

        // The limit holds for typing: a third letter is refused.
        h.Find(ControlId::ProvinceCode)->setFocus();
        MainWindowHarness::Type(QStringLiteral("rmx"));
        QCOMPARE(h.Text(ControlId::ProvinceCode), QStringLiteral("RM"));
    }

    void typingReplacesAProvinceCodeFilledIn_data()
    {
        QTest::addColumn<QString>("source");
        QTest::newRow("earlier contact") << "log";
        QTest::newRow("call history") << "history";
    }

    void typingReplacesAProvinceCodeFilledIn()
    {
        QFETCH(QString, source);
        MainWindowHarness h;
        h.StoreOwnProvince();
        h.folders.WriteSetting(keys::kBand, QStringLiteral("3,5"));
        h.folders.WriteSetting(keys::kMode, QStringLiteral("CW"));
        if (source == QLatin1String("log")) {
            // Worked on 7 MHz from Turin; on 3,5 MHz the earlier contact fills its code in.
            WriteQsoWorkingFile(h, {"09.03.2024^1400^7^CW^IZ1DEF^599^MI^599^TO^"});
        } else {
            QFile history(h.folders.ProgramFolder() + QStringLiteral("/_storico.cod"));
            QVERIFY(history.open(QIODevice::WriteOnly));
            history.write("IZ1DEF TO\r\n");
        }
        QVERIFY(h.Open());
        const int rowsBefore = h.window->Log().RowCount();

        MainWindowHarness::Type(QStringLiteral("iz1def"));
        MainWindowHarness::Press(Qt::Key_Return);
        QCOMPARE(h.FocusedId(), ControlName(ControlId::ProvinceCode));
        auto* code = h.Find<QLineEdit>(ControlId::ProvinceCode);
        QCOMPARE(code->text(), QStringLiteral("TO"));
        QCOMPARE(code->selectedText(), QStringLiteral("TO"));

        // The station has moved to Cuneo: what the operator types takes the code's place.
        MainWindowHarness::Type(QStringLiteral("cn"));
        QCOMPARE(code->text(), QStringLiteral("CN"));
        QCOMPARE(h.Text(ControlId::ProvinceName), QStringLiteral("Cuneo"));
        MainWindowHarness::Press(Qt::Key_Return);

        QCOMPARE(h.window->Log().RowCount(), rowsBefore + 1);
        QCOMPARE(Row(h.window->Log(), rowsBefore),
                 (QStringList{QStringLiteral("%1").arg(rowsBefore + 1, 5), "09.03.2024", "1432",
                              "3,5", "CW", "IZ1DEF", "599", "599", "CN", "Cuneo"}));
        QCOMPARE(h.folders.WorkingFileLines().constLast(),
                 QByteArray("09.03.2024^1432^3,5^CW^IZ1DEF^599^MI^599^CN^"));
    }

    // An unknown code is refused without a word and the focus stays in the field, which is full:
    // the refused code is selected, so that the right one is typed straight over it.
    void aRefusedProvinceCodeIsTypedOver()
    {
        MainWindowHarness h;
        h.StoreOwnProvince();
        QVERIFY(h.Open());

        MainWindowHarness::Type(QStringLiteral("iz8ggg"));
        MainWindowHarness::Press(Qt::Key_Return);
        MainWindowHarness::Type(QStringLiteral("xx"));
        MainWindowHarness::Press(Qt::Key_Return);

        QCOMPARE(h.window->Log().RowCount(), 0);
        QCOMPARE(h.FocusedId(), ControlName(ControlId::ProvinceCode));
        auto* code = h.Find<QLineEdit>(ControlId::ProvinceCode);
        QCOMPARE(code->selectedText(), QStringLiteral("XX"));
        MainWindowHarness::Type(QStringLiteral("sa"));
        QCOMPARE(code->text(), QStringLiteral("SA"));
        QCOMPARE(h.Text(ControlId::ProvinceName), QStringLiteral("Salerno"));
        MainWindowHarness::Press(Qt::Key_Return);
        QCOMPARE(h.window->Log().RowCount(), 1);
        QVERIFY(h.prompter.boxes.empty());
    }

    void typedCallsignReachesTheEntryRow()
    {
        MainWindowHarness h;
        QVERIFY(h.Open());
        MainWindowHarness::Type(QStringLiteral("iz2abc"));
        QCOMPARE(h.window->Entry().Values().callsign, std::string("IZ2ABC"));
    }

    void leavingAWrongCallsignEmptiesIt()
    {
        MainWindowHarness h;
        QVERIFY(h.Open());
        MainWindowHarness::Type(QStringLiteral("dl1abc"));
        MainWindowHarness::Press(Qt::Key_Tab);
        QCOMPARE(h.FocusedId(), ControlName(ControlId::ReportSent));
        QVERIFY(h.Text(ControlId::Callsign).isEmpty());
        QVERIFY(h.prompter.boxes.empty());
    }

    void clickIntoTheProvinceNameMovesOn()
    {
        MainWindowHarness h;
        QVERIFY(h.Open());
        // Name -> date -> time -> band list, as automatic date and time is on.
        QTest::mouseClick(h.Find(ControlId::ProvinceName), Qt::LeftButton);
        QCOMPARE(h.FocusedId(), ControlName(ControlId::Band));
    }

    void leavingAWrongTimeSaysSoAndComesBack()
    {
        MainWindowHarness h;
        QVERIFY(h.Open());
        QTest::mouseClick(h.Find(ControlId::AutoDateTime),
                          Qt::LeftButton);  // automatic date and time off
        QCOMPARE(h.FocusedId(), ControlName(ControlId::Date));
        MainWindowHarness::Press(Qt::Key_Tab);
        QCOMPARE(h.FocusedId(), ControlName(ControlId::Time));
        auto* time = h.Find<QLineEdit>(ControlId::Time);
        time->selectAll();
        MainWindowHarness::Type(QStringLiteral("2400"));
        MainWindowHarness::Press(Qt::Key_Tab);

        QCOMPARE(h.prompter.boxes.size(), size_t(1));
        QCOMPARE(h.prompter.boxes.front().title, QStringLiteral("Errore"));
        QCOMPARE(h.prompter.boxes.front().text, QStringLiteral("Ora errata!"));
        QCOMPARE(h.FocusedId(), ControlName(ControlId::Time));

        // The wrong time comes back whole, so that typing replaces it; "14:32" is taken and
        // shown as it is logged.
        QCOMPARE(time->selectedText(), time->text());
        QVERIFY(!time->text().isEmpty());
        MainWindowHarness::Type(QStringLiteral("14:32"));
        MainWindowHarness::Press(Qt::Key_Tab);
        QCOMPARE(h.prompter.boxes.size(), size_t(1));
        QCOMPARE(time->text(), QStringLiteral("1432"));
        QCOMPARE(h.FocusedId(), ControlName(ControlId::Band));
    }

    void duplicateIsShownAndDiscarded()
    {
        MainWindowHarness h;
        h.StoreOwnProvince();
        QVERIFY(h.Open());
        MainWindowHarness::EnterContact(QStringLiteral("ik0abc"), QStringLiteral("rm"));
        QCOMPARE(h.window->Log().RowCount(), 1);

        MainWindowHarness::Type(QStringLiteral("ik0abc"));
        MainWindowHarness::Press(Qt::Key_Return);
        QVERIFY(h.Find(ControlId::DupSign)->isVisible());
        QVERIFY(h.Text(ControlId::ProvinceCode).isEmpty());

        auto* previous = h.Find<QTableWidget>(ControlId::PreviousContacts);
        QStringList headings;
        for (int column = 0; column < previous->columnCount(); ++column) {
            headings << previous->horizontalHeaderItem(column)->text();
        }
        QCOMPARE(headings, (QStringList{"Giorno", "Utc", "MHz", "Modo", "RstT", "RstR"}));
        QCOMPARE(previous->rowCount(), 1);
        QStringList cells;
        for (int column = 0; column < previous->columnCount(); ++column) {
            cells << previous->item(0, column)->text();
        }
        QCOMPARE(cells, (QStringList{"09", "1432", "7", "SSB", "59", "59"}));

        // 7 MHz ssb worked with this callsign; 3,5 MHz ssb not.
        auto* worked = h.Find<QToolButton>(MatrixButton(7));
        QVERIFY(worked->isEnabled());
        QCOMPARE(worked->accessibleName(), QStringLiteral("Nominativo 7 MHz ssb lavorato"));
        QVERIFY(!h.Find(MatrixButton(6))->isEnabled());

        // Enter discards the duplicate instead of logging it.
        MainWindowHarness::Press(Qt::Key_Return);
        QCOMPARE(h.window->Log().RowCount(), 1);
        QVERIFY(!h.Find(ControlId::DupSign)->isVisible());
        QVERIFY(h.Text(ControlId::Callsign).isEmpty());
        QCOMPARE(previous->rowCount(), 0);
        QCOMPARE(h.FocusedId(), ControlName(ControlId::Callsign));
    }

    void choosingAnotherBandRerunsTheDuplicateTest()
    {
        MainWindowHarness h;
        h.StoreOwnProvince();
        QVERIFY(h.Open());
        MainWindowHarness::EnterContact(QStringLiteral("ik0abc"), QStringLiteral("rm"));
        MainWindowHarness::Type(QStringLiteral("ik0abc"));
        MainWindowHarness::Press(Qt::Key_Return);
        QVERIFY(h.Find(ControlId::DupSign)->isVisible());

        auto* bandList = h.Find<QComboBox>(ControlId::Band);
        bandList->setFocus();
        QTest::keyClick(bandList, Qt::Key_Up);
        QCOMPARE(bandList->currentText(), QStringLiteral("3,5"));
        QVERIFY(!h.Find(ControlId::DupSign)->isVisible());
        // The province comes back from the earlier contact; on 3,5 MHz it is a new multiplier.
        QCOMPARE(h.Text(ControlId::ProvinceCode), QStringLiteral("RM"));
        QVERIFY(h.Find(ControlId::NewMultiplierSign)->isVisible());
        // The choice reaches the settings file a moment later.
        QTRY_COMPARE(h.folders.ReadSetting(keys::kBand), QStringLiteral("3,5"));
    }

    void clearingTheRowKeepsDateTimeAndReports_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("F9") << "F9";
        QTest::newRow("C button") << "C";
        QTest::newRow("menu item") << "menu";
    }

    void clearingTheRowKeepsDateTimeAndReports()
    {
        QFETCH(QString, how);
        MainWindowHarness h;
        QVERIFY(h.Open());
        MainWindowHarness::Type(QStringLiteral("ik0abc"));
        MainWindowHarness::Press(Qt::Key_Return);
        MainWindowHarness::Type(QStringLiteral("rm"));
        QCOMPARE(h.FocusedId(), ControlName(ControlId::ProvinceCode));

        if (how == QLatin1String("F9")) {
            MainWindowHarness::Press(Qt::Key_F9);
        } else if (how == QLatin1String("C")) {
            QTest::mouseClick(h.Find<QPushButton>(ControlId::ClearButton), Qt::LeftButton);
        } else {
            h.Action(Command::ClearEntryRow)->trigger();
        }

        for (const ControlId id :
             {ControlId::Callsign, ControlId::ProvinceCode, ControlId::ProvinceName}) {
            QVERIFY2(h.Text(id).isEmpty(), qPrintable(ControlName(id)));
        }
        QCOMPARE(h.Text(ControlId::Date), QStringLiteral("09.03.2024"));
        QCOMPARE(h.Text(ControlId::Time), QStringLiteral("1432"));
        QCOMPARE(h.Text(ControlId::ReportSent), QStringLiteral("59"));
        QCOMPARE(h.FocusedId(), ControlName(ControlId::Callsign));
        QCOMPARE(h.window->Log().RowCount(), 0);
    }

    void enterWithoutOwnProvinceAsksForTheSummaryData()
    {
        MainWindowHarness h;
        QVERIFY(h.Open());
        int edits = 0;
        h.window->SetSummaryEditor([&edits](const SummaryData& data) {
            ++edits;
            CVelsadDlg::SummaryEdit edit{data, false};
            edit.data.province = "MI";
            return std::optional(edit);
        });

        MainWindowHarness::EnterContact(QStringLiteral("ik0abc"), QStringLiteral("rm"));
        QCOMPARE(h.prompter.boxes.size(), size_t(1));
        QCOMPARE(h.prompter.boxes.front().title, QStringLiteral("Avviso"));
        QCOMPARE(h.prompter.boxes.front().text,
                 QStringLiteral("ATTENZIONE!\nSpecificare il codice della propria provincia"));
        QCOMPARE(edits, 1);
        QCOMPARE(h.folders.ReadSetting(keys::kProvince), QStringLiteral("MI"));
        QCOMPARE(h.window->Log().RowCount(), 0);
        QCOMPARE(h.Text(ControlId::Callsign), QStringLiteral("IK0ABC"));

        // The row kept its values: Enter again logs the contact.
        h.Find(ControlId::ProvinceCode)->setFocus();
        MainWindowHarness::Press(Qt::Key_Return);
        QCOMPARE(h.window->Log().RowCount(), 1);
    }

    void summaryDataSwitchesToAnSwlLog()
    {
        MainWindowHarness h;
        h.StoreOwnProvince();
        h.folders.WriteSetting(keys::kOpenLogPath, QStringLiteral("/tmp/gara.zelk"));
        h.folders.WriteSetting(keys::kOpenLogName, QStringLiteral("gara.zelk"));
        QVERIFY(h.Open());
        h.window->SetSummaryEditor([](const SummaryData& data) {
            CVelsadDlg::SummaryEdit edit{data, true};
            edit.data.category = "SWL";
            return std::optional(edit);
        });

        MainWindowHarness::Press(Qt::Key_F5);

        QVERIFY(h.window->Log().IsSwl());
        QCOMPARE(h.window->windowTitle(), ProgramTitleText());
        QVERIFY(h.Find(ControlId::AnsweringCallsign)->isVisible());
        QCOMPARE(h.Find<QLabel>(ControlId::ProvinceMatrixHeading)->text(), QStringLiteral("Prov1"));
        QCOMPARE(h.folders.ReadSetting(keys::kCategory), QStringLiteral("SWL"));

        // One heard exchange typed from the keyboard gives its two rows.
        h.Find(ControlId::Callsign)->setFocus();
        for (const char* text : {"ik0aaa", "rm", "ik0bbb", "mi"}) {
            MainWindowHarness::Type(QString::fromLatin1(text));
            MainWindowHarness::Press(Qt::Key_Return);
        }
        QCOMPARE(h.window->Log().RowCount(), 2);
        QCOMPARE(h.window->Log().Cell(0, SwlColumn::CallingCallsign), std::string_view("IK0AAA"));
        QCOMPARE(h.window->Log().Cell(1, SwlColumn::CallingCallsign), std::string_view("IK0BBB"));
        QCOMPARE(h.window->Log().Cell(1, SwlColumn::ProvinceCode), std::string_view("MI"));
        QVERIFY(QApplication::focusWidget() == h.Find(ControlId::Callsign));
    }

    void cancelledSummaryDataChangesNothing()
    {
        MainWindowHarness h;
        QVERIFY(h.Open());
        h.window->SetSummaryEditor([](const SummaryData&) { return std::nullopt; });
        MainWindowHarness::Press(Qt::Key_F5);
        QVERIFY(!QFile::exists(h.folders.SettingsPath()));
        QVERIFY(!h.window->Log().IsSwl());
    }
};

QTEST_MAIN(QsoEntryTest)
#include "tst_qsoentry.moc"
