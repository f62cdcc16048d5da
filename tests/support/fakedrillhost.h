#pragma once

#include "drillhost.h"
#include "runoutcome.h"

#include <QList>

// Stands in for the program around a run: counts what the run asked for and keeps every outcome
// it handed over for recording.
class FakeDrillHost : public DrillHost
{
public:
    void recordRun(const RunOutcome &outcome) override { recorded.append(outcome); }
    void showWaitScreen() override { ++waitScreens; }
    void finishTestRun() override { ++testFinished; }
    void finishPractice() override { ++practiceFinished; }
    void abandonRun() override { ++abandoned; }

    // The recorded times, in the order the runs ended.
    QList<int> recordedSeconds() const
    {
        QList<int> seconds;
        for (const RunOutcome &o : recorded)
            seconds.append(o.seconds);
        return seconds;
    }

    QList<RunOutcome> recorded;
    int waitScreens = 0;
    int testFinished = 0;
    int practiceFinished = 0;
    int abandoned = 0;
};
