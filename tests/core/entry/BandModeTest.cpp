#include "core/contest/BandMode.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace zelkor {
namespace {

TEST(ModeRowTest, FromListPosition)
{
    // SSB, CW, RTTY, PSK31; -1 is a list without a selection.
    const std::vector<std::pair<int, int>> cases = {{0, 0}, {1, 1}, {2, 2},
                                                    {3, 2}, {7, 2}, {-1, 0}};
    for (const auto& [position, modeRow] : cases) {
        EXPECT_EQ(ModeRowFromPosition(position), modeRow) << position;
    }
}

TEST(ModeRowTest, FromTextByItsFirstCapital)
{
    const std::optional<int> none;
    const std::vector<std::pair<std::string, std::optional<int>>> cases = {
        {"SSB", 0},   {"CW", 1},  {"RTTY", 2},   {"PSK31", 2},  {"PACKET", 2},
        {"AM", none}, {"", none}, {"ssb", none}, {" CW", none}, {"\xD3SB", none}};
    for (const auto& [text, modeRow] : cases) {
        EXPECT_EQ(ModeRowFromText(text), modeRow) << "'" << text << "'";
    }
}

TEST(BandIndexTest, OnlyExactlySevenIsSevenMegahertz)
{
    const std::vector<std::pair<std::string, int>> cases = {
        {"7", 1},  {"3,5", 0}, {"1,8", 0}, {"14", 0}, {"21", 0},
        {"28", 0}, {"", 0},    {" 7", 0},  {"7 ", 0}, {"70", 0}};
    for (const auto& [text, bandIndex] : cases) {
        EXPECT_EQ(BandIndexFromText(text), bandIndex) << "'" << text << "'";
    }
    EXPECT_EQ(BandIndexFromPosition(1), 1);
    EXPECT_EQ(BandIndexFromPosition(-1), 0);
}

}  // namespace
}  // namespace zelkor
