#include "core/log/LogRowStore.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <string>
#include <string_view>
#include <vector>

namespace zelkor {
namespace {

using Rows = std::vector<std::vector<std::string>>;

std::vector<std::string_view> Views(const std::vector<std::string>& cells)
{
    return {cells.begin(), cells.end()};
}

Rows Contents(const LogRowStore& store)
{
    Rows rows(static_cast<std::size_t>(store.RowCount()));
    for (int row = 0; row < store.RowCount(); ++row) {
        for (int column = 0; column < store.ColumnCount(); ++column) {
            rows[row].emplace_back(store.Cell(row, column));
        }
    }
    return rows;
}

TEST(LogRowStoreTest, RowsOfEverySizeKeepTheirBytes)
{
    // Row sizes around the limits of one-, two- and four-byte end offsets, empty cells and
    // every byte value included.
    std::string allBytes;
    for (int value = 0; value < 256; ++value) {
        allBytes.push_back(static_cast<char>(value));
    }
    const Rows rows = {
        {"", "", ""},
        {"    1", "05.02.2006", ""},
        {std::string(255, 'a'), "", ""},
        {std::string(254, 'a'), "b", ""},
        {std::string(200, 'a'), std::string(56, 'b'), "c"},
        {allBytes, std::string(65535 - 256, 'x'), ""},
        {allBytes, std::string(65535 - 256, 'x'), "y"},
        {std::string(300000, 'z'), allBytes, "end"},
    };
    LogRowStore store(3);
    for (const std::vector<std::string>& row : rows) {
        store.Append(Views(row));
    }
    EXPECT_EQ(Contents(store), rows);
}

// A tiny reproducible generator, so that a failure names its seed.
class Draw {
public:
    explicit Draw(std::uint32_t seed) : m_state(seed * 2654435761U + 1) {}
    int Below(int bound)
    {
        m_state = m_state * 1664525U + 1013904223U;
        return static_cast<int>((m_state >> 8) % static_cast<std::uint32_t>(bound));
    }

private:
    std::uint32_t m_state;
};

std::string Text(Draw& draw)
{
    // Mostly log-sized texts, now and then one past the one-byte offsets.
    const int length = draw.Below(10) == 0 ? 200 + draw.Below(200) : draw.Below(14);
    std::string text;
    for (int i = 0; i < length; ++i) {
        text.push_back(static_cast<char>('A' + draw.Below(26)));
    }
    return text;
}

// Every change the log makes, at random, checked against plain vectors of strings: enough
// changes of length that the store copies its rows into fresh blocks several times.
TEST(LogRowStoreTest, EveryChangeAgreesWithPlainStrings)
{
    constexpr int kColumns = 4;
    for (std::uint32_t seed = 1; seed <= 5; ++seed) {
        Draw draw(seed);
        LogRowStore store(kColumns);
        Rows expected;
        bool copiedIntoFreshBlocks = false;
        for (int step = 0; step < 20000; ++step) {
            const std::size_t blockBytes = store.BlockBytes();
            const int size = static_cast<int>(expected.size());
            const int action = draw.Below(100);
            if (action < 30 || size == 0) {
                std::vector<std::string> row;
                for (int column = 0; column < kColumns; ++column) {
                    row.push_back(Text(draw));
                }
                const int index = draw.Below(size + 1);
                store.Insert(index, Views(row));
                expected.insert(expected.begin() + index, row);
            } else if (action < 85) {
                const int row = draw.Below(size);
                const int column = draw.Below(kColumns);
                // Half of the time a text of the same length, which is written in place.
                std::string text = Text(draw);
                if (draw.Below(2) == 0) {
                    text.resize(expected[row][column].size(), '#');
                }
                store.SetCell(row, column, text);
                expected[row][column] = text;
            } else if (action < 92) {
                std::vector<int> rows;
                for (int row = 0; row < size; ++row) {
                    if (draw.Below(4) == 0) {
                        rows.push_back(row);
                    }
                }
                store.EraseSorted(rows);
                for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
                    expected.erase(expected.begin() + *row);
                }
            } else if (action < 96) {
                const int first = draw.Below(size);
                const int last = first + draw.Below(std::min(3, size - first));
                store.EraseRange(first, last);
                expected.erase(expected.begin() + first, expected.begin() + last + 1);
            } else {
                std::vector<int> order(static_cast<std::size_t>(size));
                std::iota(order.begin(), order.end(), 0);
                for (int i = size - 1; i > 0; --i) {
                    std::swap(order[i], order[draw.Below(i + 1)]);
                }
                store.Permute(order);
                Rows permuted;
                for (int old : order) {
                    permuted.push_back(expected[old]);
                }
                expected = std::move(permuted);
            }
            copiedIntoFreshBlocks = copiedIntoFreshBlocks || store.BlockBytes() < blockBytes;
        }
        ASSERT_EQ(Contents(store), expected) << "seed " << seed;
        EXPECT_TRUE(copiedIntoFreshBlocks) << "seed " << seed;
    }
}

TEST(LogRowStoreTest, ACellMayBeSetFromAnotherCellOfTheSameRow)
{
    LogRowStore store(3);
    const std::vector<std::string> row = {"RM", "Roma", "longer text"};
    store.Append(Views(row));
    store.SetCell(0, 0, store.Cell(0, 2));
    store.SetCell(0, 1, store.Cell(0, 0).substr(0, 4));
    EXPECT_EQ(Contents(store), (Rows{{"longer text", "long", "longer text"}}));
}

}  // namespace
}  // namespace zelkor
