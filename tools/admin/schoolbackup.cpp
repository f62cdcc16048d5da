#include "schoolbackup.h"

#include "installation.h"
#include "recordfile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <optional>
#include <vector>

namespace schoolbackup {

namespace {

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(QDir::cleanPath(path));
}

QByteArray sha256(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

struct Source
{
    QString path;
    bool locked = false; // a run log, appended under a whole-file lock
};

enum class ReadOutcome { Read, Absent, Failed };

// Reads a run log under the shared lock, so that no append is half done in what is read.
ReadOutcome readLocked(const QString &path, const std::function<void()> &waitASecond, QByteArray &bytes,
                       QString &why)
{
    RecordFile file;
    const RecordFile::Outcome opened = file.open(path, RecordFile::Access::ReadOnly);
    if (opened == RecordFile::Outcome::NotFound)
        return ReadOutcome::Absent;
    if (opened != RecordFile::Outcome::Done) {
        why = QStringLiteral("cannot open %1: %2").arg(shown(path), file.error().description);
        return ReadOutcome::Failed;
    }
    for (int waited = 0;; ++waited) {
        const RecordFile::Outcome locked = file.lock(RecordFile::LockKind::Shared);
        if (locked == RecordFile::Outcome::Done)
            break;
        if (locked != RecordFile::Outcome::Busy) {
            why = QStringLiteral("cannot lock %1: %2").arg(shown(path), file.error().description);
            return ReadOutcome::Failed;
        }
        if (waited >= kLockWaitSeconds) {
            why = QStringLiteral("%1 stayed locked by another program for %2 seconds").arg(shown(path)).arg(kLockWaitSeconds);
            return ReadOutcome::Failed;
        }
        waitASecond();
    }
    const std::optional<std::int64_t> size = file.size();
    if (!size) {
        why = QStringLiteral("cannot read %1: %2").arg(shown(path), file.error().description);
        return ReadOutcome::Failed;
    }
    bytes.resize(static_cast<qsizetype>(*size));
    if (*size > 0 && !file.readAt(0, bytes.data(), *size)) {
        why = QStringLiteral("cannot read %1: %2").arg(shown(path), file.error().description);
        return ReadOutcome::Failed;
    }
    file.close();
    return ReadOutcome::Read;
}

ReadOutcome readPlain(const QString &path, QByteArray &bytes, QString &why)
{
    if (!QFileInfo(path).isFile())
        return ReadOutcome::Absent;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        why = QStringLiteral("cannot read %1: %2").arg(shown(path), file.errorString());
        return ReadOutcome::Failed;
    }
    bytes = file.readAll();
    return ReadOutcome::Read;
}

QString freeFolderName(const QString &dest, const QDateTime &now)
{
    const QString base = QStringLiteral("tavrel-") + now.toString(QStringLiteral("yyyy-MM-dd_HHmmss"));
    QString name = base;
    for (int n = 2; QFileInfo::exists(dest + u'/' + name); ++n)
        name = base + u'-' + QString::number(n);
    return name;
}

} // namespace

Made make(const Folders &folders, const QString &dest, const QDateTime &now,
          const std::function<void()> &waitASecond)
{
    Made made;
    const QString root = QDir::cleanPath(folders.appFolder + QStringLiteral(".."));
    const std::vector<Source> sources = {
        {folders.dataFolder + QStringLiteral("成績累積データ.dat"), true},
        {folders.filesFolder + QStringLiteral("成績累積データ家庭用.dat"), true},
        {folders.filesFolder + QStringLiteral("生徒用名簿.txt"), false},
        {folders.filesFolder + QStringLiteral("生徒用名簿temp.txt"), false},
        {folders.appFolder + QStringLiteral("設定.txt"), false},
        {folders.filesFolder + QStringLiteral("共通データ.txt"), false},
        {folders.dataFolder + QStringLiteral("タイム回数データ.txt"), false},
        {folders.soundFolder + QStringLiteral("新音ファイル.txt"), false},
    };

    if (!QDir().mkpath(dest)) {
        made.problems << QStringLiteral("cannot make the folder %1").arg(shown(dest));
        return made;
    }
    const QString destination = QDir(dest).absolutePath();
    const QString name = freeFolderName(destination, now);
    const QString partial = destination + QStringLiteral("/.") + name + QStringLiteral(".partial");
    const QString finished = destination + u'/' + name;
    QDir(partial).removeRecursively();
    const auto fail = [&](const QString &why) {
        QDir(partial).removeRecursively();
        made.problems << why << QStringLiteral("no backup was made");
        made.copied.clear();
        return made;
    };
    if (!QDir().mkpath(partial))
        return fail(QStringLiteral("cannot make the folder %1").arg(shown(partial)));

    QString manifest = QStringLiteral("# Tavrel backup of %1 at %2\n# size\tsha256\tfile\n")
                           .arg(shown(root), now.toString(Qt::ISODate));
    for (const Source &source : sources) {
        const QString relative = QDir(root).relativeFilePath(QDir::cleanPath(source.path));
        QByteArray bytes;
        QString why;
        const ReadOutcome read = source.locked ? readLocked(source.path, waitASecond, bytes, why)
                                               : readPlain(source.path, bytes, why);
        if (read == ReadOutcome::Absent) {
            made.absent << relative;
            continue;
        }
        if (read == ReadOutcome::Failed)
            return fail(why);

        const QString copy = partial + u'/' + relative;
        if (!QDir().mkpath(QFileInfo(copy).path()))
            return fail(QStringLiteral("cannot make the folder %1").arg(shown(QFileInfo(copy).path())));
        QSaveFile out(copy);
        if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit())
            return fail(QStringLiteral("cannot write %1: %2").arg(shown(copy), out.errorString()));
        QFile back(copy);
        if (!back.open(QIODevice::ReadOnly) || sha256(back.readAll()) != sha256(bytes) || back.size() != bytes.size())
            return fail(QStringLiteral("the copy %1 does not read back as written").arg(shown(copy)));
        manifest += QStringLiteral("%1\t%2\t%3\n").arg(bytes.size()).arg(QString::fromLatin1(sha256(bytes)), relative);
        made.copied << relative;
    }

    QSaveFile list(partial + u'/' + kManifest);
    const QByteArray listBytes = manifest.toUtf8();
    if (!list.open(QIODevice::WriteOnly) || list.write(listBytes) != listBytes.size() || !list.commit())
        return fail(QStringLiteral("cannot write %1: %2").arg(shown(list.fileName()), list.errorString()));
    if (!QDir().rename(partial, finished))
        return fail(QStringLiteral("cannot rename %1 to %2").arg(shown(partial), shown(finished)));
    made.made = true;
    made.folder = finished;
    return made;
}

Checked check(const QString &backupFolder)
{
    Checked checked;
    QFile list(backupFolder + u'/' + kManifest);
    if (!list.open(QIODevice::ReadOnly)) {
        checked.problems << QStringLiteral("%1 has no %2: it is not a backup").arg(shown(backupFolder), kManifest);
        return checked;
    }
    const QStringList lines = QString::fromUtf8(list.readAll()).split(u'\n');
    int lineNo = 0;
    for (const QString &line : lines) {
        ++lineNo;
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList fields = line.split(u'\t');
        bool sizeOk = false;
        const qint64 size = fields.value(0).toLongLong(&sizeOk);
        if (fields.size() != 3 || !sizeOk || fields[1].size() != 64 || fields[2].isEmpty()
            || QDir::cleanPath(fields[2]).startsWith(QStringLiteral(".."))) {
            checked.problems << QStringLiteral("%1 line %2 is damaged").arg(kManifest).arg(lineNo);
            continue;
        }
        const QString relative = fields[2];
        QFile copy(backupFolder + u'/' + relative);
        if (!copy.open(QIODevice::ReadOnly)) {
            checked.problems << QStringLiteral("%1: missing").arg(relative);
            continue;
        }
        const QByteArray bytes = copy.readAll();
        if (bytes.size() != size)
            checked.problems << QStringLiteral("%1: %2 bytes, the backup had %3").arg(relative).arg(bytes.size()).arg(size);
        else if (QString::fromLatin1(sha256(bytes)) != fields[1])
            checked.problems << QStringLiteral("%1: the checksum differs from the backup's").arg(relative);
        else
            ++checked.verified;
    }
    if (checked.verified == 0 && checked.problems.isEmpty())
        checked.problems << QStringLiteral("%1 lists no files").arg(kManifest);
    return checked;
}

} // namespace schoolbackup
