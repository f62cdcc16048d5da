#include "sharedaccess.h"

#include "systemerror.h"

#include <QFile>
#include <QFileInfo>

#ifndef _WIN32
#include <cerrno>
#include <fcntl.h>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace sharedaccess {

#ifdef _WIN32

QString shareNewFile(int, const QString &)
{
    return {};
}

QString shareNewPath(const QString &)
{
    return {};
}

QString inheritFrom(const QString &, const QString &)
{
    return {};
}

QString grant(const QString &, unsigned, unsigned)
{
    return {};
}

std::optional<unsigned> groupId(const QString &)
{
    return std::nullopt;
}

QString groupName(unsigned gid)
{
    return QString::number(gid);
}

#else

namespace {

QString reason(int code)
{
    return systemerror::describe(code);
}

// Opens what `path` names itself, never a link's target; -1 with errno set otherwise.
int openNoFollow(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    int fd = -1;
    do {
        fd = ::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

// Gives the object behind `fd` the group `gid` and the permission bits `mode`; the owner too
// when `uid` is not -1.
QString apply(int fd, const struct stat &now, uid_t uid, gid_t gid, mode_t mode)
{
    if (now.st_gid != gid || (uid != static_cast<uid_t>(-1) && now.st_uid != uid)) {
        if (::fchown(fd, uid, gid) != 0)
            return reason(errno);
    }
    // Changing the group may clear the set-group-ID bit, so the mode is always set afterwards.
    if ((now.st_mode & 07777) != mode || now.st_gid != gid) {
        if (::fchmod(fd, mode) != 0)
            return reason(errno);
    }
    return {};
}

QString shareLikeFolder(int fd, const struct stat &folder)
{
    struct stat own{};
    if (::fstat(fd, &own) != 0)
        return reason(errno);
    mode_t mode = own.st_mode & 07777;
    if (folder.st_mode & S_IWGRP) {
        mode |= S_IRGRP | S_IWGRP;
        if (S_ISDIR(own.st_mode))
            mode |= S_IXGRP | (folder.st_mode & S_ISGID);
    }
    return apply(fd, own, static_cast<uid_t>(-1), folder.st_gid, mode);
}

class Descriptor
{
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return m_fd; }

private:
    int m_fd = -1;
};

QString folderOf(const QString &path)
{
    return QFileInfo(path).absolutePath();
}

// Opens what `path` names itself and hands its descriptor and state to `change`; the system's
// reason when it cannot.
template <typename Change>
QString changeOpened(const QString &path, const Change &change)
{
    const Descriptor fd(openNoFollow(path));
    if (fd.get() < 0)
        return reason(errno);
    struct stat now{};
    if (::fstat(fd.get(), &now) != 0)
        return reason(errno);
    return change(fd.get(), now);
}

} // namespace

QString shareNewFile(int fd, const QString &folder)
{
    struct stat parent{};
    if (::stat(QFile::encodeName(folder).constData(), &parent) != 0)
        return reason(errno);
    return shareLikeFolder(fd, parent);
}

QString shareNewPath(const QString &path)
{
    const Descriptor fd(openNoFollow(path));
    if (fd.get() < 0)
        return reason(errno);
    return shareNewFile(fd.get(), folderOf(path));
}

QString inheritFrom(const QString &oldPath, const QString &newPath)
{
    struct stat old{};
    if (::lstat(QFile::encodeName(oldPath).constData(), &old) != 0 || !S_ISREG(old.st_mode)) {
        const Descriptor fd(openNoFollow(newPath));
        if (fd.get() < 0)
            return reason(errno);
        return shareNewFile(fd.get(), folderOf(oldPath));
    }
    return changeOpened(newPath, [&](int fd, const struct stat &now) {
        const uid_t owner = ::geteuid() == 0 ? old.st_uid : static_cast<uid_t>(-1);
        return apply(fd, now, owner, old.st_gid, old.st_mode & 07777);
    });
}

QString grant(const QString &path, unsigned gid, unsigned bits)
{
    return changeOpened(path, [&](int fd, const struct stat &now) {
        return apply(fd, now, static_cast<uid_t>(-1), static_cast<gid_t>(gid),
                     static_cast<mode_t>((now.st_mode & 07777) | (bits & 07777)));
    });
}

std::optional<unsigned> groupId(const QString &group)
{
    bool number = false;
    const uint id = group.toUInt(&number);
    if (number)
        return id;
    if (const struct group *found = ::getgrnam(group.toLocal8Bit().constData()))
        return static_cast<unsigned>(found->gr_gid);
    return std::nullopt;
}

QString groupName(unsigned gid)
{
    const struct group *named = ::getgrgid(static_cast<gid_t>(gid));
    return named ? QString::fromLocal8Bit(named->gr_name) : QString::number(gid);
}

#endif

} // namespace sharedaccess
