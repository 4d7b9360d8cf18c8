#pragma once
// The chart of contacts per hour: a stacked bar per clock hour, one colour per band/mode group,
// and the log raced against as a line over the same hours. Drawn by Qt Charts; the numbers come
// from the core's ProgressChartData.

#include "core/log/LogColumns.h"
#include "core/stats/ProgressChart.h"

#include <QChartView>

#include <array>
#include <string>
#include <vector>

class QCategoryAxis;
class QBarSet;
class QLineSeries;
class QStackedBarSeries;
class QValueAxis;

namespace zelkor {

class ProgressChartView : public QChartView {
    Q_OBJECT

public:
    explicit ProgressChartView(QWidget* parent = nullptr);

    // Changes only what differs from what is shown, so that a new contact moves one bar.
    void Show(const ProgressChartData& progress, LogLayout layout, const QString& raceName);

    [[nodiscard]] QBarSet* GroupSet(int group) const
    {
        return m_sets[static_cast<std::size_t>(group)];
    }
    [[nodiscard]] QLineSeries* RaceLine() const { return m_race; }
    // Labels every hour while they fit, otherwise every second, third... hour (ShowHourLabels).
    [[nodiscard]] QCategoryAxis* HourAxis() const { return m_hours; }

private:
    void ShowValues(QBarSet* set, const QList<qreal>& values);
    void ShowRace(const ProgressChartData& progress, const QString& raceName);
    void ShowHourLabels();

    QStackedBarSeries* m_bars = nullptr;
    std::array<QBarSet*, kGroupCount> m_sets{};
    QLineSeries* m_race = nullptr;
    QCategoryAxis* m_hours = nullptr;
    std::vector<std::string> m_hourLabels;
    QValueAxis* m_counts = nullptr;
};

}  // namespace zelkor
