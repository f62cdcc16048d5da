#pragma once

#include "listline.h"

struct NameChoice;

// What the start screen and the name-change screen ask of the program around them.
class StartHost
{
public:
    virtual ~StartHost() = default;
    // Rebuilds the figures from the run log and the roster list in the given mode; false when the
    // figures could not be rebuilt (the failure has been reported).
    virtual bool showRoster(FigureMode mode) = 0;
    virtual void wrongAnswerSound() = 0;
    // The pupil asks to go on as `choice`: when the roster knows them, they become the pupil
    // using the program (the session is theirs from now on) and true is returned; otherwise
    // nothing changes.
    virtual bool confirmPupil(const NameChoice &choice) = 0;
    // The confirmed pupil goes on: the level list is filled and level selection comes.
    virtual void pupilConfirmed() = 0;
    virtual void leaveProgram() = 0;
    virtual void showNameChange() = 0;
    // The print settings; `choice` is the name chosen on the start screen meanwhile (a teacher's
    // name offers the sheet of a pupil's or a class's weak figures).
    virtual void showPrintSelection(const NameChoice &choice) = 0;
    virtual void showHelp() = 0;
    // Shows the version screen modally; centred over the start screen when asked from it.
    virtual void showVersion(bool overStartScreen) = 0;
    // The name-change screen is done: the start screen comes back.
    virtual void nameChangeDone() = 0;
};
