#pragma once

#include <QDateTime>

struct Installation;
struct RecordCallbacks;
class RunStats;

// Rebuild the run-log figures from the installation's run log. The log is read whole, under a
// shared lock so that no append is half seen; while an append holds it, callbacks.letEventsRun
// is called and the step retried. A log that does not exist yet reads as empty. A data folder
// that has gone (a network folder out of reach) is retried every five seconds; the fourth
// failure, any other failure, and a record whose pupil number (0 to 5000) or level (0 to 35)
// lies outside the tables are reported through callbacks.fatal with the record's values, after
// which the result is false and the figures are not to be used.
//
// Every record of the log counts, however long it has grown.

// Rows, bestTime and levelBestTime; the counts stay as they are.
bool LoadRunLog(const Installation &state, RunStats &stats, const RecordCallbacks &callbacks);

// Everything: rows, best times, and the counts as of `now` against state's timing table.
bool ComputeStats(const Installation &state, RunStats &stats, const QDateTime &now, const RecordCallbacks &callbacks);
