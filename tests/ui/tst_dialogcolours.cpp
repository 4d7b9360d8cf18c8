// The colours chosen in the options: the program's own windows and message boxes wear them, Qt's
// standard dialogs opened over those windows (print and its properties, file, colour) keep the
// desktop's.

#include "MainWindowHarness.h"

#include "core/settings/SettingKeys.h"
#include "ui/app/DialogColours.h"
#include "ui/platform/QtPrompter.h"

#include <QAction>
#include <QColorDialog>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTimer>
#include <QtTest>

#include <functional>

using namespace zelkor;
using test::MainWindowHarness;

namespace {

// Colours no style draws by itself: a dark slate background and a lemon text colour.
constexpr int kBackground = 0x332211;  // 0x00BBGGRR: red 17, green 34, blue 51
constexpr int kText = 0x03FBFA;        // red 250, green 251, blue 3
const QColor kBackgroundColour(17, 34, 51);
const QColor kTextColour(250, 251, 3);

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

// The widgets of the window, the window too, that draw their background or static texts in the
// program's colours or are reached by a style sheet. Qt's own palettes (a red warning label)
// are the dialog's business.
QStringList InProgramColours(QWidget* window)
{
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    QStringList found;
    for (QWidget* widget : widgets) {
        const QString name = QStringLiteral("%1 %2").arg(
            QLatin1String(widget->metaObject()->className()), widget->objectName());
        if (widget->palette().color(QPalette::Window) == kBackgroundColour) {
            found << name + QStringLiteral(" background");
        }
        if (widget->palette().color(QPalette::WindowText) == kTextColour) {
            found << name + QStringLiteral(" text");
        }
        if (widget->testAttribute(Qt::WA_StyleSheet)) {
            found << name + QStringLiteral(" style sheet");
        }
    }
    return found;
}

// The program as started with the colours stored in the options, as the application applies
// them, and an own province so that contacts can be logged.
bool OpenInColours(MainWindowHarness& h)
{
    h.folders.WriteSetting(keys::kBackgroundColour, kBackground);
    h.folders.WriteSetting(keys::kTextColour, kText);
    h.folders.WriteSetting(keys::kProvince, QStringLiteral("MI"));
    DialogColours::SetColours(kBackground, kText);
    return h.Open();
}

// A push button by the start of its text, in Italian or, without Qt's translation, in English.
QPushButton* ButtonCalled(QWidget* window, const QString& italian, const QString& english)
{
    for (QPushButton* button : window->findChildren<QPushButton*>()) {
        const QString text = button->text().remove(QLatin1Char('&'));
        if (text.startsWith(italian) || text.startsWith(english)) {
            return button;
        }
    }
    qFatal("no button %s", qPrintable(italian));
}

// Runs the check on the next modal window that opens, then closes it.
void OnNextModal(const std::function<void(QDialog*)>& check)
{
    QTimer::singleShot(0, [check] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            return;
        }
        check(dialog);
        dialog->reject();
    });
}

}  // namespace

class TestDialogColours : public QObject {
    Q_OBJECT

private slots:
    void ProgramWindowsWearTheColours();
    void PrintDialogAndItsPropertiesKeepTheDesktopColours();
    void FileAndColourDialogsKeepTheDesktopColours();
};

void TestDialogColours::ProgramWindowsWearTheColours()
{
    MainWindowHarness h;
    QVERIFY(OpenInColours(h));
    QVERIFY(ShowsColour(h.window.get(), kBackgroundColour));
    for (QLabel* label : h.window->findChildren<QLabel*>()) {
        if (!label->text().isEmpty()) {
            QCOMPARE(label->palette().color(QPalette::WindowText), kTextColour);
        }
    }
    for (QGroupBox* box : h.window->findChildren<QGroupBox*>()) {
        QCOMPARE(box->palette().color(QPalette::WindowText), kTextColour);
    }
    // A menu bar is no static text: as on the desktop, like its menus.
    QVERIFY(InProgramColours(h.window->findChild<QMenuBar*>()).isEmpty());

    bool listChecked = false;
    OnNextModal([&](QDialog* list) {
        QCOMPARE(list->windowTitle(), QStringLiteral("Elenco province italiane"));
        QVERIFY(ShowsColour(list, kBackgroundColour));
        auto* bar = list->findChild<QMenuBar*>();
        QVERIFY(bar != nullptr);
        QVERIFY(InProgramColours(bar).isEmpty());
        listChecked = true;
    });
    MainWindowHarness::Press(Qt::Key_F8);
    QVERIFY(listChecked);

    // The "Andamento" window is modeless; its tab titles stay readable.
    h.Action(Command::Progress)->trigger();
    auto* progress = h.window->findChild<QDialog*>(QStringLiteral("CProgressDlg"));
    QVERIFY(progress != nullptr && progress->isVisible());
    QVERIFY(ShowsColour(progress, kBackgroundColour));
    auto* tabs = progress->findChild<QTabBar*>();
    QVERIFY(tabs != nullptr);
    QVERIFY(InProgramColours(tabs).isEmpty());
    progress->close();

    bool checked = false;
    OnNextModal([&](QDialog* dialog) {
        auto* box = qobject_cast<QMessageBox*>(dialog);
        QVERIFY(box != nullptr);
        QCOMPARE(box->palette().color(QPalette::Window), kBackgroundColour);
        QVERIFY(ShowsColour(box, kBackgroundColour));
        auto* text = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        QVERIFY(text != nullptr);
        QCOMPARE(text->palette().color(QPalette::WindowText), kTextColour);
        checked = true;
    });
    QtPrompter(h.window.get()).Information(QStringLiteral("Log salvato con successo"));
    QVERIFY(checked);
}

void TestDialogColours::PrintDialogAndItsPropertiesKeepTheDesktopColours()
{
    MainWindowHarness h;
    QVERIFY(OpenInColours(h));
    MainWindowHarness::EnterContact(QStringLiteral("IK0ABC"), QStringLiteral("RM"));

    QStringList printWrong;
    QStringList propertiesWrong;
    bool printShown = false;
    bool propertiesShown = false;
    OnNextModal([&](QDialog* print) {
        printShown = qobject_cast<QPrintDialog*>(print) != nullptr;
        // Both tabs of the expanded dialog, as the operator sees them.
        ButtonCalled(print, QStringLiteral("Opzioni"), QStringLiteral("Options"))->click();
        printWrong = InProgramColours(print);
        if (ShowsColour(print, kBackgroundColour)) {
            printWrong << QStringLiteral("background painted");
        }
        OnNextModal([&](QDialog* properties) {
            propertiesShown = properties->parent() == print;
            propertiesWrong = InProgramColours(properties);
            if (ShowsColour(properties, kBackgroundColour)) {
                propertiesWrong << QStringLiteral("background painted");
            }
        });
        ButtonCalled(print, QStringLiteral("Propriet"), QStringLiteral("Properties"))->click();
    });
    h.Action(Command::Print)->trigger();

    QVERIFY(printShown);
    QVERIFY(propertiesShown);
    QVERIFY2(printWrong.isEmpty(), qPrintable(printWrong.join(QStringLiteral("; "))));
    QVERIFY2(propertiesWrong.isEmpty(), qPrintable(propertiesWrong.join(QStringLiteral("; "))));
    // The window under them keeps its own colours.
    QVERIFY(ShowsColour(h.window.get(), kBackgroundColour));
}

void TestDialogColours::FileAndColourDialogsKeepTheDesktopColours()
{
    MainWindowHarness h;
    QVERIFY(OpenInColours(h));
    QtPrompter prompter(h.window.get());

    QStringList fileWrong;
    bool fileShown = false;
    OnNextModal([&](QDialog* dialog) {
        fileShown = qobject_cast<QFileDialog*>(dialog) != nullptr;
        fileWrong = InProgramColours(dialog);
    });
    FileDialogRequest request;
    request.title = QStringLiteral("Apri log");
    request.filter = QStringLiteral("File log Zelkor (*.zelk)");
    QVERIFY(!prompter.ChooseFile(request));
    QVERIFY(fileShown);
    QVERIFY2(fileWrong.isEmpty(), qPrintable(fileWrong.join(QStringLiteral("; "))));

    QStringList colourWrong;
    bool colourShown = false;
    OnNextModal([&](QDialog* dialog) {
        colourShown = qobject_cast<QColorDialog*>(dialog) != nullptr;
        colourWrong = InProgramColours(dialog);
    });
    QVERIFY(!prompter.ChooseColour(kBackground));
    QVERIFY(colourShown);
    QVERIFY2(colourWrong.isEmpty(), qPrintable(colourWrong.join(QStringLiteral("; "))));
}

QTEST_MAIN(TestDialogColours)
#include "tst_dialogcolours.moc"
