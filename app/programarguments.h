#pragma once

#include <QString>
#include <QStringList>

// The program's command line, parsed by QCommandLineParser: "tavrel [PROGRAM_FOLDER]" or
// "tavrel --school NAME". Without either, the installation is the executable's own folder when it
// is one (the demo in the build tree); otherwise (an installed program lives in a system folder)
// the pupil chooses a school. "--school" names a school registered on this machine, as the
// schools' launchers do, so that one launcher serves every PC whatever the place the share is
// mounted at. --help and --version are answered on the standard output, in the language of the
// locale, before any window.
struct ProgramArguments
{
    QString programFolder; // absolute; empty when choosing or when `problem` or `answer` is set
    bool choose = false;   // the chooser decides the folder
    QString schoolName;    // "--school": the registered school to open (choose is true)
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
