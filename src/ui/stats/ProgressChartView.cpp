#include "ui/stats/ProgressChartView.h"

#include "core/stats/ProgressTexts.h"
#include "core/text/Cp1252.h"
#include "ui/stats/GroupColours.h"

#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QFontMetricsF>
#include <QLegendMarker>
#include <QLineSeries>
#include <QStackedBarSeries>
#include <QValueAxis>

#include <algorithm>
#include <utility>

namespace zelkor {
namespace {

constexpr int kUprightLabelsUpTo = 20;
// Room around an hour label along the axis, beside the label itself.
constexpr double kLabelRoom = 8;

// The value axis ends on a round number with at most eight steps, all whole numbers.
std::pair<int, int> RoundAxis(int highest)
{
    static const int kSteps[] = {1, 2, 5, 10, 20, 25, 50, 100, 200, 250, 500, 1000};
    int step = 1000;
    for (const int candidate : kSteps) {
        if (highest <= candidate * 8) {
            step = candidate;
            break;
        }
    }
    const int top = std::max(step, (highest + step - 1) / step * step);
    return {top, top / step + 1};
}

}  // namespace

// The chart is handed to the base at once: QChartView makes a chart of its own otherwise, and
// setChart() lets go of that one without deleting it.
ProgressChartView::ProgressChartView(QWidget* parent) : QChartView(new QChart, parent)
{
    setObjectName(QStringLiteral("progressChart"));
    setAccessibleName(QStringLiteral("Grafico dei collegamenti per ora"));
    // No antialiasing on screen: the bars are upright rectangles, and smoothing them would
    // double what a logged contact costs to paint. Saved and printed pictures are smoothed.
    setMinimumSize(420, 320);

    QChart* chart = this->chart();
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->legend()->setAlignment(Qt::AlignBottom);
    m_bars = new QStackedBarSeries(chart);
    m_bars->setBarWidth(0.8);
    for (int group = 0; group < kGroupCount; ++group) {
        auto* set = new QBarSet(GroupLabel(group), m_bars);
        set->setColor(GroupColour(group));
        set->setBorderColor(GroupColour(group).darker(130));
        m_sets[static_cast<std::size_t>(group)] = set;
        m_bars->append(set);
    }
    chart->addSeries(m_bars);
    m_race = new QLineSeries(chart);
    m_race->setColor(RaceColour());
    m_race->setPointsVisible(true);
    QPen pen(RaceColour(), 2, Qt::DashLine);
    m_race->setPen(pen);
    chart->addSeries(m_race);

    m_hours = new QCategoryAxis(chart);
    m_hours->setStartValue(-0.5);
    m_counts = new QValueAxis(chart);
    m_counts->setLabelFormat(QStringLiteral("%d"));
    chart->addAxis(m_hours, Qt::AlignBottom);
    chart->addAxis(m_counts, Qt::AlignLeft);
    for (QAbstractSeries* series :
         {static_cast<QAbstractSeries*>(m_bars), static_cast<QAbstractSeries*>(m_race)}) {
        series->attachAxis(m_hours);
        series->attachAxis(m_counts);
    }
    // The room of a label depends on the plot's width, known once the chart is laid out.
    connect(chart, &QChart::plotAreaChanged, this, &ProgressChartView::ShowHourLabels);
}

void ProgressChartView::Show(const ProgressChartData& progress, LogLayout layout,
                             const QString& raceName)
{
    QString title = ContactWord(layout) + QStringLiteral(" per ora (UTC)");
    if (progress.leftOut > 0) {
        title += QStringLiteral(", ultime %1 ore").arg(progress.HourCount());
    }
    if (chart()->title() != title) {
        chart()->setTitle(title);
    }

    if (m_hourLabels != progress.labels) {
        m_hourLabels = progress.labels;
        const double hours = std::max<double>(1, progress.HourCount());
        m_hours->setRange(-0.5, hours - 0.5);
        // Labels of a long chart stand on end, or Qt Charts cuts them short.
        m_hours->setLabelsAngle(progress.HourCount() > kUprightLabelsUpTo ? -90 : 0);
        ShowHourLabels();
    }
    for (int group = 0; group < kGroupCount; ++group) {
        QList<qreal> values;
        values.reserve(progress.HourCount());
        for (const GroupCounts& counts : progress.ours) {
            values << counts[static_cast<std::size_t>(group)];
        }
        ShowValues(m_sets[static_cast<std::size_t>(group)], values);
    }
    // Rows on other bands or modes get a legend entry only when there are some.
    bool anyOther = false;
    for (const GroupCounts& counts : progress.ours) {
        anyOther = anyOther || counts[kOtherGroup] > 0;
    }
    for (QLegendMarker* marker : chart()->legend()->markers(m_bars)) {
        if (marker->label() == GroupLabel(kOtherGroup)) {
            marker->setVisible(anyOther);
        }
    }
    ShowRace(progress, raceName);

    const auto [top, ticks] = RoundAxis(progress.Highest());
    if (m_counts->max() != top || m_counts->tickCount() != ticks) {
        m_counts->setRange(0, top);
        m_counts->setTickCount(ticks);
    }
}

// Every hour gets its label under its bar, between grid lines, when they all fit. Otherwise only
// every second, third... clock hour gets one, at its bar, and the grid lines go, as Qt Charts
// would cut every label to "...".
void ProgressChartView::ShowHourLabels()
{
    const int hours = static_cast<int>(m_hourLabels.size());
    const QFontMetricsF metrics(m_hours->labelsFont());
    double extent = metrics.height();
    if (m_hours->labelsAngle() == 0) {
        extent = 0;
        for (const std::string& label : m_hourLabels) {
            extent = std::max(extent, metrics.horizontalAdvance(ToQString(label)));
        }
    }
    const double width = chart()->plotArea().width();
    const int step =
        hours == 0 || width <= 0 ? 1 : HourLabelStep(width / hours, extent + kLabelRoom);

    QStringList labels;
    QList<qreal> values;
    for (const int index : LabelledHours(m_hourLabels, step)) {
        labels << ToQString(m_hourLabels[static_cast<std::size_t>(index)]);
        values << (step == 1 ? index + 0.5 : index);
    }
    const auto position = step == 1 ? QCategoryAxis::AxisLabelsPositionCenter
                                    : QCategoryAxis::AxisLabelsPositionOnValue;
    if (m_hours->categoriesLabels() == labels && m_hours->labelsPosition() == position) {
        return;
    }
    for (const QString& label : m_hours->categoriesLabels()) {
        m_hours->remove(label);
    }
    m_hours->setLabelsPosition(position);
    m_hours->setGridLineVisible(step == 1);
    for (int i = 0; i < labels.size(); ++i) {
        m_hours->append(labels[i], values[i]);
    }
}

void ProgressChartView::ShowValues(QBarSet* set, const QList<qreal>& values)
{
    if (set->count() > values.size()) {
        set->remove(static_cast<int>(values.size()),
                    set->count() - static_cast<int>(values.size()));
    }
    for (int i = 0; i < set->count(); ++i) {
        if (set->at(i) != values[i]) {
            set->replace(i, values[i]);
        }
    }
    if (set->count() < values.size()) {
        set->append(values.mid(set->count()));
    }
}

void ProgressChartView::ShowRace(const ProgressChartData& progress, const QString& raceName)
{
    QList<QPointF> points;
    for (int hour = 0; hour < static_cast<int>(progress.theirs.size()); ++hour) {
        if (progress.theirs[static_cast<std::size_t>(hour)]) {
            points << QPointF(hour, *progress.theirs[static_cast<std::size_t>(hour)]);
        }
    }
    if (m_race->points() != points) {
        m_race->replace(points);
    }
    if (m_race->name() != raceName) {
        m_race->setName(raceName);
    }
    const bool racing = !raceName.isEmpty();
    m_race->setVisible(racing);
    for (QLegendMarker* marker : chart()->legend()->markers(m_race)) {
        marker->setVisible(racing);
    }
}

}  // namespace zelkor
