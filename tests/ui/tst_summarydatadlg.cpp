// The "Dati riassuntivi" window on screen: what it shows, how its fields take input, and how
// "Salva" and "Annulla" end it.

#include "core/provinces/ProvinceTable.h"
#include "support/ScriptedPrompter.h"
#include "ui/dialogs/CSummaryDataDlg.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace zelkor;

namespace {

ProvinceTable Provinces()
{
    ProvinceTable table;
    table.SetName(ProvinceIndexOf("MB"), "MONZA E BRIANZA");
    table.SetName(ProvinceIndexOf("MI"), "MILANO");
    return table;
}

SummaryData Stored()
{
    SummaryData data;
    data.callsign = "IZ2ABC";
    data.province = "MI";
    data.name = "Ugo";
    data.category = "SOP";
    return data;
}

template <typename T>
T* Find(const QDialog& dialog, const char* name)
{
    return dialog.findChild<T*>(QString::fromLatin1(name));
}

}  // namespace

class TestSummaryDataDlg : public QObject {
    Q_OBJECT

private slots:
    void ShowsTheStoredDataUnderItsLabels();
    void RefusedSaveKeepsTheWindowOpen();
    void ListsSelectTheFirstEntryBeginningWithTheStoredCode_data();
    void ListsSelectTheFirstEntryBeginningWithTheStoredCode();
    void CategoryPickedByKeyboardAsks();
    void CancelDiscardsTheEdits();
};

void TestSummaryDataDlg::ShowsTheStoredDataUnderItsLabels()
{
    test::ScriptedPrompter prompter;
    CSummaryDataDlg dialog(Stored(), Provinces(), {}, prompter);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("ZELKOR - Dati riassuntivi"));

    QStringList labels;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        labels << label->text();
        QCOMPARE(label->buddy()->accessibleName().left(label->text().size()), label->text());
    }
    QCOMPARE(labels,
             QStringList({"Nominativo utilizzato durante il contest", "Propria provincia",
                          "Propria sezione Ari (codice e nome)", "Nome",
                          "Eventuali altri operatori", "Categoria", "Indirizzo", "Commenti"}));
    QCOMPARE(dialog.findChildren<QLineEdit*>().size(), 9);
    for (const QWidget* control : dialog.findChildren<QWidget*>()) {
        if (!qobject_cast<const QLabel*>(control) && control->parent() == &dialog) {
            QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(control->objectName()));
        }
    }

    const auto* category = Find<QComboBox>(dialog, "categoryCombo");
    QStringList entries;
    for (int index = 0; index < category->count(); ++index) {
        entries << category->itemText(index);
    }
    QCOMPARE(
        entries,
        QStringList({"SOP - Singolo op. misto 40/80m", "S40 - Singolo op. misto 40m",
                     "S80 - SIngolo op. misto 80m", "SCW - Singolo op. CW 40/80m",
                     "SPH - Singolo op. SSB 40/80m", "SDG - Singolo op. RTTY/Psk31 40/80m",
                     "MOP - Multi operatore misto 40/80m", "SEZ - Stazioni IQ misto 40/80m",
                     "QRP - Bassa potenza misto 40/80m", "STM - Stazioni marconiane misto 40/80m",
                     "SWL - Stazioni di ascolto, misto 40/80m"}));
    QCOMPARE(category->currentIndex(), 0);
    QCOMPARE(Find<QComboBox>(dialog, "provinceCombo")->currentText(),
             QStringLiteral("MI - MILANO"));
    QCOMPARE(Find<QLineEdit>(dialog, "callsignEdit")->text(), QStringLiteral("IZ2ABC"));
}

void TestSummaryDataDlg::RefusedSaveKeepsTheWindowOpen()
{
    test::ScriptedPrompter prompter;
    SummaryData blank;
    blank.category.clear();
    CSummaryDataDlg dialog(blank, Provinces(), {}, prompter);
    dialog.show();
    QTest::keyClicks(Find<QLineEdit>(dialog, "callsignEdit"), QStringLiteral("iz2abc"));
    QTest::keyClicks(Find<QLineEdit>(dialog, "nameEdit"), QStringLiteral("Ug"));
    auto* address = Find<QLineEdit>(dialog, "address1Edit");
    address->insert(QStringLiteral("Via Roma 1\n20100 Milano"));
    QCOMPARE(address->text(), QStringLiteral("Via Roma 1 20100 Milano"));

    Find<QPushButton>(dialog, "saveButton")->click();
    QVERIFY(dialog.isVisible());
    QCOMPARE(prompter.boxes.size(), size_t(1));
    QCOMPARE(prompter.boxes[0].text, QStringLiteral("Correggi i dati!\n\nDevi inserire almeno\n"
                                                    "nominativo, nome, provincia e categoria."));

    QTest::keyClicks(Find<QLineEdit>(dialog, "nameEdit"), QStringLiteral("o"));
    Find<QPushButton>(dialog, "saveButton")->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.Result().callsign, std::string("IZ2ABC"));
    QCOMPARE(dialog.Result().name, std::string("Ugo"));
    QCOMPARE(dialog.Result().address1, std::string("Via Roma 1 20100 Milano"));
    QCOMPARE(dialog.Result().province, std::string());
    QCOMPARE(dialog.Result().category, std::string("SOP"));
}

void TestSummaryDataDlg::ListsSelectTheFirstEntryBeginningWithTheStoredCode_data()
{
    QTest::addColumn<QString>("province");
    QTest::addColumn<QString>("category");
    QTest::addColumn<QString>("provinceShown");
    QTest::addColumn<QString>("categoryShown");
    QTest::addColumn<QString>("provinceSaved");
    QTest::addColumn<QString>("categorySaved");
    QTest::newRow("stored codes") << "MI"
                                  << "SDG"
                                  << "MI - MILANO"
                                  << "SDG - Singolo op. RTTY/Psk31 40/80m"
                                  << "MI"
                                  << "SDG";
    // Every entry begins with an empty code; a missing own province is left for the entry row
    // to ask for.
    QTest::newRow("empty codes") << ""
                                 << ""
                                 << ""
                                 << "SOP - Singolo op. misto 40/80m"
                                 << ""
                                 << "SOP";
    QTest::newRow("one letter") << "M"
                                << "S"
                                << "MB - MONZA E BRIANZA"
                                << "SOP - Singolo op. misto 40/80m"
                                << "MB"
                                << "SOP";
    QTest::newRow("unknown codes") << "ZZ"
                                   << "XYZ"
                                   << ""
                                   << ""
                                   << ""
                                   << "";
}

void TestSummaryDataDlg::ListsSelectTheFirstEntryBeginningWithTheStoredCode()
{
    QFETCH(QString, province);
    QFETCH(QString, category);
    QFETCH(QString, provinceShown);
    QFETCH(QString, categoryShown);
    QFETCH(QString, provinceSaved);
    QFETCH(QString, categorySaved);
    test::ScriptedPrompter prompter;
    SummaryData data = Stored();
    data.province = province.toStdString();
    data.category = category.toStdString();
    CSummaryDataDlg dialog(data, Provinces(), {}, prompter);
    dialog.show();
    QCOMPARE(Find<QComboBox>(dialog, "provinceCombo")->currentText(), provinceShown);
    QCOMPARE(Find<QComboBox>(dialog, "categoryCombo")->currentText(), categoryShown);

    Find<QPushButton>(dialog, "saveButton")->click();
    QVERIFY(prompter.boxes.empty());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(QString::fromStdString(dialog.Result().province), provinceSaved);
    QCOMPARE(QString::fromStdString(dialog.Result().category), categorySaved);
}

void TestSummaryDataDlg::CategoryPickedByKeyboardAsks()
{
    test::ScriptedPrompter prompter;
    CSummaryDataDlg dialog(Stored(), Provinces(), {}, prompter);
    QVERIFY(prompter.boxes.empty());
    auto* category = Find<QComboBox>(dialog, "categoryCombo");
    QTest::keyClick(category, Qt::Key_End);
    QCOMPARE(prompter.boxes.size(), size_t(1));
    QCOMPARE(prompter.boxes[0].title, QStringLiteral("Richiesta conferma"));
    QCOMPARE(category->currentIndex(), 0);
}

void TestSummaryDataDlg::CancelDiscardsTheEdits()
{
    test::ScriptedPrompter prompter;
    prompter.answers = {Answer::Yes};
    CSummaryDataDlg dialog(Stored(), Provinces(), {}, prompter);
    dialog.show();
    QTest::keyClick(Find<QComboBox>(dialog, "categoryCombo"), Qt::Key_End);
    QTest::keyClicks(Find<QLineEdit>(dialog, "nameEdit"), QStringLiteral("berto"));
    Find<QPushButton>(dialog, "cancelButton")->click();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(dialog.Result() == Stored());
}

QTEST_MAIN(TestSummaryDataDlg)
#include "tst_summarydatadlg.moc"
