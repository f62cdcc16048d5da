#include "instancelock.h"

#include "folderscheme.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

QString lockFileName(const QString &programFolder)
{
    return QStringLiteral("tavrel-") + folderscheme::key(programFolder) + QStringLiteral(".instance");
}

#ifdef _WIN32

std::intptr_t openLockFile(const QString &path)
{
    // Opened without sharing: the system closes the handle, and so frees the file, with the process.
    const HANDLE h = CreateFileW(reinterpret_cast<const wchar_t *>(QDir::toNativeSeparators(path).utf16()),
                                 GENERIC_READ, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    return h == INVALID_HANDLE_VALUE ? -1 : reinterpret_cast<std::intptr_t>(h);
}

enum class Taken { Yes, HeldElsewhere, CannotOpen };

Taken take(const QString &path, std::intptr_t &handle)
{
    handle = openLockFile(path);
    if (handle != -1)
        return Taken::Yes;
    return GetLastError() == ERROR_SHARING_VIOLATION ? Taken::HeldElsewhere : Taken::CannotOpen;
}

void release(std::intptr_t handle)
{
    CloseHandle(reinterpret_cast<HANDLE>(handle));
}

#else

enum class Taken { Yes, HeldElsewhere, CannotOpen };

Taken take(const QString &path, std::intptr_t &handle)
{
    const QByteArray name = QFile::encodeName(path);
    constexpr int kFlags = O_CLOEXEC | O_NOFOLLOW;
    int fd = ::open(name.constData(), O_RDWR | O_CREAT | kFlags, 0644);
    if (fd >= 0) {
        // Readable by every account whatever the creator's umask, so that their copies see the lock.
        struct stat st{};
        if (::fstat(fd, &st) == 0 && st.st_uid == ::geteuid())
            ::fchmod(fd, 0644);
    } else {
        // Another account's file: a read-only descriptor takes the same lock.
        fd = ::open(name.constData(), O_RDONLY | kFlags);
    }
    if (fd < 0)
        return Taken::CannotOpen;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return Taken::HeldElsewhere;
    }
    handle = fd;
    return Taken::Yes;
}

void release(std::intptr_t handle)
{
    ::close(static_cast<int>(handle));
}

#endif

} // namespace

QString InstanceLock::lockFilePathFor(const QString &programFolder)
{
    return QDir::tempPath() + u'/' + lockFileName(programFolder);
}

InstanceLock::InstanceLock(const QString &programFolder)
    : m_path(lockFilePathFor(programFolder))
{
}

InstanceLock::~InstanceLock()
{
    if (m_handle != -1)
        release(m_handle);
}

bool InstanceLock::acquire()
{
    if (m_handle != -1)
        return true;
    const Taken taken = take(m_path, m_handle);
    if (taken != Taken::CannotOpen)
        return taken == Taken::Yes;
    // A shared lock file this account can neither create nor read is no proof of a running copy;
    // the account's own runtime folder still keeps two of its copies apart.
    const QString own = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (own.isEmpty())
        return true;
    m_path = own + u'/' + QFileInfo(m_path).fileName();
    return take(m_path, m_handle) != Taken::HeldElsewhere;
}
