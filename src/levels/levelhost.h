#pragma once

#include "runlogrecord.h"
#include "weaklist.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class PupilDirectory;

// What level selection keeps between its visits, for the program to hold: the level in the
// leftmost column, and whether the pupil has cleared the final level (the result screen reads it).
struct LevelVisit
{
    int firstVisibleLevel = 1;
    bool finalCleared = false;

    bool operator==(const LevelVisit &) const = default;
};

// What the level screen asks of the program around it.
class LevelHost
{
public:
    virtual ~LevelHost() = default;
    // Rebuilds the run-log figures; false when that failed (the failure has been reported).
    virtual bool computeStats() = 0;
    // The newest `count` records of the run log, read afresh (see ReadNewestRuns); false when
    // that failed (the failure has been reported).
    virtual bool readNewestRuns(std::int64_t count, std::vector<RunRow> &runs) = 0;
    // Every run of the log, oldest first, read afresh and handed to `visit` (see ReadEveryRun);
    // false when that failed (the failure has been reported).
    virtual bool readEveryRun(const std::function<void(const RunRow &)> &visit) = 0;
    // The `top` figures the pupil missed most, from the answer log read afresh, named from the
    // question file (see ReadWeakFigures); nothing when the log could not be read. No answers yet
    // give an empty list.
    virtual std::optional<std::vector<WeakListEntry>> pupilWeakFigures(int pupil, int top) = 0;
    // The listed pupils of the start screen, their names, grades and birth years.
    virtual const PupilDirectory &pupils() = 0;
    // Level selection changed what it keeps between visits.
    virtual void keep(const LevelVisit &visit) = 0;
    // Starts a run at `level`. closeLevels: the level screen goes (a start button or key);
    // otherwise it stays open behind the drill (a click on a level caption).
    virtual void startLevel(int level, bool closeLevels) = 0;
    // Back to the start screen.
    virtual void backToStart() = 0;
};
