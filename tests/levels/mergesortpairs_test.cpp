#include "mergesortpairs.h"

#include "testnames.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <vector>

namespace {

struct SortCase
{
    std::vector<std::int64_t> keys;
    std::vector<int> items;
    std::vector<std::int64_t> sortedKeys;
    std::vector<int> itemsAfterOneSort;
    std::vector<int> itemsAfterTwoSorts;

    friend void PrintTo(const SortCase &c, std::ostream *os)
    {
        using testing::PrintToString;
        *os << "keys " << PrintToString(c.keys) << " items " << PrintToString(c.items) << " -> keys "
            << PrintToString(c.sortedKeys) << ", items after one sort " << PrintToString(c.itemsAfterOneSort)
            << ", after two " << PrintToString(c.itemsAfterTwoSorts);
    }
};

std::string keysName(const SortCase &c)
{
    std::string name = "keys";
    for (const std::int64_t key : c.keys) {
        // Appended in two steps: GCC 12 at -O2 warns falsely (-Wrestrict) on "_" + std::string.
        name += '_';
        name += testname::of(key);
    }
    return c.keys.empty() ? "no_keys" : name;
}

class MergeSortPairsTest : public testing::TestWithParam<SortCase>
{
};

TEST_P(MergeSortPairsTest, SortsKeysAndPlacesTheRightHalfFirstOnEqualKeys)
{
    const SortCase &c = GetParam();
    std::vector<std::int64_t> keys = c.keys;
    std::vector<int> items = c.items;
    MergeSortPairs(keys, items);
    EXPECT_EQ(keys, c.sortedKeys);
    EXPECT_EQ(items, c.itemsAfterOneSort);
    MergeSortPairs(keys, items);
    EXPECT_EQ(keys, c.sortedKeys);
    EXPECT_EQ(items, c.itemsAfterTwoSorts);
}

INSTANTIATE_TEST_SUITE_P(
    Tables, MergeSortPairsTest,
    testing::Values(SortCase{{}, {}, {}, {}, {}}, SortCase{{7}, {1}, {7}, {1}, {1}},
                    SortCase{{3, 1, 2}, {10, 20, 30}, {1, 2, 3}, {20, 30, 10}, {20, 30, 10}},
                    SortCase{{5, 5}, {1, 2}, {5, 5}, {2, 1}, {1, 2}},
                    SortCase{{5, 5, 5, 5}, {1, 2, 3, 4}, {5, 5, 5, 5}, {4, 3, 2, 1}, {1, 2, 3, 4}},
                    SortCase{{2, 1, 2, 1, 2}, {1, 2, 3, 4, 5}, {1, 1, 2, 2, 2}, {4, 2, 5, 3, 1}, {2, 4, 1, 3, 5}},
                    SortCase{{-99999, 99999, 0, -1}, {1, 2, 3, 4}, {-99999, -1, 0, 99999}, {1, 4, 3, 2},
                             {1, 4, 3, 2}}),
    testname::from(keysName));

// On any input one sort orders equal keys against their original order, and a second sort
// restores it: together they are a stable sort.
TEST(MergeSortPairs, OneSortReversesTiesAndTwoSortsAreStableOnRandomInput)
{
    std::mt19937 random(12345);
    for (const int n : {3, 17, 64, 101, 2000}) {
        std::uniform_int_distribution<int> keyOf(0, n / 4 + 1);
        std::vector<std::int64_t> keys(static_cast<std::size_t>(n));
        for (auto &k : keys)
            k = keyOf(random);
        std::vector<int> items(static_cast<std::size_t>(n));
        std::iota(items.begin(), items.end(), 0);

        std::vector<int> stable = items;
        std::stable_sort(stable.begin(), stable.end(),
                         [&](int a, int b) { return keys[static_cast<std::size_t>(a)] < keys[static_cast<std::size_t>(b)]; });
        std::vector<int> reversedTies = items;
        std::sort(reversedTies.begin(), reversedTies.end(), [&](int a, int b) {
            const auto ka = keys[static_cast<std::size_t>(a)];
            const auto kb = keys[static_cast<std::size_t>(b)];
            return ka != kb ? ka < kb : a > b;
        });

        std::vector<std::int64_t> sortedKeys = keys;
        std::vector<int> sortedItems = items;
        MergeSortPairs(sortedKeys, sortedItems);
        EXPECT_EQ(sortedItems, reversedTies) << n;
        EXPECT_TRUE(std::is_sorted(sortedKeys.begin(), sortedKeys.end())) << n;
        MergeSortPairs(sortedKeys, sortedItems);
        EXPECT_EQ(sortedItems, stable) << n;
    }
}

} // namespace
