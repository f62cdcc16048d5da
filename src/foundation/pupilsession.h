#pragma once

#include <QString>

#include <cstdint>

// The pupil at the keyboard, from the moment they confirm their name on the start screen until
// they go back to it: who they are, when they started, the level they chose and what the level
// screen keeps between visits. The screen flow owns it and is the only one that writes it, from
// what the screens' intents hand it; the screens read it.
struct PupilSession
{
    std::int16_t pupilNo = 0;
    QString pupilName;
    std::int32_t startClock = 0; // seconds since midnight when the pupil was confirmed
    QString pupilGrade;          // full-width grade label of the pupil, such as "小６"

    // The level about to run, or running.
    std::int16_t runLevel = 0;

    // Level selection
    bool finalCleared = false;   // the pupil has cleared the final level
    int firstVisibleLevel = 0;   // level in the leftmost column; kept between visits
    QString gradeFilterText;     // grade filter of the result lists
};
