#pragma once

#include <QString>
#include <QStringList>

// The program's command line: "tavrel [PROGRAM_FOLDER]", parsed by QCommandLineParser. Without a
// folder the installation is the executable's own folder; an installed program lives in a system
// folder that is no installation, so its launchers name the program folder. --help and --version
// are answered on the standard output, in the language of the locale, before any window.
struct ProgramArguments
{
    QString programFolder; // absolute; empty when `problem` or `answer` is set
    QString problem;       // what is wrong with the call, to show instead of starting
    QString answer;        // the help or the version asked for, to print instead of starting

    // arguments as QCoreApplication::arguments() gives them (program name first, the toolkit's
    // own options already removed); ownFolder is the executable's folder.
    static ProgramArguments parse(const QStringList &arguments, const QString &ownFolder);

    // Whether raw arguments ask for the help or the version only: main answers those before it
    // makes the window system's application, so that no display is needed.
    static bool asksForHelpOrVersion(int argc, const char *const argv[]);

    static QString usage();
};
