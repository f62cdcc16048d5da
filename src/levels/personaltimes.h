#pragma once

#include "runlists.h"

// The personal-times view ("個人ﾀｲﾑ"): the current pupil's own runs of the last 3650 days among
// the newest 20000 runs, one list per level (slot = level), oldest first. A run under 90000
// seconds reads "2024/03/08 09:05:30  95秒" (date, clock time, time right-aligned in five with
// 秒); a longer one (a time-out) has the date and clock time only. Nothing is listed when the
// pupil's grade does not pass the grade filter.
struct PersonalTimesView
{
    QString heading; // "個人別ﾀｲﾑ"
    LevelLists lists;
};

PersonalTimesView personalTimeLists(const ListSources &sources);
