// The main window started as the program starts it, with a private settings store and a
// temporary program folder: its controls, menus, start-up presets, the automatic date and time
// and the closing rules.

#include "MainWindowHarness.h"

#include "core/app/Startup.h"
#include "core/commands/AppContext.h"
#include "core/log/LogColumns.h"
#include "core/log/LogList.h"
#include "core/settings/SettingKeys.h"
#include "support/ScriptedPrompter.h"
#include "ui/mainwindow/CVelsadDlg.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScopeGuard>
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

        auto* view = window.findChild<QTableView*>(ControlName(ControlId::LogList));
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
        auto* view = window.findChild<QTableView*>(ControlName(ControlId::LogList));
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

        for (const ControlId id : {ControlId::AnsweringCallsign, ControlId::AnsweringProvinceCode,
                                   ControlId::AnsweringProvinceName}) {
            QVERIFY2(h.Find(id)->isVisible(), qPrintable(ControlName(id)));
        }
        QVERIFY(!h.Find(ControlId::ReportReceivedHeading)->isVisible());
        QCOMPARE(h.Find<QLabel>(ControlId::ProvinceMatrixHeading)->text(), QStringLiteral("Prov1"));
        QCOMPARE(h.Find<QLabel>(ControlId::SecondMatrixHeading)->text(), QStringLiteral("Prov2"));
        // The answering station's report stands under the calling station's.
        QCOMPARE(
            h.Find(ControlId::ReportReceived)->geometry().topLeft(),
            QPoint(h.Find(ControlId::ReportSent)->x(), h.Find(ControlId::AnsweringCallsign)->y()));
        for (const ControlId id :
             {ControlId::CallerLetter, ControlId::FirstAnswerLetter, ControlId::SecondAnswerLetter,
              ControlId::ThirdAnswerLetter, ControlId::FirstMultiplierLetter,
              ControlId::SecondMultiplierLetter}) {
            QVERIFY2(!h.Find(id)->isVisible(), qPrintable(ControlName(id)));
        }
    }

    void qsoLogHidesTheSecondStationLine()
    {
        MainWindowHarness h;
        QVERIFY(h.Open());
        for (const ControlId id : {ControlId::AnsweringCallsign, ControlId::AnsweringProvinceCode,
                                   ControlId::AnsweringProvinceName, ControlId::CallerLetter,
                                   ControlId::FirstAnswerLetter, ControlId::SecondAnswerLetter,
                                   ControlId::ThirdAnswerLetter, ControlId::FirstMultiplierLetter,
                                   ControlId::SecondMultiplierLetter, ControlId::DupSign,
                                   ControlId::NewMultiplierSign}) {
            QVERIFY2(!h.Find(id)->isVisible(), qPrintable(ControlName(id)));
        }
        QVERIFY(h.Find(ControlId::ReportReceivedHeading)->isVisible());
        QCOMPARE(h.Find<QLabel>(ControlId::ProvinceMatrixHeading)->text(),
                 QStringLiteral("Provincia"));
        QCOMPARE(h.Find<QLabel>(ControlId::SecondMatrixHeading)->text(),
                 QStringLiteral("Nominativo"));
        QCOMPARE(h.Find(ControlId::ReportReceived)->y(), h.Find(ControlId::ReportSent)->y());
        QVERIFY(h.Find(ControlId::ReportReceived)->x() > h.Find(ControlId::ReportSent)->x());
    }

    void controlsCarryTheirIdsAndNames_data()
    {
        QTest::addColumn<ControlId>("id");
        QTest::addColumn<QString>("name");
        const std::pair<ControlId, const char*> controls[] = {
            {ControlId::Date, "Data"},
            {ControlId::Time, "Utc"},
            {ControlId::Band, "MHz"},
            {ControlId::Mode, "Modo"},
            {ControlId::Callsign, "Nominativo"},
            {ControlId::ReportSent, "RST tx"},
            {ControlId::ReportReceived, "RST rx"},
            {ControlId::ProvinceCode, "Prov."},
            {ControlId::ProvinceName, "Nome provincia"},
            {ControlId::AutoDateTime, "Data/ora auto"},
            {ControlId::PcShowsUtc, "pc mostra utc"},
            {ControlId::ClearButton, "Cancella campi input"},
            {ControlId::DupSign, "Doppio"},
            {ControlId::NewMultiplierSign, "Nuovo moltiplicatore"},
            {ControlId::LogList, "Log"},
            {ControlId::PreviousContacts, "Collegamenti precedenti"},
            {MatrixButton(0), "Provincia 3,5 MHz ssb non lavorata"},
            {MatrixButton(1), "Provincia 7 MHz ssb non lavorata"},
            {MatrixButton(5), "Provincia 7 MHz rtty non lavorata"},
            {MatrixButton(6), "Nominativo 3,5 MHz ssb non lavorato"},
            {MatrixButton(9), "Nominativo 7 MHz cw non lavorato"},
        };
        for (const auto& [id, name] : controls) {
            QTest::newRow(qPrintable(ControlName(id))) << id << QString::fromUtf8(name);
        }
    }

    void controlsCarryTheirIdsAndNames()
    {
        QFETCH(ControlId, id);
        QFETCH(QString, name);
        MainWindowHarness h;
        QVERIFY(h.Open());
        const QList<QWidget*> found = h.window->findChildren<QWidget*>(ControlName(id));
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
        QCOMPARE(entries(h.Find<QComboBox>(ControlId::Band)), (QStringList{"3,5", "7"}));
        QCOMPARE(entries(h.Find<QComboBox>(ControlId::Mode)),
                 (QStringList{"SSB", "CW", "RTTY", "PSK31"}));
        QCOMPARE(h.FocusedId(), ControlName(ControlId::Callsign));
        // The province name is filled by the program and is no stop of the Tab key.
        auto* name = h.Find<QLineEdit>(ControlId::ProvinceName);
        QVERIFY(name->isReadOnly());
        QVERIFY(!(name->focusPolicy() & Qt::TabFocus));
    }

    void menuBarFollowsTheTable()
    {
        MainWindowHarness h;
        QVERIFY(h.Open());
        const auto item = [](const char* text, Command command) {
            return QString::fromLatin1(text) + '|' + ControlName(command);
        };
        const QStringList expected = {
            "File",
            item("Nuovo log", Command::NewLog),
            item("Apri\tF2", Command::Open),
            item("Salva\tF4", Command::Save),
            item("Salva come...", Command::SaveAs),
            item("Stampa", Command::Print),
            item("Esci\tEsc", Command::Exit),
            "Log",
            item("Dati riassuntivi\tF5", Command::SummaryData),
            item("Mostra punteggio\tF6", Command::ShowScore),
            item("Andamento\tF11", Command::Progress),
            item("Riordina per data ed ora", Command::SortByDateTime),
            item("Cancella campi input\tF9", Command::ClearEntryRow),
            "-",
            item("Esporta -> Cabrillo", Command::ExportCabrillo),
            item("Esporta -> Testo per Vantlog", Command::ExportVantlog),
            item("Esporta -> ADIF", Command::ExportAdif),
            "Qso",
            item("Modifica", Command::Modify),
            item("Elimina", Command::Delete),
            "Strumenti",
            item("Opzioni\tF7", Command::Options),
            item("Elenco province\tF8", Command::ProvinceList),
            item("Importa elenco province", Command::ImportProvinceList),
            item("Radio...", Command::Radio),
            item("Importa storico nominativi...", Command::ImportHistory),
            item("Esporta storico nominativi...", Command::ExportHistory),
            item("Svuota storico", Command::ClearHistory),
            item("Controllo parziale\tF10", Command::PartialCheck),
            "Aiuto",
            item("Info", Command::About),
            item("Istruzioni\tF1", Command::Instructions),
        };
        QStringList shown;
        for (QAction* menuAction : h.window->findChild<QMenuBar*>()->actions()) {
            shown << menuAction->text();
            for (QAction* entry : menuAction->menu()->actions()) {
                QVERIFY(entry->isEnabled() && !entry->isCheckable());
                shown << (entry->isSeparator() ? QStringLiteral("-")
                                               : entry->text() + '|' + entry->objectName());
            }
        }
        QCOMPARE(shown, expected);
    }

    void keysRunTheirCommands_data()
    {
        QTest::addColumn<Command>("command");
        QTest::addColumn<QKeySequence>("key");
        const std::pair<Command, Qt::Key> keys[] = {
            {Command::Exit, Qt::Key_Escape},      {Command::Open, Qt::Key_F2},
            {Command::Save, Qt::Key_F4},          {Command::SummaryData, Qt::Key_F5},
            {Command::ShowScore, Qt::Key_F6},     {Command::Options, Qt::Key_F7},
            {Command::ProvinceList, Qt::Key_F8},  {Command::ClearEntryRow, Qt::Key_F9},
            {Command::Instructions, Qt::Key_F1},  {Command::Progress, Qt::Key_F11},
            {Command::PartialCheck, Qt::Key_F10},
        };
        for (const auto& [command, key] : keys) {
            QTest::newRow(qPrintable(ControlName(command))) << command << QKeySequence(key);
        }
    }

    void keysRunTheirCommands()
    {
        QFETCH(Command, command);
        QFETCH(QKeySequence, key);
        MainWindowHarness h;
        QVERIFY(h.Open());
        QAction* action = h.Action(command);
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

        auto* bandList = h.Find<QComboBox>(ControlId::Band);
        auto* modeList = h.Find<QComboBox>(ControlId::Mode);
        QTEST(bandList->currentText(), "band");
        QTEST(bandList->isEnabled(), "bandEnabled");
        QTEST(modeList->currentText(), "mode");
        QTEST(modeList->isEnabled(), "modeEnabled");
        QTEST(h.Text(ControlId::ReportSent), "report");
        QTEST(h.Text(ControlId::ReportReceived), "report");
        // A preset is shown, never stored (nor waiting to be).
        QVERIFY(h.context.store->Flush());
        QCOMPARE(h.folders.ReadSetting(keys::kBand), storedBand);
        QCOMPARE(h.folders.ReadSetting(keys::kMode), storedMode);
    }

    void autoDateTimeSwitchesTheTimer()
    {
        MainWindowHarness h;
        QVERIFY(h.Open());
        auto* autoDateTime = h.Find<QCheckBox>(ControlId::AutoDateTime);
        auto* pcShowsUtc = h.Find<QCheckBox>(ControlId::PcShowsUtc);
        QVERIFY(autoDateTime->isChecked());
        QVERIFY(pcShowsUtc->isVisible());
        QVERIFY(h.window->MinuteTimerActive());
        QCOMPARE(h.Text(ControlId::Date), QStringLiteral("09.03.2024"));
        QCOMPARE(h.Text(ControlId::Time), QStringLiteral("1432"));

        QTest::mouseClick(autoDateTime, Qt::LeftButton);
        QVERIFY(!autoDateTime->isChecked());
        QVERIFY(!pcShowsUtc->isVisible());
        QVERIFY(!h.window->MinuteTimerActive());
        QCOMPARE(h.FocusedId(), ControlName(ControlId::Date));

        // Off, the date and time are the operator's; on again, both are refreshed at once.
        h.clock.now = h.clock.now.addSecs(3600);
        QTest::mouseClick(autoDateTime, Qt::LeftButton);
        QVERIFY(autoDateTime->isChecked());
        QVERIFY(pcShowsUtc->isVisible());
        QVERIFY(h.window->MinuteTimerActive());
        QCOMPARE(h.Text(ControlId::Time), QStringLiteral("1532"));
        QCOMPARE(h.FocusedId(), ControlName(ControlId::Callsign));
    }

    void pcShowsUtcChoosesTheTimeBase()
    {
        MainWindowHarness h;
        // The computer's clock runs one hour ahead of UTC.
        h.clock.now = QDateTime(QDate(2024, 3, 9), QTime(10, 5, 30), Qt::OffsetFromUTC, 3600);
        QVERIFY(h.Open());
        QCOMPARE(h.Text(ControlId::Time), QStringLiteral("0905"));
        QTest::mouseClick(h.Find<QCheckBox>(ControlId::PcShowsUtc), Qt::LeftButton);
        QCOMPARE(h.Text(ControlId::Time), QStringLiteral("1005"));
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
        // Esc on an open drop-down list closes the list alone.
        QTest::newRow("Esc, list open") << "Esc on list" << false << no << false << true;
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
        } else if (request == QLatin1String("Esc on list")) {
            auto* modeList = h.Find<QComboBox>(ControlId::Mode);
            modeList->setFocus();
            modeList->showPopup();
            QWidget* popup = QApplication::activePopupWidget();
            QVERIFY(popup != nullptr);
            QTest::keyClick(popup->focusWidget() != nullptr ? popup->focusWidget() : popup,
                            Qt::Key_Escape);
            QVERIFY(QApplication::activePopupWidget() == nullptr);
        } else if (request == QLatin1String("Esci")) {
            h.Action(Command::Exit)->trigger();
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

    void relativeLogPathOnTheCommandLineIsKeptWhole()
    {
        // zelkor ../gara.zelk, typed in <logs>/oggi; F4 later comes from another folder.
        QTemporaryDir logs;
        QTemporaryDir elsewhere;
        QVERIFY(QDir(logs.path()).mkdir(QStringLiteral("oggi")));
        QVERIFY(QDir(elsewhere.path()).mkdir(QStringLiteral("altra")));
        const QString log = QDir(logs.path()).canonicalPath() + QStringLiteral("/gara.zelk");
        QVERIFY(QFile::copy(QStringLiteral(ZELKOR_TEST_DATA "/log-qso.zelk"), log));
        QVERIFY(QFile::setPermissions(log, QFile::ReadOwner | QFile::WriteOwner));

        const QString before = QDir::currentPath();
        const auto restore = qScopeGuard([&] { QDir::setCurrent(before); });
        QVERIFY(QDir::setCurrent(logs.filePath(QStringLiteral("oggi"))));
        MainWindowHarness h;
        QVERIFY(h.Open({QStringLiteral("../gara.zelk")}));
        QVERIFY(h.window->Log().RowCount() > 0);
        QCOMPARE(h.folders.ReadSetting(keys::kOpenLogPath), log);
        QCOMPARE(h.folders.ReadSetting(keys::kOpenLogName), QStringLiteral("gara.zelk"));
        QCOMPARE(h.folders.ReadSetting({keys::kRecentFileList, "File1"}), log);
        QVERIFY(h.window->windowTitle().endsWith(QStringLiteral(" - gara.zelk")));

        MainWindowHarness::EnterContact(QStringLiteral("IK0ABC"), QStringLiteral("RM"));
        QVERIFY(QDir::setCurrent(elsewhere.filePath(QStringLiteral("altra"))));
        MainWindowHarness::Press(Qt::Key_F4);

        QFile working(h.folders.WorkingFilePath());
        QFile saved(log);
        QVERIFY(working.open(QIODevice::ReadOnly) && saved.open(QIODevice::ReadOnly));
        QVERIFY(working.readAll().contains("IK0ABC"));
        working.seek(0);
        QCOMPARE(saved.readAll(), working.readAll());
        QVERIFY(!QFile::exists(elsewhere.filePath(QStringLiteral("gara.zelk"))));
        QCOMPARE(h.prompter.boxes.back().text, QStringLiteral("Log salvato con successo"));
    }

    void sortByTheDateHeaderReachesTheSavedLog()
    {
        QTemporaryDir logs;
        const QString log = logs.filePath(QStringLiteral("gara.zelk"));
        const QByteArray header =
            "zelk100;qso\r\nI2ABC\r\nMI\r\n\r\nSOP\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n";
        const QByteArray later = "09.03.2024^1500^7^SSB^I1XYZ^59^MI^59^RM^\r\n";
        const QByteArray earlier = "09.03.2024^1400^7^CW^IK0AAA^599^MI^599^TO^\r\n";
        const auto read = [](const QString& path) {
            QFile file(path);
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        };
        {
            QFile file(log);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(header + later + earlier);
        }
        MainWindowHarness h;
        QVERIFY(h.Open({log}));
        auto* list = h.Find<QTableView>(ControlId::LogList);
        QHeaderView* headings = list->horizontalHeader();
        QTest::mouseClick(
            headings->viewport(), Qt::LeftButton, {},
            {headings->sectionViewportPosition(QsoColumn::Date) + 5, headings->height() / 2});
        QCOMPARE(list->model()->index(0, QsoColumn::Callsign).data().toString(),
                 QStringLiteral("IK0AAA"));
        QCOMPARE(read(log), header + later + earlier);

        MainWindowHarness::Press(Qt::Key_F4);
        QCOMPARE(h.prompter.boxes.back().text, QStringLiteral("Log salvato con successo"));
        QCOMPARE(read(log), header + earlier + later);
        QCOMPARE(read(h.folders.WorkingFilePath()), header + earlier + later);
    }

    void binaryLogOnTheCommandLineIsRefused()
    {
        QTemporaryDir logs;
        const QString binary = logs.filePath(QStringLiteral("binario.zelk"));
        {
            QFile file(binary);
            QVERIFY(file.open(QIODevice::WriteOnly));
            static const char kProgram[] =
                "\x7f"
                "ELF\x02\x01\x01\0\0\0\0\0\0\0\0\0\x03\0>\0\n";
            file.write(kProgram, sizeof kProgram - 1);
        }
        MainWindowHarness h;
        QVERIFY(h.Open({binary}));
        QCOMPARE(h.prompter.boxes.size(), std::size_t{1});
        QCOMPARE(h.prompter.boxes[0].title, QStringLiteral("Errore"));
        QCOMPARE(h.prompter.boxes[0].text,
                 QStringLiteral("Il file non è un log di Zelkor, perché contiene dati binari:\n") +
                     binary + QStringLiteral("\n\nIl log aperto resta com'era."));
        QVERIFY(!h.window->windowTitle().contains(QStringLiteral("binario")));
        QCOMPARE(h.folders.ReadSetting(keys::kOpenLogPath), QString());
        QCOMPARE(h.folders.WorkingFileLines().value(0), QByteArray("zelk100;qso"));
        QCOMPARE(h.window->Log().RowCount(), 0);
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
