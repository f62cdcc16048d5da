// Test helper: records COUNT runs of one pupil at one level through the program's own recording
// code, as that many finished runs would, with result times 1, 2, ..., COUNT.
//
//   append_runs INSTALL PUPIL LEVEL COUNT
//
// INSTALL is an installation's program folder. Several copies run at once in the concurrency
// test. A wait for a locked log is a short sleep here instead of the program's one second.
#include "installation.h"
#include "pendingruns.h"
#include "clock.h"
#include "datafileerror.h"
#include "recordcallbacks.h"
#include "runrecording.h"
#include "runstats.h"
#include "startup.h"
#include "computestats.h"

#include <QCoreApplication>
#include <QThread>

#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    bool ok[3] = {false, false, false};
    const int pupil = args.value(2).toInt(&ok[0]);
    const int level = args.value(3).toInt(&ok[1]);
    const int count = args.value(4).toInt(&ok[2]);
    if (args.size() != 5 || !ok[0] || !ok[1] || !ok[2]) {
        std::fprintf(stderr, "usage: append_runs INSTALL PUPIL LEVEL COUNT\n");
        return 2;
    }

    Installation state;
    try {
        runStartup(state, args[1]);
    } catch (const DataFileError &e) {
        std::fprintf(stderr, "append_runs: %s\n", qPrintable(e.text()));
        return 1;
    }

    // A lock is waited for as long as the program would, a thousand waits of 1 ms to its second.
    const RecordCallbacks callbacks{[] { QThread::msleep(1); },
                                    [](const QString &, const QString &text) {
                                        std::fprintf(stderr, "append_runs: %s\n", qPrintable(text));
                                        std::exit(1);
                                    },
                                    RecordCallbacks{}.appendLockWaits * 1000};
    const SystemClock clock;
    RunStats stats;
    if (!ComputeStats(state, stats, clock.now(), callbacks))
        return 1;
    // Nothing may be kept here: every record must reach the logs.
    const PendingRuns pending(state, args[1] + QStringLiteral("/../pending"));
    for (int time = 1; time <= count; ++time) {
        const std::optional<RecordedRun> recorded = RecordRun(state, stats, pupil, level, time, clock, pending, callbacks);
        if (!recorded)
            return 1;
        if (!recorded->notice.isEmpty()) {
            std::fprintf(stderr, "append_runs: %s\n", qPrintable(recorded->notice));
            return 1;
        }
    }
    return 0;
}
