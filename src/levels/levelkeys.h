#pragma once

#include <QString>

// What a typed character does on the level screen. Levels 1 to 9 start with "1".."9" and levels
// 10 to 13 with "a".."d" (lower case only); later levels have no key. "0" goes back to the start
// screen while the back button is enabled. Nothing acts while the screen's keys are inactive
// (during activation and once a level is being started).
struct LevelKeyAction
{
    enum class Kind {
        None,
        StartLevel,
        Back,
    };

    Kind kind = Kind::None;
    int level = 0; // for StartLevel

    bool operator==(const LevelKeyAction &) const = default;
};

LevelKeyAction levelKeyAction(const QString &typed, int levelCount, bool keysActive, bool backEnabled);
