#pragma once

#include "runlists.h"

// The personal-times view ("個人ﾀｲﾑ"): the current pupil's own runs of the last 3650 days among
// the newest runs, one list per level (slot = level), oldest first. A run under 90000
// seconds reads "2024/03/08 09:05:30  95秒" (date, clock time, time right-aligned in five with
// 秒); a longer one (a time-out) has the date and clock time only. Nothing is listed when the
// pupil's grade does not pass the grade filter.
struct PersonalTimesView
{
    QString heading; // "個人別ﾀｲﾑ"
    LevelLists lists;
};

// How many of the newest run-log records the view lists.
inline constexpr std::int64_t kPersonalTimesRecords = 20000;

// `runs`: the newest records of the run log (at most kPersonalTimesRecords, oldest first), read
// afresh when the mode is chosen, as the run lists are, so that a run recorded since the screen
// opened, here or on another machine, is listed as the report's graph counts it.
PersonalTimesView personalTimeLists(const ListSources &sources, std::span<const RunRow> runs);
