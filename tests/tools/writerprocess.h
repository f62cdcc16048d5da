#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

#include <sys/resource.h>

#include <csignal>

// Runs a program (the teachers' tool, or the name-change helper) as a process of its own and
// keeps its exit status and what it printed. With a file-size limit, every file the process
// writes stops growing at `fileSizeLimit` bytes, as on a full disk (RLIMIT_FSIZE, set in the child
// only; SIGXFSZ ignored so that the write fails instead of the process).
struct WriterProcess
{
    int status = -1;
    bool crashed = false;
    QString out;
    QString err;
};

inline WriterProcess runWriter(const QString &program, const QStringList &args, rlim_t fileSizeLimit = RLIM_INFINITY)
{
    QProcess process;
    process.setChildProcessModifier([fileSizeLimit] {
        if (fileSizeLimit == RLIM_INFINITY)
            return;
        const rlimit limit{fileSizeLimit, fileSizeLimit};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        std::signal(SIGXFSZ, SIG_IGN);
    });
    process.start(program, args);
    WriterProcess result;
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished();
        result.crashed = true;
        return result;
    }
    result.crashed = process.exitStatus() != QProcess::NormalExit;
    result.status = process.exitCode();
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}
