#pragma once

#include <cstdint>
#include <optional>

struct Installation;
struct RecordCallbacks;
class Clock;
class RunStats;

// What recording a run found out, for the result screen.
struct RunFlags
{
    // The pupil had already cleared the level by all-time figures before this run.
    bool clearedBefore = false;
    // The run beat the pupil's best time at the level (strictly).
    bool newBest = false;
    // The run beat the best time of all pupils at the level (strictly).
    bool newLevelBest = false;
};

// Records a finished test run: compares it with the figures of the last ComputeStats, appends it
// to the run log and, for pupils outside 4900 to 5000, to the home run log (AppendRunRecord), and
// lowers stats' bestTime and levelBestTime when beaten. runTime is in whole seconds, 99999 after
// a time-out. Called once per run, by the end of the run only.
//
// pupil must be 1 to 5000 and level 1 to 35: anything else is reported through callbacks.fatal
// as "Seisekikiroku…" and nothing is written. After any failure the result is nothing and stats
// are unchanged.
std::optional<RunFlags> RecordRun(const Installation &state, RunStats &stats, int pupil, int level, std::int32_t runTime,
                                  const Clock &clock, const RecordCallbacks &callbacks);
