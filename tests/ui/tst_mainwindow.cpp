// The main window started as the program starts it, with a private settings store and a
// temporary program folder: its controls, menus, start-up presets, the automatic date and time
// and the closing rules.

#include "MainWindowHarness.h"

#include "app/AppContext.h"
#include "app/SettingKeys.h"
#include "app/Startup.h"
#include "log/LogList.h"
#include "mainwindow/CVelsadDlg.h"
#include "support/ScriptedPrompter.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

using namespace zelkor;
using test::MainWindowHarness;

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
        QCOMPARE(window.size(),
                 QSize(CVelsadDlg::kWidth, CVelsadDlg::kHeight + CVelsadDlg::kMenuHeight));
        QCOMPARE(window.minimumSize(), window.maximumSize());
        QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(window.windowFlags() & Qt::WindowMinimizeButtonHint);

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

    void swlCategoryShowsTheSecondStationLine()
    {
        MainWindowHarness h;
        h.folders.WriteSetting(keys::kCategory, QStringLiteral("SWL"));
        QVERIFY(h.Open());

        for (const char* id : {"1009", "1011", "1017"}) {
            QVERIFY2(h.Find(id)->isVisible(), id);
        }
        QVERIFY(!h.Find("1091")->isVisible());
        QCOMPARE(h.Find<QLabel>("1092")->text(), QStringLiteral("Prov1"));
        QCOMPARE(h.Find<QLabel>("1093")->text(), QStringLiteral("Prov2"));
        // The answering station's report stands under the calling station's.
        QCOMPARE(h.Find("1006")->geometry().topLeft(),
                 QPoint(h.Find("1005")->x(), h.Find("1009")->y()));
        for (const char* id : {"1083", "1084", "1086", "1088", "1089", "1090"}) {
            QVERIFY2(!h.Find(id)->isVisible(), id);
        }
    }

    void qsoLogHidesTheSecondStationLine()
    {
        MainWindowHarness h;
        QVERIFY(h.Open());
        for (const char* id : {"1009", "1011", "1017", "1083", "1084", "1086", "1088", "1089",
                               "1090", "1053", "1081"}) {
            QVERIFY2(!h.Find(id)->isVisible(), id);
        }
        QVERIFY(h.Find("1091")->isVisible());
        QCOMPARE(h.Find<QLabel>("1092")->text(), QStringLiteral("Provincia"));
        QCOMPARE(h.Find<QLabel>("1093")->text(), QStringLiteral("Nominativo"));
        QCOMPARE(h.Find("1006")->y(), h.Find("1005")->y());
        QVERIFY(h.Find("1006")->x() > h.Find("1005")->x());
    }

    void controlsCarryTheirIdsAndNames_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("name");
        const std::pair<const char*, const char*> controls[] = {
            {"1000", "Data"},
            {"1001", "Utc"},
            {"1015", "MHz"},
            {"1014", "Modo"},
            {"1004", "Nominativo"},
            {"1005", "RST tx"},
            {"1006", "RST rx"},
            {"1007", "Prov."},
            {"1008", "Nome provincia"},
            {"1035", "Data/ora auto"},
            {"1082", "pc mostra utc"},
            {"1103", "Cancella campi input"},
            {"1053", "Doppio"},
            {"1081", "Nuovo moltiplicatore"},
            {"1012", "Log"},
            {"1013", "Collegamenti precedenti"},
            {"10000", "Provincia 3,5 MHz ssb non lavorata"},
            {"10001", "Provincia 7 MHz ssb non lavorata"},
            {"10005", "Provincia 7 MHz rtty non lavorata"},
            {"10006", "Nominativo 3,5 MHz ssb non lavorato"},
            {"10009", "Nominativo 7 MHz cw non lavorato"},
        };
        for (const auto& [id, name] : controls) {
            QTest::newRow(id) << QString::fromLatin1(id) << QString::fromUtf8(name);
        }
    }

    void controlsCarryTheirIdsAndNames()
    {
        QFETCH(QString, id);
        QFETCH(QString, name);
        MainWindowHarness h;
        QVERIFY(h.Open());
        const QList<QWidget*> found = h.window->findChildren<QWidget*>(id);
        QCOMPARE(found.size(), 1);
        QCOMPARE(found.front()->accessibleName(), name);
    }

    void entryRowShowsItsLists()
    {
        MainWindowHarness h;
        QVERIFY(h.Open());
        const auto entries = [](QComboBox* list) {
            QStringList texts;
            for (int i = 0; i < list->count(); ++i) {
                texts << list->itemText(i);
            }
            return texts;
        };
        QCOMPARE(entries(h.Find<QComboBox>("1015")), (QStringList{"3,5", "7"}));
        QCOMPARE(entries(h.Find<QComboBox>("1014")), (QStringList{"SSB", "CW", "RTTY", "PSK31"}));
        QCOMPARE(h.FocusedId(), QStringLiteral("1004"));
        // The province name is filled by the program and is no stop of the Tab key.
        auto* name = h.Find<QLineEdit>("1008");
        QVERIFY(name->isReadOnly());
        QVERIFY(!(name->focusPolicy() & Qt::TabFocus));
    }

    void menuBarFollowsTheTable()
    {
        MainWindowHarness h;
        QVERIFY(h.Open());
        const QStringList expected = {
            "File",
            "Nuovo log|57600",
            "Apri\tF2|57601",
            "Salva\tF4|57603",
            "Salva come...|57604",
            "Stampa|32793",
            "Esci\tEsc|57665",
            "Log",
            "Dati riassuntivi\tF5|32776",
            "Mostra punteggio\tF6|32774",
            "Andamento\tF11|32797",
            "Riordina per data ed ora|32795",
            "Cancella campi input\tF9|1103",
            "-",
            "Esporta -> Cabrillo|32773",
            "Esporta -> Testo per Vantlog|32787",
            "Esporta -> ADIF|32772",
            "Qso",
            "Modifica|32789",
            "Elimina|32790",
            "Strumenti",
            "Opzioni\tF7|32796",
            "Elenco province\tF8|32775",
            "Importa elenco province|32778",
            "Aiuto",
            "Info|32791",
            "Istruzioni\tF1|57670",
        };
        QStringList shown;
        for (QAction* menuAction : h.window->findChild<QMenuBar*>()->actions()) {
            shown << menuAction->text();
            for (QAction* item : menuAction->menu()->actions()) {
                QVERIFY(item->isEnabled() && !item->isCheckable());
                shown << (item->isSeparator() ? QStringLiteral("-")
                                              : item->text() + '|' + item->objectName());
            }
        }
        QCOMPARE(shown, expected);
    }

    void keysRunTheirCommands_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QKeySequence>("key");
        const std::pair<const char*, Qt::Key> keys[] = {
            {"57665", Qt::Key_Escape}, {"57601", Qt::Key_F2}, {"57603", Qt::Key_F4},
            {"32776", Qt::Key_F5},     {"32774", Qt::Key_F6}, {"32796", Qt::Key_F7},
            {"32775", Qt::Key_F8},     {"1103", Qt::Key_F9},  {"57670", Qt::Key_F1},
            {"32797", Qt::Key_F11},
        };
        for (const auto& [id, key] : keys) {
            QTest::newRow(id) << QString::fromLatin1(id) << QKeySequence(key);
        }
    }

    void keysRunTheirCommands()
    {
        QFETCH(QString, id);
        QFETCH(QKeySequence, key);
        MainWindowHarness h;
        QVERIFY(h.Open());
        auto* action = h.window->findChild<QAction*>(id);
        QVERIFY(action);
        QCOMPARE(action->shortcut(), key);
        QCOMPARE(action->shortcutContext(), Qt::WindowShortcut);
    }

    void startShowsStoredChoicesUnderCategoryPresets_data()
    {
        QTest::addColumn<QString>("category");
        QTest::addColumn<QString>("storedBand");
        QTest::addColumn<QString>("storedMode");
        QTest::addColumn<QString>("band");
        QTest::addColumn<bool>("bandEnabled");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<bool>("modeEnabled");
        QTest::addColumn<QString>("report");
        QTest::newRow("SOP") << "SOP"
                             << "3,5"
                             << "CW"
                             << "3,5" << true << "CW" << true << "599";
        QTest::newRow("S40") << "S40"
                             << "3,5"
                             << "SSB"
                             << "7" << false << "SSB" << true << "59";
        QTest::newRow("S80") << "S80"
                             << "7"
                             << "CW"
                             << "3,5" << false << "CW" << true << "599";
        QTest::newRow("SPH") << "SPH"
                             << "7"
                             << "CW"
                             << "7" << true << "SSB" << false << "59";
        QTest::newRow("SCW") << "SCW"
                             << "7"
                             << "SSB"
                             << "7" << true << "CW" << false << "599";
        QTest::newRow("SDG") << "SDG"
                             << "7"
                             << "SSB"
                             << "7" << true << "RTTY" << true << "599";
    }

    void startShowsStoredChoicesUnderCategoryPresets()
    {
        QFETCH(QString, category);
        QFETCH(QString, storedBand);
        QFETCH(QString, storedMode);
        MainWindowHarness h;
        h.folders.WriteSetting(keys::kCategory, category);
        h.folders.WriteSetting(keys::kBand, storedBand);
        h.folders.WriteSetting(keys::kMode, storedMode);
        QVERIFY(h.Open());

        auto* bandList = h.Find<QComboBox>("1015");
        auto* modeList = h.Find<QComboBox>("1014");
        QTEST(bandList->currentText(), "band");
        QTEST(bandList->isEnabled(), "bandEnabled");
        QTEST(modeList->currentText(), "mode");
        QTEST(modeList->isEnabled(), "modeEnabled");
        QTEST(h.Text("1005"), "report");
        QTEST(h.Text("1006"), "report");
        // A preset is shown, never stored.
        QCOMPARE(h.folders.ReadSetting(keys::kBand), storedBand);
        QCOMPARE(h.folders.ReadSetting(keys::kMode), storedMode);
    }

    void autoDateTimeSwitchesTheTimer()
    {
        MainWindowHarness h;
        QVERIFY(h.Open());
        auto* autoDateTime = h.Find<QCheckBox>("1035");
        auto* pcShowsUtc = h.Find<QCheckBox>("1082");
        QVERIFY(autoDateTime->isChecked());
        QVERIFY(pcShowsUtc->isVisible());
        QVERIFY(h.window->MinuteTimerActive());
        QCOMPARE(h.Text("1000"), QStringLiteral("09.03.2024"));
        QCOMPARE(h.Text("1001"), QStringLiteral("1432"));

        QTest::mouseClick(autoDateTime, Qt::LeftButton);
        QVERIFY(!autoDateTime->isChecked());
        QVERIFY(!pcShowsUtc->isVisible());
        QVERIFY(!h.window->MinuteTimerActive());
        QCOMPARE(h.FocusedId(), QStringLiteral("1000"));

        // Off, the date and time are the operator's; on again, both are refreshed at once.
        h.clock.now = h.clock.now.addSecs(3600);
        QTest::mouseClick(autoDateTime, Qt::LeftButton);
        QVERIFY(autoDateTime->isChecked());
        QVERIFY(pcShowsUtc->isVisible());
        QVERIFY(h.window->MinuteTimerActive());
        QCOMPARE(h.Text("1001"), QStringLiteral("1532"));
        QCOMPARE(h.FocusedId(), QStringLiteral("1004"));
    }

    void pcShowsUtcChoosesTheTimeBase()
    {
        MainWindowHarness h;
        // The computer's clock runs one hour ahead of UTC.
        h.clock.now = QDateTime(QDate(2024, 3, 9), QTime(10, 5, 30), Qt::OffsetFromUTC, 3600);
        QVERIFY(h.Open());
        QCOMPARE(h.Text("1001"), QStringLiteral("0905"));
        QTest::mouseClick(h.Find<QCheckBox>("1082"), Qt::LeftButton);
        QCOMPARE(h.Text("1001"), QStringLiteral("1005"));
    }

    void closeRequests_data()
    {
        QTest::addColumn<QString>("request");
        QTest::addColumn<bool>("modified");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("staysOpen");
        const int no = static_cast<int>(Answer::No);
        const int yes = static_cast<int>(Answer::Yes);
        QTest::newRow("Esc, saved") << "Esc" << false << no << false << false;
        QTest::newRow("Esc, unsaved, No") << "Esc" << true << no << true << true;
        QTest::newRow("Esc, unsaved, Yes") << "Esc" << true << yes << true << false;
        QTest::newRow("Esci, unsaved, No") << "Esci" << true << no << true << true;
        QTest::newRow("close box, unsaved, No") << "close" << true << no << true << true;
        QTest::newRow("close box, saved") << "close" << false << no << false << false;
    }

    void closeRequests()
    {
        QFETCH(QString, request);
        QFETCH(bool, modified);
        QFETCH(int, answer);
        QFETCH(bool, asked);
        QFETCH(bool, staysOpen);
        MainWindowHarness h;
        h.folders.WriteSetting(keys::kModified, modified ? 1 : 0);
        QVERIFY(h.Open());
        h.prompter.answers.push_back(static_cast<Answer>(answer));

        if (request == QLatin1String("Esc")) {
            MainWindowHarness::Press(Qt::Key_Escape);
        } else if (request == QLatin1String("Esci")) {
            h.window->findChild<QAction*>(QStringLiteral("57665"))->trigger();
        } else {
            h.window->close();
        }

        QCOMPARE(h.prompter.boxes.size(), size_t(asked ? 1 : 0));
        if (asked) {
            const MessageBox& box = h.prompter.boxes.front();
            QCOMPARE(box.title, QStringLiteral("Richiesta di conferma"));
            QCOMPARE(box.text,
                     QStringLiteral("Ci sono dati non salvati in un file ZELK\n(anche se sono "
                                    "comunque salvati nel file di lavoro)\n\nSe vuoi uscire lo "
                                    "stesso scegli SI\naltrimenti scegli NO e salva i dati.\n\n"));
            QCOMPARE(box.icon, MessageIcon::Question);
            QCOMPARE(box.buttons, MessageButtons::YesNo);
        }
        QCOMPARE(h.window->isVisible(), staysOpen);
        QCOMPARE(h.window->MinuteTimerActive(), staysOpen);
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
