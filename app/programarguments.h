#pragma once

#include <QString>
#include <QStringList>

// The program's command line: "tavrel [PROGRAM_FOLDER]" or "tavrel --school NAME". Without
// either, the installation is the executable's own folder when it is one (the demo in the build
// tree); otherwise (an installed program lives in a system folder) the pupil chooses a school.
// "--school" names a school registered on this machine, as the schools' launchers do, so that
// one launcher serves every PC whatever the place the share is mounted at.
struct ProgramArguments
{
    QString programFolder; // absolute; empty when choosing or when `problem` is set
    bool choose = false;   // the chooser decides the folder
    QString schoolName;    // "--school": the registered school to open (choose is true)
    QString problem;       // what is wrong with the call, to show instead of starting

    // arguments as QCoreApplication::arguments() gives them (program name first, the toolkit's
    // own options already removed); ownFolder is the executable's folder.
    static ProgramArguments parse(const QStringList &arguments, const QString &ownFolder);

    static QString usage();
};
