#pragma once

#include <cstdint>

// Which digits of the result time the score formula uses for a run at or under the pass time.
enum class ScoreDigits {
    // The statistics (and so every stored figure) use the number formed by the first three
    // characters of the time written in decimal: 1234 s counts as 123 s.
    FirstThree,
    // The result screen scores the run it shows by its whole time.
    Whole,
};

// Score of one run of resultTime seconds at a level whose pass time is passTime seconds:
// floor(((P - d) / P)^3 * 50 + 5) at or under the pass time (55 for no time, 5 at the pass
// time), 4 under twice the pass time, 1 under ten times, 0 beyond; 0 for a time-out (99998 and
// above) and for a level without a positive pass time.
int RunScore(std::int32_t resultTime, std::int32_t passTime, ScoreDigits digits = ScoreDigits::FirstThree);

// Points of a run: floor(score × levelWeight), multiplied in single precision as the weights
// are stored (so 10 × 0.7 gives 7).
std::int32_t RunPoints(int score, float levelWeight);
