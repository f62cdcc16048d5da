#pragma once

#include "listsources.h"

#include <vector>

// One listed pupil's place in a level's ranking.
struct RankedPupil
{
    int pupil = 0;
    int rank = 0;       // shared by pupils with equal figures (1, 1, 3)
    bool shown = false; // passes the grade filter (and, ranked by today's points, has points today)
};

// Every listed pupil of one level (1 to 35) in ranking order, with the rules the ranking lists
// show: see rankingList. Pupils left out of the list still hold their rank position.
std::vector<RankedPupil> levelRanking(const ListSources &sources, int level, DisplayMode mode, PointsRanking ranking);
