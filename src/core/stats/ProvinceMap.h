#pragma once
// The map of the provinces worked: a dot per province at its capital, filled in each band/mode
// group where the province has counted as a multiplier. The worked state comes from the score's
// own multiplier table, so the map and the score never disagree. Where the dots go on a given
// area is decided here too, so that crowded areas (Milan and its neighbours) stay readable.

#include "core/stats/ProvincePositions.h"
#include "core/worked/ProvinceWorkedTable.h"

#include <QPointF>
#include <QRectF>
#include <QSizeF>

#include <string>
#include <vector>

namespace zelkor {

struct MapProvince {
    int slot = 0;
    std::string code;
    // As the province table has it; empty for a code it doesn't know.
    std::string name;
    // ProjectPosition of the capital.
    QPointF projected;
    WorkedEntry worked{};

    bool operator==(const MapProvince&) const = default;
};

struct ProvinceMapData {
    // Every province of the table with a position, and every worked code with one; code order.
    std::vector<MapProvince> provinces;
    // Codes that count as multipliers but have no dot: unknown codes, and "AA" for the rows
    // whose code is empty or not two capitals.
    std::vector<std::string> workedWithoutPosition;

    // Provinces on the map worked in the group (ScoreTable's row 0..5), and not worked.
    [[nodiscard]] int WorkedIn(int group) const;
    [[nodiscard]] int MissingIn(int group) const;
    // Worked in at least one group.
    [[nodiscard]] int WorkedAtAll() const;
    // Band/mode groups worked, summed over the provinces on the map.
    [[nodiscard]] int GroupsWorked() const;

    bool operator==(const ProvinceMapData&) const = default;
};

// Group 0..5 as in ScoreTable: band = group / 3, mode group = group % 3.
bool IsWorkedIn(const WorkedEntry& worked, int group);

ProvinceMapData BuildProvinceMap(const ProvincePositions& positions, const ProvinceTable& table,
                                 const ProvinceWorkedTable& multipliers);

struct PlacedProvince {
    QPointF centre;
    QRectF label;
};

// Places the dots of the projected points in the area, as large as the area allows with north
// up and the shape kept, then moves dots apart until at least gap lies between any two, and puts
// each label where it covers the fewest other dots and labels.
std::vector<PlacedProvince> LayOutProvinceMap(const std::vector<QPointF>& projected,
                                              const QRectF& area, double dotRadius, double gap,
                                              const QSizeF& labelSize);

}  // namespace zelkor
