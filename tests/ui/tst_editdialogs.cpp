// The two row edit dialogs on screen: their fields, what typing lets through, and "Salva" with
// the checks answered through a scripted prompter; and the row editor the window uses.

#include "core/provinces/ProvinceTable.h"
#include "support/ScriptedPrompter.h"
#include "ui/ControlIds.h"
#include "ui/log/CHrdEditDlg.h"
#include "ui/log/CQsoEditDlg.h"
#include "ui/log/QtRowEditor.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <memory>

using namespace zelkor;

namespace {

const QsoRowEdit kQsoRow = {"3,5", {"05.02.2006", "1432", "CW", "ik0abc", "599", "579", "RM"}};
const HrdRowEdit kHrdRow = {"7", {"05.02.2006", "1432", "SSB", "i1xyz", "iz2bbb", "59", "MI"}};

struct Field {
    ControlId id;
    QString label;
    QString text;
};

std::unique_ptr<EditRowDialog> OpenDialog(const QString& kind, const ProvinceTable& provinces,
                                          Prompter& prompter)
{
    std::unique_ptr<EditRowDialog> dialog;
    if (kind == QLatin1String("qso")) {
        auto qso = std::make_unique<CQsoEditDlg>(provinces, prompter);
        qso->SetRow(kQsoRow);
        dialog = std::move(qso);
    } else {
        auto hrd = std::make_unique<CHrdEditDlg>(provinces, prompter);
        hrd->SetRow(kHrdRow);
        dialog = std::move(hrd);
    }
    dialog->show();
    return dialog;
}

QString FieldText(const QWidget* field)
{
    if (const auto* list = qobject_cast<const QComboBox*>(field)) {
        return list->currentText();
    }
    return qobject_cast<const QLineEdit*>(field)->text();
}

void ClickSave(QWidget* dialog)
{
    dialog->findChild<QPushButton*>(ControlName(ControlId::OkButton))->click();
}

}  // namespace

Q_DECLARE_METATYPE(ControlId)
Q_DECLARE_METATYPE(QList<Field>)

class TestEditDialogs : public QObject {
    Q_OBJECT

public:
    TestEditDialogs()
    {
        m_provinces.SetName(ProvinceIndexOf("RM"), "ROMA");
        m_provinces.SetName(ProvinceIndexOf("MI"), "MILANO");
    }

private slots:
    void ShowsTheRowInFieldsNamedByIdAndLabel_data();
    void ShowsTheRowInFieldsNamedByIdAndLabel();
    void ListsOfferEveryBandAndMode();
    void TypingKeepsToTheRestrictions_data();
    void TypingKeepsToTheRestrictions();
    void ARefusedSaveKeepsTheDialogOpen();
    void ProvinceIsKnownWhenTheTableNamesIt_data();
    void ProvinceIsKnownWhenTheTableNamesIt();
    void ALongerTextFromTheRowStillLimitsTyping();
    void RowEditorHandsBackSaveAndNothingForCancel();

private:
    ProvinceTable m_provinces;
};

void TestEditDialogs::ShowsTheRowInFieldsNamedByIdAndLabel_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QList<Field>>("fields");
    QTest::newRow("qso") << "qso"
                         << "Modifica di un QSO"
                         << QList<Field>{{ControlId::Date, "Data", "05.02.2006"},
                                         {ControlId::Time, "Utc", "1432"},
                                         {ControlId::Band, "MHz", "3,5"},
                                         {ControlId::Mode, "Modo", "CW"},
                                         {ControlId::Callsign, "Nominativo", "IK0ABC"},
                                         {ControlId::ReportSent, "RST tx", "599"},
                                         {ControlId::ReportReceived, "RST rx", "579"},
                                         {ControlId::ProvinceCode, "Prov.", "RM"}};
    QTest::newRow("hrd") << "hrd"
                         << "Modifica di un HRD"
                         << QList<Field>{{ControlId::Date, "Data", "05.02.2006"},
                                         {ControlId::Time, "Utc", "1432"},
                                         {ControlId::Band, "MHz", "7"},
                                         {ControlId::Mode, "Modo", "SSB"},
                                         {ControlId::Callsign, "Nominativo 1", "I1XYZ"},
                                         {ControlId::Report, "RST", "59"},
                                         {ControlId::ProvinceCode, "Prov.", "MI"},
                                         {ControlId::AnsweringCallsign, "Nominativo 2", "IZ2BBB"}};
}

void TestEditDialogs::ShowsTheRowInFieldsNamedByIdAndLabel()
{
    QFETCH(QString, kind);
    QFETCH(QString, title);
    QFETCH(QList<Field>, fields);
    // A row's callsigns in lower case are shown as the field holds what is typed: in capitals.
    test::ScriptedPrompter prompter;
    const auto dialog = OpenDialog(kind, m_provinces, prompter);
    QCOMPARE(dialog->windowTitle(), title);
    // In screen order: each field after the one before it, left to right.
    int left = -1;
    for (const Field& expected : fields) {
        const auto* field = dialog->findChild<QWidget*>(ControlName(expected.id));
        QVERIFY2(field != nullptr, qPrintable(ControlName(expected.id)));
        QCOMPARE(field->accessibleName(), expected.label);
        QCOMPARE(FieldText(field), expected.text);
        QVERIFY(field->x() > left);
        left = field->x();
    }
    QCOMPARE(dialog->findChild<QPushButton*>(ControlName(ControlId::OkButton))->text(),
             QStringLiteral("Salva"));
    QCOMPARE(dialog->findChild<QPushButton*>(ControlName(ControlId::CancelButton))->text(),
             QStringLiteral("Annulla"));
}

void TestEditDialogs::ListsOfferEveryBandAndMode()
{
    test::ScriptedPrompter prompter;
    const auto dialog = OpenDialog(QStringLiteral("qso"), m_provinces, prompter);
    const auto entries = [&dialog](ControlId id) {
        QStringList texts;
        const auto* list = dialog->findChild<QComboBox*>(ControlName(id));
        for (int i = 0; i < list->count(); ++i) {
            texts << list->itemText(i);
        }
        return texts;
    };
    QCOMPARE(entries(ControlId::Band), (QStringList{"1,8", "3,5", "7", "14", "21", "28"}));
    QCOMPARE(entries(ControlId::Mode), (QStringList{"SSB", "CW", "RTTY", "PSK31"}));
}

void TestEditDialogs::TypingKeepsToTheRestrictions_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<ControlId>("id");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("callsign in capitals") << "qso" << ControlId::Callsign << "ik0abc"
                                          << "IK0ABC";
    QTest::newRow("no separator in a date") << "qso" << ControlId::Date << "05^02.2006x"
                                            << "0502.2006";
    QTest::newRow("date of ten") << "qso" << ControlId::Date << "05.02.20061"
                                 << "05.02.2006";
    QTest::newRow("time with colon") << "qso" << ControlId::Time << "14:3a2"
                                     << "14:32";
    QTest::newRow("time of five") << "hrd" << ControlId::Time << "143210"
                                  << "14321";
    QTest::newRow("report of six digits") << "qso" << ControlId::ReportReceived << "59x99999"
                                          << "599999";
    QTest::newRow("province of two letters") << "qso" << ControlId::ProvinceCode << "r1mx"
                                             << "RM";
    QTest::newRow("second callsign") << "hrd" << ControlId::AnsweringCallsign << "iz2/p^"
                                     << "IZ2/P";
    QTest::newRow("heard report") << "hrd" << ControlId::Report << "5 9"
                                  << "59";
}

void TestEditDialogs::TypingKeepsToTheRestrictions()
{
    QFETCH(QString, kind);
    QFETCH(ControlId, id);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    test::ScriptedPrompter prompter;
    const auto dialog = OpenDialog(kind, m_provinces, prompter);
    auto* field = dialog->findChild<QLineEdit*>(ControlName(id));
    field->clear();
    QTest::keyClicks(field, typed);
    QCOMPARE(field->text(), shown);
}

void TestEditDialogs::ARefusedSaveKeepsTheDialogOpen()
{
    test::ScriptedPrompter prompter;
    CQsoEditDlg dialog(m_provinces, prompter);
    QsoRowEdit row = kQsoRow;
    row.values.date = "31.04.2006";
    dialog.SetRow(row);
    dialog.show();
    ClickSave(&dialog);
    QVERIFY(dialog.isVisible());
    QCOMPARE(prompter.boxes.size(), std::size_t{1});
    QCOMPARE(prompter.boxes[0].title, QStringLiteral("Errore"));
    QCOMPARE(prompter.boxes[0].text, QStringLiteral("Data errata!"));
    QCOMPARE(prompter.boxes[0].icon, MessageIcon::Stop);

    auto* date = dialog.findChild<QLineEdit*>(ControlName(ControlId::Date));
    date->clear();
    QTest::keyClicks(date, QStringLiteral("30.04.2006"));
    ClickSave(&dialog);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int{QDialog::Accepted});
    const QsoRowEdit& saved = dialog.AcceptedRow();
    const QsoEditValues& v = saved.values;
    QCOMPARE(QString::fromStdString(saved.band + "|" + v.date + "|" + v.time + "|" + v.mode + "|" +
                                    v.callsign + "|" + v.reportSent + "|" + v.reportReceived + "|" +
                                    v.provinceCode),
             QStringLiteral("3,5|30.04.2006|1432|CW|IK0ABC|599|579|RM"));
}

void TestEditDialogs::ProvinceIsKnownWhenTheTableNamesIt_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("question");
    const QString none;
    const QString qsoQuestion =
        QStringLiteral("ATTENZIONE! Sigla provincia sconosciuta.\n\nVuoi inserirlo ugualmente?");
    const QString hrdQuestion =
        QStringLiteral("ATTENZIONE! Sigla provincia sconosciuta.\n\nVuoi inserirli ugualmente?");
    // A longer code of capitals is looked up by its first two letters.
    QTest::newRow("qso RMX") << "qso"
                             << "RMX" << none;
    QTest::newRow("hrd MIL") << "hrd"
                             << "MIL" << none;
    QTest::newRow("qso XYZ") << "qso"
                             << "XYZ" << qsoQuestion;
    QTest::newRow("hrd M") << "hrd"
                           << "M" << hrdQuestion;
    QTest::newRow("hrd RM1") << "hrd"
                             << "RM1" << hrdQuestion;
}

void TestEditDialogs::ProvinceIsKnownWhenTheTableNamesIt()
{
    QFETCH(QString, kind);
    QFETCH(QString, code);
    QFETCH(QString, question);
    test::ScriptedPrompter prompter;
    prompter.answers = {Answer::No};
    std::unique_ptr<EditRowDialog> dialog;
    if (kind == QLatin1String("qso")) {
        QsoRowEdit row = kQsoRow;
        row.values.provinceCode = code.toStdString();
        auto qso = std::make_unique<CQsoEditDlg>(m_provinces, prompter);
        qso->SetRow(row);
        dialog = std::move(qso);
    } else {
        HrdRowEdit row = kHrdRow;
        row.values.provinceCode = code.toStdString();
        auto hrd = std::make_unique<CHrdEditDlg>(m_provinces, prompter);
        hrd->SetRow(row);
        dialog = std::move(hrd);
    }
    dialog->show();
    // The row's code is shown whole, as it will be saved.
    QCOMPARE(dialog->findChild<QLineEdit*>(ControlName(ControlId::ProvinceCode))->text(), code);
    ClickSave(dialog.get());

    if (question.isEmpty()) {
        QVERIFY(prompter.boxes.empty());
        QCOMPARE(dialog->result(), int{QDialog::Accepted});
        const std::string saved =
            kind == QLatin1String("qso")
                ? static_cast<CQsoEditDlg*>(dialog.get())->AcceptedRow().values.provinceCode
                : static_cast<CHrdEditDlg*>(dialog.get())->AcceptedRow().values.provinceCode;
        QCOMPARE(QString::fromStdString(saved), code);
    } else {
        QCOMPARE(prompter.boxes.size(), std::size_t{1});
        QCOMPARE(prompter.boxes[0].title, QStringLiteral("Domanda"));
        QCOMPARE(prompter.boxes[0].text, question);
        QVERIFY(dialog->isVisible());  // No keeps the dialog open
    }
}

void TestEditDialogs::ALongerTextFromTheRowStillLimitsTyping()
{
    test::ScriptedPrompter prompter;
    CHrdEditDlg dialog(m_provinces, prompter);
    HrdRowEdit row = kHrdRow;
    row.values.provinceCode = "RMX";
    dialog.SetRow(row);
    dialog.show();
    auto* code = dialog.findChild<QLineEdit*>(ControlName(ControlId::ProvinceCode));
    QCOMPARE(code->text(), QStringLiteral("RMX"));

    code->setFocus();
    code->end(false);
    QTest::keyClicks(code, QStringLiteral("a^"));
    QCOMPARE(code->text(), QStringLiteral("RMX"));
    code->selectAll();
    QTest::keyClicks(code, QStringLiteral("mil"));
    QCOMPARE(code->text(), QStringLiteral("MI"));
}

void TestEditDialogs::RowEditorHandsBackSaveAndNothingForCancel()
{
    QtRowEditor editor(m_provinces, nullptr);
    const auto pressSoon = [](ControlId button) {
        QTimer::singleShot(0, [button] {
            QWidget* dialog = QApplication::activeModalWidget();
            QVERIFY(dialog != nullptr);
            dialog->findChild<QPushButton*>(ControlName(button))->click();
        });
    };
    pressSoon(ControlId::CancelButton);
    QVERIFY(!editor.EditQsoRow(kQsoRow).has_value());
    pressSoon(ControlId::OkButton);
    const std::optional<HrdRowEdit> saved = editor.EditHrdRow(kHrdRow);
    QVERIFY(saved.has_value());
    const HrdEditValues& v = saved->values;
    QCOMPARE(QString::fromStdString(saved->band + "|" + v.date + "|" + v.time + "|" + v.mode + "|" +
                                    v.callingCallsign + "|" + v.report + "|" + v.provinceCode +
                                    "|" + v.answeringCallsign),
             QStringLiteral("7|05.02.2006|1432|SSB|I1XYZ|59|MI|IZ2BBB"));
}

QTEST_MAIN(TestEditDialogs)
#include "tst_editdialogs.moc"
