#pragma once
// Where each province's capital lies, for the map of the provinces worked. The positions ship
// with the program as "_prov_pos.cod" beside the province list: one line per province, its code,
// the latitude and the longitude in decimal degrees ("RM 41.8931 12.4828").

#include "core/provinces/ProvinceTable.h"

#include <QByteArray>
#include <QPointF>
#include <QString>

#include <array>
#include <optional>

namespace zelkor {

struct GeoPosition {
    double latitude = 0.0;
    double longitude = 0.0;

    bool operator==(const GeoPosition&) const = default;
};

class ProvincePositions {
public:
    // Lines that are not a code of two capitals and two numbers in range are skipped and
    // counted; a later line for the same code replaces the earlier one.
    static ProvincePositions Parse(const QByteArray& bytes);

    // Nothing for a code without a position.
    [[nodiscard]] std::optional<GeoPosition> PositionOf(int slot) const;
    [[nodiscard]] int Count() const { return m_count; }
    [[nodiscard]] int SkippedLines() const { return m_skippedLines; }

private:
    std::array<std::optional<GeoPosition>, kProvinceSlotCount> m_positions{};
    int m_count = 0;
    int m_skippedLines = 0;
};

struct PositionsLoad {
    ProvincePositions positions;
    // The Italian message when the file could not be read; empty otherwise.
    QString error;
};

// The shipped file beside the executable, or in the installed data folder.
PositionsLoad LoadShippedProvincePositions(const QString& executableFolder);

// Sinusoidal (equal-area) projection around the middle of Italy, in degrees of latitude: x grows
// to the east, y to the north.
QPointF ProjectPosition(const GeoPosition& position);

}  // namespace zelkor
