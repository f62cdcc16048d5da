#include "recordfile.h"

#include "sharedaccess.h"
#include "systemerror.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#ifdef _WIN32
#include <windows.h>

#include <algorithm>
#include <cstring>
#else
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

class Text
{
    Q_DECLARE_TR_FUNCTIONS(RecordFile)
};

} // namespace

#ifdef _WIN32

namespace {

HANDLE asHandle(std::intptr_t h)
{
    return reinterpret_cast<HANDLE>(h);
}

OVERLAPPED at(std::int64_t offset)
{
    OVERLAPPED o{};
    o.Offset = static_cast<DWORD>(static_cast<std::uint64_t>(offset) & 0xFFFFFFFFu);
    o.OffsetHigh = static_cast<DWORD>(static_cast<std::uint64_t>(offset) >> 32);
    return o;
}

bool isBusy(DWORD code)
{
    return code == ERROR_SHARING_VIOLATION || code == ERROR_LOCK_VIOLATION || code == ERROR_IO_PENDING;
}
} // namespace

void RecordFile::noteError()
{
    const DWORD code = GetLastError();
    wchar_t *text = nullptr;
    const DWORD len = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM
                                         | FORMAT_MESSAGE_IGNORE_INSERTS,
                                     nullptr, code, 0, reinterpret_cast<wchar_t *>(&text), 0, nullptr);
    m_error.description = len ? QString::fromWCharArray(text, len).trimmed() : QString::number(code);
    if (text)
        LocalFree(text);
    m_error.number = static_cast<int>(code);
}

RecordFile::Outcome RecordFile::open(const QString &path, Access access)
{
    close();
    const std::wstring name = QString(path).replace(u'/', u'\\').toStdWString();
    const HANDLE h = CreateFileW(name.c_str(), GENERIC_READ | (access == Access::ReadWrite ? GENERIC_WRITE : 0),
                                 FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                 access == Access::ReadWrite ? OPEN_ALWAYS : OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        const DWORD code = GetLastError();
        noteError();
        if (isBusy(code))
            return Outcome::Busy;
        if (code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND)
            return Outcome::NotFound;
        return Outcome::Failed;
    }
    m_handle = reinterpret_cast<std::intptr_t>(h);
    return Outcome::Done;
}

RecordFile::Outcome RecordFile::lock(LockKind kind)
{
    OVERLAPPED o = at(0);
    const DWORD flags = LOCKFILE_FAIL_IMMEDIATELY | (kind == LockKind::Exclusive ? LOCKFILE_EXCLUSIVE_LOCK : 0);
    if (LockFileEx(asHandle(m_handle), flags, 0, MAXDWORD, MAXDWORD, &o)) {
        m_locked = true;
        return Outcome::Done;
    }
    const DWORD code = GetLastError();
    noteError();
    return isBusy(code) ? Outcome::Busy : Outcome::Failed;
}

bool RecordFile::unlock()
{
    if (!m_locked)
        return true;
    OVERLAPPED o = at(0);
    m_locked = false;
    if (UnlockFileEx(asHandle(m_handle), 0, MAXDWORD, MAXDWORD, &o))
        return true;
    noteError();
    return false;
}

std::optional<FileIdentity> RecordFile::identity()
{
    BY_HANDLE_FILE_INFORMATION info{};
    if (GetFileInformationByHandle(asHandle(m_handle), &info))
        return FileIdentity{info.dwVolumeSerialNumber,
                            (std::uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow};
    noteError();
    return std::nullopt;
}

std::optional<std::int64_t> RecordFile::size()
{
    LARGE_INTEGER s{};
    if (GetFileSizeEx(asHandle(m_handle), &s))
        return static_cast<std::int64_t>(s.QuadPart);
    noteError();
    return std::nullopt;
}

bool RecordFile::readAt(std::int64_t offset, char *into, std::int64_t count)
{
    std::int64_t done = 0;
    while (done < count) {
        OVERLAPPED o = at(offset + done);
        const auto chunk = static_cast<DWORD>(std::min<std::int64_t>(count - done, 1 << 30));
        DWORD got = 0;
        if (!ReadFile(asHandle(m_handle), into + done, chunk, &got, &o)) {
            if (GetLastError() != ERROR_HANDLE_EOF) {
                noteError();
                return false;
            }
            got = 0;
        }
        if (got == 0) {
            std::memset(into + done, 0, static_cast<std::size_t>(count - done));
            return true;
        }
        done += got;
    }
    return true;
}

bool RecordFile::writeAt(std::int64_t offset, QByteArrayView bytes)
{
    OVERLAPPED o = at(offset);
    DWORD written = 0;
    if (!WriteFile(asHandle(m_handle), bytes.data(), static_cast<DWORD>(bytes.size()), &written, &o)) {
        noteError();
        return false;
    }
    if (written != static_cast<DWORD>(bytes.size())) {
        m_error = {Text::tr("short write"), 0};
        return false;
    }
    return true;
}

bool RecordFile::truncate(std::int64_t length)
{
    LARGE_INTEGER to{};
    to.QuadPart = length;
    if (SetFilePointerEx(asHandle(m_handle), to, nullptr, FILE_BEGIN) && SetEndOfFile(asHandle(m_handle)))
        return true;
    noteError();
    return false;
}

bool RecordFile::flush()
{
    if (FlushFileBuffers(asHandle(m_handle)))
        return true;
    noteError();
    return false;
}

void RecordFile::close()
{
    if (m_handle == -1)
        return;
    unlock();
    CloseHandle(asHandle(m_handle));
    m_handle = -1;
}

#else

namespace {
bool lockHeldElsewhere(int code)
{
    return code == EACCES || code == EAGAIN || code == EINTR;
}
} // namespace

void RecordFile::noteError()
{
    const int code = errno;
    m_error.description = systemerror::describe(code);
    m_error.number = code;
}

RecordFile::Outcome RecordFile::open(const QString &path, Access access)
{
    close();
    const QByteArray name = QFile::encodeName(path);
    const auto openWith = [&](int flags) {
        int fd = -1;
        do {
            fd = ::open(name.constData(), flags | O_CLOEXEC, 0666);
        } while (fd < 0 && errno == EINTR);
        return fd;
    };
    int fd = openWith(access == Access::ReadWrite ? O_RDWR : O_RDONLY);
    // A missing file is created by exactly one of the copies that find it missing, and that copy
    // gives it its folder's group and group write, so that every account of the school can
    // append to it after this one; a copy that loses the race opens what the other created.
    while (fd < 0 && errno == ENOENT && access == Access::ReadWrite) {
        fd = openWith(O_RDWR | O_CREAT | O_EXCL);
        if (fd >= 0) {
            sharedaccess::shareNewFile(fd, QFileInfo(path).absolutePath());
            break;
        }
        if (errno != EEXIST)
            break;
        fd = openWith(O_RDWR);
    }
    if (fd < 0) {
        const int code = errno;
        noteError();
        return code == ENOENT ? Outcome::NotFound : Outcome::Failed;
    }
    m_handle = fd;
    return Outcome::Done;
}

RecordFile::Outcome RecordFile::lock(LockKind kind)
{
    struct flock fl{};
    fl.l_type = kind == LockKind::Exclusive ? F_WRLCK : F_RDLCK;
    fl.l_whence = SEEK_SET;
    fl.l_start = 0;
    fl.l_len = 0; // to the end of the file, however far it grows
    if (::fcntl(static_cast<int>(m_handle), F_SETLK, &fl) == 0) {
        m_locked = true;
        return Outcome::Done;
    }
    const int code = errno;
    noteError();
    return lockHeldElsewhere(code) ? Outcome::Busy : Outcome::Failed;
}

bool RecordFile::unlock()
{
    if (!m_locked)
        return true;
    m_locked = false;
    struct flock fl{};
    fl.l_type = F_UNLCK;
    fl.l_whence = SEEK_SET;
    fl.l_start = 0;
    fl.l_len = 0;
    if (::fcntl(static_cast<int>(m_handle), F_SETLK, &fl) == 0)
        return true;
    noteError();
    return false;
}

std::optional<FileIdentity> RecordFile::identity()
{
    struct stat st{};
    if (::fstat(static_cast<int>(m_handle), &st) == 0)
        return FileIdentity{static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino)};
    noteError();
    return std::nullopt;
}

std::optional<std::int64_t> RecordFile::size()
{
    struct stat st{};
    if (::fstat(static_cast<int>(m_handle), &st) == 0)
        return static_cast<std::int64_t>(st.st_size);
    noteError();
    return std::nullopt;
}

bool RecordFile::readAt(std::int64_t offset, char *into, std::int64_t count)
{
    std::int64_t done = 0;
    while (done < count) {
        const ssize_t got = ::pread(static_cast<int>(m_handle), into + done, static_cast<size_t>(count - done),
                                    static_cast<off_t>(offset + done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            noteError();
            return false;
        }
        if (got == 0) {
            std::memset(into + done, 0, static_cast<std::size_t>(count - done));
            return true;
        }
        done += got;
    }
    return true;
}

bool RecordFile::writeAt(std::int64_t offset, QByteArrayView bytes)
{
    std::int64_t done = 0;
    while (done < bytes.size()) {
        const ssize_t put = ::pwrite(static_cast<int>(m_handle), bytes.data() + done,
                                     static_cast<size_t>(bytes.size() - done), static_cast<off_t>(offset + done));
        if (put < 0 && errno == EINTR)
            continue;
        if (put < 0) {
            noteError();
            return false;
        }
        if (put == 0) {
            m_error = {Text::tr("nothing written"), 0};
            return false;
        }
        done += put;
    }
    return true;
}

bool RecordFile::truncate(std::int64_t length)
{
    int done = -1;
    do {
        done = ::ftruncate(static_cast<int>(m_handle), static_cast<off_t>(length));
    } while (done != 0 && errno == EINTR);
    if (done == 0)
        return true;
    noteError();
    return false;
}

bool RecordFile::flush()
{
    if (::fsync(static_cast<int>(m_handle)) == 0)
        return true;
    noteError();
    return false;
}

void RecordFile::close()
{
    if (m_handle == -1)
        return;
    unlock();
    ::close(static_cast<int>(m_handle));
    m_handle = -1;
}

#endif

RecordFile::~RecordFile()
{
    close();
}

bool RecordFile::isOpen() const
{
    return m_handle != -1;
}
