// The model list of the "Collegamento radio" window: its order and its search.

#include "core/radio/RadioModels.h"

#include <gtest/gtest.h>

namespace zelkor {
namespace {

std::vector<QString> Texts(const std::vector<RadioModel>& models)
{
    std::vector<QString> texts;
    for (const RadioModel& model : models) {
        texts.push_back(RadioModelText(model) + QStringLiteral(" ") + QString::number(model.id));
    }
    return texts;
}

TEST(RadioModelsTest, SortedByMakerThenModelIgnoringCaseWithNumbersByValue)
{
    std::vector<RadioModel> models = {
        {1040, "Yaesu", "FT-1000MP"},   {1022, "Yaesu", "FT-450"},   {3073, "Icom", "IC-7300"},
        {3085, "Icom", "IC-705"},       {2, "Hamlib", "NET rigctl"}, {1, "Hamlib", "Dummy"},
        {2014, "Kenwood", "TS-480"},    {2028, "Kenwood", "TS-480"}, {3005, "ICOM", "IC-375"},
        {25019, "HobbyPCB", "RS-HFIQ"}, {1036, "Yaesu", "FT-0450"},
    };
    SortRadioModels(models);
    const std::vector<QString> expected = {
        "Hamlib Dummy 1",    "Hamlib NET rigctl 2", "HobbyPCB RS-HFIQ 25019", "ICOM IC-375 3005",
        "Icom IC-705 3085",  "Icom IC-7300 3073",   "Kenwood TS-480 2014",    "Kenwood TS-480 2028",
        "Yaesu FT-450 1022", "Yaesu FT-0450 1036",  "Yaesu FT-1000MP 1040",
    };
    EXPECT_EQ(Texts(models), expected);
}

TEST(RadioModelsTest, EveryWordOfTheSearchMustMatch)
{
    const RadioModel ic7300{3073, "Icom", "IC-7300"};
    const RadioModel rigctl{2, "Hamlib", "NET rigctl"};
    const struct {
        const char* search;
        bool ic7300;
        bool rigctl;
    } cases[] = {
        {"", true, true},           {"   ", true, true},        {"icom", true, false},
        {"ICOM 7300", true, false}, {"7300 icom", true, false}, {"icom 705", false, false},
        {"rigctl", false, true},    {"net RIG", false, true},   {"2", false, true},
        {"3073", true, false},      {"30", true, false},        {"m I", true, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RadioModelMatches(ic7300, c.search), c.ic7300) << c.search;
        EXPECT_EQ(RadioModelMatches(rigctl, c.search), c.rigctl) << c.search;
    }
}

}  // namespace
}  // namespace zelkor
