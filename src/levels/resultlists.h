#pragma once

#include "runlists.h"

// Every column's list for one display mode and list choice, as the level screen shows them after
// the choice: the heading over the columns and one list per level (slot = level). Practice
// levels get no list in the best-time view; the other views fill their lists too, and the screen
// keeps practice lists hidden.
struct ResultListsView
{
    QString heading;
    LevelLists lists;
};

// How many of the newest run-log records the view lists (ReadNewestRuns reads them afresh for
// each switch); 0 for the rankings, which come from the statistics.
std::int64_t runLogRecordsRead(DisplayMode mode, ListChoice choice);

// runs: the newest records of the run log as read for this view (runLogRecordsRead); unused by
// the rankings.
ResultListsView buildResultLists(const ListSources &sources, DisplayMode mode, ListChoice choice,
                                 std::span<const RunRow> runs);

// Captions of the three list-choice buttons.
struct ListChoiceCaptions
{
    QString first;
    QString second;
    QString third;

    bool operator==(const ListChoiceCaptions &) const = default;
};

// After switching to a display mode.
ListChoiceCaptions listChoiceCaptions(DisplayMode mode);
// While the screen shows the lists it opens with (the points ranking until now), before any
// switch.
ListChoiceCaptions activationListChoiceCaptions();
