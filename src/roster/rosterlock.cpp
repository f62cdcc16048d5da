#include "rosterlock.h"

#include "sharedaccess.h"

#include <QFileInfo>

#include <cerrno>
#include <cstring>

RosterLock::RosterLock(const QString &rosterPath)
    : m_path(lockPath(rosterPath))
{
}

QString RosterLock::lockPath(const QString &rosterPath)
{
    return rosterPath + QStringLiteral(".lock");
}

RosterLock::Outcome RosterLock::take(int attempts, const std::function<void()> &wait)
{
    m_error.clear();
    const QFileInfo info(m_path);
    if (info.isSymLink()) {
        m_error = QString::fromLocal8Bit(std::strerror(ELOOP)); // as opening it without following would say
        return Outcome::Failed;
    }
    const bool made = !info.exists();
    if (m_file.open(m_path, RecordFile::Access::ReadWrite) != RecordFile::Outcome::Done) {
        m_error = m_file.error().description;
        return Outcome::Failed;
    }
    if (made)
        sharedaccess::shareNewPath(m_path);
    for (int attempt = 1;; ++attempt) {
        const RecordFile::Outcome locked = m_file.lock(RecordFile::LockKind::Exclusive);
        if (locked == RecordFile::Outcome::Done)
            return Outcome::Locked;
        if (locked != RecordFile::Outcome::Busy) {
            m_error = m_file.error().description;
            m_file.close();
            return Outcome::Failed;
        }
        if (attempt >= attempts) {
            m_file.close();
            return Outcome::Busy;
        }
        wait();
    }
}

void RosterLock::release()
{
    m_file.close();
}
