#include "folderscheme.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>

namespace folderscheme {

namespace {
QString asFolder(const QString &path)
{
    QString clean = QDir::cleanPath(path);
    if (!clean.endsWith(u'/'))
        clean += u'/';
    return clean;
}
} // namespace

QString lastComponent(const QString &folder)
{
    QString name = QDir::fromNativeSeparators(folder);
    while (name.endsWith(u'/') && name.size() > 1)
        name.chop(1);
    const qsizetype cut = name.lastIndexOf(u'/');
    return cut < 0 ? name : name.mid(cut + 1);
}

QString key(const QString &programFolder)
{
    QString folder = QFileInfo(programFolder).canonicalFilePath();
    if (folder.isEmpty())
        folder = QDir::cleanPath(QDir::fromNativeSeparators(programFolder));
    return QString::fromLatin1(QCryptographicHash::hash(folder.toUtf8(), QCryptographicHash::Sha1).toHex().left(16));
}

Folders compute(const QString &programFolder, int folderMode)
{
    const QString program = asFolder(QDir::fromNativeSeparators(programFolder));
    Folders f;
    f.appFolder = program;
    f.appFolderName = lastComponent(program);
    if (folderMode == 1) {
        f.filesFolder = asFolder(program + QStringLiteral("../files"));
        f.dataFolder = program;
        f.soundFolder = f.filesFolder;
    } else {
        f.filesFolder = asFolder(program + QStringLiteral(".."));
        f.dataFolder = asFolder(f.filesFolder + f.appFolderName);
        f.soundFolder = asFolder(f.filesFolder + QStringLiteral("音フォルダ"));
    }
    return f;
}

} // namespace folderscheme
