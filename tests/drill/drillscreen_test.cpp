#include "clicklabel.h"
#include "clock.h"
#include "fakedrillhost.h"
#include "fakes.h"
#include "pupilsession.h"
#include "questionfactory.h"
#include "testinstallation.h"
#include "drillscreen.h"
#include "soundeffects.h"
#include "soundtable.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The drill screen of one level, shown offscreen, with a clock that stands still and silent sounds.
struct ScreenRig
{
    ScreenRig(int level, int passTime, int limitTime, std::uint64_t seed)
        : random(seed)
    {
        state.timingTable[static_cast<std::size_t>(level)].passTime = passTime;
        state.timingTable[static_cast<std::size_t>(level)].limitTime = limitTime;
        session.runLevel = static_cast<std::int16_t>(level);
        session.pupilName = QStringLiteral("山田花子");
        screen.resize(1024, 768);
        screen.show();
    }

    Installation state = catalogueInstallation();
    PupilSession session;
    ManualClock clock{QDateTime(QDate(2026, 12, 9), QTime(10, 0))};
    SeededRandom random;
    SoundTable table;
    FakeSoundPlayer player;
    ScriptedRandom soundRandom{{0.0}};
    SoundEffects sounds{table, QStringLiteral("/snd/"), player, soundRandom, [](const QString &, const QString &) {}};
    FakeDrillHost handOver;
    FakeMessagePresenter messages;
    DrillScreen screen{state, session, clock, random, sounds, handOver, messages};
};

TEST(DrillScreen, AWholeRunPlayedByClicksIsRecordedOnce)
{
    ScreenRig rig(8, 60, 100, 7);
    DrillScreen &screen = rig.screen;
    FakeSoundPlayer &player = rig.player;
    ManualClock &clock = rig.clock;
    FakeDrillHost &handOver = rig.handOver;
    screen.startRun(numberedQuestions(7, 1600, 11, 4), RunHistory{});
    EXPECT_EQ(screen.windowTitle(), QStringLiteral("Quenda"));
    EXPECT_TRUE(screen.cover()->isVisible());

    // Clicks under the cover do nothing.
    QTest::mouseClick(screen.choiceLabel(screen.run().answerSlot()), Qt::LeftButton);
    EXPECT_TRUE(player.played.isEmpty());

    int guard = 0;
    while (handOver.recorded.isEmpty() && guard++ < 100) {
        screen.run().coverTimerFired();
        screen.render();
        EXPECT_FALSE(screen.cover()->isVisible());
        if (guard <= 3) {
            const int wrong = screen.run().answerSlot() == 9 ? 8 : 9;
            QTest::mouseClick(screen.choiceSubLabel(wrong), Qt::LeftButton);
            EXPECT_FALSE(screen.choiceLabel(wrong)->isEnabled());
            EXPECT_EQ(screen.progressLabel()->text(), QStringLiteral("あと3回でクリア"));
        }
        QTest::mouseClick(screen.choiceLabel(screen.run().answerSlot()), Qt::LeftButton);
        ASSERT_TRUE(screen.yearPanel()->isVisible());
        screen.run().yearCoverTimerFired();
        screen.render();
        const int year = screen.run().question(screen.run().currentQuestion()).year;
        for (int k = 1; k <= 6; ++k) {
            if (screen.yearLabel(k)->text().trimmed().toInt() == year) {
                clock.advance(2.0);
                QTest::mouseClick(screen.yearLabel(k), Qt::LeftButton);
                break;
            }
        }
    }
    ASSERT_EQ(handOver.recorded.size(), 1);
    EXPECT_TRUE(screen.notice()->isVisible());
    EXPECT_EQ(handOver.waitScreens, 1);
    // The notice stays up for a moment; only then does the result screen take over.
    EXPECT_EQ(handOver.testFinished, 0);
    ASSERT_TRUE(screen.handOverPending());
    screen.handOverNow();
    EXPECT_EQ(handOver.testFinished, 1);
    EXPECT_FALSE(screen.handOverPending());
}

TEST(DrillScreen, NumberKeysAnswerLikeClicks)
{
    ScreenRig rig(2, 60, 100, 11);
    DrillScreen &screen = rig.screen;
    screen.startRun(numberedQuestions(12, 1600, 11, 4), RunHistory{});
    screen.run().coverTimerFired();
    QTest::keyClick(&screen, static_cast<Qt::Key>(Qt::Key_0 + screen.run().answerSlot()));
    EXPECT_TRUE(screen.yearPanel()->isVisible());
    EXPECT_EQ(screen.progressLabel()->text(), QStringLiteral("この問題クリア！"));
}

TEST(DrillScreen, APracticeCyclesThroughItsItemsAndEndsUnrecorded)
{
    ScreenRig rig(7, 600, 600, 3);
    DrillScreen &screen = rig.screen;
    FakeDrillHost &handOver = rig.handOver;
    screen.startRun(numberedQuestions(3, 1600, 11, 4), RunHistory{});
    ASSERT_TRUE(screen.practicePanel()->isVisible());
    EXPECT_FALSE(screen.cover()->isVisible());

    screen.orderButtons()->button(3)->click();
    for (int i = 0; i < 3; ++i)
        screen.run().practiceTimerFired();
    screen.render();
    EXPECT_EQ(screen.practiceHeading(0)->text(), QStringLiteral("説明"));
    EXPECT_EQ(screen.practiceMain(0)->text(), QStringLiteral("説明1"));
    EXPECT_EQ(screen.practiceMain(1)->text(), QStringLiteral("1611年"));
    EXPECT_EQ(screen.practiceMain(2)->text(), QStringLiteral("人物1"));

    screen.speedBar()->setValue(3000);
    EXPECT_EQ(screen.run().practiceIntervalMs(), 500);
    QTest::keyClick(&screen, Qt::Key_Space);
    EXPECT_TRUE(screen.run().memorised(1));

    QTest::mouseClick(screen.endPracticeButton(), Qt::LeftButton);
    EXPECT_EQ(handOver.practiceFinished, 1);
    EXPECT_TRUE(handOver.recorded.isEmpty());
}

} // namespace
