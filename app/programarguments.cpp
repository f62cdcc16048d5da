#include "programarguments.h"

#include "commandlinehelp.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

namespace {

class Text
{
    Q_DECLARE_TR_FUNCTIONS(ProgramArguments)
};

const QString kProgram = QStringLiteral("tavrel");

} // namespace

QString ProgramArguments::usage()
{
    return QStringLiteral("使い方: tavrel [プログラムフォルダ]\n　　　　tavrel --school 学校名");
}

bool ProgramArguments::asksForHelpOrVersion(int argc, const char *const argv[])
{
    for (int i = 1; i < argc; ++i) {
        const QByteArrayView a(argv[i]);
        if (a == "--help" || a == "-h" || a == "--version" || a == "-v")
            return true;
    }
    return false;
}

ProgramArguments ProgramArguments::parse(const QStringList &arguments, const QString &ownFolder)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        Text::tr("Tavrel, the history drill: pupils pick their name and drill historical figures, what they did "
                 "and their years, as flash-card practices and timed tests; every test run is recorded in the run "
                 "log of the installation, which several computers may share. The program's screens speak Japanese. "
                 "Without a program folder or a school, the program's own folder is taken when it is an "
                 "installation; otherwise the pupil chooses one of the schools registered on this computer "
                 "(tavrel-admin register-school)."));
    parser.addOption(QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")}, Text::tr("Show this help and exit.")));
    parser.addOption(
        QCommandLineOption({QStringLiteral("v"), QStringLiteral("version")}, Text::tr("Show the version and exit.")));
    parser.addOption(QCommandLineOption(QStringLiteral("school"),
                                        Text::tr("open the school registered on this computer under NAME"),
                                        QStringLiteral("NAME")));
    parser.addPositionalArgument(QStringLiteral("PROGRAM_FOLDER"),
                                 Text::tr("the installation's program folder, which holds 設定.txt"),
                                 QStringLiteral("[PROGRAM_FOLDER]"));

    ProgramArguments parsed;
    if (!parser.parse(arguments.isEmpty() ? QStringList{kProgram} : arguments)) {
        parsed.problem = parser.errorText() + u'\n' + usage();
        return parsed;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        parsed.answer = commandlinehelp::helpText(
            parser, Text::tr("%1 [options] [PROGRAM_FOLDER]").arg(kProgram),
            commandlinehelp::exitStatusSection(Text::tr("the pupil left the program"),
                                               Text::tr("the installation cannot be started (the message names why)")));
        return parsed;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        parsed.answer = commandlinehelp::versionText(kProgram);
        return parsed;
    }
    const QStringList given = parser.positionalArguments();
    if (parser.isSet(QStringLiteral("school"))) {
        const QString name = parser.value(QStringLiteral("school"));
        if (!given.isEmpty() || name.trimmed().isEmpty()) {
            parsed.problem = QStringLiteral("--school には学校名を一つ指定してください。\n") + usage();
        } else {
            parsed.choose = true;
            parsed.schoolName = name;
        }
        return parsed;
    }
    if (given.isEmpty()) {
        if (QFileInfo(ownFolder + QStringLiteral("/設定.txt")).isFile())
            parsed.programFolder = QFileInfo(ownFolder).absoluteFilePath();
        else
            parsed.choose = true;
    } else if (given.size() > 1) {
        parsed.problem = QStringLiteral("プログラムフォルダは一つだけ指定してください。\n") + usage();
    } else if (given.first().isEmpty()) {
        parsed.problem = QStringLiteral("「%1」はプログラムフォルダではありません。\n").arg(given.first()) + usage();
    } else {
        parsed.programFolder = QFileInfo(given.first()).absoluteFilePath();
    }
    return parsed;
}
