#include "runscore.h"

#include "testnames.h"

#include <gtest/gtest.h>

namespace {

struct ScoreCase
{
    std::int32_t time;
    std::int32_t passTime;
    int firstThreeDigits; // the statistics' score
    int wholeTime;        // the result screen's score

    friend void PrintTo(const ScoreCase &c, std::ostream *os)
    {
        *os << "time " << c.time << " against pass time " << c.passTime << " -> " << c.firstThreeDigits
            << " (first three digits), " << c.wholeTime << " (whole time)";
    }
};

class RunScoreTable : public testing::TestWithParam<ScoreCase>
{
};

TEST_P(RunScoreTable, FollowsTheFormulaAndItsSteps)
{
    const ScoreCase &c = GetParam();
    EXPECT_EQ(RunScore(c.time, c.passTime), c.firstThreeDigits);
    EXPECT_EQ(RunScore(c.time, c.passTime, ScoreDigits::Whole), c.wholeTime);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RunScoreTable,
    testing::Values(ScoreCase{0, 100, 55, 55},       // no time at all
                    ScoreCase{50, 100, 11, 11},      // 0.125 × 50 + 5
                    ScoreCase{77, 120, 7, 7},
                    ScoreCase{100, 100, 5, 5},       // exactly the pass time
                    ScoreCase{101, 100, 4, 4},
                    ScoreCase{199, 100, 4, 4},
                    ScoreCase{200, 100, 1, 1},       // twice the pass time
                    ScoreCase{999, 100, 1, 1},
                    ScoreCase{1000, 100, 0, 0},      // ten times the pass time
                    ScoreCase{99999, 100, 0, 0},     // time-out
                    ScoreCase{1234, 2000, 46, 7},    // counted as 123 s by the statistics
                    ScoreCase{99997, 200000, 54, 11}, // counted as 999 s
                    ScoreCase{99998, 200000, 0, 0},  // never scored, whatever the pass time
                    ScoreCase{6000, 1000, 1, 1},
                    ScoreCase{0, 0, 0, 0},           // no pass time: nothing to score against
                    ScoreCase{50, -5, 0, 0}),
    testname::from([](const ScoreCase &c) { return testname::of("time", c.time, "pass", c.passTime); }));

struct PointsCase
{
    int score;
    float weight;
    std::int32_t points;

    friend void PrintTo(const PointsCase &c, std::ostream *os)
    {
        *os << "score " << c.score << " x weight " << c.weight << " -> " << c.points << " points";
    }
};

class RunPointsTable : public testing::TestWithParam<PointsCase>
{
};

TEST_P(RunPointsTable, AreTheWeightedScoreRoundedDown)
{
    EXPECT_EQ(RunPoints(GetParam().score, GetParam().weight), GetParam().points);
}

INSTANTIATE_TEST_SUITE_P(Cases, RunPointsTable,
                         testing::Values(PointsCase{11, 1.5F, 16}, PointsCase{55, 1.0F, 55}, PointsCase{5, 0.8F, 4},
                                         PointsCase{10, 0.7F, 7}, // single precision: 7, not 6.9999…
                                         PointsCase{0, 1.5F, 0}, PointsCase{4, 0.0F, 0},
                                         PointsCase{55, 1e30F, 2147483647}),
                         testname::from([](const PointsCase &c) { return testname::of("score", c.score, "weight", c.weight); }));

} // namespace
