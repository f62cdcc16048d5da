#include "personaldemo.h"

#include "stagedfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace personaldemo {

namespace {

class Text
{
    Q_DECLARE_TR_FUNCTIONS(PersonalDemo)
};

const QString kProgram = QStringLiteral("/tavrel");

QString copyInto(StagedFolder &stage, const QString &from, const QString &relative)
{
    const QDir source(from + relative);
    for (const QFileInfo &entry : source.entryInfoList(QDir::Dirs | QDir::Files | QDir::NoDotAndDotDot, QDir::Name)) {
        const QString inside = relative + u'/' + entry.fileName();
        if (entry.isSymLink())
            continue;
        if (entry.isDir()) {
            if (const QString problem = stage.makeFolder(inside.mid(1)); !problem.isEmpty())
                return problem;
            if (const QString problem = copyInto(stage, from, inside); !problem.isEmpty())
                return problem;
            continue;
        }
        QFile file(entry.filePath());
        if (!file.open(QIODevice::ReadOnly))
            return QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(entry.filePath()), file.errorString());
        if (const QString problem = stage.writeFile(inside.mid(1), file.readAll()); !problem.isEmpty())
            return problem;
    }
    return {};
}

} // namespace

QString shippedDemo(const QString &programDir)
{
    const QString demo = QDir::cleanPath(programDir + QStringLiteral("/../share/tavrel/demo"));
    return QFileInfo(demo + kProgram + QStringLiteral("/設定.txt")).isFile() ? demo : QString();
}

QString personalFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/tavrel/demo");
}

Prepared prepare(const QString &shipped, const QString &target)
{
    const QString program = QDir::cleanPath(target) + kProgram;
    if (QFileInfo(program + QStringLiteral("/設定.txt")).isFile())
        return {program, QString()};
    if (!QDir().mkpath(QFileInfo(QDir::cleanPath(target)).absolutePath()))
        return {QString(), Text::tr("cannot make the folder of %1").arg(QDir::toNativeSeparators(target))};
    StagedFolder stage(target);
    QString problem = stage.begin();
    if (problem.isEmpty())
        problem = copyInto(stage, QDir::cleanPath(shipped), QString());
    if (problem.isEmpty())
        problem = stage.putInPlace();
    if (!problem.isEmpty())
        return {QString(), problem};
    return {program, QString()};
}

} // namespace personaldemo
