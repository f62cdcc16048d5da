#pragma once

#include <QString>

#include <cstdint>

// Keeps a second copy of the program from running on the same program folder of the same
// machine, whoever started it. The lock is a kernel lock on a file in the system's temporary
// folder, one file per program folder: the kernel releases it when its owner ends, however it
// ends, and the file itself is never deleted, so a copy that crashed, or one that ran under
// another account (whose files a shared temporary folder does not let others remove), never
// locks pupils out. The file is opened for reading only when it belongs to another account.
class InstanceLock
{
public:
    explicit InstanceLock(const QString &programFolder);
    ~InstanceLock();
    InstanceLock(const InstanceLock &) = delete;
    InstanceLock &operator=(const InstanceLock &) = delete;

    // True when this copy now holds the lock (or already held it); false while another copy
    // that is still running holds it.
    bool acquire();

    QString lockFilePath() const { return m_path; }
    static QString lockFilePathFor(const QString &programFolder);

private:
    QString m_path;
    std::intptr_t m_handle = -1;
};
