#include "schoolbackup.h"

#include "answerlog.h"
#include "installation.h"
#include "questionbank.h"
#include "recordfile.h"
#include "savefile.h"
#include "sharedaccess.h"
#include "workfolder.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSysInfo>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <algorithm>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace schoolbackup {

namespace {

class Text
{
    Q_DECLARE_TR_FUNCTIONS(SchoolBackup)
};

const QByteArray kOwnerText = "tavrel-admin backup";
constexpr qint64 kReadChunk = 64 * 1024;
// Backups started in the same second by others take the names first; this many are tried.
constexpr int kRenameAttempts = 100;

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(QDir::cleanPath(path));
}

QString reason(int code)
{
    return QString::fromLocal8Bit(std::strerror(code));
}

QByteArray sha256(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

// Closes a descriptor when it goes.
class Descriptor
{
public:
    explicit Descriptor(int fd = -1) : m_fd(fd) {}
    ~Descriptor() { reset(); }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return m_fd; }
    void reset(int fd = -1)
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = fd;
    }

private:
    int m_fd = -1;
};

// Reads what fd has from where it stands, up to `limit` bytes; false with errno set.
bool readUpTo(int fd, qint64 limit, QByteArray &bytes)
{
    bytes.clear();
    while (bytes.size() < limit) {
        const qint64 chunk = std::min(kReadChunk, limit - bytes.size());
        const qsizetype at = bytes.size();
        bytes.resize(at + static_cast<qsizetype>(chunk));
        const ssize_t got = ::read(fd, bytes.data() + at, static_cast<size_t>(chunk));
        if (got < 0 && errno == EINTR) {
            bytes.resize(at);
            continue;
        }
        if (got < 0)
            return false;
        bytes.resize(at + got);
        if (got == 0)
            break;
    }
    return true;
}

QString kindOf(mode_t mode)
{
    if (S_ISLNK(mode))
        return Text::tr("a link");
    if (S_ISDIR(mode))
        return Text::tr("a folder");
    if (S_ISFIFO(mode))
        return Text::tr("a pipe");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return Text::tr("a device");
    return Text::tr("not a regular file");
}

enum class ReadOutcome { Read, Absent, Failed };

// Why the installation's file at path is not copied although it is there: it is a link, a pipe
// or a device, whose content is not the installation's own (or would hang the read).
std::optional<QString> notRegular(const QString &path)
{
    struct stat st{};
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0 || S_ISREG(st.st_mode))
        return std::nullopt;
    return Text::tr("%1 is %2, not a file of the installation; nothing is copied through it")
        .arg(shown(path), kindOf(st.st_mode));
}

// Reads a run log under the shared lock, so that no append is half done in what is read.
ReadOutcome readLocked(const QString &path, const std::function<void()> &waitASecond, QByteArray &bytes,
                       QString &why)
{
    if (const std::optional<QString> refused = notRegular(path)) {
        why = *refused;
        return ReadOutcome::Failed;
    }
    RecordFile file;
    const RecordFile::Outcome opened = file.open(path, RecordFile::Access::ReadOnly);
    if (opened == RecordFile::Outcome::NotFound)
        return ReadOutcome::Absent;
    if (opened != RecordFile::Outcome::Done) {
        why = Text::tr("cannot open %1: %2").arg(shown(path), file.error().description);
        return ReadOutcome::Failed;
    }
    for (int waited = 0;; ++waited) {
        const RecordFile::Outcome locked = file.lock(RecordFile::LockKind::Shared);
        if (locked == RecordFile::Outcome::Done)
            break;
        if (locked != RecordFile::Outcome::Busy) {
            why = Text::tr("cannot lock %1: %2").arg(shown(path), file.error().description);
            return ReadOutcome::Failed;
        }
        if (waited >= kLockWaitSeconds) {
            why = Text::tr("%1 stayed locked by another program for %2 seconds").arg(shown(path)).arg(kLockWaitSeconds);
            return ReadOutcome::Failed;
        }
        waitASecond();
    }
    const std::optional<std::int64_t> size = file.size();
    if (!size) {
        why = Text::tr("cannot read %1: %2").arg(shown(path), file.error().description);
        return ReadOutcome::Failed;
    }
    bytes.resize(static_cast<qsizetype>(*size));
    if (*size > 0 && !file.readAt(0, bytes.data(), *size)) {
        why = Text::tr("cannot read %1: %2").arg(shown(path), file.error().description);
        return ReadOutcome::Failed;
    }
    file.close();
    return ReadOutcome::Read;
}

ReadOutcome readPlain(const QString &path, QByteArray &bytes, QString &why)
{
    if (const std::optional<QString> refused = notRegular(path)) {
        why = *refused;
        return ReadOutcome::Failed;
    }
    const Descriptor fd(::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat st{};
    if (fd.get() < 0 && errno == ENOENT)
        return ReadOutcome::Absent;
    if (fd.get() < 0 || ::fstat(fd.get(), &st) != 0 || !readUpTo(fd.get(), st.st_size, bytes)) {
        why = Text::tr("cannot read %1: %2").arg(shown(path), reason(errno));
        return ReadOutcome::Failed;
    }
    if (!S_ISREG(st.st_mode)) {
        why = Text::tr("%1 is %2, not a file of the installation").arg(shown(path), kindOf(st.st_mode));
        return ReadOutcome::Failed;
    }
    return ReadOutcome::Read;
}

QString freeFolderName(const QString &dest, const QString &prefix, const QDateTime &now, int from)
{
    const QString base = prefix + now.toString(QStringLiteral("yyyy-MM-dd_HHmmss"));
    QString name = from > 1 ? base + u'-' + QString::number(from) : base;
    for (int n = std::max(from, 1) + 1; QFileInfo::exists(dest + u'/' + name) || QFileInfo(dest + u'/' + name).isSymLink(); ++n)
        name = base + u'-' + QString::number(n);
    return name;
}

// The owner file of a working folder, locked for as long as this backup runs: record locks are
// released with their process, however it ends, and are seen by every PC on a share.
class OwnerFile
{
public:
    bool take(const QString &folder, QString &why)
    {
        m_path = folder + u'/' + kOwnerFile;
        const QByteArray text = kOwnerText + " " + QByteArray::number(::getpid()) + " "
                                + QSysInfo::machineHostName().toUtf8() + "\n";
        if (m_file.open(m_path, RecordFile::Access::ReadWrite) != RecordFile::Outcome::Done
            || m_file.lock(RecordFile::LockKind::Exclusive) != RecordFile::Outcome::Done || !m_file.writeAt(0, text)) {
            why = Text::tr("cannot make %1: %2").arg(shown(m_path), m_file.error().description);
            return false;
        }
        return true;
    }
    // Removed while still locked, so that no later backup ever takes the folder for a stopped one.
    void remove()
    {
        if (!m_path.isEmpty())
            QFile::remove(m_path);
        m_path.clear();
        m_file.close();
    }

private:
    QString m_path;
    RecordFile m_file;
};

// Removes the working folders under dest that backups of this account left when they were
// killed: a folder named as make() names them, owned by this account, whose owner file no
// running backup holds (and which that backup filled in, or long ago). Anything else, links
// included, is left alone.
QStringList clearStale(const QString &dest)
{
    static const QRegularExpression working(QStringLiteral("^\\.tavrel-.+\\.partial-[A-Za-z0-9]{6}$"));
    QStringList cleared;
    const QStringList names =
        QDir(dest).entryList(QDir::Dirs | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot | QDir::NoSymLinks);
    for (const QString &name : names) {
        if (!working.match(name).hasMatch())
            continue;
        const QString folder = dest + u'/' + name;
        struct stat st{};
        if (::lstat(QFile::encodeName(folder).constData(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::geteuid())
            continue;
        const bool old = std::time(nullptr) - st.st_mtime > kUnfinishedAfterSeconds;
        const Descriptor owner(::open(QFile::encodeName(folder + u'/' + kOwnerFile).constData(),
                                      O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        if (owner.get() < 0) {
            // Killed before its owner file was made: an empty folder, removed once it is old.
            if (errno == ENOENT && old && ::rmdir(QFile::encodeName(folder).constData()) == 0)
                cleared << folder;
            continue;
        }
        struct stat ownerStat{};
        struct flock whole{};
        whole.l_type = F_WRLCK;
        whole.l_whence = SEEK_SET;
        if (::fstat(owner.get(), &ownerStat) != 0 || !S_ISREG(ownerStat.st_mode) || ::fcntl(owner.get(), F_SETLK, &whole) != 0)
            continue; // a backup is still working in it
        // The lock is free. On this machine that proves the backup gone; a backup of another
        // machine may sit on a share whose locks this machine does not see, so its folder must
        // also be old.
        QByteArray text;
        if (!readUpTo(owner.get(), 256, text))
            continue;
        const QList<QByteArray> fields = text.trimmed().split(' ');
        const bool here = text.startsWith(kOwnerText + ' ') && fields.size() == 4
                          && QString::fromUtf8(fields[3]) == QSysInfo::machineHostName();
        if (!here && !old)
            continue;
        if (workfolder::removeTree(folder, nullptr))
            cleared << folder;
    }
    return cleared;
}

// A path as sha256sum writes it: a name holding a backslash or a line break is escaped and its
// line starts with a backslash.
QString checksumLine(const QByteArray &hash, const QString &relative)
{
    if (!relative.contains(u'\\') && !relative.contains(u'\n') && !relative.contains(u'\r'))
        return QString::fromLatin1(hash) + QStringLiteral("  ") + relative;
    QString escaped = relative;
    escaped.replace(u'\\', QStringLiteral("\\\\")).replace(u'\n', QStringLiteral("\\n")).replace(u'\r', QStringLiteral("\\r"));
    return u'\\' + QString::fromLatin1(hash) + QStringLiteral("  ") + escaped;
}

std::optional<QString> unescaped(QStringView name)
{
    QString plain;
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (name[i] != u'\\') {
            plain += name[i];
            continue;
        }
        if (++i == name.size())
            return std::nullopt;
        if (name[i] == u'\\')
            plain += u'\\';
        else if (name[i] == u'n')
            plain += u'\n';
        else if (name[i] == u'r')
            plain += u'\r';
        else
            return std::nullopt;
    }
    return plain;
}

struct Entry
{
    int line = 0;
    qint64 size = 0;
    QString hash; // 64 lower-case hexadecimal digits
    QString relative;
};

bool isHash(QStringView text)
{
    if (text.size() != 64)
        return false;
    for (const QChar c : text) {
        if (!(c >= u'0' && c <= u'9') && !(c >= u'a' && c <= u'f') && !(c >= u'A' && c <= u'F'))
            return false;
    }
    return true;
}

std::optional<qint64> sizeValue(QStringView text)
{
    if (text.isEmpty() || text.size() > 18)
        return std::nullopt;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
    }
    return text.toLongLong();
}

// The entries of a manifest: "# size N" followed by a sha256sum line (what make() writes), or
// "size<TAB>checksum<TAB>path" (earlier backups). Lines end in LF, CR LF or CR.
std::vector<Entry> parseManifest(const QString &text, QStringList &problems)
{
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\n|\r"));
    static const QRegularExpression sizeComment(QStringLiteral("^#\\s*size\\s+(\\S+)\\s*$"));
    std::vector<Entry> entries;
    // The size of the "# size" comment before the next checksum line; -1 when none came.
    qint64 pendingSize = -1;
    int lineNo = 0;
    QString body = text;
    if (body.startsWith(QChar(0xFEFF)))
        body.remove(0, 1);
    const QStringList lines = body.split(lineEnd);
    for (const QString &line : lines) {
        ++lineNo;
        const auto damaged = [&] { problems << Text::tr("%1 line %2 is damaged").arg(kManifest).arg(lineNo); };
        if (line.isEmpty())
            continue;
        if (line.startsWith(u'#')) {
            if (const QRegularExpressionMatch m = sizeComment.match(line); m.hasMatch()) {
                pendingSize = sizeValue(m.capturedView(1)).value_or(-1);
                if (pendingSize < 0)
                    damaged();
            }
            continue;
        }
        const QStringList tabbed = line.split(u'\t');
        if (tabbed.size() == 3) {
            const std::optional<qint64> size = sizeValue(tabbed[0]);
            if (!size || !isHash(tabbed[1]) || tabbed[2].isEmpty()) {
                damaged();
                continue;
            }
            entries.push_back({lineNo, *size, tabbed[1].toLower(), tabbed[2]});
            continue;
        }
        // sha256sum's own format: checksum, a space, a space or "*", the name.
        const bool escapedLine = line.startsWith(u'\\');
        const QStringView rest = QStringView(line).sliced(escapedLine ? 1 : 0);
        std::optional<QString> name;
        if (rest.size() > 66 && isHash(rest.first(64)) && rest[64] == u' ' && (rest[65] == u' ' || rest[65] == u'*'))
            name = escapedLine ? unescaped(rest.sliced(66)) : rest.sliced(66).toString();
        if (!name || name->isEmpty() || pendingSize < 0) {
            damaged();
            pendingSize = -1;
            continue;
        }
        entries.push_back({lineNo, pendingSize, rest.first(64).toString().toLower(), *name});
        pendingSize = -1;
    }
    return entries;
}

// The parts of a path the manifest lists, when it stays inside the backup: relative, without
// empty, "." or ".." parts.
std::optional<QStringList> insideParts(const QString &relative)
{
    if (relative.startsWith(u'/'))
        return std::nullopt;
    const QStringList parts = relative.split(u'/');
    for (const QString &part : parts) {
        if (part.isEmpty() || part == u"." || part == u"..")
            return std::nullopt;
    }
    return parts;
}

// Checks one listed file: it is reached from the backup folder through real folders only, is a
// regular file of the listed size, and reads (no further than that size) to the listed checksum.
// Empty when intact, otherwise what is wrong.
QString verify(int backup, const Entry &entry, QByteArray *content)
{
    const std::optional<QStringList> parts = insideParts(entry.relative);
    if (!parts)
        return Text::tr("%1: the path leaves the backup; not read").arg(entry.relative);
    Descriptor folder(::fcntl(backup, F_DUPFD_CLOEXEC, 0));
    for (qsizetype i = 0; i + 1 < parts->size(); ++i) {
        const QByteArray name = QFile::encodeName(parts->at(i));
        struct stat st{};
        if (::fstatat(folder.get(), name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0)
            return Text::tr("%1: missing").arg(entry.relative);
        if (!S_ISDIR(st.st_mode))
            return Text::tr("%1: %2 is %3 in the backup, not a folder; not read")
                .arg(entry.relative, parts->at(i), kindOf(st.st_mode));
        const int next = ::openat(folder.get(), name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (next < 0)
            return Text::tr("%1: cannot open the folder %2: %3").arg(entry.relative, parts->at(i), reason(errno));
        folder.reset(next);
    }
    const QByteArray name = QFile::encodeName(parts->last());
    struct stat st{};
    if (::fstatat(folder.get(), name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0)
        return Text::tr("%1: missing").arg(entry.relative);
    if (!S_ISREG(st.st_mode))
        return Text::tr("%1: %2 in the backup, not a file; not read").arg(entry.relative, kindOf(st.st_mode));
    const Descriptor file(::openat(folder.get(), name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat opened{};
    if (file.get() < 0 || ::fstat(file.get(), &opened) != 0)
        return Text::tr("%1: cannot read: %2").arg(entry.relative, reason(errno));
    if (!S_ISREG(opened.st_mode) || opened.st_ino != st.st_ino || opened.st_dev != st.st_dev)
        return Text::tr("%1: replaced while it was checked; not read").arg(entry.relative);
    if (opened.st_size != entry.size)
        return Text::tr("%1: %2 bytes, the backup had %3").arg(entry.relative).arg(opened.st_size).arg(entry.size);

    QCryptographicHash hash(QCryptographicHash::Sha256);
    qint64 total = 0;
    QByteArray chunk;
    // One byte more than listed is asked for, to see a file that grew while it was read.
    while (total <= entry.size) {
        if (!readUpTo(file.get(), std::min(kReadChunk, entry.size + 1 - total), chunk))
            return Text::tr("%1: cannot read: %2").arg(entry.relative, reason(errno));
        if (chunk.isEmpty())
            break;
        hash.addData(chunk);
        if (content)
            content->append(chunk);
        total += chunk.size();
    }
    if (total != entry.size)
        return Text::tr("%1: %2 bytes, the backup had %3").arg(entry.relative).arg(total).arg(entry.size);
    if (QString::fromLatin1(hash.result().toHex()) != entry.hash)
        return Text::tr("%1: the checksum differs from the backup's").arg(entry.relative);
    return {};
}

mode_t currentUmask()
{
    const mode_t mask = ::umask(022);
    ::umask(mask);
    return mask;
}

} // namespace

std::vector<Item> items(const Folders &folders)
{
    const QString root = QDir::cleanPath(folders.appFolder + QStringLiteral(".."));
    std::vector<Item> list = {
        {folders.dataFolder + QStringLiteral("成績累積データ.dat"), {}, Guard::RunLog},
        {folders.filesFolder + QStringLiteral("成績累積データ家庭用.dat"), {}, Guard::RunLog},
        {answerlog::answerLogPath(folders), {}, Guard::RunLog},
        {folders.filesFolder + QStringLiteral("生徒用名簿.txt"), {}, Guard::Roster},
        {folders.filesFolder + QStringLiteral("生徒用名簿temp.txt"), {}, Guard::Roster},
        {folders.filesFolder + QStringLiteral("生徒用名簿クラス.txt"), {}, Guard::Roster},
        {folders.appFolder + QStringLiteral("設定.txt"), {}, Guard::None},
        {folders.filesFolder + QStringLiteral("共通データ.txt"), {}, Guard::None},
        {folders.dataFolder + QStringLiteral("タイム回数データ.txt"), {}, Guard::None},
        {folders.soundFolder + QStringLiteral("新音ファイル.txt"), {}, Guard::None},
        {QuestionBank::storedFileName(folders.appFolder + QStringLiteral("Morvidかな0.csv")), {}, Guard::None},
    };
    for (Item &item : list) {
        item.path = QDir::cleanPath(item.path);
        item.relative = QDir(root).relativeFilePath(item.path);
    }
    return list;
}

Made make(const Folders &folders, const QString &dest, const QDateTime &now,
          const std::function<void()> &waitASecond, const QString &namePrefix)
{
    Made made;
    const QString root = QDir::cleanPath(folders.appFolder + QStringLiteral(".."));
    const std::vector<Item> sources = items(folders);

    const bool destExisted = QFileInfo::exists(dest);
    if (!QDir().mkpath(dest)) {
        made.problems << Text::tr("cannot make the folder %1").arg(shown(dest));
        return made;
    }
    if (!destExisted)
        sharedaccess::shareNewPath(dest);
    const QString destination = QDir(dest).absolutePath();
    made.cleared = clearStale(destination);

    QString why;
    const QString partial =
        workfolder::make(destination, u'.' + freeFolderName(destination, namePrefix, now, 1) + QStringLiteral(".partial-"), &why);
    if (partial.isEmpty()) {
        made.problems << Text::tr("cannot make a working folder in %1: %2").arg(shown(destination), why)
                      << Text::tr("no backup was made");
        return made;
    }
    OwnerFile owner;
    const auto fail = [&](const QString &problem) {
        owner.remove();
        workfolder::removeTree(partial, nullptr);
        made.problems << problem << Text::tr("no backup was made");
        made.copied.clear();
        return made;
    };
    if (!owner.take(partial, why))
        return fail(why);

    // What this backup creates inside the working folder, in order, to be shared at the end.
    QStringList created;
    QString rootShown = shown(root);
    rootShown.replace(u'\n', u' ').replace(u'\r', u' ');
    QString manifest = QStringLiteral("# Tavrel backup of %1 at %2\n"
                                      "# Check it with \"tavrel-admin backup --check FOLDER\", or inside it with "
                                      "\"sha256sum -c %3\".\n"
                                      "# Each file: its size in bytes, then its SHA-256 checksum as sha256sum writes it.\n")
                           .arg(rootShown, now.toString(Qt::ISODate), kManifest);
    for (const Item &source : sources) {
        const QString &relative = source.relative;
        QByteArray bytes;
        const ReadOutcome read = source.guard == Guard::RunLog ? readLocked(source.path, waitASecond, bytes, why)
                                               : readPlain(source.path, bytes, why);
        if (read == ReadOutcome::Absent) {
            made.absent << relative;
            continue;
        }
        if (read == ReadOutcome::Failed)
            return fail(why);

        const QString copy = partial + u'/' + relative;
        QString folder = partial;
        for (const QString &part : QFileInfo(relative).path().split(u'/', Qt::SkipEmptyParts)) {
            if (part == u".")
                continue;
            folder += u'/' + part;
            if (QFileInfo(folder).isDir())
                continue;
            if (::mkdir(QFile::encodeName(folder).constData(), 0777) != 0)
                return fail(Text::tr("cannot make the folder %1: %2").arg(shown(folder), reason(errno)));
            created << folder;
        }
        const savefile::Outcome written = savefile::replace(copy, bytes);
        if (!written.saved)
            return fail(Text::tr("cannot write %1: %2").arg(shown(copy), written.error));
        created << copy;
        QFile back(copy);
        if (!back.open(QIODevice::ReadOnly) || sha256(back.readAll()) != sha256(bytes) || back.size() != bytes.size())
            return fail(Text::tr("the copy %1 does not read back as written").arg(shown(copy)));
        manifest += QStringLiteral("# size %1\n").arg(bytes.size()) + checksumLine(sha256(bytes), relative) + u'\n';
        made.copied << relative;
    }

    const QString list = partial + u'/' + kManifest;
    const savefile::Outcome listed = savefile::replace(list, manifest.toUtf8());
    if (!listed.saved)
        return fail(Text::tr("cannot write %1: %2").arg(shown(list), listed.error));
    created << list;

    // Complete: from now on the backup is the school's, like any folder made in dest.
    ::chmod(QFile::encodeName(partial).constData(), 0777 & ~currentUmask());
    sharedaccess::shareNewPath(partial);
    for (const QString &path : std::as_const(created))
        sharedaccess::shareNewPath(path);
    owner.remove();
    for (int from = 1; from <= kRenameAttempts; ++from) {
        const QString finished = destination + u'/' + freeFolderName(destination, namePrefix, now, from);
        bool taken = false;
        if (workfolder::renameNew(partial, finished, &taken, &why)) {
            made.made = true;
            made.folder = finished;
            return made;
        }
        if (!taken || from == kRenameAttempts)
            return fail(Text::tr("cannot rename %1 to %2: %3").arg(shown(partial), shown(finished), why));
    }
    return fail(Text::tr("cannot name %1").arg(shown(partial)));
}

namespace {

Checked verifyAll(const QString &backupFolder, bool keepContent)
{
    Checked checked;
    const Descriptor folder(::open(QFile::encodeName(backupFolder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    const Descriptor list(folder.get() < 0 ? -1
                                           : ::openat(folder.get(), QFile::encodeName(kManifest).constData(),
                                                      O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat st{};
    if (list.get() < 0 || ::fstat(list.get(), &st) != 0 || !S_ISREG(st.st_mode)) {
        checked.problems << Text::tr("%1 has no %2: it is not a backup").arg(shown(backupFolder), kManifest);
        return checked;
    }
    QByteArray bytes;
    if (st.st_size > kManifestLimit || !readUpTo(list.get(), kManifestLimit + 1, bytes) || bytes.size() > kManifestLimit) {
        checked.problems << Text::tr("%1 is larger than a manifest can be: it is not a backup").arg(kManifest);
        return checked;
    }
    const std::vector<Entry> entries = parseManifest(QString::fromUtf8(bytes), checked.problems);
    for (const Entry &entry : entries) {
        QByteArray content;
        const QString problem = verify(folder.get(), entry, keepContent ? &content : nullptr);
        if (!problem.isEmpty()) {
            checked.problems << problem;
            continue;
        }
        ++checked.verified;
        if (keepContent)
            checked.files.push_back({entry.relative, content});
    }
    if (checked.verified == 0 && checked.problems.isEmpty())
        checked.problems << Text::tr("%1 lists no files").arg(kManifest);
    return checked;
}

// The moment and the number of a backup's name ("tavrel-2024-06-10_153000-2": that second, the
// second backup of it), when the name is one make() gives with kNamePrefix.
std::optional<std::pair<QString, int>> backupOrder(const QString &name)
{
    static const QRegularExpression pattern(QStringLiteral("^tavrel-(\\d{4}-\\d{2}-\\d{2}_\\d{6})(?:-(\\d{1,4}))?$"));
    const QRegularExpressionMatch m = pattern.match(name);
    if (!m.hasMatch())
        return std::nullopt;
    return std::pair<QString, int>{m.captured(1), m.hasCaptured(2) ? m.captured(2).toInt() : 1};
}

} // namespace

Checked check(const QString &backupFolder)
{
    return verifyAll(backupFolder, false);
}

Checked load(const QString &backupFolder)
{
    return verifyAll(backupFolder, true);
}

bool isRotatedName(const QString &name)
{
    return backupOrder(name).has_value();
}

Rotated rotate(const QString &dest, const QString &justMade, int keep)
{
    Rotated rotated;
    const QString destination = QDir(dest).absolutePath();
    const QString made = QDir(justMade).absolutePath();
    struct Found
    {
        std::pair<QString, int> order;
        QString folder;
    };
    std::vector<Found> intact;
    const QStringList names = QDir(destination).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks, QDir::Name);
    for (const QString &name : names) {
        const std::optional<std::pair<QString, int>> order = backupOrder(name);
        const QString folder = destination + u'/' + name;
        struct stat st{};
        if (!order || folder == made || ::lstat(QFile::encodeName(folder).constData(), &st) != 0 || !S_ISDIR(st.st_mode))
            continue;
        if (!check(folder).problems.isEmpty()) {
            rotated.damaged << folder;
            continue;
        }
        intact.push_back({*order, folder});
    }
    // Newest first; the backup just made is always the first one kept.
    std::sort(intact.begin(), intact.end(), [](const Found &a, const Found &b) { return a.order > b.order; });
    for (std::size_t i = 0; i < intact.size(); ++i) {
        if (static_cast<int>(i) + 1 < keep)
            continue;
        QString why;
        if (workfolder::removeTree(intact[i].folder, &why))
            rotated.removed << intact[i].folder;
        else
            rotated.problems << Text::tr("cannot remove the old backup %1: %2").arg(shown(intact[i].folder), why);
    }
    return rotated;
}

} // namespace schoolbackup
