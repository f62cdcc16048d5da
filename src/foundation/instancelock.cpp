#include "instancelock.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>

QString InstanceLock::lockFilePathFor(const QString &programFolder)
{
    QString folder = QFileInfo(programFolder).canonicalFilePath();
    if (folder.isEmpty())
        folder = QDir::cleanPath(QDir::fromNativeSeparators(programFolder));
    const QByteArray hash =
        QCryptographicHash::hash(folder.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    return QDir::tempPath() + QStringLiteral("/tavrel-") + QString::fromLatin1(hash)
           + QStringLiteral(".lock");
}

InstanceLock::InstanceLock(const QString &programFolder)
    : m_path(lockFilePathFor(programFolder))
    , m_lock(std::make_unique<QLockFile>(m_path))
{
    // Only a lock whose owner is gone is stale; a long-running first copy keeps its lock.
    m_lock->setStaleLockTime(0);
}

bool InstanceLock::acquire()
{
    if (m_lock->isLocked())
        return true;
    if (m_lock->tryLock(0))
        return true;
    // tryLock already removes a lock of a dead process on this machine; a lock file that cannot
    // be read at all is no proof of a running copy either.
    if (m_lock->error() == QLockFile::LockFailedError) {
        qint64 pid = 0;
        QString host;
        QString app;
        if (!m_lock->getLockInfo(&pid, &host, &app) && m_lock->removeStaleLockFile())
            return m_lock->tryLock(0);
    }
    return false;
}
