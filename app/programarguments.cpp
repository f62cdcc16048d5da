#include "programarguments.h"

#include <QFileInfo>

QString ProgramArguments::usage()
{
    return QStringLiteral("使い方: tavrel [プログラムフォルダ]");
}

ProgramArguments ProgramArguments::parse(const QStringList &arguments, const QString &ownFolder)
{
    const QStringList given = arguments.mid(1);
    if (given.isEmpty())
        return {QFileInfo(ownFolder).absoluteFilePath(), QString()};
    if (given.size() > 1)
        return {QString(), QStringLiteral("プログラムフォルダは一つだけ指定してください。\n") + usage()};
    if (given.first().isEmpty() || given.first().startsWith(u'-'))
        return {QString(), QStringLiteral("「%1」はプログラムフォルダではありません。\n").arg(given.first()) + usage()};
    return {QFileInfo(given.first()).absoluteFilePath(), QString()};
}
