#pragma once

struct RunOutcome;

// What the run logic asks of the program around it: the recording of a finished run and the
// hand-over to the next screen.
class DrillHost
{
public:
    virtual ~DrillHost() = default;

    // Appends the finished test run of the session's pupil to the logs.
    virtual void recordRun(const RunOutcome &outcome) = 0;
    virtual void showWaitScreen() = 0;
    // The drill screen goes; the result screen (after a test) or the level screen (after a
    // practice) comes. After a test the screen first leaves the end notice up for a moment.
    virtual void finishTestRun() = 0;
    virtual void finishPractice() = 0;
    // The pupil gave the test run up before it ended: nothing was recorded; the drill screen
    // goes and level selection comes.
    virtual void abandonRun() = 0;
};
