#pragma once

#include <cstdint>
#include <span>

// Sorts keys ascending and carries items along (keys[i] and items[i] belong together; both spans
// have the same length). Top-down merge sort whose merge takes the left run's element only when
// its key is strictly smaller, so equal keys come out in the reverse of their order before the
// sort. The rankings sort twice in a row, which brings equal keys back to list order; their order
// among equal keys is part of what pupils see, so the merge rule must not change.
void MergeSortPairs(std::span<std::int64_t> keys, std::span<int> items);
