#pragma once
// The contest's own facts in one place: its bands (with the names the exports give them), its
// modes (mode group and default report) and the presets of the single-band, single-mode and
// digital categories.

#include <array>
#include <string_view>

namespace zelkor {

struct ContestBand {
    std::string_view text;  // as the band list and the log show it
    std::string_view adif;  // ADIF's band name
};

inline constexpr std::array<ContestBand, 2> kContestBands = {{
    {"3,5", "80M"},
    {"7", "40M"},
}};

struct ContestMode {
    std::string_view text;
    int modeRow;  // 0 SSB, 1 CW, 2 digital
    std::string_view defaultReport;
};

inline constexpr std::array<ContestMode, 4> kContestModes = {{
    {"SSB", 0, "59"},
    {"CW", 1, "599"},
    {"RTTY", 2, "599"},
    {"PSK31", 2, "599"},
}};

// What a category fixes in the entry row: a band and a locked band list, a mode and a locked
// mode list, or (digital) a mode preset and every non-digital choice turned into RTTY.
struct CategoryPreset {
    std::string_view category;
    std::string_view band;  // empty: the band is free
    std::string_view mode;  // empty: the mode is free
    bool bandLocked = false;
    bool modeLocked = false;
    bool digitalOnly = false;
};

inline constexpr std::array<CategoryPreset, 5> kCategoryPresets = {{
    {"S40", "7", "", true, false, false},
    {"S80", "3,5", "", true, false, false},
    {"SPH", "", "SSB", false, true, false},
    {"SCW", "", "CW", false, true, false},
    {"SDG", "", "RTTY", false, false, true},
}};

// The category's preset, or nothing for a category that fixes nothing.
constexpr const CategoryPreset* PresetOf(std::string_view category)
{
    for (const CategoryPreset& preset : kCategoryPresets) {
        if (preset.category == category) {
            return &preset;
        }
    }
    return nullptr;
}

constexpr bool IsDigitalMode(std::string_view mode)
{
    return mode == "RTTY" || mode == "PSK31";
}

// "59" for SSB, "599" for every other mode.
constexpr std::string_view DefaultReportOf(std::string_view mode)
{
    return mode == "SSB" ? "59" : "599";
}

}  // namespace zelkor
