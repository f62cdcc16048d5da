#include "stagedfolder.h"

#include "savefile.h"
#include "sharedaccess.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <QTemporaryDir>

#ifndef _WIN32
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include <sys/types.h>
#endif

namespace {

class Text
{
    Q_DECLARE_TR_FUNCTIONS(StagedFolder)
};

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// Names this machine in a stage's name: a process number means something only where it ran.
QString machineKey()
{
    return QString::fromLatin1(
        QCryptographicHash::hash(QSysInfo::machineHostName().toUtf8(), QCryptographicHash::Sha1).toHex().left(8));
}

QString stagePrefix(const QString &target)
{
    return u'.' + QFileInfo(target).fileName() + QStringLiteral(".tavrel-new-") + machineKey() + u'-';
}

bool processGone(qint64 pid)
{
#ifndef _WIN32
    return pid > 0 && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
#else
    Q_UNUSED(pid);
    return false;
#endif
}

} // namespace

StagedFolder::StagedFolder(QString target)
    : m_target(QDir::cleanPath(QFileInfo(target).absoluteFilePath()))
{
}

StagedFolder::~StagedFolder()
{
    if (!m_placed && !m_stage.isEmpty())
        QDir(m_stage).removeRecursively();
}

void StagedFolder::removeStaleSiblings() const
{
    const QString prefix = stagePrefix(m_target);
    const QDir parent(QFileInfo(m_target).absolutePath());
    const QStringList names = parent.entryList({prefix + u'*'}, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &name : names) {
        bool number = false;
        const qint64 pid = name.mid(prefix.size()).section(u'-', 0, 0).toLongLong(&number);
        if (!number || !processGone(pid))
            continue;
        const QFileInfo stale(parent.filePath(name));
        if (stale.isDir() && !stale.isSymLink())
            QDir(stale.filePath()).removeRecursively();
        else
            QFile::remove(stale.filePath());
    }
}

QString StagedFolder::check() const
{
    const QFileInfo target(m_target);
    const QFileInfo parent(target.absolutePath());
    if (target.fileName().isEmpty() || !parent.isDir())
        return Text::tr("the folder %1 does not exist").arg(shown(parent.filePath()));
    if (target.exists() || target.isSymLink()) {
        if (!target.isDir() || target.isSymLink())
            return Text::tr("%1 already exists and is not a folder").arg(shown(m_target));
        if (!QDir(m_target).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
            return Text::tr("%1 already exists and is not empty").arg(shown(m_target));
#ifndef _WIN32
        struct stat own{};
        struct stat above{};
        if (::stat(QFile::encodeName(m_target).constData(), &own) == 0
            && ::stat(QFile::encodeName(parent.filePath()).constData(), &above) == 0 && own.st_dev != above.st_dev)
            return Text::tr("%1 is a mount point; give a new folder inside it, such as %2")
                .arg(shown(m_target), shown(m_target + QStringLiteral("/school")));
#endif
    }
    return {};
}

QString StagedFolder::begin()
{
    if (const QString problem = check(); !problem.isEmpty())
        return problem;
    const QFileInfo parent(QFileInfo(m_target).absolutePath());
    removeStaleSiblings();

    QTemporaryDir dir(parent.filePath() + u'/' + stagePrefix(m_target)
                      + QString::number(QCoreApplication::applicationPid()) + QStringLiteral("-XXXXXX"));
    if (!dir.isValid())
        return Text::tr("cannot make a folder in %1: %2").arg(shown(parent.filePath()), dir.errorString());
    dir.setAutoRemove(false);
    m_stage = dir.path();
#ifndef _WIN32
    // Made private; it is to become an ordinary folder, as the account makes them.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::chmod(QFile::encodeName(m_stage).constData(), 0777 & ~mask);
#endif
    return {};
}

QString StagedFolder::makeFolder(const QString &relative)
{
    const QString path = m_stage + u'/' + relative;
    if (!QDir().mkdir(path))
        return Text::tr("cannot make the folder %1").arg(shown(path));
    sharedaccess::shareNewPath(path);
    return {};
}

QString StagedFolder::writeFile(const QString &relative, const QByteArray &bytes, bool executable)
{
    const QString path = m_stage + u'/' + relative;
    // A new file of the stage's folder: savefile gives it the folder's group and group write.
    const savefile::Outcome written = savefile::replace(path, bytes, savefile::Options{executable});
    if (!written.saved)
        return Text::tr("cannot write %1: %2").arg(shown(path), written.error);
    return {};
}

QString StagedFolder::putInPlace()
{
    // Its files are on the disk already (savefile); the stage's own entries, then the rename in
    // the parent, follow them, so that a power cut after "done" loses neither.
    savefile::syncFolder(m_stage);
#ifndef _WIN32
    // rename() also takes the place of an empty folder, which begin() allowed.
    if (::rename(QFile::encodeName(m_stage).constData(), QFile::encodeName(m_target).constData()) != 0)
        return Text::tr("cannot rename %1 to %2: %3")
            .arg(shown(m_stage), shown(m_target), QString::fromLocal8Bit(std::strerror(errno)));
#else
    if (!QDir().rename(m_stage, m_target))
        return Text::tr("cannot rename %1 to %2").arg(shown(m_stage), shown(m_target));
#endif
    savefile::syncFolder(QFileInfo(m_target).absolutePath());
    m_placed = true;
    return {};
}
