#pragma once

#include "runlogrecord.h"

#include <cstdint>
#include <functional>
#include <vector>

class PupilDirectory;

// What the level screen asks of the program around it.
class LevelHost
{
public:
    virtual ~LevelHost() = default;
    virtual void letEventsRun() = 0;
    // Rebuilds the run-log figures; false when that failed (the failure has been reported).
    virtual bool computeStats() = 0;
    // The newest `count` records of the run log, read afresh (see ReadNewestRuns); false when
    // that failed (the failure has been reported).
    virtual bool readNewestRuns(std::int64_t count, std::vector<RunRow> &runs) = 0;
    // Every run of the log, oldest first, read afresh and handed to `visit` (see ReadEveryRun);
    // false when that failed (the failure has been reported).
    virtual bool readEveryRun(const std::function<void(const RunRow &)> &visit) = 0;
    // The listed pupils of the start screen, their names, grades and birth years.
    virtual const PupilDirectory &pupils() = 0;
    // Starts a run at state.runLevel. closeLevels: the level screen goes (a start button or key);
    // otherwise it stays open behind the drill (a click on a level caption).
    virtual void startLevel(bool closeLevels) = 0;
    // Back to the start screen.
    virtual void backToStart() = 0;
};
