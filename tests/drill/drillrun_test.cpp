#include "clock.h"
#include "drillrun.h"
#include "fakedrillhost.h"
#include "fakes.h"
#include "pupilsession.h"
#include "questionfactory.h"
#include "testinstallation.h"
#include "testnames.h"
#include "soundeffects.h"
#include "soundtable.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// A drill run on level 2 (a test) with a clock that moves only when told to.
class DrillRunTest : public ::testing::Test
{
protected:
    DrillRunTest()
    {
        state.siteName = QStringLiteral("みどり小学校");
        session.pupilName = QStringLiteral(" 山田太郎 ");
        session.pupilNo = 12;
        session.runLevel = 2;
        session.startClock = 9 * 3600;
        player.results.clear();
    }

    void activate(int questions = 20, RunHistory history = {})
    {
        run.activate(numberedQuestions(questions), history);
    }

    void passCover()
    {
        if (run.coverTimerRunning())
            run.coverTimerFired();
    }

    void answerCorrectly()
    {
        passCover();
        run.chooseChoice(run.answerChoice());
        if (run.yearCoverTimerRunning())
            run.yearCoverTimerFired();
    }

    int correctYearIndex() const
    {
        for (int k = 0; k < DrillView::kYears; ++k) {
            if (run.view().yearTexts.at(static_cast<std::size_t>(k)).trimmed().toInt()
                == run.question(run.currentQuestion()).year)
                return k;
        }
        return -1;
    }

    int wrongChoice() const { return run.answerChoice() == 0 ? 1 : 0; }

    void tickAt(double seconds)
    {
        clock.advance(seconds - (clock.monotonicSeconds() - run.runStartSeconds()));
        run.clockTick();
    }

    Installation state = catalogueInstallation(60, 100);
    PupilSession session;
    ManualClock clock{QDateTime(QDate(2026, 12, 9), QTime(9, 0, 30))};
    SeededRandom random{42};
    SoundTable table;
    FakeSoundPlayer player;
    ScriptedRandom soundRandom{{0.0}};
    SoundEffects sounds{table, QStringLiteral("/snd/"), player, soundRandom, [](const QString &, const QString &) {}};
    FakeDrillHost host;
    FakeScreenPainter painter;
    DrillRun run{state, session, clock, random, sounds, host, painter};
};

TEST_F(DrillRunTest, ActivationScalesTheBarAndFillsTheStatusStrip)
{
    state.timingTable[2].limitTime = 120;
    RunHistory history;
    history.runsToday = 5;
    history.runsTodayAtLevel = 3;
    activate(20, history);
    const DrillView &v = run.view();
    EXPECT_EQ(run.barSeconds(), 600);
    EXPECT_DOUBLE_EQ(v.barPassWidth, v.barFrameWidth / 10.0);
    EXPECT_DOUBLE_EQ(v.barLimitWidth, v.barFrameWidth / 5.0);
    EXPECT_EQ(v.barElapsedWidth, 0.0);
    EXPECT_EQ(v.pupilName, QStringLiteral("山田太郎"));
    EXPECT_EQ(v.levelName, QStringLiteral("政治１"));
    EXPECT_EQ(v.todayRun, QStringLiteral("6"));
    EXPECT_EQ(v.levelRun, QStringLiteral("4"));
    EXPECT_EQ(v.remaining, QStringLiteral("20"));
    EXPECT_EQ(v.title, QStringLiteral("Tavrel"));
    EXPECT_DOUBLE_EQ(v.titlePoints, 16.8);
    EXPECT_TRUE(run.clockRunning());
    EXPECT_TRUE(v.coverVisible);
    EXPECT_TRUE(run.coverTimerRunning());
    EXPECT_FALSE(v.practice);
}

TEST_F(DrillRunTest, PracticeLevelsShowDashesForTheRunCounters)
{
    session.runLevel = 7;
    activate();
    EXPECT_TRUE(run.view().practice);
    EXPECT_EQ(run.view().todayRun, QStringLiteral("－"));
    EXPECT_EQ(run.view().levelRun, QStringLiteral("－"));
}

TEST_F(DrillRunTest, MinutesSinceTheStartRoundDown)
{
    clock.setNow(QDateTime(QDate(2026, 12, 9), QTime(9, 1, 59)));
    activate();
    EXPECT_EQ(run.view().minutes, QStringLiteral("1"));
    clock.setNow(QDateTime(QDate(2026, 12, 9), QTime(9, 2, 0)));
    run.minutesTick();
    EXPECT_EQ(run.view().minutes, QStringLiteral("2"));
    // Past midnight the count goes on.
    session.startClock = 23 * 3600 + 59 * 60;
    clock.setNow(QDateTime(QDate(2026, 12, 10), QTime(0, 3, 0)));
    run.minutesTick();
    EXPECT_EQ(run.view().minutes, QStringLiteral("4"));
}

TEST_F(DrillRunTest, AQuestionShowsItsClueNineChoicesAndSixYears)
{
    activate();
    const DrillView &v = run.view();
    const Question &q = run.question(run.currentQuestion());
    const bool byExplanation = run.questionKind() == DrillRun::QuestionKind::PickName;
    EXPECT_EQ(v.clue, byExplanation ? q.explain : q.name);
    EXPECT_EQ(v.prompt.main, byExplanation ? QStringLiteral("誰ですか") : QStringLiteral("関係あるのは"));
    EXPECT_EQ(v.choices.at(static_cast<std::size_t>(run.answerChoice())).main, byExplanation ? q.name : q.explain);
    for (const ChoiceSlot &choice : v.choices) {
        EXPECT_FALSE(choice.main.isEmpty());
        EXPECT_TRUE(choice.enabled);
    }
    EXPECT_EQ(v.progress, QStringLiteral("あと1回でクリア"));
    EXPECT_EQ(correctYearIndex() >= 0, true);
    EXPECT_TRUE(v.yearCoverVisible);
    EXPECT_FALSE(v.yearPanelVisible);
}

TEST_F(DrillRunTest, CountersMoveUpByOneDownByTwoAndNeverBelowMinusTwo)
{
    activate();
    passCover();
    const int q = run.currentQuestion();
    const int wrong = wrongChoice();
    run.chooseChoice(wrong);
    EXPECT_EQ(run.clearCounter(q), -2);
    EXPECT_EQ(run.view().progress, QStringLiteral("あと3回でクリア"));
    EXPECT_FALSE(run.view().choices.at(static_cast<std::size_t>(wrong)).enabled);
    EXPECT_EQ(player.played.size(), 1);

    // The disabled choice cannot be chosen again; the prompt counts as wrong and is disabled too.
    run.chooseChoice(wrong);
    EXPECT_EQ(player.played.size(), 1);
    run.choosePrompt();
    EXPECT_EQ(run.clearCounter(q), -2);
    EXPECT_EQ(run.view().progress, QStringLiteral("あと3回でクリア"));
    EXPECT_FALSE(run.view().prompt.enabled);

    run.chooseChoice(run.answerChoice());
    EXPECT_EQ(run.clearCounter(q), -1);
    EXPECT_EQ(run.view().progress, QStringLiteral("あと2回でクリア"));
    EXPECT_TRUE(run.view().yearPanelVisible);
    EXPECT_EQ(run.view().yearCaption, QStringLiteral("年代を答えなさい"));
    EXPECT_EQ(run.view().answerInYearPanel.main, run.view().prompt.main);
}

TEST_F(DrillRunTest, AFreshQuestionAnsweredAtOnceIsClearedAndNeverAskedAgain)
{
    activate(12);
    answerCorrectly();
    const int q = run.currentQuestion();
    EXPECT_EQ(run.view().progress, QStringLiteral("この問題クリア！"));
    EXPECT_EQ(run.clearCounter(q), 1);
    run.chooseYear(correctYearIndex());
    EXPECT_EQ(run.view().remaining, QStringLiteral("11"));
    for (int i = 0; i < 10; ++i) {
        EXPECT_NE(run.currentQuestion(), q);
        answerCorrectly();
        run.chooseYear(correctYearIndex());
    }
}

TEST_F(DrillRunTest, ThreeWrongYearsAddThirtySecondsAndKeepTheYearPanel)
{
    activate();
    answerCorrectly();
    const int right = correctYearIndex();
    const int wrongYear = right == 0 ? 1 : 0;
    tickAt(5.0);
    EXPECT_EQ(run.view().time, QStringLiteral("5"));
    for (int i = 0; i < 3; ++i)
        run.chooseYear(wrongYear);
    run.clockTick();
    EXPECT_EQ(run.view().time, QStringLiteral("35"));
    EXPECT_TRUE(run.view().yearPanelVisible);
    EXPECT_EQ(run.clearCounter(run.currentQuestion()), 1);
}

TEST_F(DrillRunTest, YearsAreNotChosenUnderTheirCover)
{
    activate();
    passCover();
    run.chooseChoice(run.answerChoice());
    const int before = static_cast<int>(player.played.size());
    run.chooseYear(correctYearIndex());
    EXPECT_EQ(player.played.size(), before);
    EXPECT_TRUE(run.view().yearPanelVisible);
}

TEST_F(DrillRunTest, PassBlocksCountDownTheLastTenSeconds)
{
    activate();
    tickAt(50.0);
    EXPECT_FALSE(run.view().passRow.hidden[0]);
    tickAt(51.0);
    EXPECT_TRUE(run.view().passRow.hidden[0]);
    EXPECT_FALSE(run.view().passRow.hidden[1]);
    tickAt(60.0);
    for (const bool hidden : run.view().passRow.hidden)
        EXPECT_TRUE(hidden);
    // No best times given: those rows stay full.
    for (const CountdownRow &row : {run.view().bestRow, run.view().yourBestRow}) {
        for (const bool hidden : row.hidden)
            EXPECT_FALSE(hidden);
    }
}

TEST_F(DrillRunTest, AWrongYearJumpsTheCountdown)
{
    RunHistory history;
    history.levelBestTime = 80;
    history.ownBestTime = 65;
    activate(20, history);
    answerCorrectly();
    tickAt(58.0);
    const int right = correctYearIndex();
    run.chooseYear(right == 0 ? 1 : 0);
    run.clockTick();
    EXPECT_EQ(run.view().time, QStringLiteral("68"));
    for (std::size_t b = 0; b < CountdownRow::kBlocks; ++b)
        EXPECT_TRUE(run.view().passRow.hidden.at(b)) << b;
    // Own best 65: its row counts down from 56 on, so at 68 it is gone; the overall best of 80
    // has just begun (71 is its first block).
    for (std::size_t b = 0; b < CountdownRow::kBlocks; ++b)
        EXPECT_TRUE(run.view().yourBestRow.hidden.at(b)) << b;
    EXPECT_FALSE(run.view().bestRow.hidden[0]);
}

TEST_F(DrillRunTest, TheTimeOutRecords99999OnceAndFreezesTheScreen)
{
    activate();
    passCover();
    tickAt(499.0);
    EXPECT_FALSE(run.timedOut());
    tickAt(500.0);
    EXPECT_TRUE(run.timedOut());
    ASSERT_EQ(host.recorded.size(), 1);
    EXPECT_EQ(host.recorded[0].seconds, 99999);
    EXPECT_TRUE(host.recorded[0].timedOut);
    EXPECT_EQ(host.recorded[0].level, 2);
    EXPECT_TRUE(run.view().noticeVisible);
    EXPECT_TRUE(run.view().noticeTimeUp);
    EXPECT_FALSE(run.view().noticeRecording);
    EXPECT_EQ(host.testFinished, 1);
    EXPECT_FALSE(run.clockRunning());

    const int playedBefore = static_cast<int>(player.played.size());
    const int q = run.currentQuestion();
    const int counter = run.clearCounter(q);
    run.choosePrompt();
    for (int choice = 0; choice < DrillView::kChoices; ++choice)
        run.chooseChoice(choice);
    run.chooseAnswerInYearPanel();
    for (int k = 0; k < DrillView::kYears; ++k)
        run.chooseYear(k);
    for (int d = 1; d <= 9; ++d)
        run.pressDigit(d);
    run.clockTick();
    EXPECT_EQ(player.played.size(), playedBefore);
    EXPECT_EQ(run.clearCounter(q), counter);
    EXPECT_EQ(run.currentQuestion(), q);
    EXPECT_EQ(host.recorded.size(), 1);
}

TEST_F(DrillRunTest, TheEndOfARunHappensOnceEvenWhenReEntered)
{
    activate(1);
    answerCorrectly();
    // Should the year be clicked again and the clock tick while the end notice is painted, the
    // run still ends once.
    int reentries = 0;
    painter.duringPaint = [&] {
        if (reentries++ < 5) {
            run.chooseYear(correctYearIndex());
            run.clockTick();
        }
    };
    tickAt(42.4);
    run.chooseYear(correctYearIndex());
    EXPECT_EQ(host.recordedSeconds(), QList<int>{42});
    EXPECT_EQ(host.testFinished, 1);
    EXPECT_TRUE(run.view().noticeRecording);
    EXPECT_FALSE(run.view().noticeTimeUp);
}

// The two moments a run paints in the middle of its own procedure: the end notice before the
// run is recorded (which may wait for the run log), and a wrong choice greyed out before its
// sound plays. Nothing else reaches the screen before the intent returns.
TEST_F(DrillRunTest, NoticesArePaintedBeforeTheSlowStepsTheyAnnounce)
{
    activate(2);
    passCover();
    const int wrong = wrongChoice();
    bool greyedBeforeTheSound = false;
    painter.duringPaint = [&] {
        greyedBeforeTheSound = !run.view().choices.at(static_cast<std::size_t>(wrong)).enabled && player.played.isEmpty();
    };
    run.chooseChoice(wrong);
    EXPECT_TRUE(greyedBeforeTheSound);
    EXPECT_EQ(painter.paints, 1);

    bool noticeBeforeRecording = false;
    painter.duringPaint = [&] { noticeBeforeRecording = run.view().noticeRecording && host.recorded.isEmpty(); };
    for (int guard = 0; host.testFinished == 0 && guard < 20; ++guard) {
        answerCorrectly();
        run.chooseYear(correctYearIndex());
    }
    ASSERT_EQ(host.testFinished, 1);
    EXPECT_TRUE(noticeBeforeRecording);
    EXPECT_EQ(painter.paints, 2);
}

TEST_F(DrillRunTest, AWholeRunEndsWithTheLastClearedQuestion)
{
    activate(8);
    int guard = 0;
    while (host.testFinished == 0 && guard++ < 200) {
        tickAt(clock.monotonicSeconds() - run.runStartSeconds() + 3.0);
        answerCorrectly();
        run.chooseYear(correctYearIndex());
    }
    ASSERT_EQ(host.testFinished, 1);
    EXPECT_EQ(host.recorded.size(), 1);
    EXPECT_EQ(host.recorded[0].seconds, run.elapsedSeconds());
    EXPECT_FALSE(host.recorded[0].timedOut);
    EXPECT_EQ(run.view().remaining, QStringLiteral("0"));
    EXPECT_EQ(host.waitScreens, 1);
}

TEST_F(DrillRunTest, KeysFollowTheRulesOfClicks)
{
    activate();
    run.pressDigit(run.answerChoice() + 1); // still under the cover
    EXPECT_TRUE(player.played.isEmpty());
    passCover();
    run.pressDigit(run.answerChoice() + 1);
    EXPECT_EQ(player.played.size(), 1);
    EXPECT_TRUE(run.view().yearPanelVisible);
    run.pressDigit(correctYearIndex() + 1); // timeline still covered
    EXPECT_EQ(player.played.size(), 1);
    run.yearCoverTimerFired();
    const int q = run.currentQuestion();
    run.pressDigit(correctYearIndex() + 1);
    EXPECT_EQ(player.played.size(), 2);
    EXPECT_FALSE(run.view().yearPanelVisible);
    EXPECT_EQ(run.clearCounter(q), 1);
}

class TinyGroups : public DrillRunTest, public ::testing::WithParamInterface<int> {};

TEST_P(TinyGroups, CanBePlayedToTheEnd)
{
    activate(GetParam());
    int filled = 0;
    for (const ChoiceSlot &choice : run.view().choices)
        filled += choice.main.isEmpty() ? 0 : 1;
    EXPECT_EQ(filled, GetParam() == 1 ? 1 : 9);
    int guard = 0;
    while (host.testFinished == 0 && guard++ < 50) {
        answerCorrectly();
        run.chooseYear(correctYearIndex());
    }
    EXPECT_EQ(host.testFinished, 1);
}

INSTANTIATE_TEST_SUITE_P(Sizes, TinyGroups, ::testing::Values(1, 2, 5, 6),
                         testname::from([](int questions) { return testname::of("questions", questions); }));

} // namespace

namespace {

TEST_F(DrillRunTest, AGivenUpRunIsNeitherRecordedNorAnsweredNorTimedOut)
{
    activate(5);
    EXPECT_EQ(run.closeRequest(), DrillRun::CloseRequest::AskAbandon);
    answerCorrectly();
    run.abandon();
    EXPECT_EQ(host.abandoned, 1);
    EXPECT_FALSE(run.clockRunning());
    EXPECT_FALSE(run.coverTimerRunning());
    EXPECT_FALSE(run.yearCoverTimerRunning());
    EXPECT_EQ(run.closeRequest(), DrillRun::CloseRequest::Ignore);

    // Nothing that still arrives can answer, time out or end the run.
    run.chooseYear(correctYearIndex());
    tickAt(5 * 100 + 1);
    run.abandon();
    EXPECT_TRUE(host.recorded.isEmpty());
    EXPECT_EQ(host.testFinished, 0);
    EXPECT_EQ(host.abandoned, 1);
    EXPECT_FALSE(run.timedOut());
}

TEST_F(DrillRunTest, AnEndedRunCannotBeGivenUp)
{
    activate(1);
    answerCorrectly();
    run.chooseYear(correctYearIndex());
    ASSERT_EQ(host.recorded.size(), 1);
    EXPECT_EQ(run.closeRequest(), DrillRun::CloseRequest::Ignore);
    run.abandon();
    EXPECT_EQ(host.abandoned, 0);
}

TEST_F(DrillRunTest, APracticeIsClosedByEndingIt)
{
    session.runLevel = 1;
    activate(3);
    EXPECT_EQ(run.closeRequest(), DrillRun::CloseRequest::EndPractice);
}

} // namespace
