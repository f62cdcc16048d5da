#pragma once

#include "listsources.h"
#include "runlogrecord.h"

#include <cstdint>
#include <span>

// Lists of single runs, one list per level (slot = level, 1 to levelCount; slot 0 and slots above
// levelCount stay empty), rows in the order the runs were recorded. `runs` are the newest records
// of the run log, oldest first, read afresh for the list (ReadNewestRuns with
// runLogRecordsRead), so that runs recorded since the statistics were rebuilt, here or on another
// machine sharing the log, are listed. Runs of pupils whose grade does not pass the grade filter
// and runs of levels outside 1 to levelCount are left out. The points shown are the run's score
// without the level weight.
using LevelLists = std::array<ResultList, 36>;

// How many of the newest run-log records each list reads.
inline constexpr std::int64_t kTodayRunRecords = 1000;
inline constexpr std::int64_t kAllRunRecords = 20000;

// Runs dated today. A run under 90000 seconds reads "  95秒 09:05●山田太郎　●26" (time
// right-aligned in five with 秒, clock, mark, name, mark, points); any other reads
// "　　× 09:05●山田太郎　●".
LevelLists todayRunLists(const ListSources &sources, std::span<const RunRow> runs);

// Runs of the last 3650 days, with the date (mm/dd) in place of the clock. In points mode a run
// reads "   26 03/08●山田太郎　●95秒" (points first, time last).
LevelLists allRunLists(const ListSources &sources, std::span<const RunRow> runs, DisplayMode mode);
