#include "showroster.h"

#include "installation.h"
#include "roster.h"
#include "namechange.h"
#include "rosterfile.h"
#include "rosterlock.h"
#include "systemerror.h"
#include "computestats.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <cerrno>

RosterRestore RestoreRoster(const Folders &folders)
{
    const QString roster = RosterFile::path(folders);
    const QString backup = RosterFile::backupPath(folders);
    if (QFileInfo::exists(roster))
        return {RosterFileState::Present, QString()};
    // An import may be writing a new roster this moment: the backup is put in place only while no
    // other writer works, and only if there is still no roster then. A lock that cannot be had
    // changes nothing of what follows.
    RosterLock lock(roster);
    lock.take(namechange::kLockAttempts, [] { QThread::msleep(namechange::kLockWaitMilliseconds); });
    if (QFileInfo::exists(roster))
        return {RosterFileState::Present, QString()};
    const QString rosterShown = QDir::toNativeSeparators(roster);
    const QString backupShown = QDir::toNativeSeparators(backup);
    if (!QFileInfo::exists(backup))
        return {RosterFileState::Missing,
                QStringLiteral("名簿ファイルがありません。%1 も、その控えの %2 も見つかりません。"
                               "先生に知らせてください。")
                    .arg(rosterShown, backupShown)};
    QFile file(backup);
    errno = 0;
    if (!file.rename(roster))
        return {RosterFileState::RestoreFailed,
                QStringLiteral("名簿ファイル %1 がありません。控えの %2 から戻せませんでした（%3）。")
                    .arg(rosterShown, backupShown, systemerror::describe(file, errno))};
    return {RosterFileState::Restored, QString()};
}

bool ShowRoster(const Installation &state, RunStats &stats, Roster &roster, FigureMode mode, const QDateTime &now,
                const RecordCallbacks &callbacks)
{
    if (!ComputeStats(state, stats, now, callbacks))
        return false;
    roster.build(RosterFile::read(RosterFile::path(state.folders)), state, now.date(), stats, mode);
    return true;
}
