#include "clock.h"
#include "drillrun.h"
#include "fakedrillhost.h"
#include "fakes.h"
#include "pupilsession.h"
#include "questionfactory.h"
#include "testinstallation.h"
#include "soundeffects.h"
#include "soundtable.h"

#include <gtest/gtest.h>

namespace {

// A practice at level 7 with a clock that moves only when told to.
class PracticeTest : public ::testing::Test
{
protected:
    PracticeTest()
    {
        session.runLevel = 7;
    }

    void start(int n = 4) { run.activate(numberedQuestions(n, 1600, 1, 4), RunHistory{}); }

    // Fires the running step timer after its interval.
    DrillRun::PracticeStep step()
    {
        const DrillRun::PracticeStep fired = run.nextPracticeStep();
        clock.advance(run.practiceIntervalMs() / 1000.0);
        run.practiceTimerFired();
        return fired;
    }

    const DrillView::PracticeSection &section(int i) const { return run.view().sections[static_cast<std::size_t>(i)]; }

    // Practice levels run on the practice time, 600 s.
    Installation state = catalogueInstallation();
    PupilSession session;
    ManualClock clock{QDateTime(QDate(2026, 12, 9), QTime(10, 0))};
    SeededRandom random{5};
    SoundTable table;
    FakeSoundPlayer player;
    ScriptedRandom soundRandom{{0.0}};
    SoundEffects sounds{table, QStringLiteral("/snd/"), player, soundRandom, [](const QString &, const QString &) {}};
    FakeDrillHost host;
    FakeScreenPainter painter;
    DrillRun run{state, session, clock, random, sounds, host, painter};
};

TEST_F(PracticeTest, OrderFourShowsExplanationNameAndYearAtOneAndAHalfSecondSteps)
{
    start();
    EXPECT_TRUE(run.view().practice);
    EXPECT_EQ(run.practiceIntervalMs(), 1500);
    run.chooseDisplayOrder(4);
    EXPECT_EQ(step(), DrillRun::PracticeStep::Step1);
    EXPECT_EQ(section(0).heading, QStringLiteral("説明"));
    EXPECT_EQ(section(1).heading, QStringLiteral("人名"));
    EXPECT_EQ(section(2).heading, QStringLiteral("年代"));
    EXPECT_EQ(section(0).main, QStringLiteral("説明1"));
    EXPECT_EQ(section(0).second, QStringLiteral("補足1"));
    EXPECT_TRUE(section(1).main.isEmpty());
    EXPECT_FALSE(run.view().practiceMarkerVisible);

    EXPECT_EQ(step(), DrillRun::PracticeStep::Step2);
    EXPECT_EQ(section(1).main, QStringLiteral("人物1"));
    EXPECT_TRUE(section(2).main.isEmpty());
    EXPECT_EQ(step(), DrillRun::PracticeStep::Step3);
    EXPECT_EQ(section(2).main, QStringLiteral("1601年"));
    EXPECT_TRUE(section(2).second.isEmpty());
    EXPECT_TRUE(run.view().practiceMarkerVisible);
    EXPECT_EQ(run.view().practiceMarkerYear, 1601);
    // The item stays until the next step 1 clears it.
    EXPECT_EQ(run.nextPracticeStep(), DrillRun::PracticeStep::Step1);
    step();
    EXPECT_EQ(section(0).main, QStringLiteral("説明2"));
    EXPECT_TRUE(section(2).main.isEmpty());
}

TEST_F(PracticeTest, EveryOrderNamesItsSections)
{
    const QStringList y{QStringLiteral("年代")}, e{QStringLiteral("説明")}, n{QStringLiteral("人名")};
    const std::array<QStringList, 6> expected{y + e + n, y + n + e, e + y + n, e + n + y, n + y + e, n + e + y};
    start();
    for (int order = 1; order <= 6; ++order) {
        run.chooseDisplayOrder(order);
        step();
        QStringList headings;
        for (int i = 0; i < 3; ++i)
            headings << section(i).heading;
        EXPECT_EQ(headings, expected[static_cast<std::size_t>(order - 1)]) << order;
    }
}

TEST_F(PracticeTest, TheSpeedBarSetsTheStepInterval)
{
    start();
    for (const auto &[value, ms] : {std::pair{1000, 2500}, {3000, 500}, {2000, 1500}, {5000, 500}}) {
        run.setSpeed(value);
        EXPECT_EQ(run.practiceIntervalMs(), ms) << value;
    }
}

TEST_F(PracticeTest, MarkedItemsLeaveTheCycleAndTheLastMarkEndsThePractice)
{
    start(3);
    step(); // item 1
    EXPECT_EQ(run.view().remaining, QStringLiteral("3"));
    run.markMemorised();
    step();
    step();
    EXPECT_EQ(run.view().remaining, QStringLiteral("3")); // unchanged until the next step 1
    step();                                              // item 2
    EXPECT_EQ(run.practiceCursor(), 1);
    EXPECT_EQ(run.view().remaining, QStringLiteral("2"));
    run.markMemorised();
    step();
    step();
    // Only item 3 is left: it repeats.
    for (int round = 0; round < 3; ++round) {
        step();
        EXPECT_EQ(run.practiceCursor(), 2);
        EXPECT_EQ(run.view().remaining, QStringLiteral("1"));
        step();
        step();
    }
    run.markMemorised();
    EXPECT_EQ(host.practiceFinished, 0);
    step();
    EXPECT_EQ(host.practiceFinished, 1);
    EXPECT_EQ(run.nextPracticeStep(), DrillRun::PracticeStep::None);
    EXPECT_FALSE(run.clockRunning());
    EXPECT_TRUE(host.recorded.isEmpty());
}

TEST_F(PracticeTest, ChangingTheOrderMidItemClearsTheSections)
{
    start();
    step();
    step();
    EXPECT_FALSE(section(1).main.isEmpty());
    run.chooseDisplayOrder(5);
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(section(i).main.isEmpty());
        EXPECT_TRUE(section(i).heading.isEmpty());
    }
    EXPECT_EQ(run.nextPracticeStep(), DrillRun::PracticeStep::Step1);
    step();
    EXPECT_EQ(section(0).heading, QStringLiteral("人名"));
    EXPECT_EQ(run.practiceCursor(), 1);
}

TEST_F(PracticeTest, ThePracticeStillEndsAtTheTimeLimitUnrecorded)
{
    start();
    clock.advance(2999.0);
    run.clockTick();
    EXPECT_EQ(host.practiceFinished, 0);
    clock.advance(1.0);
    run.clockTick();
    EXPECT_EQ(host.practiceFinished, 1);
    EXPECT_EQ(host.waitScreens, 1);
    EXPECT_TRUE(run.view().noticeTimeUp);
    EXPECT_TRUE(host.recorded.isEmpty());
    EXPECT_EQ(run.nextPracticeStep(), DrillRun::PracticeStep::None);
}

TEST_F(PracticeTest, EndingThePracticeStopsEverything)
{
    start();
    step();
    run.endPractice();
    EXPECT_EQ(host.practiceFinished, 1);
    EXPECT_FALSE(run.clockRunning());
    EXPECT_EQ(run.nextPracticeStep(), DrillRun::PracticeStep::None);
    run.markMemorised();
    run.chooseDisplayOrder(2);
    EXPECT_EQ(run.nextPracticeStep(), DrillRun::PracticeStep::None);
    EXPECT_TRUE(host.recorded.isEmpty());
}

TEST_F(PracticeTest, AGroupLargerThanAHundredQuestionsCanBeMarked)
{
    start(150);
    for (int i = 0; i < 150; ++i) {
        step();
        run.markMemorised();
        step();
        step();
    }
    EXPECT_TRUE(run.memorised(149));
    step();
    EXPECT_EQ(host.practiceFinished, 1);
}

TEST_F(PracticeTest, DigitsChooseTheOrderAndSlotsAreNotChosen)
{
    start();
    run.pressDigit(3);
    EXPECT_EQ(run.view().displayOrder, 3);
    run.pressDigit(9);
    EXPECT_EQ(run.view().displayOrder, 3);
    run.chooseChoice(0);
    EXPECT_TRUE(player.played.isEmpty());
}

} // namespace
