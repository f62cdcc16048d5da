#pragma once

#include <cstdint>

// How a finished test run ended, as the drill hands it to recording and to the result screen.
struct RunOutcome
{
    int level = 0;
    std::int32_t seconds = 0; // the run's time in whole seconds; kTimedOutSeconds after a time-out
    bool timedOut = false;

    // The time stored for a run that hit its limit: larger than any real result, so it never
    // counts as a best time.
    static constexpr std::int32_t kTimedOutSeconds = 99999;
};
