#include "mergesortpairs.h"

#include <cassert>
#include <vector>

namespace {

struct Sorter
{
    std::span<std::int64_t> keys;
    std::span<int> items;
    std::vector<std::int64_t> scratchKeys;
    std::vector<int> scratchItems;

    // Sorts the inclusive range lo..hi.
    void sort(std::size_t lo, std::size_t hi)
    {
        if (lo >= hi)
            return;
        const std::size_t mid = lo + (hi - lo) / 2;
        sort(lo, mid);
        sort(mid + 1, hi);

        const std::size_t leftCount = mid - lo + 1;
        for (std::size_t i = 0; i < leftCount; ++i) {
            scratchKeys[i] = keys[lo + i];
            scratchItems[i] = items[lo + i];
        }
        std::size_t left = 0;
        std::size_t right = mid + 1;
        std::size_t out = lo;
        while (left < leftCount && right <= hi) {
            if (scratchKeys[left] < keys[right]) {
                keys[out] = scratchKeys[left];
                items[out] = scratchItems[left];
                ++left;
            } else {
                keys[out] = keys[right];
                items[out] = items[right];
                ++right;
            }
            ++out;
        }
        for (; left < leftCount; ++left, ++out) {
            keys[out] = scratchKeys[left];
            items[out] = scratchItems[left];
        }
    }
};

} // namespace

void MergeSortPairs(std::span<std::int64_t> keys, std::span<int> items)
{
    assert(keys.size() == items.size());
    const std::size_t n = keys.size() < items.size() ? keys.size() : items.size();
    if (n < 2)
        return;
    Sorter sorter{keys.first(n), items.first(n), std::vector<std::int64_t>(n / 2 + 1), std::vector<int>(n / 2 + 1)};
    sorter.sort(0, n - 1);
}
