#pragma once

// What the drill needs to know about the pupil's earlier runs when a run starts, as the records
// hand it over (pupilHistory).
struct RunHistory
{
    int runsToday = 0;        // this pupil's runs today over all levels
    int runsTodayAtLevel = 0; // this pupil's runs today at this level
    int levelBestTime = 0;    // best time of all pupils at this level; 0 = none
    int ownBestTime = 0;      // this pupil's best time at this level; 0 = none
};
