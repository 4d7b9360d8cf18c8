// Where the program's windows open on a screen with room for them: "Andamento" and "Controllo
// parziale" beside the main window, leaving the entry row in view and its keys with it, and message
// boxes wide enough for the window manager to show their titles whole.

#include "MainWindowHarness.h"

#include "support/TempFolder.h"
#include "ui/app/WindowPlacement.h"
#include "ui/history/CPartialCheckDlg.h"
#include "ui/platform/QtPrompter.h"
#include "ui/stats/CProgressDlg.h"

#include <QAbstractButton>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QMessageBox>
#include <QScreen>
#include <QTableView>
#include <QTimer>
#include <QtTest>

#include <functional>

using namespace zelkor;
using test::MainWindowHarness;

namespace {

// The entry row's box, on the screen.
QRect EntryRowOnScreen(const MainWindowHarness& h)
{
    const auto* box = qobject_cast<QGroupBox*>(h.Find(ControlId::Callsign)->parentWidget());
    return box == nullptr ? QRect() : QRect(box->mapToGlobal(QPoint(0, 0)), box->size());
}

// The main window against the screen's top left corner, the rest of the screen free.
bool OpenInCorner(MainWindowHarness& h)
{
    if (!h.Open()) {
        return false;
    }
    h.window->move(h.window->screen()->availableGeometry().topLeft());
    QCoreApplication::processEvents();
    return true;
}

// Runs `inspect` on the modal box `run` opens, then closes it with `button`.
template <typename Run>
void WithModalBox(QMessageBox::StandardButton button,
                  const std::function<void(QMessageBox&)>& inspect, Run run)
{
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box != nullptr);
        inspect(*box);
        box->button(button)->click();
    });
    run();
}

int TitleFloor(const QString& title)
{
    QFont font = QApplication::font("QMdiSubWindowTitleBar");
    font.setBold(true);
    return std::max(260, QFontMetrics(font).horizontalAdvance(title) + 120);
}

// A save dialog that proposes a file which exists already (empty).
FileDialogRequest SaveOverExistingFile(const test::TempFolder& folder, const QString& name,
                                       const QString& title)
{
    folder.Write(name, QByteArray());
    FileDialogRequest request;
    request.kind = FileDialogKind::Save;
    request.title = title;
    request.proposedName = folder.File(name);
    request.mustExist = true;
    return request;
}

}  // namespace

class WindowPlacementTest : public QObject {
    Q_OBJECT

private slots:
    void sideWindowGoesBesideTheMainWindow_data()
    {
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QRect>("main");
        QTest::addColumn<QRect>("entryRow");
        QTest::addColumn<QSize>("wanted");
        QTest::addColumn<QSize>("minimum");
        QTest::addColumn<QRect>("expected");

        const QRect screen(0, 0, 1280, 900);
        QTest::newRow("right where there is room")
            << screen << QRect(0, 0, 700, 500) << QRect(0, 400, 700, 100) << QSize(500, 400)
            << QSize(200, 200) << QRect(700, 0, 500, 400);
        QTest::newRow("left when the right is short")
            << screen << QRect(600, 100, 680, 500) << QRect(600, 500, 680, 100) << QSize(500, 400)
            << QSize(200, 200) << QRect(100, 100, 500, 400);
        QTest::newRow("below when neither side has room, kept on the screen")
            << screen << QRect(290, 0, 700, 500) << QRect(290, 400, 700, 100) << QSize(1000, 300)
            << QSize(1000, 300) << QRect(280, 500, 1000, 300);
        QTest::newRow("above when the main window is at the bottom")
            << screen << QRect(290, 400, 700, 500) << QRect(290, 800, 700, 100) << QSize(1000, 300)
            << QSize(1000, 300) << QRect(280, 100, 1000, 300);
        QTest::newRow("shrunk beside rather than over the main window")
            << screen << QRect(0, 0, 700, 500) << QRect(0, 400, 700, 100) << QSize(1100, 720)
            << QSize(500, 600) << QRect(700, 0, 580, 720);
        QTest::newRow("over the log list but clear of the entry row")
            << screen << QRect(290, 200, 700, 470) << QRect(290, 580, 700, 90) << QSize(600, 300)
            << QSize(600, 300) << QRect(290, 280, 600, 300);
        QTest::newRow("a screen too small for both keeps it on the screen")
            << QRect(0, 0, 800, 600) << QRect(0, 0, 700, 500) << QRect(0, 400, 700, 100)
            << QSize(1100, 720) << QSize(900, 600) << QRect(0, 0, 800, 600);
        QTest::newRow("a second screen's coordinates")
            << QRect(1280, 0, 1280, 900) << QRect(1280, 0, 700, 500) << QRect(1280, 400, 700, 100)
            << QSize(500, 400) << QSize(200, 200) << QRect(1980, 0, 500, 400);
    }

    void sideWindowGoesBesideTheMainWindow()
    {
        QFETCH(QRect, screen);
        QFETCH(QRect, main);
        QFETCH(QRect, entryRow);
        QFETCH(QSize, wanted);
        QFETCH(QSize, minimum);
        QFETCH(QRect, expected);

        const QRect placed = PlaceBeside(wanted, minimum, main, entryRow, screen);

        QCOMPARE(placed, expected);
        QVERIFY(screen.contains(placed));
    }

    void progressWindowOpensBesideWithoutTakingTheKeys()
    {
        MainWindowHarness h;
        QVERIFY(OpenInCorner(h));
        QCOMPARE(h.FocusedId(), ControlName(ControlId::Callsign));

        MainWindowHarness::Press(Qt::Key_F11);

        CProgressDlg* progress = h.window->ProgressWindow();
        QVERIFY(progress != nullptr);
        QVERIFY(progress->isVisible());
        QTRY_COMPARE(QApplication::activeWindow(), h.window.get());
        QCOMPARE(h.FocusedId(), ControlName(ControlId::Callsign));
        const QRect entryRow = EntryRowOnScreen(h);
        QVERIFY(!entryRow.isEmpty());
        QVERIFY2(!progress->frameGeometry().intersects(entryRow),
                 qPrintable(QStringLiteral("%1,%2 %3x%4")
                                .arg(progress->x())
                                .arg(progress->y())
                                .arg(progress->width())
                                .arg(progress->height())));
        QVERIFY(progress->screen()->availableGeometry().contains(progress->frameGeometry()));
        // Typing goes on in the entry row.
        MainWindowHarness::Type(QStringLiteral("ik0"));
        QCOMPARE(h.Text(ControlId::Callsign), QStringLiteral("IK0"));

        // Where the operator leaves it, it comes back.
        progress->setGeometry(QRect(QPoint(120, 80), progress->minimumSizeHint() + QSize(10, 10)));
        const QRect left = progress->geometry();
        progress->close();
        MainWindowHarness::Press(Qt::Key_F11);
        QVERIFY(progress->isVisible());
        QCOMPARE(progress->geometry(), left);
    }

    void partialCheckOpensBesideWithTheLoggedColumnWhole()
    {
        MainWindowHarness h;
        QVERIFY(OpenInCorner(h));

        MainWindowHarness::Press(Qt::Key_F10);

        CPartialCheckDlg* check = h.window->PartialCheckWindow();
        QVERIFY(check != nullptr);
        QVERIFY(check->isVisible());
        QVERIFY(!check->frameGeometry().intersects(h.window->frameGeometry()));
        QTRY_COMPARE(QApplication::activeWindow(), h.window.get());
        const QTableView* list = check->List();
        const int longest =
            list->fontMetrics().horizontalAdvance(QStringLiteral("3,5 ssb, 3,5 cw, 7 ssb, 7 cw"));
        QVERIFY(list->columnWidth(3) > longest);
        // All four columns in view, without scrolling sideways.
        QVERIFY(list->horizontalHeader()->length() <= list->viewport()->width());
    }

    void messageBoxIsWideEnoughForItsTitle_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::newRow("short title, short text")
            << QStringLiteral("Errore") << QStringLiteral("Ora errata!");
        QTest::newRow("long title, short text")
            << QStringLiteral("Salva il log corrente con un altro nome")
            << QStringLiteral("Fatto.");
    }

    void messageBoxIsWideEnoughForItsTitle()
    {
        QFETCH(QString, title);
        QFETCH(QString, text);
        QtPrompter prompter;
        int width = 0;
        QString shownTitle;
        WithModalBox(
            QMessageBox::Ok,
            [&](QMessageBox& box) {
                width = box.width();
                shownTitle = box.windowTitle();
            },
            [&] {
                prompter.Show({title, text, MessageIcon::Stop, MessageButtons::Ok});
            });

        QCOMPARE(shownTitle, title);
        QVERIFY2(width >= TitleFloor(title),
                 qPrintable(QStringLiteral("%1 < %2").arg(width).arg(TitleFloor(title))));
    }

    void enterInAQuestionAnswersItsDefault_data()
    {
        QTest::addColumn<bool>("noIsDefault");
        QTest::addColumn<int>("answer");
        QTest::newRow("Yes by default") << false << static_cast<int>(Answer::Yes);
        QTest::newRow("No where Yes loses rows") << true << static_cast<int>(Answer::No);
    }

    void enterInAQuestionAnswersItsDefault()
    {
        QFETCH(bool, noIsDefault);
        QFETCH(int, answer);
        QtPrompter prompter;
        bool pressed = false;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box != nullptr);
            QTest::keyClick(box, Qt::Key_Return);
            pressed = true;
        });
        MessageBox question{QStringLiteral("Richiesta di conferma"), QStringLiteral("Uscire?"),
                            MessageIcon::Question, MessageButtons::YesNo};
        question.noIsDefault = noIsDefault;
        QCOMPARE(static_cast<int>(prompter.Show(question)), answer);
        QVERIFY(pressed);
    }

    void saveOverAnExistingFileAsksInABoxThatShowsItsTitle()
    {
        test::TempFolder folder;
        const QString path = folder.File(QStringLiteral("gara.zelk"));
        const FileDialogRequest request = SaveOverExistingFile(
            folder, QStringLiteral("gara.zelk"), QStringLiteral("Salva log corrente"));
        QtPrompter prompter;

        QString question;
        int width = 0;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog != nullptr);
            QTimer::singleShot(0, [&] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                QVERIFY(box != nullptr);
                question = box->text();
                width = box->width();
                QCOMPARE(box->windowTitle(), QStringLiteral("Salva log corrente"));
                box->button(QMessageBox::Yes)->click();
            });
            QMetaObject::invokeMethod(dialog, "accept");
        });
        const std::optional<QString> chosen = prompter.ChooseFile(request);

        QCOMPARE(chosen, std::optional<QString>(path));
        QVERIFY(question.startsWith(QStringLiteral("gara.zelk")));
        QVERIFY(width >= TitleFloor(QStringLiteral("Salva log corrente")));
    }

    // The command refuses the program's own files, so the dialog hands them over without asking
    // whether to replace them first.
    void saveOverAProgramFileAsksNothing()
    {
        test::TempFolder folder;
        const QString path = folder.File(QStringLiteral("_ult.zelk"));
        const FileDialogRequest request = SaveOverExistingFile(
            folder, QStringLiteral("_ult.zelk"), QStringLiteral("Esporta log in formato Cabrillo"));
        QtPrompter prompter;
        prompter.SetProgramFolder(folder.Path());

        QString question;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog != nullptr);
            QTimer::singleShot(0, [&] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    question = box->text();
                    box->button(QMessageBox::No)->click();
                    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
                }
            });
            QMetaObject::invokeMethod(dialog, "accept");
        });
        const std::optional<QString> chosen = prompter.ChooseFile(request);

        QCOMPARE(question, QString());
        QCOMPARE(chosen, std::optional<QString>(path));
    }
};

// A full HD screen, where "Andamento" fits beside the main window even at its smallest.
int main(int argc, char** argv)
{
    test::TempFolder config;
    const QString file = config.File(QStringLiteral("screen.json"));
    QFile json(file);
    if (json.open(QIODevice::WriteOnly)) {
        json.write(R"({"screens": [{"name": "schermo", "x": 0, "y": 0, "width": 1920,
                       "height": 1080, "logicalDpi": 96, "logicalBpi": 96, "dpr": 1}]})");
        json.close();
    }
    if (qgetenv("QT_QPA_PLATFORM") == "offscreen") {
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + file.toLocal8Bit());
    }
    QApplication app(argc, argv);
    WindowPlacementTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_windowplacement.moc"
