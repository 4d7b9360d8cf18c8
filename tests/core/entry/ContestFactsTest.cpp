#include "core/contest/ContestFacts.h"

#include <gtest/gtest.h>

namespace zelkor {
namespace {

TEST(ContestFactsTest, WhatEachCategoryFixes)
{
    struct Case {
        std::string_view category;
        bool preset;
        std::string_view band;
        std::string_view mode;
        bool bandLocked;
        bool modeLocked;
        bool digitalOnly;
    };
    const Case cases[] = {
        {"S40", true, "7", "", true, false, false},
        {"S80", true, "3,5", "", true, false, false},
        {"SPH", true, "", "SSB", false, true, false},
        {"SCW", true, "", "CW", false, true, false},
        {"SDG", true, "", "RTTY", false, false, true},
        // Categories that fix nothing, and near misses.
        {"SOP", false, "", "", false, false, false},
        {"SWL", false, "", "", false, false, false},
        {"s40", false, "", "", false, false, false},
        {"S40 ", false, "", "", false, false, false},
        {"", false, "", "", false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.category));
        const CategoryPreset* preset = PresetOf(c.category);
        ASSERT_EQ(preset != nullptr, c.preset);
        if (preset == nullptr) {
            continue;
        }
        EXPECT_EQ(preset->band, c.band);
        EXPECT_EQ(preset->mode, c.mode);
        EXPECT_EQ(preset->bandLocked, c.bandLocked);
        EXPECT_EQ(preset->modeLocked, c.modeLocked);
        EXPECT_EQ(preset->digitalOnly, c.digitalOnly);
    }
}

TEST(ContestFactsTest, ModesTheirGroupsAndReports)
{
    for (const ContestMode& mode : kContestModes) {
        SCOPED_TRACE(std::string(mode.text));
        EXPECT_EQ(DefaultReportOf(mode.text), mode.defaultReport);
        EXPECT_EQ(IsDigitalMode(mode.text), mode.modeRow == 2);
    }
    EXPECT_EQ(DefaultReportOf(""), "599");
    EXPECT_EQ(DefaultReportOf("ssb"), "599");
    EXPECT_FALSE(IsDigitalMode("rtty"));
}

}  // namespace
}  // namespace zelkor
