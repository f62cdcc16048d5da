#pragma once

#include "runoutcome.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

struct Installation;
struct RecordCallbacks;
class Clock;
class RunStats;
class PendingRuns;

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

// What recording a run did: the flags, and what to tell the pupil when a log could not take
// the run.
struct RecordedRun
{
    RunFlags flags;
    // Empty when every record reached its log. Otherwise the message for the pupil (Japanese):
    // the run is kept and will be recorded later, and to tell the teacher, with the files and the
    // system's reasons for the teacher; or, when it could not be kept either, that it is lost.
    QString notice;
    bool kept = false; // the records the logs could not take are in the pending file
};

// Records a finished test run: compares it with the figures of the last ComputeStats, appends
// first the runs kept from earlier (PendingRuns::appendWaiting), then this run to the run log,
// for pupils outside 4900 to 5000 to the home run log, and its questions' answers to the answer
// log (AppendRunRecord), and lowers stats'
// bestTime and levelBestTime when beaten. runTime is in whole seconds, 99999 after a time-out.
// Called once per run, by the end of the run only.
//
// A record that its log cannot take is kept in `pending` and the result says so; the run still
// counts for the flags, since it will reach the log. pupil must be 1 to 5000 and level 1 to 35:
// anything else is reported through callbacks.fatal as "Seisekikiroku…", nothing is written and
// the result is nothing.
std::optional<RecordedRun> RecordRun(const Installation &state, RunStats &stats, int pupil, int level,
                                     std::int32_t runTime, const Clock &clock, const PendingRuns &pending,
                                     const RecordCallbacks &callbacks,
                                     const std::vector<QuestionAnswers> &answers = {});
