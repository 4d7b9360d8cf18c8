// Qt's own dialogs in Italian: Qt's translation, and the program's own file for the words that
// Qt's translation lacks, as the program installs them.

#include "core/log/LogList.h"
#include "support/ScriptedPrompter.h"
#include "support/TempFolder.h"
#include "ui/app/Translations.h"
#include "ui/export/LogPrinter.h"

#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>

using namespace zelkor;

namespace {

QPushButton* ButtonStartingWith(QWidget* window, const QString& start)
{
    for (QPushButton* button : window->findChildren<QPushButton*>()) {
        if (button->text().remove(QLatin1Char('&')).startsWith(start)) {
            return button;
        }
    }
    return nullptr;
}

}  // namespace

class TestTranslations : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(InstallItalianTranslations(*qApp)); }

    void QtWordsAreItalian_data();
    void QtWordsAreItalian();
    void PrintDialogSpeaksItalian();
};

void TestTranslations::QtWordsAreItalian_data()
{
    QTest::addColumn<QByteArray>("context");
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<QByteArray>("comment");
    QTest::addColumn<QString>("italian");

    // The words Qt's Italian translation lacks, as the print and file dialogs ask for them.
    const auto add = [](const char* context, const char* source, const char* comment,
                        const char* italian) {
        QTest::addRow("%s: %s", context, source)
            << QByteArray(context) << QByteArray(source) << QByteArray(comment)
            << QString::fromUtf8(italian);
    };
    add("QPrintSettingsOutput", "Pages", "", "Pagine");
    add("QPrintSettingsOutput", "Double Sided Printing", "", "Stampa fronte/retro");
    add("QPrintSettingsOutput", "Off", "", "Disattivata");
    add("QPrintSettingsOutput", "Long side binding", "", "Rilegatura sul lato lungo");
    add("QPrintSettingsOutput", "Short side binding", "", "Rilegatura sul lato corto");
    add("QPrintSettingsOutput",
        "Specify pages or ranges separated by commas. Ranges are specified by two numbers "
        "separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.",
        "",
        "Indicare pagine o intervalli separati da virgole. Un intervallo si indica con due "
        "numeri separati da un trattino. Ad es.: 3,5-7,9 stampa le pagine 3, 5, 6, 7 e 9.");
    add("QPrintPropertiesWidget", "Advanced", "", "Avanzate");
    add("QPrintPropertiesWidget", "There are conflicts in some options. Please fix them.", "",
        "Alcune opzioni sono in conflitto tra loro: correggerle.");
    add("QPrintPropertiesDialog", "Page Setup Conflicts", "",
        "Conflitti nell'impostazione della pagina");
    add("QPrintPropertiesDialog", "Advanced Option Conflicts", "",
        "Conflitti nelle opzioni avanzate");
    add("QPrintDialog", "Invalid Pages Definition", "", "Pagine indicate non valide");
    add("QPrintDialog",
        "%1 does not follow the correct syntax. Please use ',' to separate ranges and pages, '-' "
        "to define ranges and make sure ranges do not intersect with each other.",
        "",
        "%1 non è scritto correttamente. Separare pagine e intervalli con ',', indicare gli "
        "intervalli con '-' e fare in modo che gli intervalli non si sovrappongano.");
    add("QPrintDialog", "Duplex Settings Conflicts", "", "Conflitti nella stampa fronte/retro");
    add("QAbstractFileIconProvider", "Folder", "All other platforms", "Cartella");
    add("QAbstractFileIconProvider", "Drive", "", "Unità");
    // Qt's own translation is still there underneath.
    add("QPrintDialog", "&Print", "", "Stam&pa");
    add("QPrintSettingsOutput", "Pages from", "", "Pagine da");
}

void TestTranslations::QtWordsAreItalian()
{
    QFETCH(QByteArray, context);
    QFETCH(QByteArray, source);
    QFETCH(QByteArray, comment);
    QFETCH(QString, italian);
    QCOMPARE(QCoreApplication::translate(context.constData(), source.constData(),
                                         comment.isEmpty() ? nullptr : comment.constData()),
             italian);
}

// The dialog of "Stampa" as the operator finds it: both tabs of its options, and the tabs of
// its "Proprietà" window.
void TestTranslations::PrintDialogSpeaksItalian()
{
    LogList log;
    log.BuildStartColumns();
    log.AppendLogRow(
        {"03.12.2005", "1530", "3,5", "CW", "IK0ABC", "599", "579", "RE", "Reggio nell'Emilia"});
    QStringList shown;
    QStringList propertiesTabs;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            return;
        }
        shown << dialog->findChild<QGroupBox*>(QStringLiteral("duplex"))->title();
        for (const char* name : {"noDuplex", "duplexLong", "duplexShort", "pagesRadioButton"}) {
            shown << dialog->findChild<QRadioButton*>(QLatin1String(name))->text();
        }
        shown << dialog->findChild<QLineEdit*>(QStringLiteral("pagesLineEdit"))->toolTip();
        QTimer::singleShot(0, [&] {
            QWidget* properties = QApplication::activeModalWidget();
            if (properties == nullptr || properties == dialog) {
                return;
            }
            auto* tabs = properties->findChild<QTabWidget*>(QStringLiteral("tabs"));
            for (int tab = 0; tab < tabs->count(); ++tab) {
                propertiesTabs << tabs->tabText(tab);
            }
            properties->close();
        });
        if (QPushButton* button = ButtonStartingWith(dialog, QStringLiteral("Propriet"))) {
            button->click();
        }
        dialog->reject();
    });
    test::TempFolder folder;
    test::ScriptedPrompter prompter;
    PrintLogCommand(nullptr, log, prompter, folder.Path());

    QCOMPARE(shown, QStringList({
                        QStringLiteral("Stampa fronte/retro"),
                        QStringLiteral("Disattivata"),
                        QStringLiteral("Rilegatura sul lato lungo"),
                        QStringLiteral("Rilegatura sul lato corto"),
                        QStringLiteral("Pagine"),
                        QStringLiteral("Indicare pagine o intervalli separati da virgole. Un "
                                       "intervallo si indica con due numeri separati da un "
                                       "trattino. Ad es.: 3,5-7,9 stampa le pagine 3, 5, 6, 7 "
                                       "e 9."),
                    }));
    QVERIFY(propertiesTabs.contains(QStringLiteral("Pagina")));
    QVERIFY(propertiesTabs.contains(QStringLiteral("Avanzate")));
    QVERIFY(!propertiesTabs.contains(QStringLiteral("Advanced")));
}

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
