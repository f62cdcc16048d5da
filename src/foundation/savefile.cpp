#include "savefile.h"

#include "sharedaccess.h"
#include "systemerror.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>

#ifdef _WIN32
#include <QSaveFile>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace savefile {

Outcome replace(const QString &path, const QByteArray &bytes)
{
    return replace(path, bytes, Options());
}

#ifdef _WIN32

Outcome replace(const QString &path, const QByteArray &bytes, const Options &)
{
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        return {false, systemerror::describe(file, errno)};
    errno = 0;
    const bool written = file.write(bytes) == bytes.size() && file.flush() && file.error() == QFileDevice::NoError;
    if (!written) {
        const QString error = systemerror::describe(file, errno);
        file.cancelWriting();
        return {false, error};
    }
    if (!file.commit())
        return {false, systemerror::describe(file, errno)};
    return {true, QString()};
}

void syncFolder(const QString &)
{
}

#else

namespace {

QString reason(int code)
{
    return systemerror::describe(code);
}

// The new file beside the target; removed unless it took the target's place.
class NewFile
{
public:
    NewFile() = default;
    ~NewFile()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        if (!m_name.isEmpty())
            ::unlink(m_name.constData());
    }
    NewFile(const NewFile &) = delete;
    NewFile &operator=(const NewFile &) = delete;

    // Creates "<target>.XXXXXX" with a random, unused suffix; never opens an existing file or
    // follows a link. False with errno set.
    bool create(const QByteArray &target, mode_t mode)
    {
        static constexpr char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
        for (int attempt = 0; attempt < 100; ++attempt) {
            QByteArray name = target + '.';
            for (int i = 0; i < 6; ++i)
                name += kLetters[QRandomGenerator::global()->bounded(static_cast<int>(sizeof kLetters - 1))];
            const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
            if (fd >= 0) {
                m_fd = fd;
                m_name = name;
                return true;
            }
            if (errno != EEXIST && errno != EINTR)
                return false;
        }
        errno = EEXIST;
        return false;
    }

    bool writeAll(const QByteArray &bytes)
    {
        qsizetype done = 0;
        while (done < bytes.size()) {
            const ssize_t put = ::write(m_fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
            if (put < 0 && errno == EINTR)
                continue;
            if (put < 0)
                return false;
            if (put == 0) {
                errno = EIO;
                return false;
            }
            done += put;
        }
        return true;
    }

    // What the disk has not taken yet is reported here at the latest (a network share often
    // reports a full disk only now). A file system that cannot sync at all is no failure.
    bool sync()
    {
        if (::fsync(m_fd) == 0 || errno == EINVAL || errno == ENOTSUP || errno == EOPNOTSUPP)
            return true;
        return false;
    }

    bool close()
    {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0 || errno == EINTR;
    }

    bool renameTo(const QByteArray &target)
    {
        if (::rename(m_name.constData(), target.constData()) != 0)
            return false;
        m_name.clear();
        return true;
    }

    const QByteArray &name() const { return m_name; }

private:
    int m_fd = -1;
    QByteArray m_name;
};

bool isRegularFile(const QByteArray &path)
{
    struct stat st{};
    return ::lstat(path.constData(), &st) == 0 && S_ISREG(st.st_mode);
}

} // namespace

Outcome replace(const QString &path, const QByteArray &bytes, const Options &options)
{
    const QByteArray target = QFile::encodeName(path);
    const bool replacing = isRegularFile(target);
    NewFile file;
    if (!file.create(target, options.executable && !replacing ? 0777 : 0666))
        return {false, reason(errno)};
    if (!file.writeAll(bytes) || !file.sync())
        return {false, reason(errno)};
    // A system that refuses the owner, group or mode leaves the file as made; the write stands.
    sharedaccess::inheritFrom(path, QFile::decodeName(file.name()));
    if (!file.close() || !file.renameTo(target))
        return {false, reason(errno)};
    syncFolder(QFileInfo(path).absolutePath());
    return {true, QString()};
}

void syncFolder(const QString &folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

#endif

} // namespace savefile
