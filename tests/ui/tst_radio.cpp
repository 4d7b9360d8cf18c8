// The radio link through the real window: the "Collegamento radio" window, the label in the entry
// box, band and mode chosen by a real rigctld's dummy radio, and a window that stays at the
// operator's service while the radio doesn't answer.

#include "MainWindowHarness.h"

#include "core/log/LogColumns.h"
#include "core/log/LogList.h"
#include "core/presenters/RadioFollower.h"
#include "core/settings/SettingKeys.h"
#include "core/settings/SettingsStore.h"
#include "support/FakeRadio.h"
#include "support/RadioServers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace zelkor;
using namespace std::chrono_literals;
using test::MainWindowHarness;

namespace {

RadioSettings Following(const QString& port = QStringLiteral("localhost:4532"))
{
    return {true, RadioSettings::kNetworkModel, port, 0};
}

template <typename T = QWidget>
T* InDialog(QWidget* dialog, ControlId id)
{
    return dialog->findChild<T*>(ControlName(id));
}

QStringList ShownModels(QListWidget* list)
{
    QStringList shown;
    for (int row = 0; row < list->count(); ++row) {
        if (!list->item(row)->isHidden()) {
            shown << list->item(row)->text();
        }
    }
    return shown;
}

// Runs the "Radio..." command; the step works the window while it is open and must close it.
void WithRadioWindow(MainWindowHarness& h, const std::function<void(QDialog*)>& step)
{
    bool seen = false;
    QTimer::singleShot(0, h.window.get(), [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || dialog->objectName() != QStringLiteral("CRadioDlg")) {
            return;
        }
        seen = true;
        step(dialog);
        if (dialog->isVisible()) {
            dialog->reject();
        }
    });
    h.Action(Command::Radio)->trigger();
    QVERIFY(seen);
}

}  // namespace

class RadioTest : public QObject {
    Q_OBJECT

private slots:
    void theRadioWindowShowsTestsAndStoresTheSettings()
    {
        MainWindowHarness h;
        QVERIFY(h.Open());
        auto radio = test::FakeRadio::Make();
        h.window->SetRadioLinkMaker(radio->Maker());
        QVERIFY(!h.Find(ControlId::RadioLabel)->isVisible());

        QString title;
        bool followShown = true;
        QString modelShown;
        QString portShown;
        QString speedShown;
        QStringList afterSearch;
        QString chosenBySearch;
        QString tested;
        QString failed;
        WithRadioWindow(h, [&](QDialog* dialog) {
            title = dialog->windowTitle();
            auto* follow = InDialog<QCheckBox>(dialog, ControlId::RadioFollow);
            auto* models = InDialog<QListWidget>(dialog, ControlId::RadioModelList);
            auto* search = InDialog<QLineEdit>(dialog, ControlId::RadioSearch);
            auto* port = InDialog<QLineEdit>(dialog, ControlId::RadioPort);
            auto* speed = InDialog<QComboBox>(dialog, ControlId::RadioSpeed);
            auto* test = InDialog<QPushButton>(dialog, ControlId::RadioTestButton);
            auto* result = InDialog<QLabel>(dialog, ControlId::RadioTestResult);
            followShown = follow->isChecked();
            modelShown = models->currentItem()->text();
            portShown = port->text();
            speedShown = speed->currentText();

            QTest::keyClicks(search, QStringLiteral("icom 7300"));
            afterSearch = ShownModels(models);
            chosenBySearch = models->currentItem()->text();
            search->clear();
            QTest::keyClicks(search, QStringLiteral("rigctl"));

            port->setText(QStringLiteral("127.0.0.1:4533"));
            speed->setCurrentIndex(speed->findText(QStringLiteral("38400 baud")));
            radio->SetReading(3'550'000, "CW");
            QTest::mouseClick(test, Qt::LeftButton);
            tested = QTest::qWaitFor([&] { return test->isEnabled(); }) ? result->text() : "?";
            radio->FailOpen(QStringLiteral("la radio non risponde"));
            QTest::mouseClick(test, Qt::LeftButton);
            failed = QTest::qWaitFor([&] { return test->isEnabled(); }) ? result->text() : "?";
            radio->Answer();

            follow->setChecked(true);
            QTest::mouseClick(InDialog<QPushButton>(dialog, ControlId::OkButton), Qt::LeftButton);
        });
        QCOMPARE(title, QStringLiteral("Collegamento radio"));
        QVERIFY(!followShown);
        QCOMPARE(modelShown, QStringLiteral("Hamlib NET rigctl (2)"));
        QCOMPARE(portShown, QStringLiteral("localhost:4532"));
        QCOMPARE(speedShown, QStringLiteral("quella del modello"));
        QCOMPARE(afterSearch, QStringList{QStringLiteral("Icom IC-7300 (3073)")});
        QCOMPARE(chosenBySearch, QStringLiteral("Icom IC-7300 (3073)"));
        QCOMPARE(tested, QStringLiteral("Radio collegata: 3.550,0 kHz CW"));
        QCOMPARE(failed, QStringLiteral("Collegamento non riuscito: la radio non risponde."));

        QCOMPARE(h.folders.ReadIntSetting(keys::kRadioFollow), 1);
        QCOMPARE(h.folders.ReadIntSetting(keys::kRadioModel), 2);
        QCOMPARE(h.folders.ReadSetting(keys::kRadioPort), QStringLiteral("127.0.0.1:4533"));
        QCOMPARE(h.folders.ReadIntSetting(keys::kRadioSpeed), 38400);
        auto* label = h.Find<QLabel>(ControlId::RadioLabel);
        QTRY_COMPARE(label->text(), QStringLiteral("Radio: 3.550,0 kHz CW"));
        QVERIFY(label->isVisible());
        QCOMPARE(h.Find<QComboBox>(ControlId::Band)->currentText(), QStringLiteral("3,5"));
        QCOMPARE(h.Find<QComboBox>(ControlId::Mode)->currentText(), QStringLiteral("CW"));
        // The test and the following talked to the radio on worker threads only.
        QCOMPARE(radio->Threads().count(std::this_thread::get_id()), std::size_t(0));
    }

    void cancellingTheRadioWindowChangesNothing()
    {
        MainWindowHarness h;
        QVERIFY(h.Open());
        auto radio = test::FakeRadio::Make();
        h.window->SetRadioLinkMaker(radio->Maker());
        h.window->ApplyRadioSettings(Following());
        QTRY_COMPARE(h.Find<QLabel>(ControlId::RadioLabel)->text(),
                     QStringLiteral("Radio: 7.045,0 kHz CW"));

        WithRadioWindow(h, [&](QDialog* dialog) {
            InDialog<QCheckBox>(dialog, ControlId::RadioFollow)->setChecked(false);
            InDialog<QLineEdit>(dialog, ControlId::RadioPort)->setText(QStringLiteral("x"));
            QTest::mouseClick(InDialog<QPushButton>(dialog, ControlId::CancelButton),
                              Qt::LeftButton);
        });
        QCOMPARE(h.folders.ReadSetting(keys::kRadioPort), QStringLiteral("localhost:4532"));
        QCOMPARE(h.folders.ReadIntSetting(keys::kRadioFollow), 1);
        // Following goes on once the window is closed.
        QVERIFY(h.window->Radio().Following());
        QTRY_VERIFY(h.Find(ControlId::RadioLabel)->isVisible());
    }

    void settingsThatCantBeStoredAreToldAndStillFollowed()
    {
        MainWindowHarness h;
        QVERIFY(h.Open());
        auto radio = test::FakeRadio::Make();
        h.window->SetRadioLinkMaker(radio->Maker());
        // A folder that is a plain file can't hold the store, whoever runs the test.
        QTemporaryDir folder;
        QFile blocker(folder.filePath(QStringLiteral("blocked")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const QString path = folder.filePath(QStringLiteral("blocked/zelkor.conf"));
        h.context.store = SettingsStore::OpenFile(path);

        h.window->ApplyRadioSettings(Following());
        QCOMPARE(h.prompter.boxes.size(), std::size_t(1));
        QCOMPARE(h.prompter.boxes[0].title, QStringLiteral("Errore"));
        QCOMPARE(h.prompter.boxes[0].text,
                 QStringLiteral("Impossibile salvare le impostazioni nel file:\n%1\n\nUna parte "
                                "del percorso non è una cartella.\n\nLe scelte fatte restano "
                                "valide fino alla chiusura del programma.")
                     .arg(path));
        QVERIFY(h.window->Radio().Following());
        QTRY_COMPARE(h.Find<QLabel>(ControlId::RadioLabel)->text(),
                     QStringLiteral("Radio: 7.045,0 kHz CW"));
    }

    void theLabelSitsInFreeSpaceOfTheEntryBox_data()
    {
        QTest::addColumn<bool>("swl");
        QTest::newRow("QSO") << false;
        QTest::newRow("SWL") << true;
    }

    void theLabelSitsInFreeSpaceOfTheEntryBox()
    {
        QFETCH(bool, swl);
        MainWindowHarness h;
        if (swl) {
            h.folders.WriteSetting(keys::kCategory, QStringLiteral("SWL"));
        }
        QVERIFY(h.Open());
        auto radio = test::FakeRadio::Make();
        radio->SetReading(14'074'000, "PKTUSB");
        h.window->SetRadioLinkMaker(radio->Maker());
        h.window->ApplyRadioSettings(Following());
        auto* label = h.Find<QLabel>(ControlId::RadioLabel);
        QTRY_COMPARE(label->text(), QStringLiteral("Radio: 14.074,0 kHz PKTUSB"));
        QVERIFY(label->isVisible());
        QCOMPARE(label->accessibleName(), QStringLiteral("Radio"));

        auto* box = qobject_cast<QGroupBox*>(label->parentWidget());
        QVERIFY(box != nullptr);
        QVERIFY(box->rect().contains(label->geometry()));
        QVERIFY(label->sizeHint().width() <= label->width());
        for (QWidget* other : box->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (other != label && other->isVisible()) {
                QVERIFY2(!other->geometry().intersects(label->geometry()),
                         qPrintable(other->objectName() + " " + other->accessibleName()));
            }
        }
        if (!swl) {
            const QWidget* utc = h.Find(ControlId::PcShowsUtc);
            QCOMPARE(label->y(), utc->y());
            QVERIFY(label->x() >= utc->geometry().right());
        }

        h.window->ApplyRadioSettings({});
        QVERIFY(!label->isVisible());
        QCOMPARE(h.folders.ReadIntSetting(keys::kRadioFollow), 0);
    }

    void aChangeWaitsWhileTheOperatorTypesACallsign()
    {
        MainWindowHarness h;
        h.StoreOwnProvince();
        QVERIFY(h.Open());
        auto radio = test::FakeRadio::Make();
        radio->SetReading(7'045'000, "CW");
        h.window->SetRadioLinkMaker(radio->Maker());
        h.window->ApplyRadioSettings(Following());
        auto* band = h.Find<QComboBox>(ControlId::Band);
        auto* mode = h.Find<QComboBox>(ControlId::Mode);
        QTRY_COMPARE(mode->currentText(), QStringLiteral("CW"));

        MainWindowHarness::Type(QStringLiteral("I5XYZ"));
        radio->SetReading(3'550'000, "USB");
        auto* label = h.Find<QLabel>(ControlId::RadioLabel);
        QTRY_COMPARE(label->text(), QStringLiteral("Radio: 3.550,0 kHz USB"));
        QTest::qWait(100);
        QCOMPARE(band->currentText(), QStringLiteral("7"));
        QCOMPARE(mode->currentText(), QStringLiteral("CW"));

        MainWindowHarness::Press(Qt::Key_Return);
        QTRY_COMPARE(band->currentText(), QStringLiteral("3,5"));
        QCOMPARE(mode->currentText(), QStringLiteral("SSB"));
        QCOMPARE(h.Text(ControlId::ReportSent), QStringLiteral("59"));
        QCOMPARE(h.FocusedId(), ControlName(ControlId::ProvinceCode));
        MainWindowHarness::Type(QStringLiteral("RM"));
        MainWindowHarness::Press(Qt::Key_Return);
        QCOMPARE(h.window->Log().RowCount(), 1);
        QCOMPARE(h.window->Log().Cell(0, QsoColumn::Band), "3,5");
        QCOMPARE(h.window->Log().Cell(0, QsoColumn::Mode), "SSB");
        QCOMPARE(h.folders.ReadSetting(keys::kBand), QStringLiteral("3,5"));
        QCOMPARE(h.folders.ReadSetting(keys::kMode), QStringLiteral("SSB"));
    }

    void aRealRigctldSetsBandAndMode()
    {
        if (!test::Rigctld::Available()) {
            QSKIP("rigctld e rigctl mancano (pacchetto Debian libhamlib-utils): prova saltata");
        }
        test::Rigctld rigctld;
        QVERIFY(rigctld.Start());
        QVERIFY(rigctld.Command({QStringLiteral("F"), QStringLiteral("7045000")}));
        QVERIFY(rigctld.Command({QStringLiteral("M"), QStringLiteral("USB"), QStringLiteral("0")}));
        MainWindowHarness h;
        QVERIFY(h.Open());
        h.window->ApplyRadioSettings(Following(rigctld.Address()));
        auto* label = h.Find<QLabel>(ControlId::RadioLabel);
        QTRY_COMPARE(label->text(), QStringLiteral("Radio: 7.045,0 kHz USB"));

        QVERIFY(rigctld.Command({QStringLiteral("F"), QStringLiteral("3550000")}));
        QVERIFY(
            rigctld.Command({QStringLiteral("M"), QStringLiteral("CW"), QStringLiteral("500")}));
        QTRY_COMPARE_WITH_TIMEOUT(h.Find<QComboBox>(ControlId::Band)->currentText(),
                                  QStringLiteral("3,5"), 1000);
        QTRY_COMPARE_WITH_TIMEOUT(h.Find<QComboBox>(ControlId::Mode)->currentText(),
                                  QStringLiteral("CW"), 1000);
        QCOMPARE(label->text(), QStringLiteral("Radio: 3.550,0 kHz CW"));
        QVERIFY(h.prompter.boxes.empty());
    }

    void aRadioThatNeverAnswersLeavesTheWindowAtWork()
    {
        test::SilentServer silent;
        QVERIFY(silent.Listening());
        MainWindowHarness h;
        h.StoreOwnProvince();
        QVERIFY(h.Open());
        h.window->ApplyRadioSettings(Following(silent.Address()));
        auto* label = h.Find<QLabel>(ControlId::RadioLabel);
        QCOMPARE(label->text(), QStringLiteral("Radio non collegata"));

        // Hamlib waits for the answer on the worker's thread; the operator logs meanwhile.
        MainWindowHarness::EnterContact(QStringLiteral("I5XYZ"), QStringLiteral("FI"));
        QCOMPARE(h.window->Log().RowCount(), 1);
        QVERIFY(h.folders.WorkingFileLines().last().contains("I5XYZ"));

        QTRY_COMPARE_WITH_TIMEOUT(h.prompter.boxes.size(), std::size_t(1), 10000);
        QCOMPARE(h.prompter.boxes[0].title, QStringLiteral("Avviso"));
        QCOMPARE(h.prompter.boxes[0].text,
                 QStringLiteral("Impossibile collegarsi alla radio: la radio non risponde.\n\n"
                                "Zelkor riprova a collegarsi ogni 5 secondi; intanto banda e "
                                "modo si scelgono a mano."));
        QCOMPARE(label->text(), QStringLiteral("Radio non collegata"));
        h.window->ApplyRadioSettings({});
        QVERIFY(!label->isVisible());
    }

    void aRadioCallThatNeverReturnsHoldsNothingUp()
    {
        MainWindowHarness h;
        h.StoreOwnProvince();
        QVERIFY(h.Open());
        auto radio = test::FakeRadio::Make();
        radio->HoldOpen();
        h.window->SetRadioLinkMaker(radio->Maker());
        h.window->ApplyRadioSettings(Following());
        QVERIFY(radio->WaitInOpen());

        MainWindowHarness::EnterContact(QStringLiteral("I5XYZ"), QStringLiteral("FI"));
        QCOMPARE(h.window->Log().RowCount(), 1);
        MainWindowHarness::Press(Qt::Key_F9);
        h.Find<QComboBox>(ControlId::Band)->setFocus();
        QCOMPARE(h.FocusedId(), ControlName(ControlId::Band));

        // Turning following off and closing the window don't wait for the radio for good.
        h.window->ApplyRadioSettings({});
        QVERIFY(!h.window->Radio().Following());
        QVERIFY(!h.Find(ControlId::RadioLabel)->isVisible());
        h.window.reset();
        QCOMPARE(radio->LinksAlive(), 1);
        radio->Release();
        QTRY_COMPARE(radio->LinksAlive(), 0);
    }
};

QTEST_MAIN(RadioTest)
#include "tst_radio.moc"
