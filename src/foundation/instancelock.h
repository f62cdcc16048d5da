#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

// Keeps a second copy of the program from running on the same program folder. The lock lives in
// the system's temporary folder, one per program folder; it is released when the first copy
// ends, and a lock left behind by a copy that crashed is recognised as stale and taken over, so
// a crash never locks pupils out.
class InstanceLock
{
public:
    explicit InstanceLock(const QString &programFolder);

    // True when this copy now holds the lock (or already held it).
    bool acquire();

    QString lockFilePath() const { return m_path; }
    static QString lockFilePathFor(const QString &programFolder);

private:
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};
