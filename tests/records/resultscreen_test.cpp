#include "installation.h"
#include "catalogue.h"
#include "fakes.h"
#include "pupilsession.h"
#include "testinstallation.h"
#include "resultscreen.h"
#include "oadate.h"
#include "runlogrecord.h"
#include "runstats.h"
#include "soundeffects.h"
#include "soundtable.h"
#include "qtprinters.h"
#include "tempinstall.h"
#include "testnames.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class FakeResultHost : public ResultHost
{
public:
    void letEventsRun() override { ++eventRuns; }
    bool computeStats() override
    {
        stats->countRecords(log, state->timingTable, now);
        return true;
    }
    void showWaitScreen() override { ++waitShown; }
    void closeWaitScreen() override { ++waitClosed; }
    void goToLevels() override { ++toLevels; }
    void runAgain() override { ++again; }

    Installation *state = nullptr;
    RunStats *stats = nullptr;
    QByteArray log;
    QDateTime now;
    int eventRuns = 0;
    int waitShown = 0;
    int waitClosed = 0;
    int toLevels = 0;
    int again = 0;
};

// The result screen of pupil 3 after a run at level 4 (pass 100 s, limit 200 s, weight 1.5).
class ResultScreenTest : public ::testing::Test
{
protected:
    ResultScreenTest()
    {
        for (int level = 1; level <= 18; ++level) {
            LevelTiming &t = state.timingTable[static_cast<std::size_t>(level)];
            t.levelWeight = 1.5F;
            t.requiredPoints = 30;
            t.requiredCount = 3;
            t.window1Days = 7;
            t.window2Days = 30;
            t.window2Count = 5;
            t.window2Points = 0;
        }
        session.pupilNo = 3;
        session.pupilName = QStringLiteral("  佐藤一郎 ");
        session.runLevel = 4;
        host.state = &state;
        host.stats = &stats;
        host.now = QDateTime(QDate(2026, 12, 9), QTime(15, 0));
    }

    void addRun(int level, int time, int daysAgo = 0, int pupil = 3)
    {
        const double day = oadate::fromDate(host.now.date().addDays(-daysAgo));
        host.log += RunRecord::forRun(day, 0.5, static_cast<std::int16_t>(pupil), static_cast<std::int16_t>(level),
                                      time, QStringLiteral("01234"))
                        .encode();
    }

    // Records the run as the end of a run does, then shows the screen.
    ResultScreen &show(int runTime)
    {
        RunOutcome outcome;
        outcome.level = session.runLevel;
        outcome.seconds = runTime;
        outcome.timedOut = runTime == RunOutcome::kTimedOutSeconds;
        addRun(outcome.level, runTime);
        screen = std::make_unique<ResultScreen>(state, session, outcome, stats, flags, sounds, host);
        screen->show();
        screen->activate();
        return *screen;
    }


    Installation state = catalogueInstallation(100, 200);
    PupilSession session;
    RunStats stats;
    RunFlags flags;
    SoundTable table = [] {
        TempInstall install;
        install.writeText(QStringLiteral("files/新音ファイル.txt"),
                          QStringLiteral("自己最高音2,own,*\r\n不合格音1,fail,*\r\n"));
        return SoundTable::read(install.filesFolder() + QStringLiteral("新音ファイル.txt"));
    }();
    FakeSoundPlayer player;
    ScriptedRandom random{{0.0}};
    SoundEffects sounds{table, QStringLiteral("/snd/"), player, random, [](const QString &, const QString &) {}};
    FakeResultHost host;
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
