#include "pupilhistory.h"

#include "runstats.h"

RunHistory pupilHistory(const RunStats &stats, int pupil, int level)
{
    RunHistory history;
    for (int l = 1; l < kLevelSlots; ++l)
        history.runsToday += stats.at(pupil, l).attemptsToday;
    history.runsTodayAtLevel = stats.at(pupil, level).attemptsToday;
    const std::int32_t levelBest = stats.levelBestTime(level);
    const std::int32_t ownBest = stats.bestTime(pupil, level);
    history.levelBestTime = levelBest == RunStats::kNoTime ? 0 : levelBest;
    history.ownBestTime = ownBest == RunStats::kNoTime ? 0 : ownBest;
    return history;
}
