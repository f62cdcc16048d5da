#include "workfolder.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <vector>

namespace workfolder {

namespace {

QString reason(int code)
{
    return QString::fromLocal8Bit(std::strerror(code));
}

void note(QString *error, int code)
{
    if (error)
        *error = reason(code);
}

// Removes the entry `name` of the folder open as `folder`; false with errno set.
bool removeAt(int folder, const char *name)
{
    struct stat st{};
    if (::fstatat(folder, name, &st, AT_SYMLINK_NOFOLLOW) != 0)
        return errno == ENOENT;
    if (!S_ISDIR(st.st_mode))
        return ::unlinkat(folder, name, 0) == 0 || errno == ENOENT;

    const int fd = ::openat(folder, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return false;
    DIR *dir = ::fdopendir(fd);
    if (!dir) {
        const int code = errno;
        ::close(fd);
        errno = code;
        return false;
    }
    std::vector<QByteArray> names;
    while (const dirent *entry = ::readdir(dir)) {
        if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0)
            names.emplace_back(entry->d_name);
    }
    bool removed = true;
    int code = 0;
    for (const QByteArray &entry : names) {
        if (!removeAt(::dirfd(dir), entry.constData())) {
            removed = false;
            code = errno;
        }
    }
    ::closedir(dir);
    if (!removed) {
        errno = code;
        return false;
    }
    return ::unlinkat(folder, name, AT_REMOVEDIR) == 0 || errno == ENOENT;
}

} // namespace

QString make(const QString &parent, const QString &prefix, QString *error)
{
    QByteArray name = QFile::encodeName(parent + u'/' + prefix) + "XXXXXX";
    if (!::mkdtemp(name.data())) {
        note(error, errno);
        return {};
    }
    return QFile::decodeName(name);
}

bool removeTree(const QString &path, QString *error)
{
    const QFileInfo info(path);
    const int parent = ::open(QFile::encodeName(info.absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (parent < 0) {
        if (errno == ENOENT)
            return true;
        note(error, errno);
        return false;
    }
    const bool removed = removeAt(parent, QFile::encodeName(info.fileName()).constData());
    const int code = errno;
    ::close(parent);
    if (!removed)
        note(error, code);
    return removed;
}

bool renameNew(const QString &from, const QString &to, bool *taken, QString *error)
{
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
    *taken = false;
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno == EEXIST) {
        *taken = true;
        note(error, errno);
        return false;
    }
    if (errno != EINVAL && errno != ENOSYS) {
        note(error, errno);
        return false;
    }
    // A file system that cannot refuse to replace (some network shares): look first. A folder
    // is never renamed onto a full one, so the worst a race gives is a failed rename.
    struct stat st{};
    if (::lstat(target.constData(), &st) == 0) {
        *taken = true;
        note(error, EEXIST);
        return false;
    }
    if (::rename(source.constData(), target.constData()) == 0)
        return true;
    *taken = errno == EEXIST || errno == ENOTEMPTY;
    note(error, errno);
    return false;
}

} // namespace workfolder
