#pragma once

#include "listsources.h"

// Lists of single runs, one list per level (slot = level, 1 to levelCount; slot 0 and slots above
// levelCount stay empty), rows in the order the runs were recorded. Runs come from the rows of
// the last statistics rebuild; runs of pupils whose grade does not pass the grade filter and runs
// of levels outside 1 to levelCount are left out. The points shown are the run's score without
// the level weight.
using LevelLists = std::array<ResultList, 36>;

// Runs dated today among the newest 1000 runs. A run under 90000 seconds reads
// "  95秒 09:05●山田太郎　●26" (time right-aligned in five with 秒, clock, mark, name, mark,
// points); any other reads "　　× 09:05●山田太郎　●".
LevelLists todayRunLists(const ListSources &sources);

// Runs of the last 3650 days among the newest 20000 runs, with the date (mm/dd) in place of the
// clock. In points mode a run reads "   26 03/08●山田太郎　●95秒" (points first, time last).
LevelLists allRunLists(const ListSources &sources, DisplayMode mode);
