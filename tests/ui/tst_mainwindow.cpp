// The main window started as the program starts it, with an empty settings store and a temporary
// program folder.

#include "app/AppContext.h"
#include "app/SettingKeys.h"
#include "app/Startup.h"
#include "log/LogList.h"
#include "mainwindow/CVelsadDlg.h"
#include "support/ScriptedPrompter.h"

#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

using namespace zelkor;

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    void Start(AppContext& context, test::ScriptedPrompter& prompter, const QTemporaryDir& exe,
               const QTemporaryDir& config)
    {
        StartupInputs inputs;
        inputs.store = SettingsStore::OpenFile(config.filePath(QStringLiteral("zelkor.conf")));
        inputs.executableFolder = exe.path();
        inputs.userDataFolder = config.filePath(QStringLiteral("data"));
        RunStartup(context, std::move(inputs), prompter);
    }

private slots:
    void opensWithAnEmptyStore()
    {
        QTemporaryDir exe;
        QTemporaryDir config;
        AppContext context;
        test::ScriptedPrompter prompter;
        Start(context, prompter, exe, config);
        QCOMPARE(prompter.boxes.size(), size_t(1));  // no province file yet

        CVelsadDlg window(context, prompter);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.windowTitle(), QStringLiteral("Zelkor - Contest Italiano 40/80 metri"));
        QCOMPARE(window.size(), QSize(CVelsadDlg::kWidth, CVelsadDlg::kHeight + CVelsadDlg::kMenuHeight));
        QCOMPARE(window.minimumSize(), window.maximumSize());
        QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));

        auto* view = window.findChild<QTableView*>(QStringLiteral("1012"));
        QVERIFY(view);
        QCOMPARE(view->model()->columnCount(), 10);
        QCOMPARE(view->model()->headerData(5, Qt::Horizontal).toString(),
                 QStringLiteral("Nominativo"));
        QCOMPARE(view->model()->rowCount(), 0);
        QVERIFY(!window.Log().IsSwl());
        // Nothing was written to the store by starting.
        QVERIFY(!QFile::exists(config.filePath(QStringLiteral("zelkor.conf"))));
    }

    void swlCategoryOpensTheSwlLayout()
    {
        QTemporaryDir exe;
        QTemporaryDir config;
        {
            auto store = SettingsStore::OpenFile(config.filePath(QStringLiteral("zelkor.conf")));
            QVERIFY(store->WriteSetting(keys::kCategory, QStringLiteral("SWL")));
            QVERIFY(store->WriteSetting(keys::kOpenLogName, QStringLiteral("gara.zelk")));
        }
        QFile provinces(exe.filePath(QStringLiteral("_prov.cod")));
        QVERIFY(provinces.open(QIODevice::WriteOnly));
        provinces.write("MI MILANO\r\n");
        provinces.close();

        AppContext context;
        test::ScriptedPrompter prompter;
        Start(context, prompter, exe, config);
        QVERIFY(prompter.boxes.empty());
        CVelsadDlg window(context, prompter);
        QVERIFY(window.Log().IsSwl());
        auto* view = window.findChild<QTableView*>(QStringLiteral("1012"));
        QCOMPARE(view->model()->columnCount(), 9);
        QCOMPARE(view->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Hrd"));
        QCOMPARE(window.windowTitle(),
                 QStringLiteral("Zelkor - Contest Italiano 40/80 metri - gara.zelk"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
