#include "ui/stats/ProvinceMapView.h"

#include "core/stats/LogTimeline.h"
#include "core/stats/ProgressTexts.h"
#include "core/text/Cp1252.h"
#include "ui/stats/GroupColours.h"

#include <QEvent>
#include <QHelpEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>

#include <algorithm>
#include <array>
#include <cmath>

namespace zelkor {
namespace {

// The legend and the counts stand in corners that Italy leaves empty: the legend top right
// (east of Trieste), the counts bottom left (south of Sardinia).
constexpr int kSummaryHeight = 40;
constexpr int kLegendWidth = 170;
constexpr double kMargin = 6;
// Room between dots, so that crowded provinces keep some space for their labels.
constexpr double kDotGap = 7;
const QColor kOutline(0x40, 0x40, 0x40);
const QColor kEmpty(Qt::white);
const QColor kBackground(0xF4, 0xF7, 0xFA);

// The part of the dot each group fills, as a start angle and span in degrees (0 at three
// o'clock, counter-clockwise): 80 m left half, 40 m right half, SSB on top.
struct Wedge {
    double start;
    double span;
};
constexpr std::array<Wedge, kBandModeGroupCount> kWedges = {{
    {90, 60},
    {150, 60},
    {210, 60},  // 80m ssb, cw, rtty/psk
    {30, 60},
    {-30, 60},
    {-90, 60},  // 40m ssb, cw, rtty/psk
}};

QRectF MapArea(const QSize& size)
{
    return QRectF(QPointF(0, 0), QSizeF(size)).adjusted(kMargin, kMargin, -kMargin, -kMargin);
}

QFont LabelFont(const QFont& base)
{
    QFont font = base;
    font.setPointSizeF(std::max(7.0, base.pointSizeF() - 1.0));
    return font;
}

}  // namespace

ProvinceMapView::ProvinceMapView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("provinceMap"));
    setAccessibleName(QStringLiteral("Mappa delle province collegate"));
    setMinimumSize(420, 420);
}

QSize ProvinceMapView::sizeHint() const
{
    return {640, 640};
}

void ProvinceMapView::SetMap(ProvinceMapData map)
{
    // Most contacts bring no new multiplier: nothing to paint again.
    if (map == m_map) {
        return;
    }
    m_map = std::move(map);
    setAccessibleDescription(MapSummaryText(m_map, m_group));
    update();
}

void ProvinceMapView::SetGroup(int group)
{
    m_group = group;
    setAccessibleDescription(MapSummaryText(m_map, m_group));
    update();
}

void ProvinceMapView::SetMessage(const QString& message)
{
    m_message = message;
    update();
}

const std::vector<PlacedProvince>& ProvinceMapView::Placed()
{
    std::vector<int> shown;
    shown.reserve(m_map.provinces.size());
    for (const MapProvince& province : m_map.provinces) {
        shown.push_back(province.slot);
    }
    if (shown != m_placedSlots || size() != m_placedSize) {
        std::vector<QPointF> projected;
        projected.reserve(m_map.provinces.size());
        for (const MapProvince& province : m_map.provinces) {
            projected.push_back(province.projected);
        }
        const QFontMetricsF metrics(LabelFont(font()));
        const QSizeF labelSize(metrics.horizontalAdvance(QStringLiteral("MM")) + 2,
                               metrics.height());
        m_placed = LayOutProvinceMap(projected, MapArea(size()), DotRadius(), kDotGap, labelSize);
        m_placedSlots = std::move(shown);
        m_placedSize = size();
    }
    return m_placed;
}

double ProvinceMapView::DotRadius() const
{
    return std::clamp(std::min(width(), height()) / 80.0, 5.0, 10.0);
}

void ProvinceMapView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    Paint(painter);
}

void ProvinceMapView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    update();
}

void ProvinceMapView::Paint(QPainter& painter)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF whole(QPointF(0, 0), QSizeF(size()));
    painter.fillRect(whole, kBackground);
    painter.setPen(Qt::black);
    if (!m_message.isEmpty()) {
        painter.drawText(whole.adjusted(20, 20, -20, -20), Qt::AlignCenter | Qt::TextWordWrap,
                         m_message);
        painter.restore();
        return;
    }
    const std::vector<PlacedProvince>& placed = Placed();
    painter.setFont(LabelFont(font()));
    for (std::size_t i = 0; i < placed.size(); ++i) {
        PaintDot(painter, placed[i].centre, DotRadius(), m_map.provinces[i].worked);
    }
    // Labels over every dot, so that no dot hides a label, each with a rim of the background
    // that keeps it readable where it crosses a neighbour's dot.
    const QFontMetricsF metrics(painter.font());
    QPainterPath labels;
    for (std::size_t i = 0; i < placed.size(); ++i) {
        const QString code = ToQString(m_map.provinces[i].code);
        const QRectF& box = placed[i].label;
        labels.addText(box.center().x() - metrics.horizontalAdvance(code) / 2,
                       box.center().y() + (metrics.ascent() - metrics.descent()) / 2,
                       painter.font(), code);
    }
    painter.strokePath(labels, QPen(kBackground, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.fillPath(labels, Qt::black);
    painter.setFont(font());
    PaintLegend(painter,
                QRectF(whole.width() - kLegendWidth - kMargin, kMargin, kLegendWidth, 160));
    painter.setPen(Qt::black);
    painter.drawText(QRectF(kMargin + 4, whole.height() - kSummaryHeight - kMargin,
                            whole.width() / 2, kSummaryHeight),
                     Qt::AlignLeft | Qt::AlignBottom | Qt::TextWordWrap,
                     MapSummaryText(m_map, m_group));
    painter.restore();
}

void ProvinceMapView::PaintDot(QPainter& painter, const QPointF& centre, double radius,
                               const WorkedEntry& worked) const
{
    const QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kEmpty);
    painter.drawEllipse(box);
    if (m_group == kAllGroups) {
        for (int group = 0; group < kBandModeGroupCount; ++group) {
            if (IsWorkedIn(worked, group)) {
                painter.setBrush(GroupColour(group));
                const Wedge& wedge = kWedges[static_cast<std::size_t>(group)];
                painter.drawPie(box, static_cast<int>(wedge.start * 16),
                                static_cast<int>(wedge.span * 16));
            }
        }
        // The line between the bands.
        painter.setPen(QPen(kOutline, 0.6));
        painter.drawLine(QPointF(centre.x(), box.top()), QPointF(centre.x(), box.bottom()));
    } else if (IsWorkedIn(worked, m_group)) {
        painter.setBrush(GroupColour(m_group));
        painter.drawEllipse(box);
    }
    painter.setPen(QPen(kOutline, 1.2));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(box);
}

void ProvinceMapView::PaintLegend(QPainter& painter, const QRectF& area) const
{
    const QFontMetricsF metrics(painter.font());
    double y = area.top() + 10;
    painter.setPen(Qt::black);
    if (m_group == kAllGroups) {
        // A large dot with everything worked, and what its parts mean.
        const double radius = 20;
        const QPointF centre(area.left() + area.width() / 2, y + metrics.height() + radius + 4);
        painter.drawText(QRectF(area.left(), y, area.width(), metrics.height()), Qt::AlignCenter,
                         QStringLiteral("80 m     40 m"));
        PaintDot(painter, centre, radius, WorkedEntry{3, 3, 3});
        y = centre.y() + radius + 8;
        for (int mode = 0; mode < 3; ++mode) {
            const QRectF swatch80(area.left() + 10, y, 12, 12);
            const QRectF swatch40(area.left() + 26, y, 12, 12);
            painter.setPen(kOutline);
            painter.setBrush(GroupColour(mode));
            painter.drawRect(swatch80);
            painter.setBrush(GroupColour(3 + mode));
            painter.drawRect(swatch40);
            painter.setPen(Qt::black);
            painter.drawText(
                QPointF(area.left() + 44, y + 11),
                GroupLabel(mode).mid(4) + (mode == 0   ? QStringLiteral(" (in alto)")
                                           : mode == 1 ? QStringLiteral(" (al centro)")
                                                       : QStringLiteral(" (in basso)")));
            y += 18;
        }
    } else {
        const QRectF swatch(area.left() + 10, y, 12, 12);
        painter.setPen(kOutline);
        painter.setBrush(GroupColour(m_group));
        painter.drawEllipse(swatch);
        painter.setPen(Qt::black);
        painter.drawText(QPointF(area.left() + 28, y + 11),
                         GroupLabel(m_group) + QStringLiteral(": collegata"));
        y += 18;
    }
    const QRectF empty(area.left() + 10, y, 12, 12);
    painter.setPen(kOutline);
    painter.setBrush(kEmpty);
    painter.drawEllipse(empty);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(area.left() + 28, y + 11), QStringLiteral("non collegata"));
}

bool ProvinceMapView::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QString text = ToolTipAt(help->pos());
        if (text.isEmpty()) {
            QToolTip::hideText();
            event->ignore();
        } else {
            QToolTip::showText(help->globalPos(), text, this);
        }
        return true;
    }
    return QWidget::event(event);
}

QString ProvinceMapView::ToolTipAt(const QPoint& at)
{
    if (!m_message.isEmpty()) {
        return QString();
    }
    const std::vector<PlacedProvince>& placed = Placed();
    for (std::size_t i = 0; i < placed.size(); ++i) {
        const QPointF offset = placed[i].centre - QPointF(at);
        if (std::hypot(offset.x(), offset.y()) > DotRadius() + 2) {
            continue;
        }
        const MapProvince& province = m_map.provinces[i];
        QStringList worked;
        QStringList missing;
        for (int group = 0; group < kBandModeGroupCount; ++group) {
            (IsWorkedIn(province.worked, group) ? worked : missing) << GroupLabel(group);
        }
        QString text = ToQString(province.code);
        std::string name = province.name;
        CapitaliseProvinceName(name);
        if (!name.empty()) {
            text += QLatin1Char(' ') + ToQString(name);
        }
        text += QStringLiteral("\nCollegata: ") +
                (worked.isEmpty() ? QStringLiteral("mai") : worked.join(QStringLiteral(", ")));
        if (!missing.isEmpty()) {
            text += QStringLiteral("\nManca: ") + missing.join(QStringLiteral(", "));
        }
        return text;
    }
    return QString();
}

}  // namespace zelkor
