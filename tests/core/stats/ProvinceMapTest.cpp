// The map of the provinces worked: the shipped positions, the worked state taken from the
// score's multipliers, and where the dots land on an area.

#include "StatsTestLog.h"

#include "core/platform/BuildInfo.h"
#include "core/platform/FileIO.h"
#include "core/provinces/ProvinceFile.h"
#include "core/scoring/ComputeScore.h"
#include "core/stats/LogTimeline.h"
#include "core/stats/ProvinceMap.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <cmath>

namespace zelkor {
namespace {

ProvincePositions ShippedPositions()
{
    return ProvincePositions::Parse(*ReadWholeFile(QStringLiteral(ZELKOR_SHIPPED_POSITIONS)));
}

ProvinceTable ShippedProvinces()
{
    ProvinceTable table;
    EXPECT_TRUE(LoadProvinceFile(QStringLiteral(ZELKOR_SHIPPED_PROVINCES), table));
    return table;
}

TEST(ProvincePositionsTest, EveryShippedProvinceHasItsCapitalInItaly)
{
    const ProvincePositions positions = ShippedPositions();
    const ProvinceTable provinces = ShippedProvinces();
    EXPECT_EQ(positions.SkippedLines(), 0);
    int named = 0;
    for (int slot = 0; slot < kProvinceSlotCount; ++slot) {
        const std::optional<GeoPosition> position = positions.PositionOf(slot);
        EXPECT_EQ(position.has_value(), !provinces.Name(slot).empty()) << ProvinceCodeAt(slot);
        named += provinces.Name(slot).empty() ? 0 : 1;
        if (position) {
            EXPECT_TRUE(position->latitude > 36.5 && position->latitude < 47.0 &&
                        position->longitude > 7.0 && position->longitude < 18.6)
                << ProvinceCodeAt(slot);
        }
    }
    EXPECT_EQ(positions.Count(), named);
    // The shipped file has the province file's shape: CR LF line ends, code order.
    const QByteArray bytes = *ReadWholeFile(QStringLiteral(ZELKOR_SHIPPED_POSITIONS));
    EXPECT_EQ(bytes.count("\r\n"), positions.Count());
    EXPECT_TRUE(bytes.startsWith("AG 37.3111 13.5765\r\n"));
}

// A few capitals whose places relative to each other anyone can check on a map.
TEST(ProvincePositionsTest, ProjectedCapitalsKeepTheirPlaces)
{
    const ProvincePositions positions = ShippedPositions();
    const auto at = [&positions](const char* code) {
        return ProjectPosition(*positions.PositionOf(ProvinceIndexOf(code)));
    };
    EXPECT_GT(at("BZ").y(), at("MI").y());   // Bolzano north of Milan
    EXPECT_GT(at("MI").y(), at("RM").y());   // Milan north of Rome
    EXPECT_GT(at("RM").y(), at("PA").y());   // Rome north of Palermo
    EXPECT_GT(at("TS").x(), at("VE").x());   // Trieste east of Venice
    EXPECT_GT(at("LE").x(), at("BA").x());   // Lecce east of Bari
    EXPECT_LT(at("AO").x(), at("TO").x());   // Aosta west of Turin
    EXPECT_LT(at("CA").x(), at("RM").x());   // Cagliari west of Rome
    EXPECT_LT(std::abs(at("RM").x()), 0.1);  // the map's middle meridian runs through Rome
    // Equal area: a degree of longitude shrinks with the cosine of the latitude.
    EXPECT_NEAR(ProjectPosition({60.0, 13.5}).x(), 0.5, 1e-9);
}

TEST(ProvincePositionsTest, SkipsLinesThatAreNotACodeAndTwoNumbers)
{
    const ProvincePositions positions = ProvincePositions::Parse(
        "RM 41.8931 12.4828\r\n"
        "\r\n"
        "MI 45.4642 9.1900\n"
        "mi 45 9\r\n"
        "M1 45 9\r\n"
        "MIX 45 9\r\n"
        "TO 45.07\r\n"
        "TO 95 7.68\r\n"
        "TO 45.07 7.68 1\r\n"
        "TO abc 7.68\r\n"
        "  NA\t40.8518   14.2681  \r\n"
        "RM 41.9 12.5\r\n");

    EXPECT_EQ(positions.Count(), 3);
    EXPECT_EQ(positions.SkippedLines(), 7);
    EXPECT_EQ(positions.PositionOf(ProvinceIndexOf("RM")), (GeoPosition{41.9, 12.5}));
    EXPECT_EQ(positions.PositionOf(ProvinceIndexOf("NA")), (GeoPosition{40.8518, 14.2681}));
    EXPECT_FALSE(positions.PositionOf(ProvinceIndexOf("TO")));
    EXPECT_FALSE(positions.PositionOf(-1));
}

TEST(ProvincePositionsTest, FindsTheShippedFileBesideTheProgramOrInstalled)
{
    test::TempFolder folder;
    ASSERT_TRUE(QDir().mkpath(folder.Path() + "bin"));
    const PositionsLoad missing = LoadShippedProvincePositions(folder.Path() + "bin");
    EXPECT_EQ(missing.error, QStringLiteral("Manca il file delle posizioni dei capoluoghi "
                                            "(_prov_pos.cod): la mappa non si può disegnare."));
    EXPECT_EQ(missing.positions.Count(), 0);

    // Installed: in the shared data folder beside bin/.
    ASSERT_TRUE(QDir().mkpath(folder.Path() + "bin/" + kInstalledDataFolder));
    folder.Write(QStringLiteral("bin/") + kInstalledDataFolder + "/_prov_pos.cod",
                 "RM 41.8931 12.4828\r\nMI 45.4642 9.1900\r\n");
    const PositionsLoad installed = LoadShippedProvincePositions(folder.Path() + "bin");
    EXPECT_TRUE(installed.error.isEmpty());
    EXPECT_EQ(installed.positions.Count(), 2);

    // Beside the program, as built: that one first.
    folder.Write(QStringLiteral("bin/_prov_pos.cod"), "RM 41.8931 12.4828\r\n");
    const PositionsLoad found = LoadShippedProvincePositions(folder.Path() + "bin");
    EXPECT_TRUE(found.error.isEmpty());
    EXPECT_EQ(found.positions.Count(), 1);
}

// Each province is worked or missing on the map in each band/mode group exactly as the score
// counted its multipliers, whatever the worked tables of the entry row say (they take a band
// like "14" for 80 m; the score leaves such a row out).
TEST(ProvinceMapTest, WorkedStateIsTheScoresMultiplierTable)
{
    LogList log;
    test::FillLog(log, {{"09.03.2024", "1300", "3,5", "SSB", "MI"},
                        {"09.03.2024", "1301", "7", "CW", "RM"},
                        {"09.03.2024", "1302", "7", "PSK31", "RM"},
                        {"09.03.2024", "1303", "14", "SSB", "TO"},
                        {"09.03.2024", "1304", "7", "RTTY", "XX"},
                        {"09.03.2024", "1305", "7", "CW", ""},
                        {"09.03.2024", "1306", "3,5", "CW", "NA"}});
    const ScoreDetail score = ComputeScore(log);

    const ProvinceMapData map =
        BuildProvinceMap(ShippedPositions(), ShippedProvinces(), score.multipliers);

    ASSERT_EQ(map.provinces.size(), 107U);
    for (const MapProvince& province : map.provinces) {
        for (int group = 0; group < kBandModeGroupCount; ++group) {
            EXPECT_EQ(IsWorkedIn(province.worked, group),
                      score.multipliers.IsWorked(province.slot, group % 3, group / 3))
                << province.code << " " << group;
        }
    }
    const auto worked = [&map](const char* code) {
        for (const MapProvince& p : map.provinces) {
            if (p.code == code) {
                std::string groups;
                for (int group = 0; group < kBandModeGroupCount; ++group) {
                    groups += IsWorkedIn(p.worked, group) ? '1' : '0';
                }
                return groups;
            }
        }
        return std::string("none");
    };
    EXPECT_EQ(worked("MI"), "100000");
    EXPECT_EQ(worked("RM"), "000011");
    EXPECT_EQ(worked("NA"), "010000");
    EXPECT_EQ(worked("TO"), "000000");
    EXPECT_EQ(map.workedWithoutPosition, (std::vector<std::string>{"AA", "XX"}));
    // The map's counts per group add up to the score's multipliers, less those without a dot.
    const int expectedWorked[] = {1, 1, 0, 0, 1, 1};
    for (int group = 0; group < kBandModeGroupCount; ++group) {
        EXPECT_EQ(map.WorkedIn(group), expectedWorked[group]) << group;
        EXPECT_EQ(map.WorkedIn(group) + map.MissingIn(group), 107);
    }
    EXPECT_EQ(score.result.table.Total().multipliers, 6);
    EXPECT_EQ(map.WorkedAtAll(), 3);
}

TEST(ProvinceMapTest, AProvinceOutsideTheTableShowsOnlyOnceWorked)
{
    ProvinceTable table;
    table.SetName(ProvinceIndexOf("RM"), "Roma");
    ProvinceWorkedTable multipliers;
    EXPECT_EQ(BuildProvinceMap(ShippedPositions(), table, multipliers).provinces.size(), 1U);
    multipliers.MarkProvinceWorked(ProvinceIndexOf("MI"), 1, 2);
    const ProvinceMapData map = BuildProvinceMap(ShippedPositions(), table, multipliers);
    ASSERT_EQ(map.provinces.size(), 2U);
    EXPECT_EQ(map.provinces[0].code, "MI");
    EXPECT_TRUE(map.workedWithoutPosition.empty());
}

TEST(ProvinceMapTest, DotsFitTheAreaAndNeverTouch)
{
    const ProvinceMapData map = BuildProvinceMap(ShippedPositions(), ShippedProvinces(), {});
    std::vector<QPointF> projected;
    for (const MapProvince& province : map.provinces) {
        projected.push_back(province.projected);
    }
    for (const QRectF area : {QRectF(0, 0, 500, 600), QRectF(10, 20, 300, 320)}) {
        SCOPED_TRACE(area.width());
        constexpr double kRadius = 6.0;
        constexpr double kGap = 3.0;
        const std::vector<PlacedProvince> placed =
            LayOutProvinceMap(projected, area, kRadius, kGap, QSizeF(16, 12));
        ASSERT_EQ(placed.size(), projected.size());
        for (std::size_t i = 0; i < placed.size(); ++i) {
            EXPECT_TRUE(area.contains(placed[i].centre));
            for (std::size_t j = i + 1; j < placed.size(); ++j) {
                const QPointF between = placed[i].centre - placed[j].centre;
                EXPECT_GE(std::hypot(between.x(), between.y()), 2 * kRadius + kGap - 1e-6)
                    << map.provinces[i].code << " " << map.provinces[j].code;
            }
        }
        // North stays up: Bolzano above Palermo, Lecce right of Cagliari.
        const auto index = [&map](const char* code) {
            for (std::size_t i = 0; i < map.provinces.size(); ++i) {
                if (map.provinces[i].code == code) {
                    return i;
                }
            }
            return std::size_t{0};
        };
        EXPECT_LT(placed[index("BZ")].centre.y(), placed[index("PA")].centre.y());
        EXPECT_GT(placed[index("LE")].centre.x(), placed[index("CA")].centre.x());
    }
    EXPECT_TRUE(LayOutProvinceMap({}, QRectF(0, 0, 100, 100), 6, 3, QSizeF(16, 12)).empty());
}

}  // namespace
}  // namespace zelkor
