#include "runlists.h"

#include "resultlists.h"

#include "levelsfixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

using namespace levelsfixture;

class RunListsTest : public testing::Test
{
protected:
    ListSources sources(const QString &filter = QStringLiteral("全学年")) const
    {
        return ListSources{m_state, kYamada, m_log->stats, m_pupils, filter, now()};
    }
    void useRuns(const std::vector<LoggedRun> &runs) { m_log = logStats(m_state, runs); }
    // The newest records of the log, as many as the list reads.
    std::vector<RunRow> newest(DisplayMode mode, ListChoice choice) const
    {
        const RunRows &rows = m_log->stats.rows();
        std::vector<RunRow> runs;
        for (std::int64_t i = std::max<std::int64_t>(rows.size() - runLogRecordsRead(mode, choice), 0); i < rows.size(); ++i)
            runs.push_back(rows[i]);
        return runs;
    }
    std::vector<RunRow> todays() const { return newest(DisplayMode::Time, ListChoice::Second); }
    std::vector<RunRow> all() const { return newest(DisplayMode::Time, ListChoice::All); }

    Installation m_state = state();
    PupilDirectory m_pupils = pupils();
    std::unique_ptr<LogStats> m_log = logStats(m_state, {});
};

const std::vector<LoggedRun> kRuns{
    {1, QTime(16, 0), kSuzuki, 2, 50},      {0, QTime(9, 5, 40), kYamada, 2, 120},
    {0, QTime(9, 10), kSato, 2, 95},        {0, QTime(10, 0), kTanaka, 2, 99999},
    {0, QTime(11, 0), kTaka, 4, 1234},      {0, QTime(11, 30), kSato, 4, 6000},
};

TEST_F(RunListsTest, TodaysRunsShowTimeClockMarksAndScoreInRecordedOrder)
{
    m_state.timingTable[4].passTime = 2000;
    useRuns(kRuns);
    const LevelLists lists = todayRunLists(sources(), todays());
    const QStringList levelTwo{QStringLiteral(" 120秒 09:05●山田太郎　●4"), QStringLiteral("  95秒 09:10⑥佐藤花子　⑥5"),
                               QStringLiteral("　　× 10:00①田中美咲子①")};
    EXPECT_EQ(lists[2].lines, levelTwo);
    // With a pass time of 2000 s, 1234 s scores by its first three digits (123 s): 46; 6000 s scores 1.
    const QStringList levelFour{QStringLiteral("1234秒 11:00　高橋　　　　46"),
                                QStringLiteral("6000秒 11:30⑥佐藤花子　⑥1")};
    EXPECT_EQ(lists[4].lines, levelFour);
    EXPECT_EQ(lists[2].selectedRow, -1);
}

TEST_F(RunListsTest, AllRunsShowTheDateInTimeAndPointsLayouts)
{
    useRuns(kRuns);
    const LevelLists time = allRunLists(sources(), all(), DisplayMode::Time);
    const QStringList timeLines{QStringLiteral("  50秒 03/07Ⅱ鈴木一郎　Ⅱ11"), QStringLiteral(" 120秒 03/08●山田太郎　●4"),
                                QStringLiteral("  95秒 03/08⑥佐藤花子　⑥5"),
                                QStringLiteral("　　× 03/08①田中美咲子①")};
    EXPECT_EQ(time[2].lines, timeLines);

    const LevelLists points = allRunLists(sources(), all(), DisplayMode::Points);
    const QStringList pointsLines{QStringLiteral("   11 03/07Ⅱ鈴木一郎　Ⅱ50秒"), QStringLiteral("    4 03/08●山田太郎　●120秒"),
                                  QStringLiteral("    5 03/08⑥佐藤花子　⑥95秒"),
                                  QStringLiteral("　　× 03/08①田中美咲子①")};
    EXPECT_EQ(points[2].lines, pointsLines);
}

TEST_F(RunListsTest, TheGradeFilterLeavesOutOtherGrades)
{
    useRuns(kRuns);
    const LevelLists today = todayRunLists(sources(QStringLiteral("小６")), todays());
    EXPECT_EQ(today[2].lines.size(), 2);
    EXPECT_TRUE(today[4].lines.last().contains(QStringLiteral("佐藤花子")));
    EXPECT_EQ(today[4].lines.size(), 1);
    EXPECT_EQ(allRunLists(sources(QStringLiteral("中２")), all(), DisplayMode::Time)[2].lines,
              QStringList{QStringLiteral("  50秒 03/07Ⅱ鈴木一郎　Ⅱ11")});
}

// Levels beyond the catalogue have no column: their runs are left out rather than overrunning.
TEST_F(RunListsTest, RunsOfLevelsBeyondTheCatalogueAreLeftOut)
{
    useRuns({{0, QTime(9, 0), kSato, 19, 95}, {0, QTime(9, 0), kSato, 35, 95}, {0, QTime(9, 0), kSato, 18, 95}});
    for (const LevelLists &lists : {todayRunLists(sources(), todays()), allRunLists(sources(), all(), DisplayMode::Time)}) {
        EXPECT_EQ(lists[18].lines.size(), 1);
        EXPECT_TRUE(lists[19].lines.isEmpty());
        EXPECT_TRUE(lists[35].lines.isEmpty());
    }
}

TEST_F(RunListsTest, AllRunsCoverTheLast3650Days)
{
    useRuns({{3651, QTime(9, 0), kSato, 2, 95}, {3650, QTime(16, 0), kSato, 2, 96}, {3649, QTime(9, 0), kSato, 2, 97}});
    // 3650 days back from 15:00 is 15:00 that day; a run dated that day is dated its midnight.
    const QStringList lines = allRunLists(sources(), all(), DisplayMode::Time)[2].lines;
    ASSERT_EQ(lines.size(), 1);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("  97秒")));
    EXPECT_TRUE(todayRunLists(sources(), todays())[2].lines.isEmpty());
}

TEST_F(RunListsTest, TodaysRunsComeFromTheNewest1000Runs)
{
    std::vector<LoggedRun> runs{{0, QTime(8, 0), kYamada, 2, 100}};
    for (int i = 0; i < 1000; ++i)
        runs.push_back({0, QTime(9, 0), kSato, 4, 100});
    useRuns(runs);
    const LevelLists lists = todayRunLists(sources(), todays());
    EXPECT_TRUE(lists[2].lines.isEmpty());
    EXPECT_EQ(lists[4].lines.size(), 1000);
}

TEST_F(RunListsTest, AllRunsComeFromTheNewest20000Runs)
{
    std::vector<LoggedRun> runs{{1, QTime(8, 0), kYamada, 2, 100}};
    for (int i = 0; i < 20000; ++i)
        runs.push_back({1, QTime(9, 0), kSato, 4, 100});
    useRuns(runs);
    const LevelLists lists = allRunLists(sources(), all(), DisplayMode::Points);
    EXPECT_TRUE(lists[2].lines.isEmpty());
    EXPECT_EQ(lists[4].lines.size(), 20000);
}

TEST_F(RunListsTest, AnEmptyLogGivesEmptyLists)
{
    useRuns({});
    for (const ResultList &list : todayRunLists(sources(), todays()))
        EXPECT_TRUE(list.lines.isEmpty());
    for (const ResultList &list : allRunLists(sources(), all(), DisplayMode::Time))
        EXPECT_TRUE(list.lines.isEmpty());
}

} // namespace
