#include "printfaces.h"

#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>

namespace printfaces {

QStringList folders(const QString &executableFolder)
{
    const QDir beside(executableFolder);
    return {beside.filePath(QStringLiteral("fonts")), beside.filePath(QStringLiteral("../share/tavrel/fonts"))};
}

bool install(const QStringList &folders)
{
    for (const QString &folder : folders) {
        const QString path = QDir(folder).filePath(kFileName);
        if (QFileInfo::exists(path))
            return QFontDatabase::addApplicationFont(path) >= 0;
    }
    return false;
}

QStringList gothicFamilies()
{
    return {kGothic, QStringLiteral("Noto Sans CJK JP"), QStringLiteral("Noto Sans JP"), QStringLiteral("IPAPGothic"),
            QStringLiteral("IPAGothic")};
}

QStringList gothicMonoFamilies()
{
    return {kGothicMono, QStringLiteral("MS Gothic"), QStringLiteral("Noto Sans Mono CJK JP"), QStringLiteral("IPAGothic"),
            QStringLiteral("Noto Sans CJK JP")};
}

} // namespace printfaces
