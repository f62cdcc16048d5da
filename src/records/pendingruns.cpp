#include "pendingruns.h"

#include "folderscheme.h"
#include "installation.h"
#include "savefile.h"
#include "systemerror.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>
#include <cerrno>

namespace {

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

QByteArray readAll(const QString &path, QString &error)
{
    QFile f(path);
    errno = 0;
    if (!f.open(QIODevice::ReadOnly)) {
        error = systemerror::describe(f, errno);
        return {};
    }
    errno = 0;
    const QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError)
        error = systemerror::describe(f, errno);
    return bytes;
}

} // namespace

PendingRuns::PendingRuns(const Installation &state, QString folder)
    : m_state(state)
    , m_folder(std::move(folder))
{
}

QString PendingRuns::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/tavrel/pending");
}

QString PendingRuns::filePath() const
{
    return m_folder + u'/' + folderscheme::key(m_state.folders.appFolder) + QStringLiteral(".pending");
}

QString PendingRuns::lockPath() const
{
    return m_folder + u'/' + folderscheme::key(m_state.folders.appFolder) + QStringLiteral(".lock");
}

std::optional<FileError> PendingRuns::lockFile(RecordFile &guard, const RecordCallbacks &callbacks) const
{
    return runlog::lockForAppend(guard, lockPath(), callbacks);
}

QString PendingRuns::save(const PendingFile &file) const
{
    if (file.entries.empty()) {
        QFile gone(filePath());
        errno = 0;
        if (gone.exists() && !gone.remove())
            return QStringLiteral("%1: %2").arg(shown(filePath()), systemerror::describe(gone, errno));
        return {};
    }
    const savefile::Outcome written = savefile::replace(filePath(), file.encode());
    return written.saved ? QString() : QStringLiteral("%1: %2").arg(shown(filePath()), written.error);
}

PendingRuns::Contents PendingRuns::read() const
{
    Contents contents;
    if (!QFileInfo::exists(filePath()))
        return contents;
    contents.found = true;
    QString error;
    const QByteArray bytes = readAll(filePath(), error);
    if (!error.isEmpty()) {
        contents.problem = error;
        return contents;
    }
    contents.file = PendingFile::decode(bytes, &contents.problem);
    return contents;
}

QString PendingRuns::keep(const std::vector<UnrecordedRecord> &records, const QDateTime &now,
                          const RecordCallbacks &callbacks) const
{
    if (!QDir().mkpath(m_folder))
        return QStringLiteral("%1: フォルダを作れません").arg(shown(m_folder));
    // The pupil's own records: no other account needs them.
    QFile::setPermissions(m_folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    RecordFile guard;
    if (const auto e = lockFile(guard, callbacks))
        return QStringLiteral("%1: %2").arg(shown(lockPath()), e->description);

    PendingFile file;
    const Contents contents = read();
    if (contents.file) {
        file = *contents.file;
    } else if (contents.found) {
        const QString aside = filePath() + QStringLiteral(".damaged-") + now.toString(QStringLiteral("yyyyMMdd-HHmmss"));
        if (!QFile::rename(filePath(), aside))
            return QStringLiteral("%1: 読めないうえ、別の名前にもできません（%2）").arg(shown(filePath()), contents.problem);
    }
    file.programFolder = QDir::toNativeSeparators(m_state.folders.appFolder);
    for (const UnrecordedRecord &r : records)
        file.entries.push_back({r.log->name, r.record, -1, now.toUTC(), r.reason});
    return save(file);
}

PendingRuns::Appended PendingRuns::appendWaiting(const RecordCallbacks &callbacks) const
{
    Appended result;
    // Nothing waiting is the usual case: no lock is taken and nothing is made.
    if (!QFileInfo::exists(filePath()))
        return result;
    RecordFile guard;
    if (const auto e = lockFile(guard, callbacks)) {
        result.problems << QStringLiteral("%1: %2").arg(shown(lockPath()), e->description);
        return result;
    }
    const Contents contents = read();
    if (!contents.file) {
        if (contents.found)
            result.problems << QStringLiteral("%1: %2").arg(shown(filePath()), contents.problem);
        return result;
    }
    PendingFile file = *contents.file;

    // The logs in the order their first record was kept. Records for a log this program does not
    // append to (one a later version added) or of another size than its log's stay as they are.
    std::vector<const runlog::Log *> logs;
    for (const PendingEntry &e : file.entries) {
        const runlog::Log *log = runlog::findLog(e.log);
        if (!log || e.record.size() != log->recordSize) {
            result.problems << QStringLiteral("%1: 「%2」への %3 バイトの記録は、このプログラムでは書けません")
                                   .arg(shown(filePath()), e.log)
                                   .arg(e.record.size());
            continue;
        }
        if (std::find(logs.begin(), logs.end(), log) == logs.end())
            logs.push_back(log);
    }

    for (const runlog::Log *log : logs) {
        const QString path = runlog::pathOf(m_state.folders, *log);
        RecordFile target;
        if (const auto e = runlog::lockForAppend(target, path, callbacks)) {
            result.problems << QStringLiteral("%1: %2").arg(shown(path), e->description);
            continue;
        }
        const auto failed = [&] {
            result.problems << QStringLiteral("%1: %2").arg(shown(path), target.error().description);
            target.close();
        };
        const std::optional<std::int64_t> length = target.size();
        if (!length) {
            failed();
            continue;
        }

        // Records already at the place noted for them reached the log before the last attempt
        // was cut short; the others go after the last whole record, in order.
        std::vector<std::size_t> landed;
        std::vector<std::size_t> toWrite;
        bool readable = true;
        for (std::size_t i = 0; i < file.entries.size() && readable; ++i) {
            const PendingEntry &e = file.entries[i];
            if (e.log != log->name || e.record.size() != log->recordSize)
                continue;
            if (e.placedAt >= 0) {
                QByteArray there(e.record.size(), '\0');
                readable = target.readAt(e.placedAt, there.data(), there.size());
                if (there == e.record) {
                    landed.push_back(i);
                    continue;
                }
            }
            toWrite.push_back(i);
        }
        if (!readable) {
            failed();
            continue;
        }

        if (!toWrite.empty()) {
            std::int64_t at = runlog::endOfRecords(*length, log->recordSize);
            QByteArray bytes;
            for (std::size_t i : toWrite) {
                file.entries[i].placedAt = at + bytes.size();
                bytes += file.entries[i].record;
            }
            // The places reach the disk before the records do.
            if (const QString error = save(file); !error.isEmpty()) {
                result.problems << error;
                target.close();
                break;
            }
            if (!target.writeAt(at, bytes) || !target.flush()) {
                failed();
                continue;
            }
            landed.insert(landed.end(), toWrite.begin(), toWrite.end());
            result.appended += static_cast<int>(toWrite.size());
        }
        target.close();
        std::sort(landed.begin(), landed.end());
        for (auto it = landed.rbegin(); it != landed.rend(); ++it)
            file.entries.erase(file.entries.begin() + static_cast<std::ptrdiff_t>(*it));
    }

    if (const QString error = save(file); !error.isEmpty())
        result.problems << error;
    result.waiting = static_cast<int>(file.entries.size());
    return result;
}
