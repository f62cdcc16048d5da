#include "resultfixture.h"
#include "resultscreen.h"
#include "qtprinters.h"
#include "testnames.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The result screen, shown offscreen.
class ResultScreenTest : public ResultFixture
{
protected:
    // Records the run as the end of a run does, then shows the screen.
    ResultScreen &show(int runTime)
    {
        screen = std::make_unique<ResultScreen>(state, session, recordRun(runTime), stats, flags, sounds, clock, host);
        screen->show();
        screen->activate();
        return *screen;
    }

    std::unique_ptr<ResultScreen> screen;
};

TEST_F(ResultScreenTest, ATimeOutShowsNoRecordNoPointsAndNoSound)
{
    show(99999);
    EXPECT_EQ(screen->resultLine()->text(), QStringLiteral("記録なし"));
    EXPECT_EQ(screen->pointsLine()->text(), QStringLiteral("獲得ポイント：0点×1.5→0点"));
    EXPECT_TRUE(screen->recordLine()->isVisible());
    EXPECT_EQ(screen->recordLine()->text(), QStringLiteral("時間切れ"));
    EXPECT_TRUE(player.played.isEmpty());
    EXPECT_EQ(screen->nameLine()->text(), QStringLiteral("佐藤一郎"));
    EXPECT_EQ(screen->titleLine()->text(), QStringLiteral("Tavrel"));
    EXPECT_EQ(screen->levelLine()->text(), QStringLiteral("政治２"));
    EXPECT_EQ(host.waitClosed, 1);
}

struct MessageCase
{
    const char *name;
    int runTime;
    bool newBest;
    bool newLevelBest;
    QString message; // empty: hidden
    QStringList sounds;

    friend void PrintTo(const MessageCase &c, std::ostream *os)
    {
        *os << c.name << ": run time " << c.runTime << ", new best " << testing::PrintToString(c.newBest)
            << ", new level best " << testing::PrintToString(c.newLevelBest) << " -> message " << testprint::quoted(c.message) << ", sounds "
            << testprint::quoted(c.sounds);
    }
};

class ResultMessages : public ResultScreenTest, public ::testing::WithParamInterface<MessageCase> {};

TEST_P(ResultMessages, AnnounceRecordsWithTheirSounds)
{
    const MessageCase &c = GetParam();
    flags.newBest = c.newBest;
    flags.newLevelBest = c.newLevelBest;
    show(c.runTime);
    EXPECT_EQ(screen->recordLine()->isVisible(), !c.message.isEmpty());
    if (!c.message.isEmpty()) {
        EXPECT_EQ(screen->recordLine()->text(), c.message);
    }
    EXPECT_EQ(player.played, c.sounds);
    EXPECT_FALSE(flags.newBest);
    EXPECT_FALSE(flags.newLevelBest);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ResultMessages,
    ::testing::Values(
        MessageCase{"both_records", 50, true, true, QStringLiteral("！！！最高新記録！！！"), {QStringLiteral("/snd/最高1.wav")}},
        MessageCase{"own_record", 50, true, false, QStringLiteral("新記録おめでとう"), {QStringLiteral("/snd/own.wav")}},
        MessageCase{"no_record_at_the_limit", 200, false, false, QString(), {QStringLiteral("/snd/fail.wav")}},
        MessageCase{"no_record_past_the_limit", 201, false, false, QString(), {}}),
    testname::ByName());

struct PointsCase
{
    int runTime;
    QString resultLine;
    QString pointsLine;

    friend void PrintTo(const PointsCase &c, std::ostream *os)
    {
        *os << "run time " << c.runTime << " -> " << testprint::quoted(c.resultLine) << ", "
            << testprint::quoted(c.pointsLine);
    }
};

class ResultPoints : public ResultScreenTest, public ::testing::WithParamInterface<PointsCase> {};

TEST_P(ResultPoints, ScoreTheWholeTime)
{
    show(GetParam().runTime);
    EXPECT_EQ(screen->resultLine()->text(), GetParam().resultLine);
    EXPECT_EQ(screen->pointsLine()->text(), GetParam().pointsLine);
}

INSTANTIATE_TEST_SUITE_P(Cases, ResultPoints,
                         ::testing::Values(PointsCase{50, QStringLiteral("今の成績：50秒"), QStringLiteral("獲得ポイント：11点×1.5→16点")},
                                           PointsCase{100, QStringLiteral("今の成績：100秒"), QStringLiteral("獲得ポイント：5点×1.5→7点")},
                                           PointsCase{150, QStringLiteral("今の成績：150秒"), QStringLiteral("獲得ポイント：4点×1.5→6点")},
                                           PointsCase{1000, QStringLiteral("今の成績：1000秒"), QStringLiteral("獲得ポイント：0点×1.5→0点")}),
                         testname::from([](const PointsCase &c) { return testname::of("run_time", c.runTime); }));

TEST_F(ResultScreenTest, TodaysCountsIncludeTheRunJustRecorded)
{
    addRun(4, 120);
    addRun(6, 130);
    addRun(8, 140, 1); // yesterday
    addRun(4, 120, 0, 9); // another pupil
    show(110);
    EXPECT_EQ(screen->levelAttemptLine()->text(), QStringLiteral(" (このレベル　2回目)"));
    EXPECT_EQ(screen->todayAttemptLine()->text(), QStringLiteral("（3回目)"));
}

TEST_F(ResultScreenTest, APupilWhoClearedALevelAndDidEnoughIsSentOn)
{
    for (int i = 0; i < 5; ++i)
        addRun(4, 60);
    show(60);
    EXPECT_TRUE(screen->progressionLine()->isVisible());
    EXPECT_EQ(screen->progressionLine()->text(), QStringLiteral("このレベルクリア"));
    screen->showButtons();
    EXPECT_EQ(screen->progressionLine()->text(), QStringLiteral("次のレベルへ進みましょう"));
    EXPECT_TRUE(screen->menuButton()->isVisible());
    EXPECT_FALSE(screen->againButton()->isVisible());
}

TEST_F(ResultScreenTest, ReturnPressesMenuWhichShowsItsFocusFrame)
{
    show(60);
    screen->showButtons();
    ASSERT_TRUE(screen->menuButton()->isVisible());
    EXPECT_EQ(screen->focusWidget(), screen->menuButton());
    // The style draws the focus frame only on a window whose focus moved by keyboard.
    EXPECT_TRUE(screen->testAttribute(Qt::WA_KeyboardFocusChange));
    QTest::keyClick(screen->menuButton(), Qt::Key_Return);
    EXPECT_EQ(host.toLevels, 1);
    EXPECT_EQ(host.again, 0);
}

TEST_F(ResultScreenTest, ABeginnerMayAlwaysGoAgain)
{
    show(60);
    EXPECT_FALSE(screen->progressionLine()->isVisible());
    EXPECT_TRUE(screen->buttonTimerRunning());
    screen->showButtons();
    EXPECT_TRUE(screen->againButton()->isVisible());
    screen->againButton()->click();
    EXPECT_EQ(host.again, 1);
    EXPECT_EQ(host.waitShown, 1);
    EXPECT_FALSE(screen->menuButton()->isEnabled());
}

TEST_F(ResultScreenTest, ClearingTheFinalLevelPlaysThePassSoundOnlyTheFirstTime)
{
    session.runLevel = 18;
    for (int i = 0; i < 5; ++i)
        addRun(18, 60);
    show(60);
    EXPECT_TRUE(screen->goalPanel()->isVisible());
    EXPECT_TRUE(player.played.contains(QStringLiteral("/snd/合格.wav")));
    screen->showButtons();
    EXPECT_FALSE(screen->goalPanel()->isVisible());
    EXPECT_FALSE(screen->progressionLine()->isVisible());
    EXPECT_TRUE(screen->againButton()->isVisible());

    player.played.clear();
    flags.clearedBefore = true;
    show(60);
    EXPECT_FALSE(player.played.contains(QStringLiteral("/snd/合格.wav")));
}

TEST_F(ResultScreenTest, ACountOf9999AnywhereHidesTheGoalPanel)
{
    session.runLevel = 18;
    state.timingTable[3].requiredCount = 9999;
    for (int i = 0; i < 3; ++i)
        addRun(18, 60);
    show(60);
    EXPECT_TRUE(screen->progressionLine()->isVisible());
    EXPECT_FALSE(screen->goalPanel()->isVisible());
}

} // namespace
