// The "Andamento" window: opened from the main window, it follows the log through every command
// without being reopened, scores as "Mostra punteggio" does without its boxes, races another
// log, and saves and prints its chart and map through the checked write path.

#include "MainWindowHarness.h"

#include "core/log/LogFile.h"
#include "core/log/LogList.h"
#include "core/platform/FileIO.h"
#include "core/provinces/ProvinceFile.h"
#include "core/scoring/ComputeScore.h"
#include "core/settings/SettingKeys.h"
#include "core/stats/HourlyCounts.h"
#include "core/stats/ProgressChart.h"
#include "core/stats/ProgressTexts.h"
#include "support/TempFolder.h"
#include "ui/mainwindow/MainMenu.h"
#include "ui/stats/CProgressDlg.h"
#include "ui/stats/GroupColours.h"
#include "ui/stats/PictureOutput.h"
#include "ui/stats/ProgressChartView.h"
#include "ui/stats/ProvinceMapView.h"

#include <QBarSet>
#include <QCategoryAxis>
#include <QComboBox>
#include <QLabel>
#include <QLineSeries>
#include <QPrinter>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

#include <memory>

using namespace zelkor;
using test::MainWindowHarness;

namespace {

constexpr int kSsb40 = 3;

QString Value(const CProgressDlg& window, const char* id)
{
    auto* label = window.findChild<QLabel*>(QString::fromLatin1(id));
    return label ? label->text() : QStringLiteral("(nessuna etichetta %1)").arg(id);
}

// A QSO row as the entry row writes it.
std::vector<std::string> QsoCells(const char* date, const char* time, const char* band,
                                  const char* mode, const char* province)
{
    return {date, time, band, mode, "I1ABC", "59", "59", province, ""};
}

ProvincePositions ShippedPositions()
{
    return ProvincePositions::Parse(*ReadWholeFile(QStringLiteral(ZELKOR_SHIPPED_POSITIONS)));
}

// Connected areas of exactly one colour, four-neighbour, of at least a few pixels (a dot's inside
// has hundreds).
int CountAreas(const QImage& image, QRgb colour)
{
    QVector<bool> seen(image.width() * image.height(), false);
    int areas = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (seen[y * image.width() + x] || image.pixel(x, y) != colour) {
                continue;
            }
            int pixels = 0;
            QVector<QPoint> stack{QPoint(x, y)};
            seen[y * image.width() + x] = true;
            while (!stack.isEmpty()) {
                const QPoint p = stack.takeLast();
                ++pixels;
                for (const QPoint step :
                     {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                    const QPoint q = p + step;
                    if (q.x() < 0 || q.y() < 0 || q.x() >= image.width() ||
                        q.y() >= image.height() || seen[q.y() * image.width() + q.x()] ||
                        image.pixel(q) != colour) {
                        continue;
                    }
                    seen[q.y() * image.width() + q.x()] = true;
                    stack.append(q);
                }
            }
            areas += pixels >= 30 ? 1 : 0;
        }
    }
    return areas;
}

// The window on its own, over a log of its own, with the shipped provinces and positions.
class StandaloneWindow {
public:
    StandaloneWindow()
    {
        log.BuildStartColumns();
        LoadProvinceFile(QStringLiteral(ZELKOR_SHIPPED_PROVINCES), provinces);
        window = std::make_unique<CProgressDlg>(
            log, provinces, PositionsLoad{ShippedPositions(), {}}, prompter, folder.Path());
        window->show();
    }

    LogList log;
    ProvinceTable provinces;
    test::ScriptedPrompter prompter;
    test::TempFolder folder;
    std::unique_ptr<CProgressDlg> window;
};

}  // namespace

class ProgressWindowTest : public QObject {
    Q_OBJECT

private slots:
    void opensOnlyWhenAskedAndStaysOpenBesideTheMainWindow()
    {
        MainWindowHarness h;
        QVERIFY(h.Open());
        QVERIFY(h.window->ProgressWindow() == nullptr);

        MainWindowHarness::Press(Qt::Key_F11);

        CProgressDlg* progress = h.window->ProgressWindow();
        QVERIFY(progress);
        QVERIFY(progress->isVisible());
        QVERIFY(!progress->isModal());
        QCOMPARE(progress->windowTitle(), QStringLiteral("Andamento"));
        // A dialog of the main window stays above it where it must cover part of it, and a
        // screen of 600 pixels holds it with its frame: the figures scroll.
        QCOMPARE(progress->windowType(), Qt::Dialog);
        QVERIFY2(progress->minimumSizeHint().height() <= 560,
                 qPrintable(QString::number(progress->minimumSizeHint().height())));
        // The main window keeps taking keys while the window stays open.
        h.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(h.window.get()));
        QVERIFY(progress->isVisible());
        // Closing only hides it; F11 brings back the same window.
        progress->close();
        QVERIFY(!progress->isVisible());
        h.window->RunCommand(Command::Progress);
        QCOMPARE(h.window->ProgressWindow(), progress);
        QVERIFY(progress->isVisible());
    }

    void followsAContactLoggedThroughTheEntryRow()
    {
        MainWindowHarness h;
        h.StoreOwnProvince();
        QVERIFY(h.Open());
        h.window->RunCommand(Command::Progress);
        CProgressDlg& progress = *h.window->ProgressWindow();
        QCOMPARE(Value(progress, "lastTenMinutes"), QStringLiteral("0 QSO"));
        QCOMPARE(Value(progress, "scoreTotal"), QStringLiteral("PUNTEGGIO TOTALE = 0"));
        h.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(h.window.get()));
        QCOMPARE(h.FocusedId(), ControlName(ControlId::Callsign));

        MainWindowHarness::EnterContact(QStringLiteral("ik0abc"), QStringLiteral("rm"));
        QCOMPARE(h.window->Log().RowCount(), 1);

        QTRY_COMPARE(Value(progress, "lastTenMinutes"), QStringLiteral("1 QSO"));
        QCOMPARE(Value(progress, "latest"), QStringLiteral("14:32 del 09.03"));
        QCOMPARE(Value(progress, "score3_0"), QStringLiteral("1"));  // 40m ssb contacts
        QCOMPARE(Value(progress, "scoreTotal"), QStringLiteral("PUNTEGGIO TOTALE = 1"));
        QBarSet* ssb40 = progress.Chart()->GroupSet(kSsb40);
        QCOMPARE(ssb40->count(), 1);
        QCOMPARE(ssb40->at(0), 1.0);
        QCOMPARE(progress.Chart()->HourAxis()->categoriesLabels(), QStringList{"14"});
        // The positions ship beside the program: the map shows Rome worked on 40 m SSB.
        const ProvinceMapData& map = progress.MapView()->Map();
        QCOMPARE(map.provinces.size(), size_t(107));
        QCOMPARE(map.WorkedIn(kSsb40), 1);
        QVERIFY(h.prompter.boxes.empty());
    }

    void followsEditingSortingNewLogAndLayoutSwitch()
    {
        MainWindowHarness h;
        QVERIFY(h.Open());
        LogList& log = h.window->Log();
        log.AppendLogRow(QsoCells("09.03.2024", "1500", "7", "CW", "RM"));
        log.AppendLogRow(QsoCells("09.03.2024", "1400", "7", "SSB", "MI"));
        h.window->RunCommand(Command::Progress);
        CProgressDlg& progress = *h.window->ProgressWindow();
        QCOMPARE(Value(progress, "latest"), QStringLiteral("15:00 del 09.03"));

        // Several changes before the event loop turns: one refresh for all of them.
        log.SetCell(0, 2, "1600");
        log.SetCell(1, 3, "3,5");
        QVERIFY(progress.RefreshPending());
        QTRY_VERIFY(!progress.RefreshPending());
        QCOMPARE(Value(progress, "latest"), QStringLiteral("16:00 del 09.03"));
        QCOMPARE(Value(progress, "score0_0"), QStringLiteral("1"));  // 80m ssb

        h.window->RunCommand(Command::SortByDateTime);
        QTRY_VERIFY(!progress.RefreshPending());
        QCOMPARE(progress.Chart()->HourAxis()->categoriesLabels(), (QStringList{"14", "15", "16"}));

        log.SetSelectedRows({1});
        h.prompter.answers = {Answer::Yes};
        h.window->RunCommand(Command::Delete);
        QCOMPARE(log.RowCount(), 1);
        QTRY_COMPARE(Value(progress, "latest"), QStringLiteral("14:00 del 09.03"));

        h.window->SetSummaryEditor([](const SummaryData& data) {
            CVelsadDlg::SummaryEdit edit{data, true};
            edit.data.category = "SWL";
            return std::optional(edit);
        });
        h.window->RunSummaryDataCommand();
        QVERIFY(log.IsSwl());
        QTRY_COMPARE(Value(progress, "lastTenMinutes"), QStringLiteral("0 Hrd"));
        QCOMPARE(Value(progress, "scoreTotal"), QStringLiteral("PUNTEGGIO TOTALE = 0"));

        log.AppendLogRow({"09.03.2024", "1400", "7", "CW", "I1ABC", "599", "TO", "I2DEF"});
        QTRY_COMPARE(Value(progress, "lastTenMinutes"), QStringLiteral("1 Hrd"));
        h.prompter.answers = {Answer::Yes};
        h.window->RunCommand(Command::NewLog);
        QCOMPARE(log.RowCount(), 0);
        QTRY_COMPARE(Value(progress, "lastTenMinutes"), QStringLiteral("0 Hrd"));
    }

    // The same numbers as "Mostra punteggio", but no error box for the rows it leaves out: the
    // window shows them by position instead.
    void scoresSilentlyAsTheScoreCommandDoes()
    {
        StandaloneWindow w;
        w.log.AppendLogRow(QsoCells("09.03.2024", "1400", "7", "SSB", "MI"));
        w.log.AppendLogRow(QsoCells("09.03.2024", "1401", "14", "SSB", "MI"));
        w.log.AppendLogRow(QsoCells("09.03.2024", "1402", "7", "CW", "RM"));
        w.log.AppendLogRow(QsoCells("09.03.2024", "1403", "7", "FM", "TO"));
        w.window->Refresh();

        const ScoreDetail detail = ComputeScore(w.log);
        const ScoreResult& expected = detail.result;
        QCOMPARE(detail.ignored.size(), size_t(2));
        QCOMPARE(Value(*w.window, "scoreTotal"), ScoreTotalText(expected.score));
        QCOMPARE(Value(*w.window, "score6_0"), QStringLiteral("2"));
        QCOMPARE(Value(*w.window, "score6_1"), QStringLiteral("4"));
        QCOMPARE(Value(*w.window, "score6_2"), QStringLiteral("2"));
        QCOMPARE(
            Value(*w.window, "ignoredRows"),
            QStringLiteral("Righe escluse dal punteggio: n. 2 (banda errata), n. 4 (modo errato)"));
        QVERIFY(w.prompter.boxes.empty());
    }

    // A chart of three days has no room under each bar: rather than let Qt Charts cut every label
    // to "...", it labels every few clock hours, the same ones each day, and gets them all back
    // when widened.
    void longChartsLabelEveryFewClockHoursThatFit()
    {
        ProgressChartData data;
        for (int hour = 0; hour < kMaxChartHours; ++hour) {
            data.labels.push_back(QStringLiteral("%1/%2")
                                      .arg(7 + hour / 24, 2, 10, QChar('0'))
                                      .arg(hour % 24, 2, 10, QChar('0'))
                                      .toStdString());
            GroupCounts counts{};
            counts[0] = 1;
            data.ours.push_back(counts);
        }
        ProgressChartView view;
        view.resize(700, 400);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.Show(data, LogLayout::Qso, QString());
        QCategoryAxis* axis = view.HourAxis();
        QTRY_VERIFY(axis->count() < kMaxChartHours);
        const QStringList shown = axis->categoriesLabels();
        QVERIFY(shown.size() >= 3);
        const int step = kMaxChartHours / static_cast<int>(shown.size());
        for (int i = 0; i < shown.size(); ++i) {
            QCOMPARE(shown[i].right(2).toInt() % step, 0);
            QCOMPARE(axis->endValue(shown[i]), qreal(i * step));
        }
        QCOMPARE(shown.first(), QStringLiteral("07/00"));
        QCOMPARE(axis->labelsPosition(), QCategoryAxis::AxisLabelsPositionOnValue);
        QVERIFY(!axis->isGridLineVisible());
        // Each label has the room of its step, more than an upright line of text needs.
        const double perHour = view.chart()->plotArea().width() / kMaxChartHours;
        QVERIFY(perHour * step >= QFontMetricsF(axis->labelsFont()).height());
        QCOMPARE(axis->min(), -0.5);
        QCOMPARE(axis->max(), kMaxChartHours - 0.5);

        view.resize(2600, 400);
        QTRY_COMPARE(axis->count(), kMaxChartHours);
        QCOMPARE(axis->categoriesLabels().last(), QStringLiteral("09/23"));
        QCOMPARE(axis->endValue(QStringLiteral("07/00")), 0.5);
        QCOMPARE(axis->labelsPosition(), QCategoryAxis::AxisLabelsPositionCenter);
        QVERIFY(axis->isGridLineVisible());

        // A short chart: every hour, upright.
        data.labels = {"13", "14", "15"};
        data.ours.resize(3);
        view.Show(data, LogLayout::Qso, QString());
        QCOMPARE(axis->categoriesLabels(), (QStringList{"13", "14", "15"}));
        QCOMPARE(axis->labelsAngle(), 0);
        QCOMPARE(axis->max(), 2.5);
    }

    void racesAnotherLogChosenWithConfrontaCon()
    {
        StandaloneWindow w;
        w.log.AppendLogRow(QsoCells("09.03.2024", "1300", "7", "CW", "MI"));
        w.log.AppendLogRow(QsoCells("09.03.2024", "1330", "7", "CW", "RM"));
        LogList lastYear;
        lastYear.BuildStartColumns();
        lastYear.AppendLogRow(QsoCells("11.03.2023", "1400", "7", "SSB", "MI"));
        lastYear.AppendLogRow(QsoCells("11.03.2023", "1420", "7", "SSB", "TO"));
        lastYear.AppendLogRow(QsoCells("11.03.2023", "1500", "7", "SSB", "NA"));
        const QString path = w.folder.File(QStringLiteral("2023.zelk"));
        QVERIFY(WriteFileAtomically(path, LogFileBytes(lastYear, SummaryData{})));
        w.prompter.files = {path};

        w.window->findChild<QPushButton*>(QStringLiteral("compareWith"))->click();

        QCOMPARE(w.prompter.fileDialogs.size(), size_t(1));
        QCOMPARE(w.prompter.fileDialogs[0].title, QStringLiteral("Confronta con un altro log"));
        QCOMPARE(w.prompter.fileDialogs[0].filter, QStringLiteral("File log Zelkor (*.zelk)"));
        QCOMPARE(Value(*w.window, "raceText"),
                 QStringLiteral("Confronto con 2023.zelk\n"
                                "Alla stessa ora di gara (30m dall'inizio): 2 QSO e 4 punti\n"
                                "Differenza: 0 QSO, +8 punti"));
        QLineSeries* line = w.window->Chart()->RaceLine();
        QVERIFY(line->isVisible());
        QCOMPARE(line->name(), QStringLiteral("2023.zelk"));
        QCOMPARE(line->points(), (QList<QPointF>{{0, 2}, {1, 1}}));
        QCOMPARE(w.window->Chart()->HourAxis()->categoriesLabels(), (QStringList{"13", "14"}));

        auto* clear = w.window->findChild<QPushButton*>(QStringLiteral("clearComparison"));
        QVERIFY(clear->isEnabled());
        clear->click();
        QCOMPARE(Value(*w.window, "raceText"), QStringLiteral("Nessun log da confrontare."));
        QVERIFY(!line->isVisible());
        QVERIFY(!clear->isEnabled());

        const QString missing = w.folder.File(QStringLiteral("manca.zelk"));
        QVERIFY(!w.window->LoadRaceTarget(missing));
        QCOMPARE(w.prompter.boxes.size(), size_t(1));
        QCOMPARE(w.prompter.boxes[0].title, QStringLiteral("Errore"));
        QVERIFY(w.prompter.boxes[0].text.startsWith(
            QStringLiteral("Impossibile leggere il log da confrontare:\n") + missing));
    }

    // The saved picture of the map, read back: an empty dot (white inside) for every shipped
    // province not worked on the group shown, the group's colour for the one worked, and one
    // more of each in the legend.
    void savedMapHasADotForEachShippedProvince()
    {
        StandaloneWindow w;
        w.log.AppendLogRow(QsoCells("09.03.2024", "1400", "7", "SSB", "RM"));
        w.window->resize(1300, 900);
        w.window->Pages()->setCurrentIndex(1);
        w.window->findChild<QComboBox*>(QStringLiteral("mapGroup"))->setCurrentIndex(kSsb40 + 1);
        w.window->Refresh();
        QCOMPARE(w.window->MapView()->Group(), kSsb40);
        const QString path = w.folder.File(QStringLiteral("mappa.png"));
        w.prompter.files = {path};

        w.window->findChild<QPushButton*>(QStringLiteral("saveImage"))->click();

        QCOMPARE(w.prompter.fileDialogs.size(), size_t(1));
        QCOMPARE(w.prompter.fileDialogs[0].title, QStringLiteral("Salva immagine"));
        QCOMPARE(w.prompter.fileDialogs[0].proposedName, QStringLiteral("andamento-mappa.png"));
        QVERIFY(w.prompter.boxes.empty());
        QImage image;
        QVERIFY(image.load(path, "PNG"));
        QCOMPARE(image.size(), w.window->MapView()->size() * 2);
        QCOMPARE(CountAreas(image, qRgb(255, 255, 255)), 106 + 1);
        QCOMPARE(CountAreas(image, GroupColour(kSsb40).rgb()), 1 + 1);
        // Where the window says each dot is, there is one.
        const std::vector<PlacedProvince>& placed = w.window->MapView()->Placed();
        const ProvinceMapData& map = w.window->MapView()->Map();
        QCOMPARE(placed.size(), size_t(107));
        for (std::size_t i = 0; i < placed.size(); ++i) {
            const QRgb inside = image.pixel((placed[i].centre * 2).toPoint());
            const bool rome = map.provinces[i].code == "RM";
            QCOMPARE(inside, rome ? GroupColour(kSsb40).rgb() : qRgb(255, 255, 255));
        }
    }

    void savesPdfAndRefusesTheProgramsOwnFiles()
    {
        StandaloneWindow w;
        w.log.AppendLogRow(QsoCells("09.03.2024", "1400", "7", "SSB", "RM"));
        w.window->Refresh();
        const QString pdf = w.folder.File(QStringLiteral("grafico.PDF"));
        const QString own = w.folder.File(QStringLiteral("_ult.zelk"));
        QVERIFY(WriteFileAtomically(own, "zelk100;qso\r\n"));
        const QString noFolder = w.folder.File(QStringLiteral("manca/grafico.png"));
        w.prompter.files = {pdf, own, noFolder};

        for (int i = 0; i < 3; ++i) {
            w.window->SaveImage();
        }

        QCOMPARE(w.prompter.fileDialogs[0].proposedName, QStringLiteral("andamento-grafico.png"));
        const QByteArray document = *ReadWholeFile(pdf);
        QVERIFY(document.startsWith("%PDF-"));
        QVERIFY(document.trimmed().endsWith("%%EOF"));
        QCOMPARE(w.prompter.boxes.size(), size_t(2));
        QCOMPARE(w.prompter.boxes[0].text, PictureProgramFileText(own));
        QCOMPARE(*ReadWholeFile(own), QByteArray("zelk100;qso\r\n"));
        QCOMPARE(w.prompter.boxes[1].title, QStringLiteral("Errore"));
        QVERIFY(w.prompter.boxes[1].text.startsWith(
            QStringLiteral("Impossibile scrivere il file:\n") + noFolder + "\n\n"));
        QVERIFY(w.prompter.boxes[1].text.endsWith(
            QStringLiteral("\n\nUn file già esistente con questo nome è rimasto com'era.")));
    }

    void printsToAPdfFileThroughTheCheckedWritePath()
    {
        StandaloneWindow w;
        w.log.AppendLogRow(QsoCells("09.03.2024", "1400", "7", "SSB", "RM"));
        w.window->Refresh();
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        const QString path = w.folder.File(QStringLiteral("stampa.pdf"));
        printer.setOutputFileName(path);

        QVERIFY(PrintPicture(w.window->CurrentPicture(), printer, w.folder.Path()).ok());
        QVERIFY(ReadWholeFile(path)->startsWith("%PDF-"));

        const QString own = w.folder.File(QStringLiteral("_prov.cod"));
        printer.setOutputFileName(own);
        const Result refused = PrintPicture(w.window->CurrentPicture(), printer, w.folder.Path());
        QVERIFY(!refused.ok());
        QCOMPARE(refused.message(), PictureProgramFileText(own));
        QVERIFY(!QFile::exists(own));
    }
};

QTEST_MAIN(ProgressWindowTest)
#include "tst_progresswindow.moc"
