// The small windows around the log: options, about, instructions and the start-up picture, and
// the artwork they show.

#include "core/platform/BuildInfo.h"
#include "core/settings/AppSettings.h"
#include "core/settings/SettingsStore.h"
#include "core/text/Cp1252.h"
#include "core/text/EncodedText.h"
#include "support/ScriptedPrompter.h"
#include "support/TempFolder.h"
#include "ui/ControlIds.h"
#include "ui/dialogs/CAboutDlg.h"
#include "ui/dialogs/CInstructionsDlg.h"
#include "ui/dialogs/COptionsDlg.h"
#include "ui/dialogs/CSplashDlg.h"
#include "ui/mainwindow/MainMenu.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QTextBlock>
#include <QTimer>
#include <QtTest>

using namespace zelkor;
using namespace std::chrono_literals;

namespace {

template <typename T>
T* Find(const QWidget& window, const QString& name)
{
    T* found = window.findChild<T*>(name);
    if (found == nullptr) {
        qFatal("no control %s", qPrintable(name));
    }
    return found;
}

// The options window over a private settings file, read back by an independent reader.
struct OptionsBench {
    test::TempFolder folder;
    QString iniPath = folder.File(QStringLiteral("zelkor.conf"));
    std::unique_ptr<SettingsStore> store = SettingsStore::OpenFile(iniPath);
    AppSettings settings;
    test::ScriptedPrompter prompter;

    QVariant Stored(const QString& name) const
    {
        return QSettings(iniPath, QSettings::IniFormat).value(QStringLiteral("Parametri/") + name);
    }
};

QColor PixelAt(QWidget* widget, QPoint point)
{
    return widget->grab().toImage().pixelColor(point);
}

bool ShowsColour(QWidget* widget, const QColor& colour)
{
    const QImage image = widget->grab().toImage();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) == colour) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace

class TestAuxDialogs : public QObject {
    Q_OBJECT

private slots:
    void OptionsWindowShowsItsControls();
    void ChosenColourIsStoredAtOnceAndKept_data();
    void ChosenColourIsStoredAtOnceAndKept();
    void SaveStoresTheSwlOptionAndCancelDoesNot_data();
    void SaveStoresTheSwlOptionAndCancelDoesNot();
    void EnterPressesSaveWhereverTheFocusIs_data();
    void EnterPressesSaveWhereverTheFocusIs();

    void AboutShowsEntriesOneToTen();
    void AboutInstructionsButtonOpensTheManual();

    void InstructionsShowEachLineReadOnlyInFixedPitch();
    void InstructionsKeysScrollTheManual();

    void SplashClosesByItself();
    void SplashIgnoresEscAndClose();

    void ArtworkIsSharpAtOneAndTwoTimes_data();
    void ArtworkIsSharpAtOneAndTwoTimes();
};

void TestAuxDialogs::OptionsWindowShowsItsControls()
{
    OptionsBench bench;
    COptionsDlg dialog(bench.settings, *bench.store, bench.prompter);
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Opzioni"));

    auto* check = Find<QCheckBox>(dialog, QStringLiteral("swlByBandCheck"));
    QCOMPARE(check->text(), QStringLiteral("File Cabrillo/Adif SWL ordinati per banda"));
    QVERIFY(!check->isVisible());
    QVERIFY(!check->isEnabled());

    QCOMPARE(Find<QGroupBox>(dialog, QStringLiteral("colourGroup"))->title(),
             QStringLiteral("Colore"));
    QCOMPARE(Find<QLabel>(dialog, QStringLiteral("noteLabel"))->text(),
             QStringLiteral("Il nuovo colore sarà attivo solo dopo aver chiuso e\n"
                            "fatto ripartire il programma."));
    QStringList buttons;
    for (const QPushButton* button : dialog.findChildren<QPushButton*>()) {
        buttons << button->text();
        QCOMPARE(button->accessibleName(), button->text());
    }
    QCOMPARE(buttons, QStringList({"Sfondo", "Testo", "Salva", "Annulla"}));

    // Default colours: white on red 224, green 96, blue 32.
    auto* sample = Find<QLineEdit>(dialog, QStringLiteral("sampleField"));
    QCOMPARE(sample->text(), QStringLiteral("     Esempio     "));
    QVERIFY(sample->isReadOnly());
    QCOMPARE(PixelAt(sample, {1, 1}), QColor(224, 96, 32));
    QVERIFY(ShowsColour(sample, Qt::white));
}

void TestAuxDialogs::ChosenColourIsStoredAtOnceAndKept_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("chosen");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QColor>("shown");
    // Stored as 0x00BBGGRR: pure red is 255, pure blue 16711680.
    QTest::newRow("pure red background")
        << "backgroundButton" << 255 << "Colore sfondo" << QColor(255, 0, 0);
    QTest::newRow("pure blue background")
        << "backgroundButton" << 0xFF0000 << "Colore sfondo" << QColor(0, 0, 255);
    QTest::newRow("pure red text") << "textButton" << 255 << "Colore testo" << QColor(255, 0, 0);
    QTest::newRow("dark green text")
        << "textButton" << 0x006400 << "Colore testo" << QColor(0, 100, 0);
}

void TestAuxDialogs::ChosenColourIsStoredAtOnceAndKept()
{
    QFETCH(QString, button);
    QFETCH(int, chosen);
    QFETCH(QString, key);
    QFETCH(QColor, shown);

    OptionsBench bench;
    // The first chooser is cancelled and changes nothing; the second one's colour is stored.
    bench.prompter.colours = {std::nullopt, chosen};
    const AppSettings before = bench.settings;
    COptionsDlg dialog(bench.settings, *bench.store, bench.prompter);
    dialog.show();
    Find<QPushButton>(dialog, button)->click();
    QVERIFY(bench.settings == before);
    QVERIFY(!bench.Stored(key).isValid());
    Find<QPushButton>(dialog, button)->click();
    QCOMPARE(bench.Stored(key), QVariant(chosen));

    auto* sample = Find<QLineEdit>(dialog, QStringLiteral("sampleField"));
    if (key == QLatin1String("Colore sfondo")) {
        QCOMPARE(PixelAt(sample, {1, 1}), shown);
    } else {
        QVERIFY(ShowsColour(sample, shown));
    }

    Find<QPushButton>(dialog, QStringLiteral("cancelButton"))->click();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(bench.Stored(key), QVariant(chosen));
    QVERIFY(!bench.Stored(QStringLiteral("File SWL ordinati banda")).isValid());
}

void TestAuxDialogs::SaveStoresTheSwlOptionAndCancelDoesNot_data()
{
    QTest::addColumn<bool>("option");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QVariant>("stored");
    QTest::newRow("on, Salva") << true << "saveButton" << QVariant(1);
    QTest::newRow("off, Salva") << false << "saveButton" << QVariant(0);
    QTest::newRow("on, Annulla") << true << "cancelButton" << QVariant();
}

void TestAuxDialogs::SaveStoresTheSwlOptionAndCancelDoesNot()
{
    QFETCH(bool, option);
    QFETCH(QString, button);
    QFETCH(QVariant, stored);

    OptionsBench bench;
    bench.settings.swlExportByBand = option;
    COptionsDlg dialog(bench.settings, *bench.store, bench.prompter);
    Find<QPushButton>(dialog, button)->click();
    QCOMPARE(bench.Stored(QStringLiteral("File SWL ordinati banda")), stored);
    QCOMPARE(bench.settings.swlExportByBand, option);
}

void TestAuxDialogs::EnterPressesSaveWhereverTheFocusIs_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    // Empty: the focus where the window puts it when it opens.
    QTest::newRow("as opened, Enter") << QString() << int(Qt::Key_Return);
    QTest::newRow("as opened, keypad Enter") << QString() << int(Qt::Key_Enter);
    QTest::newRow("on Testo") << "textButton" << int(Qt::Key_Return);
}

void TestAuxDialogs::EnterPressesSaveWhereverTheFocusIs()
{
    QFETCH(QString, focus);
    QFETCH(int, key);

    OptionsBench bench;
    bench.settings.swlExportByBand = true;
    // A colour chooser that opened would take this colour.
    bench.prompter.colours = {0x123456};
    COptionsDlg dialog(bench.settings, *bench.store, bench.prompter);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    if (!focus.isEmpty()) {
        Find<QPushButton>(dialog, focus)->setFocus();
    }
    QVERIFY(QApplication::focusWidget() != nullptr);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));

    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(bench.prompter.colours.size(), size_t(1));
    QCOMPARE(bench.Stored(QStringLiteral("File SWL ordinati banda")), QVariant(1));
    for (const QPushButton* button : dialog.findChildren<QPushButton*>()) {
        const bool save = button->objectName() == QLatin1String("saveButton");
        QCOMPARE(button->isDefault(), save);
        QCOMPARE(button->autoDefault(), false);
    }
}

void TestAuxDialogs::AboutShowsEntriesOneToTen()
{
    CAboutDlg dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Informazioni su Zelkor"));
    for (int i = 0; i < kAboutFieldCount; ++i) {
        const auto* field = Find<QLabel>(dialog, ControlName(AboutField(i)));
        QCOMPARE(field->text(), ToQString(FetchEncodedString(i + 2)));
    }
    QCOMPARE(Find<QLabel>(dialog, ControlName(AboutField(0)))->text(),
             QStringLiteral("Zelkor versione ") + QLatin1String(kProgramVersion));
    QCOMPARE(Find<QLabel>(dialog, ControlName(AboutField(1)))->text(),
             QStringLiteral("Gestione Contest Italiano 40 e 80 metri"));
    QVERIFY(!Find<QLabel>(dialog, QStringLiteral("aboutPicture"))->pixmap().isNull());
    QVERIFY(!Find<QLabel>(dialog, QStringLiteral("programIcon"))->pixmap().isNull());
    QCOMPARE(Find<QPushButton>(dialog, ControlName(ControlId::OkButton))->text(),
             QStringLiteral("Chiudi"));
}

void TestAuxDialogs::AboutInstructionsButtonOpensTheManual()
{
    CAboutDlg dialog;
    dialog.show();
    QString opened;
    int lines = 0;
    QTimer::singleShot(0, &dialog, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* instructions = qobject_cast<CInstructionsDlg*>(modal)) {
            opened = instructions->windowTitle();
            lines = Find<QPlainTextEdit>(*instructions, ControlName(ControlId::InstructionsText))
                        ->blockCount();
            instructions->reject();
        }
    });
    Find<QPushButton>(dialog, ControlName(Command::Instructions))->click();
    QCOMPARE(opened, QStringLiteral("Istruzioni"));
    QVERIFY(lines > 300);
    QVERIFY(dialog.isVisible());
}

void TestAuxDialogs::InstructionsShowEachLineReadOnlyInFixedPitch()
{
    CInstructionsDlg dialog("Perch\xE9 Zelkor\nseconda riga\n\nquarta riga\n");
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Istruzioni"));
    auto* box = Find<QPlainTextEdit>(dialog, ControlName(ControlId::InstructionsText));

    QStringList shown;
    for (QTextBlock block = box->document()->begin(); block.isValid(); block = block.next()) {
        shown << block.text();
    }
    QCOMPARE(shown, QStringList({u"Perché Zelkor"_qs, "seconda riga", "", "quarta riga", ""}));

    QTest::keyClicks(box, QStringLiteral("xyz"));
    QTest::keyClick(box, Qt::Key_Delete);
    QCOMPARE(box->toPlainText(), QStringLiteral("Perché Zelkor\nseconda riga\n\nquarta riga\n"));
    const QFontMetrics metrics(box->font());
    QCOMPARE(metrics.horizontalAdvance(QStringLiteral("iiii")),
             metrics.horizontalAdvance(QStringLiteral("MMMM")));
    QCOMPARE(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(box->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(PixelAt(box->viewport(), {box->viewport()->width() - 2, 2}), QColor(Qt::white));
    QVERIFY(ShowsColour(box->viewport(), Qt::black));
    QCOMPARE(Find<QPushButton>(dialog, ControlName(ControlId::OkButton))->text(),
             QStringLiteral("Chiudi"));
}

void TestAuxDialogs::InstructionsKeysScrollTheManual()
{
    const std::string manual = LoadInstructionsText();
    CInstructionsDlg dialog(manual);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    auto* box = Find<QPlainTextEdit>(dialog, ControlName(ControlId::InstructionsText));
    QCOMPARE(QApplication::focusWidget(), box);
    const QString text = box->toPlainText();
    QScrollBar* bar = box->verticalScrollBar();
    QCOMPARE(bar->value(), 0);
    QVERIFY(bar->maximum() > 3 * bar->pageStep());

    const auto press = [box](Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(box, key, modifiers);
    };
    press(Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(bar->value(), bar->maximum());
    press(Qt::Key_Home, Qt::ControlModifier);
    QCOMPARE(bar->value(), 0);

    press(Qt::Key_PageDown);
    QCOMPARE(bar->value(), bar->pageStep());
    press(Qt::Key_PageDown);
    QCOMPARE(bar->value(), 2 * bar->pageStep());
    press(Qt::Key_Down);
    QCOMPARE(bar->value(), 2 * bar->pageStep() + bar->singleStep());
    press(Qt::Key_Up);
    press(Qt::Key_Up);
    QCOMPARE(bar->value(), 2 * bar->pageStep() - bar->singleStep());
    press(Qt::Key_PageUp);
    QCOMPARE(bar->value(), bar->pageStep() - bar->singleStep());

    // Keys that would edit a text change nothing, and the window is still open.
    press(Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(box, QStringLiteral("xyz"));
    press(Qt::Key_Backspace);
    press(Qt::Key_Delete);
    press(Qt::Key_X, Qt::ControlModifier);
    press(Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(box->toPlainText(), text);
    QVERIFY(box->isReadOnly());
    QCOMPARE(bar->value(), bar->maximum());
    QVERIFY(dialog.isVisible());
}

void TestAuxDialogs::SplashClosesByItself()
{
    CSplashDlg splash(1ms);
    // Only a guard against a hang: a splash that never closed itself ends here as rejected.
    QTimer::singleShot(30s, &splash, [&] { splash.done(QDialog::Rejected); });
    QCOMPARE(splash.exec(), int(QDialog::Accepted));
    QVERIFY(!splash.isVisible());
}

void TestAuxDialogs::SplashIgnoresEscAndClose()
{
    CSplashDlg splash(24h);
    splash.show();
    QVERIFY(splash.windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(splash.size(), QSize(360, 300));
    QVERIFY(!Find<QLabel>(splash, QStringLiteral("splashPicture"))->pixmap().isNull());

    QTest::keyClick(&splash, Qt::Key_Escape);
    QVERIFY(splash.isVisible());
    QVERIFY(!splash.close());
    QVERIFY(splash.isVisible());
    QCOMPARE(splash.result(), 0);
}

void TestAuxDialogs::ArtworkIsSharpAtOneAndTwoTimes_data()
{
    QTest::addColumn<QIcon>("picture");
    QTest::addColumn<QSize>("size");
    QTest::newRow("icon 16") << ProgramIcon() << QSize(16, 16);
    QTest::newRow("icon 256") << ProgramIcon() << QSize(256, 256);
    QTest::newRow("splash") << QIcon(QStringLiteral(":/zelkor/artwork/splash.svg"))
                            << QSize(360, 300);
    QTest::newRow("about") << QIcon(QStringLiteral(":/zelkor/artwork/about.svg"))
                           << QSize(123, 150);
}

void TestAuxDialogs::ArtworkIsSharpAtOneAndTwoTimes()
{
    QFETCH(QIcon, picture);
    QFETCH(QSize, size);
    for (const qreal scale : {1.0, 2.0}) {
        const QPixmap pixmap = picture.pixmap(size, scale);
        // Drawn at the full pixel size of the scale, not a smaller picture blown up.
        QCOMPARE(pixmap.size(), size * scale);
        QCOMPARE(pixmap.deviceIndependentSize().toSize(), size);
        const QImage image = pixmap.toImage();
        QSet<QRgb> colours;
        for (int y = 0; y < image.height(); y += 3) {
            for (int x = 0; x < image.width(); x += 3) {
                colours.insert(image.pixel(x, y));
            }
        }
        QVERIFY2(colours.size() > 20, "a blank or single-colour picture");
    }
}

QTEST_MAIN(TestAuxDialogs)
#include "tst_auxdialogs.moc"
