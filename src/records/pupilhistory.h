#pragma once

#include "runhistory.h"

class RunStats;

// The history a run at `level` starts from, for `pupil`, out of the figures of the last rebuild:
// the pupil's runs today (over levels 1 to 35, and at the level) and the best times of the level,
// theirs and everyone's.
RunHistory pupilHistory(const RunStats &stats, int pupil, int level);
