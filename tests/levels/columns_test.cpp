#include "levelactivation.h"
#include "levelcolumns.h"

#include "levelsfixture.h"
#include "qtprinters.h"
#include "testnames.h"

#include <gtest/gtest.h>

namespace {

using namespace levelsfixture;

struct TargetCase
{
    std::int16_t timed;
    std::int32_t passTime;
    std::int32_t requiredPoints;
    std::int16_t requiredCount;
    float weight;
    const char *target;

    friend void PrintTo(const TargetCase &c, std::ostream *os)
    {
        *os << "timed " << c.timed << ", pass time " << c.passTime << ", required points " << c.requiredPoints
            << ", required count " << c.requiredCount << ", weight " << c.weight << " -> "
            << testprint::quoted(c.target);
    }
};

class TargetLineTest : public testing::TestWithParam<TargetCase>
{
};

TEST_P(TargetLineTest, FollowsTheLevelsScoringAndRequirements)
{
    const TargetCase &c = GetParam();
    Installation s = state();
    s.levelTimed[2] = c.timed;
    s.timingTable[2].passTime = c.passTime;
    s.timingTable[2].requiredPoints = c.requiredPoints;
    s.timingTable[2].requiredCount = c.requiredCount;
    s.timingTable[2].levelWeight = c.weight;
    EXPECT_EQ(levelColumnTexts(s, RunStats(), kYamada, 2).targetLine, QString::fromUtf8(c.target));
}

INSTANTIATE_TEST_SUITE_P(Lines, TargetLineTest,
                         testing::Values(TargetCase{1, 60, 9999, 3, 1.5F, "目標=60秒 --------"},
                                         TargetCase{1, 60, 100, 3, 1.5F, "目標=60秒 3回/100点(×1.5)"},
                                         TargetCase{1, 240, 80, 5, 2.0F, "目標=240秒 5回/80点(×2)"},
                                         TargetCase{1, 90, 100, 3, 0.7F, "目標=90秒 3回/100点(×0.7)"},
                                         TargetCase{0, 60, 100, 3, 1.5F, "◎=60点以上"},
                                         TargetCase{2, 75, 9999, 3, 1.5F, "◎=75点以上"}),
                         testname::from([](const TargetCase &c) {
                             return testname::of("timed", c.timed, "pass", c.passTime, "points", c.requiredPoints,
                                                 "runs", c.requiredCount, "weight", c.weight);
                         }));

TEST(PlainNumber, IsTheShortestPlainDecimalForm)
{
    EXPECT_EQ(plainNumber(1.5), QStringLiteral("1.5"));
    EXPECT_EQ(plainNumber(3.0), QStringLiteral("3"));
    EXPECT_EQ(plainNumber(120.0), QStringLiteral("120"));
    EXPECT_EQ(plainNumber(1e7), QStringLiteral("10000000"));
    EXPECT_EQ(plainNumber(0.7F), QStringLiteral("0.7"));
    EXPECT_EQ(plainNumber(0.0F), QStringLiteral("0"));
}

class ColumnsTest : public testing::Test
{
protected:
    Installation m_state = state();
};

TEST_F(ColumnsTest, ATestColumnShowsTodayAllTimeRecentAndTarget)
{
    // Level 4: two runs today (95 s: 7 points, 120 s: 6), one three days ago (50 s: 16), one
    // ten days ago outside the 7-day window (0 s: 82), and a time-out today (no attempt).
    const auto log = logStats(m_state, {{10, QTime(9, 0), kYamada, 4, 0},
                                        {3, QTime(9, 0), kYamada, 4, 50},
                                        {0, QTime(9, 0), kYamada, 4, 95},
                                        {0, QTime(9, 30), kYamada, 4, 120},
                                        {0, QTime(10, 0), kYamada, 4, 99999},
                                        {0, QTime(10, 0), kSato, 4, 95}});
    const RunStats &st = log->stats;
    LevelColumnTexts expected;
    expected.level = 4;
    expected.number = QStringLiteral("4");
    expected.caption = QStringLiteral("政治２");
    expected.startCaption = QStringLiteral("ｽﾀｰﾄ(&4)");
    expected.todayHeading = QStringLiteral("今日");
    expected.allHeading = QStringLiteral("今まで");
    expected.todayCounts = QStringLiteral("2回/13点");
    expected.allCounts = QStringLiteral("4回/111点");
    expected.recentLine = QStringLiteral("最近7日=3回 / 29点");
    expected.targetLine = QStringLiteral("目標=100秒 3回/100点(×1.5)");
    EXPECT_EQ(levelColumnTexts(m_state, st, kYamada, 4), expected);
}

TEST_F(ColumnsTest, APupilWithoutRunsSeesDashes)
{
    const auto log = logStats(m_state, {{1, QTime(9, 0), kYamada, 6, 95}, {0, QTime(9, 0), kSato, 8, 95}});
    const RunStats &st = log->stats;
    const LevelColumnTexts six = levelColumnTexts(m_state, st, kYamada, 6);
    EXPECT_EQ(six.todayCounts, QStringLiteral("-----"));
    EXPECT_EQ(six.allCounts, QStringLiteral("1回/7点"));
    const LevelColumnTexts eight = levelColumnTexts(m_state, st, kYamada, 8);
    EXPECT_EQ(eight.todayCounts, QStringLiteral("-----"));
    EXPECT_EQ(eight.allCounts, QStringLiteral("------"));
    EXPECT_EQ(eight.recentLine, QStringLiteral("最近7日=0回 / 0点"));
}

TEST_F(ColumnsTest, APracticeColumnShowsOnlyNumberCaptionAndStart)
{
    const auto log = logStats(m_state, {{0, QTime(9, 0), kYamada, 3, 95}});
    const RunStats &st = log->stats;
    LevelColumnTexts expected;
    expected.level = 3;
    expected.practice = true;
    expected.number = QStringLiteral("3");
    expected.caption = QStringLiteral("政治２練習");
    expected.startCaption = QStringLiteral("ｽﾀｰﾄ(&3)");
    EXPECT_EQ(levelColumnTexts(m_state, st, kYamada, 3), expected);
}

TEST_F(ColumnsTest, ALevelNotScoredByTimeHasNoRecentLine)
{
    m_state.levelTimed[2] = 0;
    EXPECT_TRUE(levelColumnTexts(m_state, RunStats(), kYamada, 2).recentLine.isEmpty());
}

TEST_F(ColumnsTest, ColumnsCoverLevelsOneToLevelCount)
{
    const std::vector<LevelColumnTexts> columns = levelColumns(m_state, RunStats(), kYamada);
    ASSERT_EQ(columns.size(), 18U);
    for (std::size_t i = 0; i < columns.size(); ++i) {
        EXPECT_EQ(columns[i].level, static_cast<int>(i) + 1);
        EXPECT_EQ(columns[i].practice, i % 2 == 0);
    }
    EXPECT_EQ(columns[17].startCaption, QStringLiteral("ｽﾀｰﾄ(&18)"));
    m_state.levelCount = 0;
    EXPECT_TRUE(levelColumns(m_state, RunStats(), kYamada).empty());
}

TEST_F(ColumnsTest, TodaysTotalCountsAttemptsOfEveryLevelToday)
{
    const auto log = logStats(m_state, {{0, QTime(9, 0), kYamada, 2, 95},
                                        {0, QTime(9, 0), kYamada, 18, 95},
                                        {0, QTime(9, 0), kYamada, 35, 95},
                                        {0, QTime(9, 0), kYamada, 4, 6000},
                                        {1, QTime(9, 0), kYamada, 2, 95},
                                        {0, QTime(9, 0), kSato, 2, 95}});
    const RunStats &st = log->stats;
    EXPECT_EQ(todayTotalAttempts(st, kYamada), 3);
    EXPECT_EQ(todayTotalAttempts(st, kTaka), 0);
}

struct FinalCase
{
    const char *name;
    int attempts; // runs of 0 s at the final level within the window, 82 points each
    std::int16_t requiredCount;
    std::int32_t requiredPoints;
    bool cleared;

    friend void PrintTo(const FinalCase &c, std::ostream *os)
    {
        *os << c.name << ": " << c.attempts << " attempts, required count " << c.requiredCount
            << ", required points " << c.requiredPoints << " -> " << (c.cleared ? "cleared" : "not cleared");
    }
};

class FinalClearedTest : public testing::TestWithParam<FinalCase>
{
};

TEST_P(FinalClearedTest, NeedsBothRecentAttemptsAndRecentPoints)
{
    const FinalCase &c = GetParam();
    Installation s = state();
    s.timingTable[18].requiredCount = c.requiredCount;
    s.timingTable[18].requiredPoints = c.requiredPoints;
    std::vector<LoggedRun> runs;
    for (int i = 0; i < c.attempts; ++i)
        runs.push_back({i, QTime(9, 0), kYamada, 18, 0});
    runs.push_back({8, QTime(9, 0), kYamada, 18, 0}); // outside the 7-day window
    EXPECT_EQ(finalCleared(s, logStats(s, runs)->stats, kYamada), c.cleared);
}

INSTANTIATE_TEST_SUITE_P(Cases, FinalClearedTest,
                         testing::Values(FinalCase{"both_reached", 3, 3, 246, true},
                                         FinalCase{"one_attempt_short", 3, 4, 246, false},
                                         FinalCase{"one_point_short", 3, 3, 247, false},
                                         FinalCase{"no_runs", 0, 0, 0, true},
                                         FinalCase{"points_target_9999", 3, 3, 9999, false}),
                         testname::ByName());

TEST(FinalCleared, AFinalLevelOutsideTheTablesIsNeverCleared)
{
    Installation s = state();
    s.timingTable[0].requiredCount = 0;
    s.timingTable[0].requiredPoints = 0;
    s.finalLevel = 0;
    EXPECT_FALSE(finalCleared(s, RunStats(), kYamada));
    s.finalLevel = 36;
    EXPECT_FALSE(finalCleared(s, RunStats(), kYamada));
}

TEST(LevelScreenHeader, ShowsTitlePupilMinutesAndTodaysTotal)
{
    Installation s = state();
    PupilSession pupil = session();
    s.productTitle = QStringLiteral("日本の歴史人物ドリル");
    pupil.startClock = 9 * 3600;
    LevelScreenHeader expected;
    expected.title = s.productTitle;
    expected.titlePointSize = 20;
    expected.pupilLine = QStringLiteral("小６ 山田太郎");
    expected.minutesText = QStringLiteral("起動後12分");
    expected.todayTotalText = QStringLiteral("本日総回数＝5回");
    EXPECT_EQ(levelScreenHeader(s, pupil, QStringLiteral("小６"), 5, 9 * 3600 + 12 * 60 + 59.5), expected);

    s.productTitle = QStringLiteral("歴史人物ドリル集");
    pupil.pupilName = QStringLiteral("佐藤先生            ");
    const LevelScreenHeader teacher = levelScreenHeader(s, pupil, QString(), 0, 9 * 3600);
    EXPECT_EQ(teacher.titlePointSize, 24);
    EXPECT_TRUE(teacher.reportPrintShown);
    EXPECT_EQ(teacher.pupilLine, QStringLiteral(" 佐藤先生"));
}

TEST(MinutesSinceStart, CountsWholeMinutesAndCarriesOnPastMidnight)
{
    const std::vector<std::tuple<std::int32_t, double, int>> table{
        {36000, 36000.0, 0},  {36000, 36059.9, 0},        {36000, 36060.0, 1},
        {36000, 43200.0, 120}, {86000, 400.0, 13}, {0, 86399.0, 1439},
    };
    for (const auto &[start, nowSeconds, minutes] : table)
        EXPECT_EQ(minutesSinceStart(start, nowSeconds), minutes) << start << " " << nowSeconds;
}

} // namespace
