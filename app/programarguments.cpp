#include "programarguments.h"

#include <QFileInfo>

QString ProgramArguments::usage()
{
    return QStringLiteral("使い方: tavrel [プログラムフォルダ]\n　　　　tavrel --school 学校名");
}

ProgramArguments ProgramArguments::parse(const QStringList &arguments, const QString &ownFolder)
{
    ProgramArguments parsed;
    const QStringList given = arguments.mid(1);
    if (given.isEmpty()) {
        if (QFileInfo(ownFolder + QStringLiteral("/設定.txt")).isFile())
            parsed.programFolder = QFileInfo(ownFolder).absoluteFilePath();
        else
            parsed.choose = true;
        return parsed;
    }
    if (given.first() == u"--school") {
        if (given.size() != 2 || given[1].trimmed().isEmpty())
            parsed.problem = QStringLiteral("--school には学校名を一つ指定してください。\n") + usage();
        else {
            parsed.choose = true;
            parsed.schoolName = given[1];
        }
        return parsed;
    }
    if (given.size() > 1)
        parsed.problem = QStringLiteral("プログラムフォルダは一つだけ指定してください。\n") + usage();
    else if (given.first().isEmpty() || given.first().startsWith(u'-'))
        parsed.problem = QStringLiteral("「%1」はプログラムフォルダではありません。\n").arg(given.first()) + usage();
    else
        parsed.programFolder = QFileInfo(given.first()).absoluteFilePath();
    return parsed;
}
