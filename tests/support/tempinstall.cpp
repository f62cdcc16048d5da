#include "tempinstall.h"

#include "sjis.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

TempInstall::TempInstall(const QString &programName)
    : m_programName(programName)
{
    if (!m_dir.isValid())
        ADD_FAILURE() << "no temporary folder";
    QDir(m_dir.path()).mkpath(programName);
    QDir(m_dir.path()).mkpath(QStringLiteral("files"));
}

QString TempInstall::root() const
{
    return m_dir.path();
}

QString TempInstall::programFolder() const
{
    return m_dir.path() + u'/' + m_programName + u'/';
}

QString TempInstall::filesFolder() const
{
    return m_dir.path() + QStringLiteral("/files/");
}

QStringList TempInstall::listing() const
{
    QStringList files;
    QDirIterator it(root(), QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    files.sort();
    return files;
}

void TempInstall::writeBytes(const QString &relativePath, const QByteArray &bytes) const
{
    const QString path = m_dir.path() + u'/' + relativePath;
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        ADD_FAILURE() << "cannot write " << path.toStdString();
        return;
    }
    f.write(bytes);
}

void TempInstall::writeText(const QString &relativePath, const QString &text) const
{
    writeBytes(relativePath, sjis::encode(text));
}

void TempInstall::remove(const QString &relativePath) const
{
    QFile::remove(m_dir.path() + u'/' + relativePath);
}

QString TempInstall::validTimingTable()
{
    QString text = QStringLiteral("0,0,9999,0,0,0,0,7,30,0,0,0\r\n");
    for (int level = 1; level <= 18; ++level)
        text += QStringLiteral("%1,%2,300,3,1.5,5,200,7,30,0,0,0\r\n").arg(100 + level).arg(200 + level);
    return text;
}

QString TempInstall::validSoundTable()
{
    return QStringLiteral("正解音2,ok1,ok2,ok3,*\r\n間違い音1,year,*\r\n間違い音2,wrong,*\r\n"
                          "自己最高音2,own,*\r\n不合格音1,fail,*\r\n");
}

void TempInstall::writeValidMode1() const
{
    writeText(m_programName + QStringLiteral("/設定.txt"), QStringLiteral("1,0,0,0,0,0,0,0,0,0\r\n"));
    writeText(QStringLiteral("files/共通データ.txt"),
              QStringLiteral("4\r\n\"01234みどり小学校\"\r\n0\r\n0\r\n0,0,0,0,0,0\r\n"));
    writeText(m_programName + QStringLiteral("/タイム回数データ.txt"), validTimingTable());
    writeText(QStringLiteral("files/新音ファイル.txt"), validSoundTable());
}
