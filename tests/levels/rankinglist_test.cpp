#include "rankinglist.h"
#include "resultlists.h"

#include "levelsfixture.h"
#include "qtprinters.h"
#include "testnames.h"

#include <gtest/gtest.h>

namespace {

using namespace levelsfixture;

const char *modeName(DisplayMode mode)
{
    return mode == DisplayMode::Time ? "Time" : "Points";
}

const char *rankingName(PointsRanking ranking)
{
    return ranking == PointsRanking::UntilNow ? "UntilNow" : "Today";
}

const char *choiceName(ListChoice choice)
{
    switch (choice) {
    case ListChoice::First: return "First";
    case ListChoice::Second: return "Second";
    case ListChoice::All: return "All";
    }
    return "?";
}

// Level 2 (a test): Suzuki ran 50 s yesterday; today Yamada 120 s (6 points), Sato 95 s
// (7 points), Suzuki 95 s (7 points) and Tanaka timed out. Takahashi never ran.
std::vector<LoggedRun> levelTwoRuns()
{
    return {
        {1, QTime(16, 0), kSuzuki, 2, 50},
        {0, QTime(9, 5), kYamada, 2, 120},
        {0, QTime(9, 10), kSato, 2, 95},
        {0, QTime(10, 0), kSuzuki, 2, 95},
        {0, QTime(10, 30), kTanaka, 2, 99999},
    };
}

class RankingListTest : public testing::Test
{
protected:
    ResultList ranking(const QString &filter, DisplayMode mode, PointsRanking ranking, int level = 2)
    {
        const ListSources sources{m_state, kYamada, m_log->stats, m_pupils, filter, now()};
        return rankingList(sources, level, mode, ranking);
    }

    Installation m_state = state();
    PupilDirectory m_pupils = pupils();
    std::unique_ptr<LogStats> m_log = logStats(m_state, levelTwoRuns());
};

struct RankingCase
{
    const char *name;
    const char *filter;
    DisplayMode mode;
    PointsRanking ranking;
    QStringList lines;

    friend void PrintTo(const RankingCase &c, std::ostream *os)
    {
        *os << c.name << ": filter " << testprint::quoted(c.filter) << ", " << modeName(c.mode) << ", "
            << rankingName(c.ranking) << ", lines " << testprint::quoted(c.lines);
    }
};

class RankingTableTest : public RankingListTest, public testing::WithParamInterface<RankingCase>
{
};

TEST_P(RankingTableTest, ListsRanksMarksNamesAndFigures)
{
    const RankingCase &c = GetParam();
    const ResultList list = ranking(QString::fromUtf8(c.filter), c.mode, c.ranking);
    EXPECT_EQ(list.lines, c.lines);
    EXPECT_EQ(list.selectedRow, -1);
}

INSTANTIATE_TEST_SUITE_P(
    Views, RankingTableTest,
    testing::Values(
        // Suzuki's best is 50 s from yesterday.
        RankingCase{"best_times_all_grades", "全学年", DisplayMode::Time, PointsRanking::UntilNow,
                    {QStringLiteral(" 1Ⅱ鈴木一郎　    50 　"), QStringLiteral(" 2⑥佐藤花子　    95 　"),
                     QStringLiteral(" 3●山田太郎　   120 ●"), QStringLiteral("--　高橋　　　------ 　"),
                     QStringLiteral("--①田中美咲子------ 　")}},
        RankingCase{"filtered_pupils_keep_their_rank", "小学生全体", DisplayMode::Time, PointsRanking::UntilNow,
                    {QStringLiteral(" 2⑥佐藤花子　    95 　"), QStringLiteral(" 3●山田太郎　   120 ●"),
                     QStringLiteral("--①田中美咲子------ 　")}},
        RankingCase{"lower_secondary_only", "中学生全体", DisplayMode::Time, PointsRanking::UntilNow,
                    {QStringLiteral(" 1Ⅱ鈴木一郎　    50 　")}},
        RankingCase{"unknown_filter_lists_nobody", "高１", DisplayMode::Time, PointsRanking::UntilNow, {}},
        // Suzuki 16 + 7 = 23 points; equal totals share a rank.
        RankingCase{"points_until_now", "全学年", DisplayMode::Points, PointsRanking::UntilNow,
                    {QStringLiteral(" 1Ⅱ鈴木一郎　  7/   23"), QStringLiteral(" 2⑥佐藤花子　  7/    7"),
                     QStringLiteral(" 3●山田太郎　  6/    6"), QStringLiteral(" 4　高橋　　　  0/    0"),
                     QStringLiteral(" 4①田中美咲子  0/    0")}},
        // Equal points today share rank 1, ordered by points until now; no points today, no row.
        RankingCase{"points_today", "全学年", DisplayMode::Points, PointsRanking::Today,
                    {QStringLiteral(" 1Ⅱ鈴木一郎　  7/   23"), QStringLiteral(" 1⑥佐藤花子　  7/    7"),
                     QStringLiteral(" 3●山田太郎　  6/    6")}}),
    testname::ByName());

TEST_F(RankingListTest, EqualBestTimesShareARankAndTheNextCountsBoth)
{
    m_log = logStats(m_state, {{0, QTime(9, 0), kYamada, 4, 80},
                              {0, QTime(9, 1), kSato, 4, 80},
                              {0, QTime(9, 2), kSuzuki, 4, 81}});
    const QStringList expected{QStringLiteral(" 1●山田太郎　    80 ●"), QStringLiteral(" 1⑥佐藤花子　    80 　"),
                               QStringLiteral(" 3Ⅱ鈴木一郎　    81 　"), QStringLiteral("--　高橋　　　------ 　"),
                               QStringLiteral("--①田中美咲子------ 　")};
    EXPECT_EQ(ranking(QStringLiteral("全学年"), DisplayMode::Time, PointsRanking::UntilNow, 4).lines, expected);
}

TEST_F(RankingListTest, AFailedBestShowsFailureAfterEveryTime)
{
    m_log = logStats(m_state, {{0, QTime(9, 0), kSato, 4, 99998}, {0, QTime(9, 1), kSuzuki, 4, 300}});
    const QStringList lines = ranking(QStringLiteral("全学年"), DisplayMode::Time, PointsRanking::UntilNow, 4).lines;
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[0], QStringLiteral(" 1Ⅱ鈴木一郎　   300 　"));
    EXPECT_EQ(lines[1], QStringLiteral(" 2⑥佐藤花子　*失敗* 　"));
    EXPECT_EQ(lines[2], QStringLiteral("--●山田太郎　------ ●"));
}

// A pupil with many points before today but fewer today ranks below one with more today, however
// large the earlier total.
TEST_F(RankingListTest, TodaysRankingOrdersByTodayWhateverTheTotals)
{
    std::vector<LoggedRun> runs;
    for (int i = 0; i < 20; ++i)
        runs.push_back({1, QTime(9, 0).addSecs(i * 60), kSuzuki, 6, 0}); // 55 × 1.5 = 82 points each
    runs.push_back({0, QTime(9, 0), kSuzuki, 6, 120});                   // 6 points today
    runs.push_back({0, QTime(9, 5), kSato, 6, 95});                      // 7 points today
    m_log = logStats(m_state, runs);
    const QStringList expected{QStringLiteral(" 1⑥佐藤花子　  7/    7"), QStringLiteral(" 2Ⅱ鈴木一郎　  6/ 1646")};
    EXPECT_EQ(ranking(QStringLiteral("全学年"), DisplayMode::Points, PointsRanking::Today, 6).lines, expected);
}

// Levels not scored by time rank the highest value first; failures and pupils without a result
// come last and show as such. Only there does the current pupil's row stay selected.
TEST_F(RankingListTest, ALevelNotScoredByTimeRanksHighestFirstAndSelectsTheCurrentPupil)
{
    m_state.levelTimed[4] = 0;
    m_log = logStats(m_state, {{0, QTime(9, 0), kYamada, 4, 70},
                              {0, QTime(9, 1), kSato, 4, 99998},
                              {0, QTime(9, 2), kSuzuki, 4, 90}});
    const ResultList list = ranking(QStringLiteral("全学年"), DisplayMode::Time, PointsRanking::UntilNow, 4);
    const QStringList expected{QStringLiteral(" 1Ⅱ鈴木一郎　    90 　"), QStringLiteral(" 2●山田太郎　    70 ●"),
                               QStringLiteral(" 3⑥佐藤花子　*失敗* 　"), QStringLiteral("--　高橋　　　------ 　"),
                               QStringLiteral("--①田中美咲子------ 　")};
    EXPECT_EQ(list.lines, expected);
    EXPECT_EQ(list.selectedRow, 1);
}

TEST_F(RankingListTest, PupilsWithEqualKeysKeepListOrder)
{
    m_pupils.setListed({kTanaka, kTaka, kSato});
    const QStringList expected{QStringLiteral("--①田中美咲子------ 　"), QStringLiteral("--　高橋　　　------ 　"),
                               QStringLiteral("--⑥佐藤花子　------ 　")};
    EXPECT_EQ(ranking(QStringLiteral("全学年"), DisplayMode::Time, PointsRanking::UntilNow, 8).lines, expected);
}

TEST_F(RankingListTest, NoListedPupilsAndLevelsOutsideTheTablesGiveEmptyLists)
{
    EXPECT_TRUE(ranking(QStringLiteral("全学年"), DisplayMode::Time, PointsRanking::UntilNow, 0).lines.isEmpty());
    EXPECT_TRUE(ranking(QStringLiteral("全学年"), DisplayMode::Time, PointsRanking::UntilNow, 36).lines.isEmpty());
    m_pupils.setListed({});
    EXPECT_TRUE(ranking(QStringLiteral("全学年"), DisplayMode::Points, PointsRanking::UntilNow).lines.isEmpty());
}

struct ViewCase
{
    const char *name;
    DisplayMode mode;
    ListChoice choice;
    const char *heading;

    friend void PrintTo(const ViewCase &c, std::ostream *os)
    {
        *os << c.name << ": " << modeName(c.mode) << ", " << choiceName(c.choice) << ", heading "
            << testprint::quoted(c.heading);
    }
};

class ResultViewTest : public RankingListTest, public testing::WithParamInterface<ViewCase>
{
};

// Practice levels get no ranking in the best-time view; the points rankings cover every level.
TEST_P(ResultViewTest, SetsTheHeadingAndFillsTheLevelsOfTheView)
{
    const ViewCase &c = GetParam();
    const ListSources sources{m_state, kYamada, m_log->stats, m_pupils, QStringLiteral("全学年"), now()};
    const ResultListsView view = buildResultLists(sources, c.mode, c.choice, {});
    EXPECT_EQ(view.heading, QString::fromUtf8(c.heading));
    EXPECT_TRUE(view.lists[0].lines.isEmpty());
    for (std::size_t slot = 19; slot < view.lists.size(); ++slot)
        EXPECT_TRUE(view.lists[slot].lines.isEmpty()) << slot;
    if (c.choice != ListChoice::First)
        return;
    const auto expectedForPractice = c.mode == DisplayMode::Time ? 0 : 5;
    EXPECT_EQ(view.lists[1].lines.size(), expectedForPractice);
    EXPECT_EQ(view.lists[2].lines, rankingList(sources, 2, c.mode, PointsRanking::UntilNow).lines);
    EXPECT_EQ(view.lists[18].lines.size(), 5);
}

INSTANTIATE_TEST_SUITE_P(
    Views, ResultViewTest,
    testing::Values(ViewCase{"best", DisplayMode::Time, ListChoice::First, "ベスト成績"},
                    ViewCase{"today_runs", DisplayMode::Time, ListChoice::Second, "本日の成績"},
                    ViewCase{"all_runs", DisplayMode::Time, ListChoice::All, ""},
                    ViewCase{"points_until_now", DisplayMode::Points, ListChoice::First, "獲得ポイント（今まで順位）"},
                    ViewCase{"points_today", DisplayMode::Points, ListChoice::Second, "獲得ポイント（今日の順位）"},
                    ViewCase{"points_all_runs", DisplayMode::Points, ListChoice::All, ""}),
    testname::ByName());

TEST_F(RankingListTest, TodaysPointsViewUsesTheTodayRanking)
{
    const ListSources sources{m_state, kYamada, m_log->stats, m_pupils, QStringLiteral("全学年"), now()};
    const ResultListsView view = buildResultLists(sources, DisplayMode::Points, ListChoice::Second, {});
    EXPECT_EQ(view.lists[2].lines, rankingList(sources, 2, DisplayMode::Points, PointsRanking::Today).lines);
    EXPECT_TRUE(view.lists[4].lines.isEmpty());
}

TEST(ListChoiceCaptions, FollowTheDisplayMode)
{
    EXPECT_EQ(listChoiceCaptions(DisplayMode::Time),
              (ListChoiceCaptions{QStringLiteral("BEST表示"), QStringLiteral("本日のみ"), QStringLiteral("すべて")}));
    EXPECT_EQ(listChoiceCaptions(DisplayMode::Points),
              (ListChoiceCaptions{QStringLiteral("合計累計"), QStringLiteral("合計本日"), QStringLiteral("すべて")}));
    EXPECT_EQ(activationListChoiceCaptions(),
              (ListChoiceCaptions{QStringLiteral("累計順"), QStringLiteral("本日順"), QStringLiteral("すべて")}));
}

} // namespace
