#include "ui/app/ZelkorApp.h"

#include "core/app/Startup.h"
#include "core/commands/AppContext.h"
#include "core/platform/HeldPrompter.h"
#include "core/settings/SettingKeys.h"
#include "ui/app/DialogColours.h"
#include "ui/app/Translations.h"
#include "ui/dialogs/CAboutDlg.h"
#include "ui/dialogs/CSplashDlg.h"
#include "ui/mainwindow/CVelsadDlg.h"
#include "ui/platform/QtPrompter.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTimer>

namespace zelkor {

int ZelkorApp::Run(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("ORVENT"));
    QApplication::setApplicationName(QStringLiteral("zelkor"));
    QApplication::setWindowIcon(ProgramIcon());
    (void)InstallItalianTranslations(app);

    QtPrompter prompter;
    AppContext context;
    StartupInputs inputs;
    inputs.store = SettingsStore::OpenUserStore();
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    inputs.arguments = arguments;
    inputs.executableFolder = QApplication::applicationDirPath();
    inputs.userDataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    inputs.lockProgramFolder = true;
    // The boxes of the start-up steps already show the program's colours.
    const AppSettings stored = ReadAppSettings(*inputs.store);
    DialogColours::SetColours(stored.backgroundColour, stored.textColour);
    // A folder in use by another running Zelkor ends the program before any other window.
    if (!RunStartup(context, std::move(inputs), prompter)) {
        return 1;
    }

    prompter.SetProgramFolder(context.programFolder);
    HeldPrompter held(prompter);
    const std::unique_ptr<CVelsadDlg> window = OpenMainWindow(context, held);
    prompter.SetParent(window.get());
    QTimer::singleShot(0, window.get(), [&held] { held.Release(); });
    window->exec();

    context.SaveSettingsAtExit(prompter);
    return 0;
}

std::unique_ptr<CVelsadDlg> ZelkorApp::OpenMainWindow(AppContext& context, HeldPrompter& held,
                                                      std::chrono::milliseconds splashDelay)
{
    std::unique_ptr<CVelsadDlg> window;
    std::vector<MessageBox> told;
    if (context.startupLogPath.isEmpty()) {
        ShowSplash(
            [&] {
                window = std::make_unique<CVelsadDlg>(context, held);
                told = held.TakeHeld();
            },
            splashDelay);
    } else {
        ShowSplash({}, splashDelay);
    }
    held.Target().ShowAll(told);
    if (window == nullptr) {
        held.Release();
        window = std::make_unique<CVelsadDlg>(context, held);
    }
    return window;
}

}  // namespace zelkor
