#include "runlog.h"

#include "answerlog.h"
#include "installation.h"
#include "clock.h"
#include "folderscheme.h"
#include "homerunrecord.h"
#include "oadate.h"
#include "recordcallbacks.h"
#include "runlogrecord.h"

#include <QDir>

namespace runlog {

namespace {
const QString kDataPrefix = QStringLiteral("data/");
const QString kFilesPrefix = QStringLiteral("files/");
} // namespace

QString runLogPath(const Folders &folders)
{
    return pathOf(folders, runLog());
}

QString homeRunLogPath(const Folders &folders)
{
    return pathOf(folders, homeRunLog());
}

bool goesToHomeRunLog(const Installation &state, int pupil)
{
    return state.homeUse == 1 && (pupil < 4900 || pupil > 5000);
}

const Log &runLog()
{
    static const Log log{kDataPrefix + QStringLiteral("成績累積データ.dat"), RunRecord::kSize};
    return log;
}

const Log &homeRunLog()
{
    static const Log log{kFilesPrefix + QStringLiteral("成績累積データ家庭用.dat"), HomeRunRecord::kSize};
    return log;
}

const Log *findLog(const QString &name)
{
    for (const Log *log : {&runLog(), &homeRunLog(), &answerlog::answerLog()}) {
        if (log->name == name)
            return log;
    }
    return nullptr;
}

QString pathOf(const Folders &folders, const Log &log)
{
    if (log.name.startsWith(kDataPrefix))
        return folders.dataFolder + log.name.mid(kDataPrefix.size());
    return folders.filesFolder + log.name.mid(kFilesPrefix.size());
}

std::optional<FileError> lockForAppend(RecordFile &file, const QString &path, const RecordCallbacks &callbacks)
{
    int waits = 0;
    // The last answer of the system (the lock is held elsewhere), with how long it was waited for.
    const auto stuck = [&] {
        FileError e = file.error();
        e.description = QStringLiteral("%1 回待ってもロックが空きません（%2）").arg(callbacks.appendLockWaits).arg(e.description);
        file.close();
        return e;
    };
    for (;;) {
        const RecordFile::Outcome opened = file.open(path, RecordFile::Access::ReadWrite);
        if (opened == RecordFile::Outcome::Done)
            break;
        if (opened != RecordFile::Outcome::Busy)
            return file.error();
        if (++waits > callbacks.appendLockWaits)
            return stuck();
        callbacks.waitWhileLocked();
    }
    for (;;) {
        const RecordFile::Outcome locked = file.lock(RecordFile::LockKind::Exclusive);
        if (locked == RecordFile::Outcome::Done)
            return std::nullopt;
        if (locked != RecordFile::Outcome::Busy) {
            const FileError e = file.error();
            file.close();
            return e;
        }
        if (++waits > callbacks.appendLockWaits)
            return stuck();
        callbacks.waitWhileLocked();
    }
}

std::int64_t endOfRecords(std::int64_t length, qsizetype recordSize)
{
    return length / recordSize * recordSize;
}

} // namespace runlog

namespace {

// Writes whole records (`records` holds one or more of `recordSize` bytes) after the last whole
// record of the file under one exclusive lock. Returns the failure, if any, after the file has
// been closed (and so unlocked).
std::optional<FileError> appendRecords(const QString &path, const QByteArray &records, qsizetype recordSize,
                                       const RecordCallbacks &callbacks)
{
    RecordFile file;
    if (const auto e = runlog::lockForAppend(file, path, callbacks))
        return e;
    const std::optional<std::int64_t> length = file.size();
    if (!length || !file.writeAt(runlog::endOfRecords(*length, recordSize), records) || !file.flush()
        || !file.unlock()) {
        const FileError e = file.error();
        file.close();
        return e;
    }
    return std::nullopt;
}

} // namespace

RecordFile::Outcome OpenRunLog(const Folders &folders, RecordFile &file)
{
    return file.open(runlog::runLogPath(folders), RecordFile::Access::ReadWrite);
}

std::vector<UnrecordedRecord> AppendRunRecord(const Installation &state, int pupil, int level, std::int32_t runTime,
                                              const Clock &clock, const RecordCallbacks &callbacks,
                                              const std::vector<QuestionAnswers> &answers)
{
    std::vector<UnrecordedRecord> unrecorded;
    const auto append = [&](const runlog::Log &log, const QByteArray &record) {
        const QString path = runlog::pathOf(state.folders, log);
        if (const auto e = appendRecords(path, record, log.recordSize, callbacks)) {
            // Staff recognise this label from the other copies of the program on the network.
            const QString failure = QStringLiteral("成績ランダムファイル記録 %1: %2（エラー番号 %3）")
                                        .arg(QDir::toNativeSeparators(path), e->description)
                                        .arg(e->number);
            unrecorded.push_back({&log, record, failure, e->description});
        }
    };

    const auto pupilNo = static_cast<std::int16_t>(pupil);
    const auto levelNo = static_cast<std::int16_t>(level);

    const QDateTime runMoment = clock.now();
    const RunRecord run = RunRecord::forRun(oadate::fromDate(runMoment.date()), oadate::timeOfDay(runMoment.time()),
                                            pupilNo, levelNo, runTime, state.siteCode);
    append(runlog::runLog(), run.encode());

    if (runlog::goesToHomeRunLog(state, pupil)) {
        const QDateTime homeMoment = clock.now();
        const HomeRunRecord home = HomeRunRecord::forRun(folderscheme::lastComponent(state.folders.dataFolder),
                                                         oadate::fromDate(homeMoment.date()),
                                                         oadate::timeOfDay(homeMoment.time()), pupilNo, levelNo,
                                                         runTime, state.siteCode);
        append(runlog::homeRunLog(), home.encode());
    }

    if (answers.empty())
        return unrecorded;
    // Every question of the run under one lock, with the date and time of the run record, so
    // that the two can be matched.
    QByteArray records;
    records.reserve(static_cast<qsizetype>(answers.size()) * AnswerRecord::kSize);
    for (const QuestionAnswers &a : answers)
        records += AnswerRecord::forRun(run.runDate, run.runClock, pupilNo, levelNo, a, state.siteCode).encode();
    const runlog::Log &log = answerlog::answerLog();
    const QString path = runlog::pathOf(state.folders, log);
    if (const auto e = appendRecords(path, records, log.recordSize, callbacks)) {
        const QString failure = QStringLiteral("解答記録 %1: %2（エラー番号 %3）")
                                    .arg(QDir::toNativeSeparators(path), e->description)
                                    .arg(e->number);
        // Kept record by record, as every pending record is one record of its log.
        for (qsizetype at = 0; at < records.size(); at += AnswerRecord::kSize)
            unrecorded.push_back({&log, records.mid(at, AnswerRecord::kSize), failure, e->description});
    }
    return unrecorded;
}
