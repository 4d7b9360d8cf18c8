#include "core/log/DateTimeSort.h"
#include "core/log/LogList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <numeric>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace zelkor {
namespace {

// The exchange sort exactly as "Riordina per data ed ora" defines it, quadratic and obvious.
template <typename Key>
std::vector<int> PlainExchangeSortOrder(std::vector<Key> keys)
{
    std::vector<int> order(keys.size());
    std::iota(order.begin(), order.end(), 0);
    for (std::size_t i = 0; i + 1 < keys.size(); ++i) {
        for (std::size_t j = i + 1; j < keys.size(); ++j) {
            if (keys[j] < keys[i]) {
                std::swap(keys[i], keys[j]);
                std::swap(order[i], order[j]);
            }
        }
    }
    return order;
}

TEST(DateTimeSortTest, EveryArrayOfUpToSevenKeysOverThreeValues)
{
    for (int length = 0; length <= 7; ++length) {
        std::vector<int> keys(static_cast<std::size_t>(length), 0);
        for (;;) {
            ASSERT_EQ(ExchangeSortOrder(keys), PlainExchangeSortOrder(keys))
                << ::testing::PrintToString(keys);
            std::size_t digit = 0;
            while (digit < keys.size() && keys[digit] == 2) {
                keys[digit++] = 0;
            }
            if (digit == keys.size()) {
                break;
            }
            ++keys[digit];
        }
    }
}

using Generator = std::function<std::vector<int>(std::mt19937&)>;

// A draw below a small bound, which an int holds.
int Below(std::mt19937& random, unsigned bound)
{
    return static_cast<int>(random() % bound);
}

std::vector<int> Random(std::mt19937& random, int count, int distinctKeys)
{
    std::uniform_int_distribution<int> key(0, distinctKeys - 1);
    std::vector<int> keys(static_cast<std::size_t>(count));
    std::generate(keys.begin(), keys.end(), [&] { return key(random); });
    return keys;
}

// Entry order: ascending with equal neighbours, a few late corrections, and the rows after a
// month boundary, whose "01." dates sort before the "31." ones.
std::vector<int> EntryOrder(std::mt19937& random, int count)
{
    std::vector<int> keys = Random(random, count, count / 3 + 1);
    std::sort(keys.begin(), keys.end());
    std::rotate(keys.begin(), keys.begin() + count / 2, keys.end());
    for (int swaps = count / 50; swaps >= 0; --swaps) {
        std::swap(keys[random() % count], keys[random() % count]);
    }
    return keys;
}

struct RandomShape {
    const char* name;
    Generator generate;
};

void PrintTo(const RandomShape& shape, std::ostream* out)
{
    *out << shape.name;
}

class ExchangeSortShapeTest : public ::testing::TestWithParam<RandomShape> {};

TEST_P(ExchangeSortShapeTest, MatchesThePlainSortOnSeededLogs)
{
    for (unsigned seed = 1; seed <= 20; ++seed) {
        std::mt19937 random(seed);
        const std::vector<int> keys = GetParam().generate(random);
        ASSERT_EQ(ExchangeSortOrder(keys), PlainExchangeSortOrder(keys)) << "seed " << seed;
    }
}

std::vector<int> Descending(int count, int distinctKeys)
{
    std::vector<int> keys(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        keys[i] = (count - 1 - i) * distinctKeys / count;
    }
    return keys;
}

// Long runs of equal keys between smaller ones turn the queues of equal keys many times.
INSTANTIATE_TEST_SUITE_P(
    Shapes, ExchangeSortShapeTest,
    ::testing::Values(
        RandomShape{"ManyTies",
                    [](std::mt19937& r) { return Random(r, 2 + Below(r, 400), 1 + Below(r, 4)); }},
        RandomShape{"FewTies", [](std::mt19937& r) { return Random(r, 2 + Below(r, 400), 1000); }},
        RandomShape{"EntryOrder",
                    [](std::mt19937& r) { return EntryOrder(r, 50 + Below(r, 1200)); }},
        RandomShape{"Descending",
                    [](std::mt19937& r) { return Descending(100 + Below(r, 700), 1000); }},
        RandomShape{"DescendingTies",
                    [](std::mt19937& r) { return Descending(500, 20 + Below(r, 300)); }},
        RandomShape{"Sawtooth",
                    [](std::mt19937& r) {
                        std::vector<int> keys = Descending(600, 600);
                        const int tooth = 2 + static_cast<int>(r() % 100);
                        for (int i = 0; i < 600; ++i) {
                            keys[i] = (keys[i] % tooth) * 7 + static_cast<int>(r() % 3);
                        }
                        return keys;
                    }}),
    [](const auto& instance) { return std::string(instance.param.name); });

// The log's key is the "Data" text, then the "Utc" text, in unsigned byte order, with prefixes
// first; compared here as std::string pairs, whose order is the same.
TEST(DateTimeSortTest, LogOrderMatchesThePlainSortOverTheTexts)
{
    const std::vector<std::string> dates = {"31.01.2006",
                                            "01.02.2006",
                                            "01.02.200",
                                            "",
                                            "\xE9"
                                            "1.02.2006",
                                            "05.02.2006"};
    const std::vector<std::string> times = {"1432",
                                            "143",
                                            "",
                                            "0000",
                                            "14:32",
                                            "\xE9"
                                            "1"};
    for (unsigned seed = 1; seed <= 30; ++seed) {
        std::mt19937 random(seed);
        LogList log;
        std::vector<std::pair<std::string, std::string>> keys;
        for (int row = static_cast<int>(random() % 300); row > 0; --row) {
            keys.emplace_back(dates[random() % dates.size()], times[random() % times.size()]);
            log.AppendLogRow({keys.back().first, keys.back().second, "7", "SSB"});
        }
        ASSERT_EQ(DateTimeSortOrder(log), PlainExchangeSortOrder(keys)) << "seed " << seed;
    }
}

}  // namespace
}  // namespace zelkor
