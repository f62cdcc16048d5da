#include "runlog.h"

#include "installation.h"
#include "clock.h"
#include "folderscheme.h"
#include "homerunrecord.h"
#include "oadate.h"
#include "recordcallbacks.h"
#include "runlogrecord.h"

#include <QDir>

#include <functional>
#include <optional>

namespace runlog {

QString runLogPath(const Folders &folders)
{
    return folders.dataFolder + QStringLiteral("成績累積データ.dat");
}

QString homeRunLogPath(const Folders &folders)
{
    return folders.filesFolder + QStringLiteral("成績累積データ家庭用.dat");
}

bool goesToHomeRunLog(const Installation &state, int pupil)
{
    return state.homeUse == 1 && (pupil < 4900 || pupil > 5000);
}

} // namespace runlog

namespace {

// Writes one whole record after the last whole record of the file under an exclusive lock.
// Returns the failure, if any, after the file has been closed (and so unlocked).
std::optional<FileError> appendRecord(const QString &path, const QByteArray &record,
                                      const std::function<void()> &waitWhileLocked)
{
    RecordFile file;
    for (;;) {
        const RecordFile::Outcome opened = file.open(path, RecordFile::Access::ReadWrite);
        if (opened == RecordFile::Outcome::Done)
            break;
        if (opened != RecordFile::Outcome::Busy)
            return file.error();
        waitWhileLocked();
    }
    for (;;) {
        const RecordFile::Outcome locked = file.lock(RecordFile::LockKind::Exclusive);
        if (locked == RecordFile::Outcome::Done)
            break;
        if (locked != RecordFile::Outcome::Busy)
            return file.error();
        waitWhileLocked();
    }
    const std::optional<std::int64_t> length = file.size();
    if (!length)
        return file.error();
    const std::int64_t offset = *length / record.size() * record.size();
    if (!file.writeAt(offset, record) || !file.flush() || !file.unlock())
        return file.error();
    return std::nullopt;
}

} // namespace

RecordFile::Outcome OpenRunLog(const Folders &folders, RecordFile &file)
{
    return file.open(runlog::runLogPath(folders), RecordFile::Access::ReadWrite);
}

bool AppendRunRecord(const Installation &state, int pupil, int level, std::int32_t runTime, const Clock &clock,
                     const RecordCallbacks &callbacks)
{
    const auto fail = [&](const QString &path, const FileError &e, const QString &note) {
        callbacks.fatal(state.productTitle, QStringLiteral("成績ランダムファイル記録 %1: %2（エラー番号 %3）")
                                                    .arg(QDir::toNativeSeparators(path), e.description)
                                                    .arg(e.number)
                                                + note);
        return false;
    };

    const auto pupilNo = static_cast<std::int16_t>(pupil);
    const auto levelNo = static_cast<std::int16_t>(level);

    const QDateTime runMoment = clock.now();
    const RunRecord run = RunRecord::forRun(oadate::fromDate(runMoment.date()), oadate::timeOfDay(runMoment.time()),
                                            pupilNo, levelNo, runTime, state.siteCode);
    const QString runLogPath = runlog::runLogPath(state.folders);
    if (const auto e = appendRecord(runLogPath, run.encode(), callbacks.waitWhileLocked))
        return fail(runLogPath, *e, QString());

    if (!runlog::goesToHomeRunLog(state, pupil))
        return true;
    const QDateTime homeMoment = clock.now();
    const HomeRunRecord home = HomeRunRecord::forRun(folderscheme::lastComponent(state.folders.dataFolder),
                                                     oadate::fromDate(homeMoment.date()),
                                                     oadate::timeOfDay(homeMoment.time()), pupilNo, levelNo,
                                                     runTime, state.siteCode);
    const QString homePath = runlog::homeRunLogPath(state.folders);
    if (const auto e = appendRecord(homePath, home.encode(), callbacks.waitWhileLocked))
        return fail(homePath, *e,
                    QStringLiteral("\r\nこの成績は %1 には記録されています。").arg(QDir::toNativeSeparators(runLogPath)));
    return true;
}
