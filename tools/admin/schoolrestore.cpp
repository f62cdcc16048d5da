#include "schoolrestore.h"

#include "installation.h"
#include "recordfile.h"
#include "rosterlock.h"
#include "savefile.h"
#include "schoolbackup.h"
#include "systemerror.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>

#include <algorithm>
#include <cerrno>
#include <memory>
#include <optional>
#include <sys/stat.h>
#include <vector>

namespace schoolrestore {

namespace {

class Text
{
    Q_DECLARE_TR_FUNCTIONS(SchoolRestore)
};

// How often the roster's lock is tried, a second apart, before the restore gives up.
constexpr int kRosterLockAttempts = 60;

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(QDir::cleanPath(path));
}

// A file of the installation as it stands: absent, or its bytes. A link, a pipe or a device is
// never read (nor replaced): a backup never holds one.
struct Current
{
    bool present = false;
    QByteArray bytes;
};

std::optional<Current> readCurrent(const QString &path, QString &why)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat st{};
    if (::lstat(name.constData(), &st) != 0) {
        if (errno == ENOENT)
            return Current{};
        why = Text::tr("cannot read %1: %2").arg(shown(path), systemerror::describe(errno));
        return std::nullopt;
    }
    if (!S_ISREG(st.st_mode)) {
        why = Text::tr("%1 is not a plain file (a link, a folder, a pipe or a device); it is not replaced").arg(shown(path));
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        why = Text::tr("cannot read %1: %2").arg(shown(path), file.errorString());
        return std::nullopt;
    }
    return Current{true, file.readAll()};
}

// One file the restore puts back.
struct Target
{
    schoolbackup::Item item;
    QByteArray wanted;           // the backup's bytes
    std::optional<QByteArray> kept; // what the kept copy holds of it (nothing: it was absent)
    std::unique_ptr<RecordFile> log; // a run log, open and locked while it is replaced
};

// Takes a run log's lock for rewriting it, as the program takes it to append.
bool lockLog(Target &target, const std::function<void()> &wait, QString &why)
{
    target.log = std::make_unique<RecordFile>();
    if (target.log->open(target.item.path, RecordFile::Access::ReadWrite) != RecordFile::Outcome::Done) {
        why = Text::tr("cannot open %1: %2").arg(shown(target.item.path), target.log->error().description);
        return false;
    }
    for (int waited = 0;; ++waited) {
        const RecordFile::Outcome locked = target.log->lock(RecordFile::LockKind::Exclusive);
        if (locked == RecordFile::Outcome::Done)
            return true;
        if (locked != RecordFile::Outcome::Busy) {
            why = Text::tr("cannot lock %1: %2").arg(shown(target.item.path), target.log->error().description);
            return false;
        }
        if (waited >= schoolbackup::kLockWaitSeconds) {
            why = Text::tr("%1 stayed locked by another program for %2 seconds")
                      .arg(shown(target.item.path))
                      .arg(schoolbackup::kLockWaitSeconds);
            return false;
        }
        wait();
    }
}

std::optional<QByteArray> readLog(RecordFile &file, const QString &path, QString &why)
{
    const std::optional<std::int64_t> size = file.size();
    QByteArray bytes;
    if (size) {
        bytes.resize(static_cast<qsizetype>(*size));
        if (*size == 0 || file.readAt(0, bytes.data(), *size))
            return bytes;
    }
    why = Text::tr("cannot read %1: %2").arg(shown(path), file.error().description);
    return std::nullopt;
}

// Rewrites a locked run log from `current` to `wanted`: only the missing tail when `wanted`
// extends it. On a failure the log is put back as it was, as far as the system lets it.
bool rewriteLog(RecordFile &file, const QByteArray &current, const QByteArray &wanted, QString &why)
{
    const bool extends = wanted.startsWith(current);
    const bool written = extends ? file.writeAt(current.size(), QByteArrayView(wanted).sliced(current.size()))
                                 : file.writeAt(0, wanted) && file.truncate(wanted.size());
    if (written && file.flush())
        return true;
    why = file.error().description;
    if (extends)
        file.truncate(current.size());
    else if (file.writeAt(0, current))
        file.truncate(current.size());
    file.flush();
    return false;
}

bool sameAsKept(const std::optional<QByteArray> &kept, const Current &now)
{
    return kept ? now.present && now.bytes == *kept : !now.present || now.bytes.isEmpty();
}

} // namespace

Restored restore(const Folders &folders, const QString &backupFolder, const Options &options)
{
    Restored result;
    const auto refuse = [&](const QString &problem) {
        result.problems << problem << Text::tr("nothing was restored");
        return result;
    };

    const schoolbackup::Checked backup = schoolbackup::load(backupFolder);
    if (!backup.problems.isEmpty()) {
        result.problems << Text::tr("the backup %1 is not intact:").arg(shown(backupFolder)) << backup.problems;
        return refuse(Text::tr("a damaged backup is never restored"));
    }
    const std::vector<schoolbackup::Item> items = schoolbackup::items(folders);
    QHash<QString, QByteArray> inBackup;
    for (const schoolbackup::Content &file : backup.files) {
        const bool known = std::any_of(items.begin(), items.end(),
                                       [&](const schoolbackup::Item &i) { return i.relative == file.relative; });
        if (!known || inBackup.contains(file.relative))
            return refuse(Text::tr("the backup lists %1, which is not a file of this installation that a backup holds "
                                   "(a backup of an installation with another folder mode?)")
                              .arg(file.relative));
        inBackup.insert(file.relative, file.bytes);
    }

    // What would change, and whether a run log holds runs the backup lacks.
    std::vector<Target> targets;
    for (const schoolbackup::Item &item : items) {
        if (!inBackup.contains(item.relative)) {
            result.notInBackup << item.relative;
            continue;
        }
        QString why;
        const std::optional<Current> current = readCurrent(item.path, why);
        if (!current)
            return refuse(why);
        const QByteArray &wanted = inBackup[item.relative];
        if (current->present && current->bytes == wanted) {
            result.unchanged << item.relative;
            continue;
        }
        if (item.guard == schoolbackup::Guard::RunLog && current->present && !wanted.startsWith(current->bytes)) {
            result.problems << (current->bytes.size() > wanted.size()
                                    ? Text::tr("%1 holds runs the backup lacks: %2 bytes in the installation, %3 in "
                                               "the backup")
                                          .arg(item.relative)
                                          .arg(current->bytes.size())
                                          .arg(wanted.size())
                                    : Text::tr("%1 holds runs the backup lacks: it does not start as the backup's does")
                                          .arg(item.relative));
            result.newerRuns = true;
        }
        targets.push_back({item, wanted, std::nullopt, nullptr});
    }
    if (result.newerRuns && !options.replaceNewerRuns) {
        result.problems << Text::tr("restoring would lose those runs; give --force to replace them all the same (they are "
                                    "kept in a backup of their own first)");
        return refuse(Text::tr("the installation was left as it is"));
    }
    if (targets.empty()) {
        result.restored = true;
        return result;
    }

    // A copy of what is about to be replaced, which restoring undoes this restore.
    const schoolbackup::Made kept = schoolbackup::make(folders, options.keepIn, options.now, options.waitASecond,
                                                       schoolbackup::kBeforeRestorePrefix);
    if (!kept.made) {
        result.problems << kept.problems;
        return refuse(Text::tr("no copy of what a restore would replace could be kept in %1").arg(shown(options.keepIn)));
    }
    result.kept = kept.folder;
    const schoolbackup::Checked keptFiles = schoolbackup::load(kept.folder);
    if (!keptFiles.problems.isEmpty()) {
        result.problems << keptFiles.problems;
        return refuse(Text::tr("the copy %1 does not check").arg(shown(kept.folder)));
    }
    for (Target &target : targets) {
        for (const schoolbackup::Content &file : keptFiles.files) {
            if (file.relative == target.item.relative)
                target.kept = file.bytes;
        }
    }

    // The writers' locks, then each file once more: what is replaced must be what was kept.
    QString rosterPath;
    for (const schoolbackup::Item &item : items) {
        if (item.guard == schoolbackup::Guard::Roster && rosterPath.isEmpty())
            rosterPath = item.path;
    }
    RosterLock rosterLock(rosterPath);
    const bool rosterTouched = std::any_of(targets.begin(), targets.end(),
                                           [](const Target &t) { return t.item.guard == schoolbackup::Guard::Roster; });
    if (rosterTouched) {
        const RosterLock::Outcome locked = rosterLock.take(kRosterLockAttempts, options.waitASecond);
        if (locked != RosterLock::Outcome::Locked)
            return refuse(locked == RosterLock::Outcome::Busy
                              ? Text::tr("the roster stayed locked by another program (%1)").arg(shown(RosterLock::lockPath(rosterPath)))
                              : Text::tr("cannot lock the roster (%1): %2").arg(shown(RosterLock::lockPath(rosterPath)), rosterLock.error()));
    }
    std::vector<QByteArray> currentLogs(targets.size());
    for (std::size_t i = 0; i < targets.size(); ++i) {
        Target &target = targets[i];
        QString why;
        Current now;
        if (target.item.guard == schoolbackup::Guard::RunLog) {
            if (!lockLog(target, options.waitASecond, why))
                return refuse(why);
            const std::optional<QByteArray> bytes = readLog(*target.log, target.item.path, why);
            if (!bytes)
                return refuse(why);
            now = {true, *bytes};
            currentLogs[i] = *bytes;
        } else {
            const std::optional<Current> read = readCurrent(target.item.path, why);
            if (!read)
                return refuse(why);
            now = *read;
        }
        if (target.item.guard == schoolbackup::Guard::RunLog && !options.replaceNewerRuns
            && !target.wanted.startsWith(now.bytes))
            return refuse(Text::tr("%1 received runs the backup lacks while the restore began; run the restore again")
                              .arg(target.item.relative));
        if (!sameAsKept(target.kept, now))
            return refuse(Text::tr("%1 changed while the copy of it was made; run the restore again").arg(target.item.relative));
    }

    for (std::size_t i = 0; i < targets.size(); ++i) {
        const Target &target = targets[i];
        QString why;
        bool written = false;
        if (target.log) {
            written = rewriteLog(*target.log, currentLogs[i], target.wanted, why);
        } else {
            const savefile::Outcome saved = savefile::replace(target.item.path, target.wanted);
            written = saved.saved;
            why = saved.error;
        }
        if (!written) {
            result.problems << Text::tr("cannot write %1: %2").arg(shown(target.item.path), why)
                            << Text::tr("the restore stopped at %1, which is as it was; every file as it was before the restore is kept in %2")
                                   .arg(target.item.relative, shown(kept.folder));
            return result;
        }
        result.written << target.item.relative;
    }
    result.restored = true;
    return result;
}

} // namespace schoolrestore
