#pragma once

// What the result screen asks of the program around it.
class ResultHost
{
public:
    virtual ~ResultHost() = default;
    // Rebuilds the figures so that they include the run just recorded; false when that failed.
    virtual bool computeStats() = 0;
    virtual void showWaitScreen() = 0;
    virtual void closeWaitScreen() = 0;
    // "メニューへ": back to level selection.
    virtual void goToLevels() = 0;
    // "もう一度": another run at the same level.
    virtual void runAgain() = 0;
};
