#pragma once

#include "starthost.h"

#include <functional>
#include <vector>

// Stands in for the program around the start screen and the name change: counts what they asked
// for. Rebuilding the list and confirming a pupil run what `rebuild` and `confirm` say (nothing,
// and refusal, when unset).
class FakeStartHost : public StartHost
{
public:
    bool showRoster(FigureMode mode) override
    {
        shownModes.push_back(mode);
        return rebuild ? rebuild(mode) : true;
    }
    void wrongAnswerSound() override { ++wrongSounds; }
    bool confirmPupil(const NameChoice &choice) override { return confirm && confirm(choice); }
    void pupilConfirmed() override { ++confirmed; }
    void leaveProgram() override { ++left; }
    void showNameChange() override {}
    void showPrintSelection(const NameChoice &) override {}
    void showHelp() override {}
    void showVersion(bool) override {}
    void nameChangeDone() override { ++done; }

    std::function<bool(FigureMode)> rebuild;
    std::function<bool(const NameChoice &)> confirm;
    std::vector<FigureMode> shownModes;
    int wrongSounds = 0;
    int confirmed = 0;
    int left = 0;
    int done = 0;
};
