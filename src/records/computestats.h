#pragma once

#include "runlogrecord.h"

#include <QDateTime>

#include <cstdint>
#include <functional>
#include <vector>

struct Installation;
struct RecordCallbacks;
class RunStats;

// Rebuild the run-log figures from the installation's run log. The log is read whole, under a
// shared lock so that no append is half seen; while an append holds it, callbacks.waitWhileLocked
// is called and the step retried. A log that does not exist yet reads as empty. A data folder
// that has gone (a network folder out of reach) is retried every five seconds; the fourth
// failure, any other failure, and a record whose pupil number (0 to 5000) or level (0 to 35)
// lies outside the tables are reported through callbacks.fatal with the record's values, after
// which the result is false and the figures are not to be used.
//
// Every record of the log counts, however long it has grown.

// Rows, bestTime and levelBestTime; the counts stay as they are.
bool LoadRunLog(const Installation &state, RunStats &stats, const RecordCallbacks &callbacks);

// Everything: rows, best times, and the counts as of `now` against state's timing table. The
// figures of the last call on the same `stats` are brought up to date by reading only the records
// appended since, by this machine or another (RunStats::refreshRecords); the result is that of a
// rebuild from the whole log.
bool ComputeStats(const Installation &state, RunStats &stats, const QDateTime &now, const RecordCallbacks &callbacks);

// The newest `count` records of the run log (count ≥ 0), oldest first, read afresh: the runs
// recorded since the last rebuild, on this machine or another sharing the log, are among them.
// Only that tail of the file is read, under the same shared lock and with the same waits and
// failure reports as the rebuilds; records that are not rows (no date, no pupil, no level) and
// records outside the tables (pupils 1 to 5000, levels 1 to 35) are left out, so `runs` may hold
// fewer than `count`. A log that does not exist yet gives no runs. On failure the result is false
// and `runs` is empty.
bool ReadNewestRuns(const Installation &state, std::int64_t count, std::vector<RunRow> &runs,
                    const RecordCallbacks &callbacks);

// Every row of the run log, oldest first, read afresh in pieces and handed to `visit` one by one:
// the rows ReadNewestRuns gives for a count that covers the whole log, without holding them all.
// The shared lock is held while `visit` runs. On failure the result is false, and the rows
// visited so far are to be thrown away.
bool ReadEveryRun(const Installation &state, const std::function<void(const RunRow &)> &visit,
                  const RecordCallbacks &callbacks);
