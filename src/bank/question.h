#pragma once

#include <QString>

#include <cstdint>

// One question of a run: a row of the question file whose group is the run's group.
struct Question
{
    int group = 0;
    std::int16_t year = 0;  // shown as a year and placed on the 0-2000 timeline
    QString name;           // the figure's name
    QString nameSub;        // smaller second line under the name
    QString explain;        // what the figure did
    QString explainSub;     // smaller second line under the explanation
    int line = 0;           // its line in the question file (1-based); 0 when it comes from elsewhere
};
