#pragma once

#include "recordfile.h"

#include <QString>

#include <functional>

// The one writer of the roster at a time. Whoever changes the roster (the name-change screen,
// the teachers' roster import) reads it, compares and writes it back while holding this lock, so
// that two writers on this PC or on several PCs sharing the folder never work from the same old
// copy and silently undo each other.
//
// The lock is a whole-file record lock (RecordFile) on "<roster>.lock" beside the roster, a file
// that is never replaced or removed: the roster itself is replaced by rename on every save, and a
// lock on a replaced file would guard nothing. The lock file is made on first use with the
// folder's group and group write (sharedaccess), so every account of the school can lock it; a
// link planted at its name is refused. The lock goes with the object or with its process.
class RosterLock
{
public:
    enum class Outcome {
        Locked,
        Busy,   // another writer held it for every attempt
        Failed, // the lock file cannot be made or opened; see error()
    };

    explicit RosterLock(const QString &rosterPath);

    static QString lockPath(const QString &rosterPath);

    // Tries to lock up to `attempts` times, calling `wait` between two attempts.
    Outcome take(int attempts, const std::function<void()> &wait);
    void release();

    // The system's reason when take() failed.
    const QString &error() const { return m_error; }

private:
    QString m_path;
    RecordFile m_file;
    QString m_error;
};
