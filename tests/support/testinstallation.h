#pragma once

#include "catalogue.h"
#include "installation.h"

// The installation start-up leaves behind with the catalogue's title and 18 levels, where every
// level has the given pass and limit times (practice levels then get the practice time, as at
// start-up). Folders, site and sounds stay empty; a test sets what it needs.
inline Installation catalogueInstallation(int passTime = 60, int limitTime = 100)
{
    Installation install;
    catalogue::start(install);
    catalogue::fillLevels(install);
    for (int level = 1; level <= catalogue::kLevelCount; ++level) {
        LevelTiming &t = install.timingTable[static_cast<std::size_t>(level)];
        t.passTime = passTime;
        t.limitTime = limitTime;
    }
    catalogue::applyPracticeTimes(install);
    return install;
}
