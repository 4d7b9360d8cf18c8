#include "core/stats/ProvincePositions.h"

#include "core/platform/FileIO.h"
#include "core/platform/ProgramFolder.h"

#include <QList>

#include <cmath>
#include <numbers>

namespace zelkor {
namespace {

// The meridian drawn upright: through the middle of the peninsula.
constexpr double kCentralMeridian = 12.5;

std::optional<double> NumberIn(const QByteArray& text, double lowest, double highest)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value) || value < lowest || value > highest) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

ProvincePositions ProvincePositions::Parse(const QByteArray& bytes)
{
    ProvincePositions result;
    for (const QByteArray& rawLine : bytes.split('\n')) {
        const QByteArray line = rawLine.trimmed();
        if (line.isEmpty()) {
            continue;
        }
        const QList<QByteArray> fields = line.simplified().split(' ');
        const std::string code = fields.front().toStdString();
        const int slot = ProvinceIndexOf(code);
        const std::optional<double> latitude =
            fields.size() == 3 ? NumberIn(fields[1], -90.0, 90.0) : std::nullopt;
        const std::optional<double> longitude =
            fields.size() == 3 ? NumberIn(fields[2], -180.0, 180.0) : std::nullopt;
        if (code.size() != 2 || slot == 0 || !latitude || !longitude) {
            ++result.m_skippedLines;
            continue;
        }
        if (!result.m_positions[static_cast<std::size_t>(slot)]) {
            ++result.m_count;
        }
        result.m_positions[static_cast<std::size_t>(slot)] = GeoPosition{*latitude, *longitude};
    }
    return result;
}

std::optional<GeoPosition> ProvincePositions::PositionOf(int slot) const
{
    if (slot < 0 || slot >= kProvinceSlotCount) {
        return std::nullopt;
    }
    return m_positions[static_cast<std::size_t>(slot)];
}

PositionsLoad LoadShippedProvincePositions(const QString& executableFolder)
{
    const QString path = ShippedDataFile(executableFolder, kProvincePositionsFileName);
    if (path.isEmpty()) {
        return {{},
                QStringLiteral("Manca il file delle posizioni dei capoluoghi (%1): la mappa "
                               "non si può disegnare.")
                    .arg(QLatin1String(kProvincePositionsFileName))};
    }
    QString reason;
    const std::optional<QByteArray> bytes = ReadWholeFile(path, &reason);
    if (!bytes) {
        return {{},
                QStringLiteral("Impossibile leggere il file delle posizioni dei capoluoghi:\n") +
                    path + QStringLiteral("\n\n") + reason};
    }
    return {ProvincePositions::Parse(*bytes), QString()};
}

QPointF ProjectPosition(const GeoPosition& position)
{
    const double latitudeRadians = position.latitude * std::numbers::pi / 180.0;
    return {(position.longitude - kCentralMeridian) * std::cos(latitudeRadians), position.latitude};
}

}  // namespace zelkor
