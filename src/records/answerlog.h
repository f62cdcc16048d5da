#pragma once

#include "runlog.h"
#include "runoutcome.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

struct Folders;
struct RecordCallbacks;

// The numeric fields of one answer record: how one pupil did on one question of one recorded
// test run. What the weak figures work on.
struct AnswerRow
{
    double date = 0.0;  // day number of the run's date, as in the run record of the same run
    double clock = 0.0; // time of day as a fraction of a day, as in that run record
    std::int16_t pupil = 0;
    std::int16_t level = 0;
    // The question's identity: its group (column 2 of the question file), its line in the question
    // file (1-based) and the first 4 bytes of the SHA-1 of its name in Shift-JIS, read as a
    // little-endian number (questionidentity in the bank).
    std::int16_t group = 0;
    std::int16_t line = 0;
    std::uint32_t nameHash = 0;
    std::int16_t wrongChoices = 0; // wrong choices on it before it was cleared
    std::int16_t wrongYears = 0;   // wrong years on it
    std::int16_t asked = 0;        // how many times it was put up in the run
    bool cleared = false;          // false when the run hit its time limit first

    bool operator==(const AnswerRow &) const = default;
};

// One record of the answer log "解答累積データ.dat": 48 bytes, little-endian, shared with copies
// of the program on other machines and platforms. This class is the only place that knows the
// layout:
//
//   0  double  date        8  double  clock     16 int16 pupil    18 int16 level
//   20 int16   group       22 int16   line      24 uint32 name hash
//   28 int16   wrong choices                    30 int16 wrong years
//   32 int16   times asked 34 uint8   flags (bit 0: cleared)      35 uint8 layout version (1)
//   36 5 bytes site code (Shift-JIS, space-filled, as in the run log)
//   41 7 bytes zero, for fields a later layout adds
//
// A later layout keeps these fields where they are, writes its version at byte 35 and uses the
// zero bytes; records are never longer, so that every copy reads every record.
struct AnswerRecord
{
    static constexpr qsizetype kSize = 48;
    static constexpr std::uint8_t kVersion = 1;

    AnswerRow row;
    std::optional<QString> siteCode;
    std::uint8_t version = kVersion;

    bool operator==(const AnswerRecord &) const = default;

    // The record of one question of a finished run, with the date and time of day of its run
    // record.
    static AnswerRecord forRun(double runDate, double runClock, std::int16_t pupilNo, std::int16_t level,
                               const QuestionAnswers &answers, const QString &siteCode);

    QByteArray encode() const;
    // bytes holds at least kSize bytes.
    static AnswerRecord decode(QByteArrayView bytes);
    // The numeric fields of the record starting at `at` (kSize bytes), without the site code.
    static AnswerRow decodeRow(const char *at);
};

namespace answerlog {

// "data/解答累積データ.dat": the answer log of runlog's table of logs.
const runlog::Log &answerLog();
QString answerLogPath(const Folders &folders);

// A row that belongs to the tables: a pupil 1 to 5000, a level 1 to 35, a date not before 1899.
bool isListedAnswer(const AnswerRow &row);

// Every whole record of `bytes` in order (a partial record at the end is passed over), listed or
// not.
void decodeAll(QByteArrayView bytes, const std::function<void(const AnswerRow &)> &visit);

// Reads the answer log of `folders` under its shared lock, in pieces of 4096 records into one
// reused buffer, and passes every listed row to `visit` in file order. A log that does not exist
// yet reads as no rows. While another user holds the log, waits through callbacks.waitWhileLocked
// at most callbacks.appendLockWaits times. Returns false with the Japanese reason (the file and
// the system's description) in `problem` when the log cannot be read; never calls fatal.
bool readEveryAnswer(const Folders &folders, const std::function<void(const AnswerRow &)> &visit,
                     const RecordCallbacks &callbacks, QString *problem = nullptr);

} // namespace answerlog
