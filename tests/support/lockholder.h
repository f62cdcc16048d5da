#pragma once

#include <QProcess>
#include <QString>

// Another process holding a whole-file lock on a record file until release() (the hold_lock
// helper): locks belong to processes, so a lock taken by this test program would not block it.
class LockHolder
{
public:
    LockHolder(const QString &path, const QString &kind)
    {
        m_process.start(QStringLiteral(HOLD_LOCK_PATH), {path, kind});
        while (m_process.waitForReadyRead(20000)) {
            m_output += m_process.readAll();
            if (m_output.contains("locked\n"))
                break;
        }
    }
    ~LockHolder() { release(); }
    LockHolder(const LockHolder &) = delete;
    LockHolder &operator=(const LockHolder &) = delete;

    bool holds() const { return m_output.contains("locked\n"); }

    void release()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.write("\n");
        m_process.closeWriteChannel();
        if (!m_process.waitForFinished(20000))
            m_process.kill();
        m_process.waitForFinished(20000);
    }

private:
    QProcess m_process;
    QByteArray m_output;
};
