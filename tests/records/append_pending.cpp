// Test helper: appends the runs kept in a pending file to their logs, as the program does at
// start, so that a test can kill it at any moment.
//
//   append_pending PROGRAM_FOLDER DATA_FOLDER FILES_FOLDER PENDING_FOLDER
//
// The folders end with '/'. Prints "ready" just before it begins, then what it appended.
#include "installation.h"
#include "pendingruns.h"
#include "recordcallbacks.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 5) {
        std::fprintf(stderr, "usage: append_pending PROGRAM_FOLDER DATA_FOLDER FILES_FOLDER PENDING_FOLDER\n");
        return 2;
    }
    Installation state;
    state.folders.appFolder = args[1];
    state.folders.dataFolder = args[2];
    state.folders.filesFolder = args[3];
    const PendingRuns pending(state, args[4]);
    const RecordCallbacks callbacks{[] {}, [](const QString &, const QString &) {}};
    std::puts("ready");
    std::fflush(stdout);
    const PendingRuns::Appended appended = pending.appendWaiting(callbacks);
    std::printf("appended %d, waiting %d\n", appended.appended, appended.waiting);
    return appended.problems.isEmpty() ? 0 : 1;
}
