#pragma once

#include "installation.h"
#include "resulthost.h"
#include "runstats.h"

#include <QByteArray>
#include <QDateTime>

// Stands in for the program around the result screen: rebuilds the figures from the run log
// bytes `log` as of `now`, and counts the hand-overs asked for.
class FakeResultHost : public ResultHost
{
public:
    bool computeStats() override
    {
        stats->countRecords(log, state->timingTable, now);
        return true;
    }
    void showWaitScreen() override { ++waitShown; }
    void closeWaitScreen() override { ++waitClosed; }
    void goToLevels() override { ++toLevels; }
    void runAgain() override { ++again; }

    Installation *state = nullptr;
    RunStats *stats = nullptr;
    QByteArray log;
    QDateTime now;
    int waitShown = 0;
    int waitClosed = 0;
    int toLevels = 0;
    int again = 0;
};
