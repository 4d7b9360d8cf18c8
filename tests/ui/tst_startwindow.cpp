// The main window is made behind the start-up picture, so that it is ready when the picture
// closes; what its start tells still comes after the picture and before the window, as when the
// window was made afterwards.

#include "core/commands/AppContext.h"
#include "core/log/LogList.h"
#include "core/platform/HeldPrompter.h"
#include "support/ProgramFolders.h"
#include "support/ScriptedPrompter.h"
#include "ui/app/ZelkorApp.h"
#include "ui/dialogs/CSplashDlg.h"
#include "ui/mainwindow/CVelsadDlg.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace zelkor;
using namespace std::chrono_literals;

namespace {

template <typename T>
bool ShownWindow()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<T*>(widget) != nullptr && widget->isVisible()) {
            return true;
        }
    }
    return false;
}

// Where the operator was when a box was handed over or shown.
struct Moment {
    QString text;
    bool pictureShown;
    bool windowShown;
};

Moment Now(const MessageBox& box)
{
    return {box.text, ShownWindow<CSplashDlg>(), ShownWindow<CVelsadDlg>()};
}

// The operator's side: the boxes shown.
class Screen : public test::ScriptedPrompter {
public:
    Answer Show(const MessageBox& box) override
    {
        shown.push_back(Now(box));
        return ScriptedPrompter::Show(box);
    }
    std::vector<Moment> shown;
};

// The window's side: the boxes handed over.
class WatchedHeld : public HeldPrompter {
public:
    using HeldPrompter::HeldPrompter;
    Answer Show(const MessageBox& box) override
    {
        given.push_back(Now(box));
        return HeldPrompter::Show(box);
    }
    std::vector<Moment> given;
};

const QByteArray kTornLog =
    "zelk100;qso\r\nI2ABC\r\nMI\r\n\r\nSOP\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n"
    "05.02.2006^1432^7^SSB^I1XYZ^59^MI^59^RM^\r\n"
    "05.02.2006^1433^7^CW^IK0AA";

void Write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

}  // namespace

class StartWindowTest : public QObject {
    Q_OBJECT

private slots:
    void theWindowIsMadeBehindThePictureAndTellsAfterIt()
    {
        test::ProgramFolders folders;
        AppContext context;
        Screen screen;
        folders.Start(context, screen);
        Write(folders.WorkingFilePath(), kTornLog);

        WatchedHeld held(screen);
        const std::unique_ptr<CVelsadDlg> window = ZelkorApp::OpenMainWindow(context, held, 1s);
        QVERIFY(window != nullptr);
        QVERIFY(!ShownWindow<CSplashDlg>());
        // The working file was loaded while the picture was up...
        QCOMPARE(window->Log().RowCount(), 1);
        QCOMPARE(held.given.size(), std::size_t(1));
        QVERIFY(held.given[0].text.startsWith(
            QStringLiteral("La parte finale del file di lavoro è incompleta")));
        QVERIFY(held.given[0].pictureShown);
        // ...and what it told was shown once the picture had closed, before the window.
        QCOMPARE(screen.shown.size(), std::size_t(1));
        QCOMPARE(screen.shown[0].text, held.given[0].text);
        QVERIFY(!screen.shown[0].pictureShown);
        QVERIFY(!screen.shown[0].windowShown);

        // Later boxes wait until the caller has shown the window and lets them go.
        QVERIFY(held.Holding());
        held.Information(QStringLiteral("dopo"));
        QCOMPARE(screen.shown.size(), std::size_t(1));
        window->show();
        held.Release();
        QCOMPARE(screen.shown.size(), std::size_t(2));
        QVERIFY(screen.shown[1].windowShown);
    }

    void aLogNamedOnTheCommandLineIsOpenedAfterThePicture()
    {
        // Opening it may ask whether to give up the working file's rows: never behind the
        // picture.
        QTemporaryDir logs;
        const QString log = logs.filePath(QStringLiteral("gara.zelk"));
        Write(log, kTornLog);
        test::ProgramFolders folders;
        AppContext context;
        Screen screen;
        folders.Start(context, screen, {log});
        QVERIFY(!context.startupLogPath.isEmpty());

        WatchedHeld held(screen);
        const std::unique_ptr<CVelsadDlg> window = ZelkorApp::OpenMainWindow(context, held, 50ms);
        QCOMPARE(window->Log().RowCount(), 1);
        QVERIFY(!held.given.empty());
        for (const Moment& given : held.given) {
            QVERIFY(!given.pictureShown);
        }
        QCOMPARE(screen.shown.size(), held.given.size());
        QVERIFY(!held.Holding());
    }
};

QTEST_MAIN(StartWindowTest)
#include "tst_startwindow.moc"
