#pragma once

#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <optional>

// What the operating system said when a file operation failed: its own text and code.
struct FileError
{
    QString description;
    int number = 0;
};

// Which file an open RecordFile is: the device and the file's number on it (on Windows the
// volume's serial number and the file index). A file put in place of another under the same
// name (a restored copy, a new log) has another identity while both exist; a number freed by a
// deleted file may be given again to a later one.
struct FileIdentity
{
    std::uint64_t device = 0;
    std::uint64_t number = 0;

    bool operator==(const FileIdentity &) const = default;
};

// A record file opened for random access, with a whole-file lock that other processes and other
// machines sharing the folder respect: fcntl record locks on POSIX systems, LockFileEx on
// Windows. No operation ever blocks; a lock held elsewhere is reported as Busy so the caller can
// wait while the screen keeps handling events.
//
// POSIX record locks belong to the process, and closing any descriptor of the file drops them;
// the program therefore never holds two RecordFiles on the same file at once.
class RecordFile
{
public:
    enum class Access {
        ReadOnly,  // the file must exist
        ReadWrite, // created empty when missing
    };
    enum class LockKind {
        Shared,    // readers: no writer may hold the file meanwhile
        Exclusive, // one appender at a time
    };
    enum class Outcome {
        Done,
        Busy,     // held by another user or process: try again later
        NotFound, // the file (ReadOnly) or its folder does not exist
        Failed,   // anything else; see error()
    };

    RecordFile() = default;
    ~RecordFile();
    RecordFile(const RecordFile &) = delete;
    RecordFile &operator=(const RecordFile &) = delete;

    Outcome open(const QString &path, Access access);
    // Locks the whole file, including bytes appended later.
    Outcome lock(LockKind kind);
    bool unlock();
    std::optional<std::int64_t> size();
    std::optional<FileIdentity> identity();
    // Reads `count` bytes starting `offset` bytes into the file. Bytes past the end of the file
    // (a file that shrank since its size was taken) read as zeros, as a record beyond the end
    // reads as an empty record; false only when the system reports an error.
    bool readAt(std::int64_t offset, char *into, std::int64_t count);
    bool writeAt(std::int64_t offset, QByteArrayView bytes);
    // Cuts the file to `length` bytes (or extends it with zeros): for a restore that puts a log
    // back in place under its lock, so that appenders waiting for the lock append after it.
    bool truncate(std::int64_t length);
    // Hands what was written to the storage, so that the next holder of the lock, on this
    // machine or another, reads it.
    bool flush();
    // Closing also releases the lock.
    void close();

    bool isOpen() const;
    const FileError &error() const { return m_error; }

private:
    void noteError();

    std::intptr_t m_handle = -1;
    bool m_locked = false;
    FileError m_error;
};
