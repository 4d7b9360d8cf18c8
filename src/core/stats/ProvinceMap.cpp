#include "core/stats/ProvinceMap.h"

#include "core/contest/BandMode.h"
#include "core/stats/LogTimeline.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace zelkor {
namespace {

constexpr int kSpreadRounds = 200;

double OverlapArea(const QRectF& a, const QRectF& b)
{
    const QRectF common = a.intersected(b);
    return common.isValid() ? common.width() * common.height() : 0.0;
}

QRectF DotSquare(const QPointF& centre, double radius)
{
    return {centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius};
}

// Scales the projected points into the area, north up, keeping the shape, centred.
std::vector<QPointF> FitIntoArea(const std::vector<QPointF>& projected, const QRectF& area)
{
    double left = std::numeric_limits<double>::max();
    double right = std::numeric_limits<double>::lowest();
    double bottom = left;
    double top = right;
    for (const QPointF& point : projected) {
        left = std::min(left, point.x());
        right = std::max(right, point.x());
        bottom = std::min(bottom, point.y());
        top = std::max(top, point.y());
    }
    const double width = std::max(right - left, 1e-6);
    const double height = std::max(top - bottom, 1e-6);
    const double scale = std::min(area.width() / width, area.height() / height);
    const double offsetX = area.left() + (area.width() - width * scale) / 2;
    const double offsetY = area.top() + (area.height() - height * scale) / 2;
    std::vector<QPointF> placed;
    placed.reserve(projected.size());
    for (const QPointF& point : projected) {
        placed.emplace_back(offsetX + (point.x() - left) * scale,
                            offsetY + (top - point.y()) * scale);
    }
    return placed;
}

// Pushes every pair closer than the distance apart, half each, until none is left; dots on the
// very same point part east-west, the earlier one to the west.
void SpreadDots(std::vector<QPointF>& centres, double distance, const QRectF& area)
{
    for (int round = 0; round < kSpreadRounds; ++round) {
        bool moved = false;
        for (std::size_t i = 0; i < centres.size(); ++i) {
            for (std::size_t j = i + 1; j < centres.size(); ++j) {
                const QPointF between = centres[j] - centres[i];
                const double length = std::hypot(between.x(), between.y());
                if (length >= distance) {
                    continue;
                }
                const QPointF unit = length > 1e-9 ? between / length : QPointF(1.0, 0.0);
                const QPointF push = unit * ((distance - length) / 2 + 0.01);
                centres[i] -= push;
                centres[j] += push;
                moved = true;
            }
        }
        for (QPointF& centre : centres) {
            centre.setX(std::clamp(centre.x(), area.left(), std::max(area.left(), area.right())));
            centre.setY(std::clamp(centre.y(), area.top(), std::max(area.top(), area.bottom())));
        }
        if (!moved) {
            return;
        }
    }
}

}  // namespace

bool IsWorkedIn(const WorkedEntry& worked, int group)
{
    if (group < 0 || group >= kBandModeGroupCount) {
        return false;
    }
    return (worked[static_cast<std::size_t>(group % kModeRowCount)] &
            BandBit(group / kModeRowCount)) != 0;
}

int ProvinceMapData::WorkedIn(int group) const
{
    return static_cast<int>(
        std::count_if(provinces.begin(), provinces.end(),
                      [group](const MapProvince& p) { return IsWorkedIn(p.worked, group); }));
}

int ProvinceMapData::MissingIn(int group) const
{
    return static_cast<int>(provinces.size()) - WorkedIn(group);
}

int ProvinceMapData::WorkedAtAll() const
{
    return static_cast<int>(
        std::count_if(provinces.begin(), provinces.end(),
                      [](const MapProvince& p) { return p.worked != WorkedEntry{}; }));
}

int ProvinceMapData::GroupsWorked() const
{
    int worked = 0;
    for (int group = 0; group < kBandModeGroupCount; ++group) {
        worked += WorkedIn(group);
    }
    return worked;
}

ProvinceMapData BuildProvinceMap(const ProvincePositions& positions, const ProvinceTable& table,
                                 const ProvinceWorkedTable& multipliers)
{
    ProvinceMapData map;
    for (int slot = 0; slot < kProvinceSlotCount; ++slot) {
        const WorkedEntry worked = multipliers.Entries(slot);
        const bool isWorked = worked != WorkedEntry{};
        if (table.Name(slot).empty() && !isWorked) {
            continue;
        }
        const std::optional<GeoPosition> position = positions.PositionOf(slot);
        if (position) {
            map.provinces.push_back(
                {slot, ProvinceCodeAt(slot), table.Name(slot), ProjectPosition(*position), worked});
        } else if (isWorked) {
            map.workedWithoutPosition.push_back(ProvinceCodeAt(slot));
        }
    }
    return map;
}

std::vector<PlacedProvince> LayOutProvinceMap(const std::vector<QPointF>& projected,
                                              const QRectF& area, double dotRadius, double gap,
                                              const QSizeF& labelSize)
{
    if (projected.empty()) {
        return {};
    }
    // Room for a label beside the dots at the edges.
    const double sideRoom = dotRadius + 2 + labelSize.width();
    const double topRoom = dotRadius + 2 + labelSize.height();
    const QRectF dotsArea = area.adjusted(sideRoom, topRoom, -sideRoom, -topRoom);
    std::vector<QPointF> centres = FitIntoArea(projected, dotsArea);
    SpreadDots(centres, 2 * dotRadius + gap, dotsArea);

    const double away = dotRadius + 2;
    const double w = labelSize.width();
    const double h = labelSize.height();
    // Right, left, above, below, then the four corners.
    const std::array<QPointF, 8> offsets = {QPointF(away, -h / 2),
                                            QPointF(-away - w, -h / 2),
                                            QPointF(-w / 2, -away - h),
                                            QPointF(-w / 2, away),
                                            QPointF(away - 2, -away - h + 2),
                                            QPointF(away - 2, away - 2),
                                            QPointF(-away - w + 2, -away - h + 2),
                                            QPointF(-away - w + 2, away - 2)};

    std::vector<PlacedProvince> placed;
    placed.reserve(centres.size());
    for (std::size_t i = 0; i < centres.size(); ++i) {
        QRectF best;
        double bestCost = std::numeric_limits<double>::max();
        for (const QPointF& offset : offsets) {
            const QRectF label(centres[i] + offset, labelSize);
            double cost = label.width() * label.height() - OverlapArea(label, area);
            for (std::size_t other = 0; other < centres.size(); ++other) {
                if (other != i) {
                    cost += OverlapArea(label, DotSquare(centres[other], dotRadius));
                }
            }
            for (const PlacedProvince& earlier : placed) {
                cost += OverlapArea(label, earlier.label);
            }
            if (cost < bestCost) {
                bestCost = cost;
                best = label;
            }
            if (cost <= 0.0) {
                break;
            }
        }
        placed.push_back({centres[i], best});
    }
    return placed;
}

}  // namespace zelkor
