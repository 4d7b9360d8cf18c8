#include "core/contest/InputRestrictions.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace zelkor {
namespace {

constexpr auto kMain = FieldPlace::MainWindow;
constexpr auto kAnswering = FieldPlace::MainWindowAnswering;
constexpr auto kDialog = FieldPlace::EditDialog;

struct Case {
    FieldKind kind;
    FieldPlace place;
    std::string typed;
    std::optional<std::string> held;
};

std::string Describe(const Case& c)
{
    return "kind " + std::to_string(static_cast<int>(c.kind)) + " place " +
           std::to_string(static_cast<int>(c.place)) + " '" + c.typed + "'";
}

TEST(InputRestrictionsTest, WhatEachFieldHoldsAfterTyping)
{
    const std::optional<std::string> refused;
    const std::vector<Case> cases = {
        {FieldKind::Date, kMain, "15.01.2006", "15.01.2006"},
        {FieldKind::Date, kDialog, "15.01.2006", "15.01.2006"},
        {FieldKind::Date, kMain, "15.01.20060", refused},
        {FieldKind::Date, kMain, "15/01/2006", refused},
        {FieldKind::Date, kDialog, "15.01.2006^", refused},

        {FieldKind::Time, kMain, "14:32", "14:32"},
        {FieldKind::Time, kMain, "14.32", "14.32"},
        {FieldKind::Time, kDialog, "1432", "1432"},
        {FieldKind::Time, kMain, "14:320", refused},
        {FieldKind::Time, kDialog, "14:320", refused},
        {FieldKind::Time, kMain, "1^30", refused},
        {FieldKind::Time, kDialog, "1a30", refused},
        {FieldKind::Time, kMain, "14 32", refused},

        {FieldKind::Callsign, kMain, "ik0abc", "IK0ABC"},
        {FieldKind::Callsign, kDialog, "iz1/p", "IZ1/P"},
        {FieldKind::Callsign, kMain, "IK0ABCDEFGHIJ", "IK0ABCDEFGHIJ"},      // 13
        {FieldKind::Callsign, kMain, "IK0ABCDEFGHIJK", refused},             // 14
        {FieldKind::Callsign, kDialog, "IK0ABCDEFGHIJK", "IK0ABCDEFGHIJK"},  // 14
        {FieldKind::Callsign, kDialog, "IK0ABCDEFGHIJKL", refused},          // 15
        // The answering station's field takes the longest callsign the rule accepts.
        {FieldKind::Callsign, kAnswering, "ik0abcdefghijk", "IK0ABCDEFGHIJK"},  // 14
        {FieldKind::Callsign, kAnswering, "IK0ABCDEFGHIJKL", refused},          // 15
        {FieldKind::Callsign, kAnswering, "IK0^AB", refused},
        {FieldKind::Callsign, kMain, "IK0^AB", refused},
        {FieldKind::Callsign, kMain, "IK 0AB", refused},
        {FieldKind::Callsign, kMain, "I0AB-C", refused},
        {FieldKind::Callsign, kMain,
         "I\xE8"
         "0A",
         refused},

        {FieldKind::Report, kMain, "599", "599"},
        {FieldKind::Report, kDialog, "000599", "000599"},
        {FieldKind::Report, kMain, "0005990", refused},
        {FieldKind::Report, kMain, "59^", refused},
        {FieldKind::Report, kDialog, "+59", refused},

        {FieldKind::ProvinceCode, kMain, "mi", "MI"},
        {FieldKind::ProvinceCode, kDialog, "Rm", "RM"},
        {FieldKind::ProvinceCode, kMain, "MIL", refused},
        {FieldKind::ProvinceCode, kDialog, "MIL", refused},
        {FieldKind::ProvinceCode, kAnswering, "mi", "MI"},
        {FieldKind::ProvinceCode, kAnswering, "MIL", refused},
        {FieldKind::ProvinceCode, kMain, "M1", refused},
        {FieldKind::ProvinceCode, kMain, "^", refused},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FilterTypedText(c.kind, c.place, c.typed), c.held) << Describe(c);
    }
}

TEST(InputRestrictionsTest, SeparatorAndClearingInEveryField)
{
    for (const FieldKind kind : {FieldKind::Date, FieldKind::Time, FieldKind::Callsign,
                                 FieldKind::Report, FieldKind::ProvinceCode}) {
        for (const FieldPlace place : {kMain, kAnswering, kDialog}) {
            EXPECT_EQ(FilterTypedText(kind, place, "^"), std::nullopt);
            EXPECT_FALSE(IsAcceptedText(kind, place, "^"));
            EXPECT_EQ(FilterTypedText(kind, place, ""), "");
            EXPECT_TRUE(IsAcceptedText(kind, place, ""));
        }
    }
}

TEST(InputRestrictionsTest, AcceptedOnlyAsTheFieldWouldShowIt)
{
    EXPECT_TRUE(IsAcceptedText(FieldKind::Callsign, kMain, "IK0ABC"));
    EXPECT_FALSE(IsAcceptedText(FieldKind::Callsign, kMain, "ik0abc"));
    EXPECT_FALSE(IsAcceptedText(FieldKind::ProvinceCode, kDialog, "mi"));
    EXPECT_TRUE(IsAcceptedText(FieldKind::Time, kMain, "14:32"));
    EXPECT_FALSE(IsAcceptedText(FieldKind::Time, kMain, "14:32:00"));
}

}  // namespace
}  // namespace zelkor
