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

ResultListsView buildResultLists(const ListSources &sources, DisplayMode mode, ListChoice choice);

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
