#include "ui/stats/CProgressDlg.h"

#include "core/log/LogList.h"
#include "core/platform/Prompter.h"
#include "core/provinces/ProvinceTable.h"
#include "core/scoring/ScoreReport.h"
#include "core/stats/LogProgress.h"
#include "core/stats/ProgressChart.h"
#include "core/stats/ProgressTexts.h"
#include "core/stats/ProvinceMap.h"
#include "core/stats/RaceTarget.h"
#include "core/text/Cp1252.h"
#include "ui/app/DialogColours.h"
#include "ui/platform/QtPrompter.h"
#include "ui/stats/PictureOutput.h"
#include "ui/stats/ProgressChartView.h"
#include "ui/stats/ProvinceMapView.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <utility>

namespace zelkor {
namespace {

QString Number(std::int64_t n)
{
    return ToQString(FormatThousands(n));
}

// The program's boxes and file choosers open over the main window; those of this window's own
// commands open over this window, which the main window would otherwise cover.
class PromptsOver {
public:
    PromptsOver(Prompter& prompter, QWidget* window)
        : m_qtPrompter(dynamic_cast<QtPrompter*>(&prompter))
    {
        if (m_qtPrompter != nullptr) {
            m_previous = m_qtPrompter->Parent();
            m_qtPrompter->SetParent(window);
        }
    }
    ~PromptsOver()
    {
        if (m_qtPrompter != nullptr) {
            m_qtPrompter->SetParent(m_previous);
        }
    }
    PromptsOver(const PromptsOver&) = delete;
    PromptsOver& operator=(const PromptsOver&) = delete;

private:
    QtPrompter* m_qtPrompter;
    QWidget* m_previous = nullptr;
};

}  // namespace

CProgressDlg::CProgressDlg(const LogList& log, const ProvinceTable& provinces,
                           PositionsLoad positions, Prompter& prompter, QString programFolder,
                           QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint),
      m_log(log),
      m_provinces(provinces),
      m_positions(std::move(positions)),
      m_prompter(prompter),
      m_programFolder(std::move(programFolder))
{
    setObjectName(QStringLiteral("CProgressDlg"));
    setWindowTitle(QStringLiteral("Andamento"));
    setModal(false);
    setAttribute(Qt::WA_ShowWithoutActivating);

    m_refreshTimer.setSingleShot(true);
    m_refreshTimer.setInterval(0);
    connect(&m_refreshTimer, &QTimer::timeout, this, &CProgressDlg::Refresh);

    // The figures scroll rather than hold the window taller than a small screen.
    auto* figures = new QWidget;
    auto* left = new QVBoxLayout(figures);
    left->setContentsMargins(0, 0, 0, 0);
    left->addWidget(CreateRateBox());
    left->addWidget(CreateScoreBox());
    left->addWidget(CreateRaceBox());
    left->addStretch();
    auto* figuresArea = new QScrollArea(this);
    figuresArea->setObjectName(QStringLiteral("figures"));
    figuresArea->setFrameShape(QFrame::NoFrame);
    figuresArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    figuresArea->setWidgetResizable(true);
    figuresArea->setWidget(figures);
    figuresArea->setMinimumWidth(figures->sizeHint().width() +
                                 figuresArea->verticalScrollBar()->sizeHint().width());

    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("pages"));
    m_chart = new ProgressChartView(m_pages);
    m_pages->addTab(m_chart, QStringLiteral("&Grafico"));
    m_pages->addTab(CreateMapPage(), QStringLiteral("M&appa"));

    auto* columns = new QHBoxLayout;
    columns->addWidget(figuresArea);
    columns->addWidget(m_pages, 1);
    auto* whole = new QVBoxLayout(this);
    whole->addLayout(columns, 1);
    whole->addLayout(CreateButtons());
    resize(1100, 720);
    DialogColours::Apply(this);

    ConnectLog();
}

CProgressDlg::~CProgressDlg() = default;

void CProgressDlg::ConnectLog()
{
    // Every change that can move a figure; the "about to" signals and the view's requests
    // can't.
    const auto schedule = [this] { ScheduleRefresh(); };
    connect(&m_log, &LogList::rowsReset, this, schedule);
    connect(&m_log, &LogList::rowInserted, this, schedule);
    connect(&m_log, &LogList::rowsRemoved, this, schedule);
    connect(&m_log, &LogList::cellChanged, this, schedule);
    connect(&m_log, &LogList::rowsChanged, this, schedule);
    connect(&m_log, &LogList::layoutRebuilt, this, schedule);
}

void CProgressDlg::ScheduleRefresh()
{
    m_stale = true;
    if (isVisible() && !m_refreshTimer.isActive()) {
        m_refreshTimer.start();
    }
}

void CProgressDlg::showEvent(QShowEvent* event)
{
    if (m_stale) {
        Refresh();
    }
    QDialog::showEvent(event);
}

void CProgressDlg::Refresh()
{
    m_stale = false;
    m_refreshTimer.stop();
    const LogProgress progress = ComputeLogProgress(m_log);
    ShowRates(progress);
    ShowScore(progress);
    ShowRace(progress);
    const std::optional<std::int64_t> first =
        progress.timeline.IsEmpty() ? std::nullopt : std::optional(progress.timeline.First());
    m_chart->Show(BuildProgressChart(progress.hourly, first, m_race.get()), progress.layout,
                  m_race ? m_race->Name() : QString());
    if (m_positions.error.isEmpty()) {
        m_map->SetMap(
            BuildProvinceMap(m_positions.positions, m_provinces, progress.score.multipliers));
    }
}

void CProgressDlg::ShowRates(const LogProgress& progress)
{
    const std::vector<FigureLine> lines =
        RateLines(progress.rates, progress.timeline.untimedRows, progress.layout);
    for (std::size_t i = 0; i < m_rateLabels.size(); ++i) {
        const bool used = i < lines.size();
        m_rateLabels[i]->setVisible(used);
        m_rateValues[i]->setVisible(used);
        if (used) {
            m_rateLabels[i]->setText(lines[i].label);
            m_rateValues[i]->setText(lines[i].value);
            m_rateValues[i]->setObjectName(lines[i].id);
            m_rateValues[i]->setAccessibleName(lines[i].label);
        }
    }
}

void CProgressDlg::ShowScore(const LogProgress& progress)
{
    m_scoreHeading->setText(QStringLiteral("N.") + ContactWord(progress.layout));
    const ScoreTable& table = progress.score.result.table;
    for (int row = 0; row < ScoreTable::kRowCount; ++row) {
        const ScoreCounts& counts = table.Row(row);
        std::vector<QLabel*>& cells = m_scoreCells[static_cast<std::size_t>(row)];
        cells[0]->setText(Number(counts.contacts));
        cells[1]->setText(Number(counts.points));
        cells[2]->setText(Number(counts.multipliers));
        if (cells.size() > 3) {
            cells[3]->setText(Number(std::int64_t{counts.points} * counts.multipliers));
        }
    }
    m_scoreTotal->setText(ScoreTotalText(progress.score.result.score));
    const QString ignored = IgnoredRowsText(progress.score.ignored);
    m_ignoredRows->setText(ignored);
    m_ignoredRows->setVisible(!ignored.isEmpty());
}

void CProgressDlg::ShowRace(const LogProgress& progress)
{
    m_clearRace->setEnabled(m_race != nullptr);
    if (!m_race) {
        m_raceText->setText(QStringLiteral("Nessun log da confrontare."));
        return;
    }
    m_raceText->setText(
        RaceText(CompareRace(progress.timeline, progress.score.result.score, *m_race),
                 m_race->Name(), progress.layout));
}

void CProgressDlg::ChooseRaceTarget()
{
    const PromptsOver over(m_prompter, this);
    FileDialogRequest request;
    request.kind = FileDialogKind::Open;
    request.title = QStringLiteral("Confronta con un altro log");
    request.filter = QStringLiteral("File log Zelkor (*.zelk)");
    request.mustExist = true;
    const std::optional<QString> path = m_prompter.ChooseFile(request);
    if (path) {
        LoadRaceTarget(*path);
    }
}

bool CProgressDlg::LoadRaceTarget(const QString& path)
{
    RaceLoad load = zelkor::LoadRaceTarget(path, m_provinces);
    if (!load.target) {
        m_prompter.Error(load.error);
        return false;
    }
    m_race = std::move(load.target);
    Refresh();
    return true;
}

void CProgressDlg::ClearRaceTarget()
{
    m_race.reset();
    Refresh();
}

Picture CProgressDlg::CurrentPicture() const
{
    Picture picture;
    picture.dpi = logicalDpiY();
    if (m_pages->currentWidget() == m_chart) {
        ProgressChartView* chart = m_chart;
        picture.size = chart->size();
        picture.paint = [chart](QPainter& painter) {
            chart->render(&painter, QRectF(QPointF(0, 0), QSizeF(chart->size())));
        };
    } else {
        ProvinceMapView* map = m_map;
        picture.size = map->size();
        picture.paint = [map](QPainter& painter) { map->Paint(painter); };
    }
    return picture;
}

void CProgressDlg::SaveImage()
{
    const PromptsOver over(m_prompter, this);
    const bool chart = m_pages->currentWidget() == m_chart;
    SavePictureCommand(
        m_prompter, m_programFolder, CurrentPicture(),
        chart ? QStringLiteral("andamento-grafico.png") : QStringLiteral("andamento-mappa.png"));
}

void CProgressDlg::PrintImage()
{
    const PromptsOver over(m_prompter, this);
    PrintPictureCommand(this, m_prompter, m_programFolder, CurrentPicture());
}

}  // namespace zelkor
