#pragma once

#include <QString>
#include <QStringList>

// The program's command line: "tavrel [PROGRAM_FOLDER]". Without a folder the installation is
// the executable's own folder; an installed program lives in a system folder that is no
// installation, so its launchers name the program folder.
struct ProgramArguments
{
    QString programFolder; // absolute; empty when `problem` is set
    QString problem;       // what is wrong with the call, to show instead of starting

    // arguments as QCoreApplication::arguments() gives them (program name first, the toolkit's
    // own options already removed); ownFolder is the executable's folder.
    static ProgramArguments parse(const QStringList &arguments, const QString &ownFolder);

    static QString usage();
};
