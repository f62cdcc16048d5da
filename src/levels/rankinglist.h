#pragma once

#include "listsources.h"

// The ranking list of one level (1 to 35) over the listed pupils.
//
// Time mode orders by best time, fastest first, with failed (99998) and then no result (99999)
// last; a level not scored by time (levelTimed ≠ 1) orders from the highest value down, again
// with failed and no result last. Equal times share a rank, and the next rank counts them all
// (1, 1, 3).
//
// Points mode orders by points until now (ties by today's points) or by today's points (ties by
// points until now); pupils with equal points in the ranked figure share a rank. The ranking by
// today's points leaves out pupils without points today.
//
// Pupils whose grade does not pass the grade filter are left out but keep their place in the
// ranking. Pupils with equal keys keep their list order: each MergeSortPairs pass puts the right
// half first on equal keys, which reverses them, and the ranking sorts twice, which reverses them
// back.
ResultList rankingList(const ListSources &sources, int level, DisplayMode mode, PointsRanking ranking);
