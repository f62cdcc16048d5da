#pragma once

#include "recordfile.h"
#include "runoutcome.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

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

// An append-only log of fixed-size records, named as pending files name it: "data/" and the file
// name for a log in the data folder, "files/" and the file name for one in the shared files
// folder. A log added later (an answer log) is one more entry of this table.
struct Log
{
    QString name;
    qsizetype recordSize = 0;
};
const Log &runLog();
const Log &homeRunLog();
// The log of that name, or null for a name this program does not append to.
const Log *findLog(const QString &name);
QString pathOf(const Folders &folders, const Log &log);

// Opens the log at `path` for reading and writing (creating it empty, shared with the folder's
// group, when it is missing) and takes its exclusive lock, waiting through callbacks.waitWhileLocked
// while another user holds it, at most callbacks.appendLockWaits times. On failure the file is
// closed and the reason returned.
std::optional<FileError> lockForAppend(RecordFile &file, const QString &path, const RecordCallbacks &callbacks);

// Where the next record of a file of `length` bytes goes: after its last whole record, so that
// a trailing partial record (a write cut short) is overwritten.
std::int64_t endOfRecords(std::int64_t length, qsizetype recordSize);

} // namespace runlog

// Opens the run log for reading and writing, creating it empty when it does not exist.
RecordFile::Outcome OpenRunLog(const Folders &folders, RecordFile &file);

// A record that its log could not take.
struct UnrecordedRecord
{
    const runlog::Log *log = nullptr;
    QByteArray record; // as it was to be appended
    QString failure;   // "成績ランダムファイル記録 <file>: <the system's description>（エラー番号 n）"
    QString reason;    // the system's description alone
};

// Appends the run to the run log and, when goesToHomeRunLog, to the home run log. Each append
// locks the whole file (lockForAppend), writes one record at endOfRecords, flushes and unlocks.
// The date and time of day of each record come from clock.now() at the moment that record is
// built.
//
// Then, when `answers` holds the run's questions, one AnswerRecord per question goes to the answer
// log "解答累積データ.dat" in the data folder, all under one lock, with the date and time of day
// of the run record; with no answers the answer log is not touched.
//
// pupil is 1 to 5000 and level 1 to 35 (RecordRun checks). A log that cannot take its record
// (no permission, a share that went away, a full disk, a lock that does not clear) does not stop
// the other: what failed is returned, each record as it was to be appended, in order, for the
// caller to keep. A write cut short (a full disk) may leave a partial record at the end; readers
// pass over it and the next append overwrites it.
std::vector<UnrecordedRecord> AppendRunRecord(const Installation &state, int pupil, int level, std::int32_t runTime,
                                              const Clock &clock, const RecordCallbacks &callbacks,
                                              const std::vector<QuestionAnswers> &answers = {});
