// The level screen's logic played without widgets: what an activation shows, the lists of each
// display option and list choice, the scroll position and keys, and the hand-overs, which carry
// the level started.
#include "levelselection.h"

#include "clock.h"
#include "corefakes.h"
#include "fakelevelhost.h"
#include "levelsfixture.h"
#include "testnames.h"

#include <gtest/gtest.h>

namespace {

using namespace levelsfixture;

// Yamada at the level screen of the small school, with runs of today and of last week.
class LevelSelectionTest : public ::testing::Test
{
protected:
    LevelSelectionTest()
    {
        session.startClock = 14 * 3600 + 30 * 60;
        session.gradeFilterText = QStringLiteral("全学年");
        session.pupilGrade = QStringLiteral("小６");
        host.state = &install;
        host.stats = &stats;
        host.now = now();
        host.directory = pupils();
        host.log = runLog({{0, QTime(9, 0), kYamada, 2, 80}, {0, QTime(9, 30), kSato, 2, 60},
                           {6, QTime(10, 0), kYamada, 4, 120}, {0, QTime(11, 0), kSato, 4, 150}});
    }

    const LevelColumnView &column(int level) const
    {
        return selection.view().columns.at(static_cast<std::size_t>(level - 1));
    }

    Installation install = state();
    PupilSession session = levelsfixture::session();
    ManualClock clock{now()};
    RunStats stats;
    FakeLevelHost host;
    FakeScreenPainter painter;
    LevelSelection selection{install, session, clock, stats, host, painter};
};

TEST_F(LevelSelectionTest, AnActivationRebuildsTheFiguresUnderTheCover)
{
    bool coveredWhileRebuilding = false;
    painter.duringPaint = [&] { coveredWhileRebuilding = selection.view().coverShown && host.statsRebuilt == 0; };
    selection.activate();
    EXPECT_TRUE(coveredWhileRebuilding);
    EXPECT_EQ(host.statsRebuilt, 1);

    const LevelSelectionView &v = selection.view();
    EXPECT_FALSE(v.coverShown);
    EXPECT_TRUE(v.keysActive);
    EXPECT_EQ(v.title, QStringLiteral("Tavrel"));
    EXPECT_EQ(v.pupilLine, QStringLiteral("小６ 山田太郎"));
    EXPECT_EQ(v.minutesText, QStringLiteral("起動後30分"));
    EXPECT_EQ(v.todayTotalText, QStringLiteral("本日総回数＝1回"));
    EXPECT_EQ(v.displayOption, DisplayOption::Points);
    EXPECT_EQ(v.listChoice, ListChoice::First);
    EXPECT_EQ(v.listChoiceCaptions, activationListChoiceCaptions());
    EXPECT_EQ(v.heading, QStringLiteral("獲得ポイント（今まで順位）"));
    ASSERT_EQ(v.columns.size(), 18U);
    EXPECT_TRUE(column(1).texts.practice);
    EXPECT_FALSE(column(2).texts.practice);
    EXPECT_EQ(column(2).texts.level, 2);
    EXPECT_TRUE(column(2).texts.todayCounts.startsWith(QStringLiteral("1回/")));
    EXPECT_EQ(column(2).list.lines.size(), 5);
    EXPECT_FALSE(v.graphOffered);
    // The rankings come from the figures; the log is not read again for them.
    EXPECT_EQ(host.logReads, 0);
    ASSERT_EQ(host.kept.size(), 1U);
    EXPECT_EQ(host.kept.back(), (LevelVisit{1, false}));
}

struct KeptCase
{
    int kept;
    int firstVisible;
};

class KeptPosition : public LevelSelectionTest, public ::testing::WithParamInterface<KeptCase> {};

TEST_P(KeptPosition, OpensWhereThePupilLeftIt)
{
    session.firstVisibleLevel = GetParam().kept;
    selection.activate();
    EXPECT_EQ(selection.view().firstVisibleLevel, GetParam().firstVisible);
    EXPECT_EQ(host.kept.back().firstVisibleLevel, GetParam().firstVisible);
}

INSTANTIATE_TEST_SUITE_P(Cases, KeptPosition,
                         ::testing::Values(KeptCase{0, 1}, KeptCase{7, 7}, KeptCase{15, 15}, KeptCase{16, 1}),
                         testname::from([](const KeptCase &c) { return testname::of("kept", c.kept); }));

// A list switch is made of display modes and list choices in turn.
struct SwitchCase
{
    const char *name;
    std::vector<std::pair<DisplayMode, ListChoice>> steps; // a mode chosen, then a list choice
    QString heading;
    ListChoiceCaptions captions;
    int logReads; // the run lists read the log afresh at every switch
    int sato2;    // the lines of level 2's list that name 佐藤

    friend void PrintTo(const SwitchCase &c, std::ostream *os) { *os << c.name; }
};

class Switches : public LevelSelectionTest, public ::testing::WithParamInterface<SwitchCase> {};

TEST_P(Switches, ShowTheListsOfTheModeAndChoice)
{
    const SwitchCase &c = GetParam();
    selection.activate();
    int paintsWithListWork = 0;
    painter.duringPaint = [&] { paintsWithListWork += selection.view().listWorkShown ? 1 : 0; };
    for (const auto &[mode, choice] : c.steps) {
        selection.chooseDisplayMode(mode);
        selection.chooseList(choice);
    }
    const LevelSelectionView &v = selection.view();
    EXPECT_FALSE(v.listWorkShown);
    EXPECT_EQ(paintsWithListWork, 2 * static_cast<int>(c.steps.size()));
    EXPECT_EQ(v.heading, c.heading);
    EXPECT_EQ(v.listChoice, c.steps.back().second);
    EXPECT_EQ(v.listChoiceCaptions, c.captions);
    EXPECT_EQ(host.logReads, c.logReads);
    EXPECT_EQ(column(2).list.lines.filter(QStringLiteral("佐藤")).size(), c.sato2);
}

const ListChoiceCaptions kTimeCaptions{QStringLiteral("BEST表示"), QStringLiteral("本日のみ"), QStringLiteral("すべて")};
const ListChoiceCaptions kPointsCaptions{QStringLiteral("合計累計"), QStringLiteral("合計本日"), QStringLiteral("すべて")};

INSTANTIATE_TEST_SUITE_P(
    Cases, Switches,
    ::testing::Values(
        SwitchCase{"best_times", {{DisplayMode::Time, ListChoice::First}}, QStringLiteral("ベスト成績"), kTimeCaptions, 0, 1},
        SwitchCase{"todays_runs", {{DisplayMode::Time, ListChoice::Second}}, QStringLiteral("本日の成績"), kTimeCaptions, 1, 1},
        SwitchCase{"every_run", {{DisplayMode::Time, ListChoice::All}}, QString(), kTimeCaptions, 1, 1},
        SwitchCase{"points_today", {{DisplayMode::Points, ListChoice::Second}}, QStringLiteral("獲得ポイント（今日の順位）"),
                   kPointsCaptions, 0, 1},
        SwitchCase{"back_to_points_keeps_the_choice",
                   {{DisplayMode::Time, ListChoice::All}, {DisplayMode::Points, ListChoice::All}}, QString(),
                   kPointsCaptions, 3, 1}),
    testname::ByName());

TEST_F(LevelSelectionTest, AModeChosenKeepsTheListChoice)
{
    selection.activate();
    selection.chooseList(ListChoice::Second);
    selection.chooseDisplayMode(DisplayMode::Time);
    EXPECT_EQ(selection.view().heading, QStringLiteral("本日の成績"));
    EXPECT_EQ(selection.view().displayOption, DisplayOption::Time);
    EXPECT_EQ(selection.view().listChoice, ListChoice::Second);
}

TEST_F(LevelSelectionTest, PersonalTimesOfferTheGraphUntilAModeIsChosen)
{
    selection.activate();
    const int changes = selection.view().listsChanged;
    selection.showPersonalTimes();
    EXPECT_EQ(selection.view().displayOption, DisplayOption::PersonalTimes);
    EXPECT_TRUE(selection.view().graphOffered);
    EXPECT_EQ(selection.view().heading, QStringLiteral("個人別ﾀｲﾑ"));
    EXPECT_EQ(selection.view().listsChanged, changes + 1);
    EXPECT_EQ(column(2).list.lines.size(), 1);
    EXPECT_EQ(column(2).list.selectedRow, -1);

    // A list choice switches the lists, not the view they belong to.
    selection.chooseList(ListChoice::Second);
    EXPECT_TRUE(selection.view().graphOffered);
    EXPECT_EQ(selection.view().displayOption, DisplayOption::PersonalTimes);
    selection.chooseDisplayMode(DisplayMode::Points);
    EXPECT_FALSE(selection.view().graphOffered);
    EXPECT_EQ(selection.view().displayOption, DisplayOption::Points);
}

// The personal times come from the newest runs read when the view is chosen, not from the
// figures of the activation: a run recorded since (here or on another PC) is listed.
TEST_F(LevelSelectionTest, PersonalTimesReadTheNewestRunsAgain)
{
    selection.activate();
    host.log += runLog({{0, QTime(13, 0), kYamada, 2, 77}});
    const int reads = host.logReads;
    EXPECT_TRUE(selection.showPersonalTimes());
    EXPECT_EQ(host.logReads, reads + 1);
    ASSERT_EQ(column(2).list.lines.size(), 2);
    EXPECT_TRUE(column(2).list.lines.last().endsWith(QStringLiteral("13:00:00  77秒"))) << column(2).list.lines.last().toStdString();
}

TEST_F(LevelSelectionTest, PersonalTimesThatCannotBeReadLeaveTheListsAndOfferNoGraph)
{
    selection.activate();
    const LevelSelectionView before = selection.view();
    host.readFails = true;
    EXPECT_FALSE(selection.showPersonalTimes());
    const LevelSelectionView &v = selection.view();
    EXPECT_FALSE(v.graphOffered);
    EXPECT_FALSE(v.listWorkShown);
    EXPECT_EQ(v.listsChanged, before.listsChanged);
    EXPECT_EQ(v.heading, before.heading);
    EXPECT_EQ(column(2).list.lines, before.columns.at(1).list.lines);
}

struct KeyCase
{
    const char *name;
    const char *typed;
    bool afterActivation;
    std::vector<std::pair<int, bool>> started;
    int backs;

    friend void PrintTo(const KeyCase &c, std::ostream *os) { *os << c.name << ": " << c.typed; }
};

class Keys : public LevelSelectionTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(Keys, StartALevelOrGoBack)
{
    const KeyCase &c = GetParam();
    if (c.afterActivation)
        selection.activate();
    const bool acted = selection.pressKey(QString::fromUtf8(c.typed));
    EXPECT_EQ(acted, !c.started.empty() || c.backs > 0);
    EXPECT_EQ(host.started, c.started);
    EXPECT_EQ(host.backs, c.backs);
}

INSTANTIATE_TEST_SUITE_P(Cases, Keys,
                         ::testing::Values(KeyCase{"digit", "7", true, {{7, true}}, 0},
                                           KeyCase{"letter", "c", true, {{12, true}}, 0},
                                           KeyCase{"zero", "0", true, {}, 1},
                                           KeyCase{"no_key_for_level_14", "e", true, {}, 0},
                                           KeyCase{"before_the_activation_ends", "7", false, {}, 0}),
                         testname::ByName());

TEST_F(LevelSelectionTest, AStartedLevelReachesTheHostWithItsNumberAndNoSecondStartFollows)
{
    selection.activate();
    bool coveredFirst = false;
    painter.duringPaint = [&] { coveredFirst = selection.view().coverShown && host.started.empty(); };
    selection.startLevel(4);
    EXPECT_TRUE(coveredFirst);
    EXPECT_FALSE(selection.view().keysActive);
    EXPECT_FALSE(selection.pressKey(QStringLiteral("2")));
    EXPECT_EQ(host.started, (std::vector<std::pair<int, bool>>{{4, true}}));

    // A caption click leaves the screen open behind the run.
    selection.activate();
    painter.paints = 0;
    selection.practiseLevel(3);
    EXPECT_EQ(host.started.back(), (std::pair<int, bool>{3, false}));
    EXPECT_EQ(painter.paints, 0);
}

TEST_F(LevelSelectionTest, ScrollingIsKeptAndTheWayBackIsClosedWhileListsAreRebuilt)
{
    selection.activate();
    selection.scrollTo(9);
    EXPECT_EQ(selection.view().firstVisibleLevel, 9);
    EXPECT_EQ(host.kept.back().firstVisibleLevel, 9);
    selection.scrollTo(30);
    EXPECT_EQ(host.kept.back().firstVisibleLevel, 1);

    // While lists are rebuilt (the notice being painted), "戻る" and "0" do nothing.
    painter.duringPaint = [&] {
        if (selection.view().listWorkShown) {
            selection.backToStart();
            selection.pressKey(QStringLiteral("0"));
        }
    };
    selection.chooseList(ListChoice::All);
    EXPECT_EQ(host.backs, 0);
    painter.duringPaint = nullptr;
    selection.backToStart();
    EXPECT_EQ(host.backs, 1);
    EXPECT_TRUE(selection.view().coverShown);
}

} // namespace
