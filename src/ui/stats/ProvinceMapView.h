#pragma once
// The map of the provinces worked, painted from the core's map data: one dot per province at its
// capital, divided into six parts (80 m on the left, 40 m on the right; SSB at the top, CW in the
// middle, RTTY/PSK at the bottom) filled where the province counts as a multiplier, or, for one
// chosen group, filled or empty as a whole. The same painting serves the screen, image files and
// the printer.

#include "core/stats/ProvinceMap.h"

#include <QWidget>

#include <vector>

namespace zelkor {

class ProvinceMapView : public QWidget {
    Q_OBJECT

public:
    // All groups at once, each in its part of the dot.
    static constexpr int kAllGroups = -1;

    explicit ProvinceMapView(QWidget* parent = nullptr);

    // The dots move only when the provinces on the map change or the window is resized; a new
    // worked state repaints them where they are.
    void SetMap(ProvinceMapData map);
    // kAllGroups or a group 0..5.
    void SetGroup(int group);
    // Shown instead of the map when there are no positions to draw.
    void SetMessage(const QString& message);

    [[nodiscard]] const ProvinceMapData& Map() const { return m_map; }
    [[nodiscard]] int Group() const { return m_group; }
    // Where each province of Map() is drawn at the widget's present size, in its order.
    [[nodiscard]] const std::vector<PlacedProvince>& Placed();
    // The dots grow with the map, within limits.
    [[nodiscard]] double DotRadius() const;

    // Paints the whole picture (map, legend, counts) into a rectangle of the widget's size,
    // wherever the painter's transformation puts it.
    void Paint(QPainter& painter);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;

private:
    void PaintDot(QPainter& painter, const QPointF& centre, double radius,
                  const WorkedEntry& worked) const;
    void PaintLegend(QPainter& painter, const QRectF& area) const;
    QString ToolTipAt(const QPoint& at);

    ProvinceMapData m_map;
    int m_group = kAllGroups;
    QString m_message;
    std::vector<PlacedProvince> m_placed;
    // The codes m_placed was computed for, and at which size.
    std::vector<int> m_placedSlots;
    QSize m_placedSize;
};

}  // namespace zelkor
