#pragma once

#include "listline.h"

// What the start screen and the name-change screen ask of the program around them.
class StartHost
{
public:
    virtual ~StartHost() = default;
    virtual void letEventsRun() = 0;
    // Rebuilds the figures from the run log and the roster list in the given mode; false when the
    // figures could not be rebuilt (the failure has been reported).
    virtual bool showRoster(FigureMode mode) = 0;
    virtual void wrongAnswerSound() = 0;
    // A pupil was confirmed: the level list is filled and level selection comes.
    virtual void pupilConfirmed() = 0;
    virtual void leaveProgram() = 0;
    virtual void showNameChange() = 0;
    virtual void showPrintSelection() = 0;
    virtual void showHelp() = 0;
    // Shows the version screen modally; centred over `over` when given.
    virtual void showVersion(QWidget *over) = 0;
    // The name-change screen is done: the start screen comes back.
    virtual void nameChangeDone() = 0;
};
