#pragma once

#include "recordfile.h"

#include <QString>

#include <cstdint>

struct Installation;
struct Folders;
struct RecordCallbacks;
class Clock;

// The run logs of an installation: "成績累積データ.dat" in the data folder, one RunRecord per
// recorded run of every pupil, and "成績累積データ家庭用.dat" in the shared files folder, one
// HomeRunRecord per run of nearly every pupil. Both are append-only and may be shared by several
// machines through a network folder.
namespace runlog {

QString runLogPath(const Folders &folders);
QString homeRunLogPath(const Folders &folders);

// Pupils 4900 to 5000 never reach the home run log; everyone else does when the installation
// keeps one (homeUse 1).
bool goesToHomeRunLog(const Installation &state, int pupil);

} // namespace runlog

// Opens the run log for reading and writing, creating it empty when it does not exist.
RecordFile::Outcome OpenRunLog(const Folders &folders, RecordFile &file);

// Appends the run to the run log and, when goesToHomeRunLog, to the home run log. Each append
// locks the whole file, waiting through callbacks.waitWhileLocked for as long as another user holds
// it, writes one record at record number floor(length / record length) + 1 (a trailing partial
// record is overwritten), flushes and unlocks. The date and time of day of each record come from
// clock.now() at the moment that record is built.
//
// pupil is 1 to 5000 and level 1 to 35 (RecordRun checks). On any other failure the files are
// closed, callbacks.fatal is called with "成績ランダムファイル記録", the file that failed, the system's
// description and error number (and, when only the home run log failed, that the run is in the
// run log), and the result is false: nothing more is written. A write cut short (a full disk)
// may leave a partial record at the end; readers pass over it and the next append overwrites it.
bool AppendRunRecord(const Installation &state, int pupil, int level, std::int32_t runTime, const Clock &clock,
                     const RecordCallbacks &callbacks);
