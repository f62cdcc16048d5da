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
#include <QApplication>
#include <QButtonGroup>
#include <QKeyEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <memory>

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

// Presses and releases through the window, as the platform delivers them: the second press of a
// double-click reaches whatever label then lies under the pointer as a double-click event.
void doubleClickThroughWindow(QWidget &screen, QWidget *target)
{
    QWindow *window = screen.windowHandle();
    ASSERT_NE(window, nullptr);
    const QPoint at = target->mapTo(screen.window(), target->rect().center());
    QTest::mouseDClick(window, Qt::LeftButton, Qt::NoModifier, at);
}

// The screen's run started on twelve questions and taken to its first year stage, the timeline
// cover gone.
void toTheYearStage(DrillScreen &screen)
{
    screen.startRun(numberedQuestions(12, 1600, 11, 4), RunHistory{});
    screen.run().coverTimerFired();
    screen.run().chooseSlot(screen.run().answerSlot());
    screen.run().yearCoverTimerFired();
    screen.render();
}

// The first year label (1-6) of the year stage that is not the question's year.
int aWrongYear(const DrillRun &run)
{
    const int year = run.question(run.currentQuestion()).year;
    int wrong = 1;
    while (run.view().yearTexts[static_cast<std::size_t>(wrong)].trimmed().toInt() == year)
        ++wrong;
    return wrong;
}

void holdKey(QWidget &screen, Qt::Key key, const QString &text, int repeats)
{
    QKeyEvent first(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(&screen, &first);
    for (int i = 0; i < repeats; ++i) {
        QKeyEvent repeat(QEvent::KeyPress, key, Qt::NoModifier, text, true);
        QApplication::sendEvent(&screen, &repeat);
    }
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(&screen, &release);
}

// As an idle X11 session sends a held key: the first press, then release and press pairs that
// share their timestamp and that Qt does not flag as repeats.
void holdKeyAsX11(QWidget &screen, Qt::Key key, const QString &text, int repeats, ulong pressedAt)
{
    const auto send = [&](QEvent::Type type, ulong at) {
        QKeyEvent event(type, key, Qt::NoModifier, text);
        event.setTimestamp(at);
        QApplication::sendEvent(&screen, &event);
    };
    send(QEvent::KeyPress, pressedAt);
    for (int i = 0; i < repeats; ++i) {
        const ulong at = pressedAt + 660 + 40 * static_cast<ulong>(i);
        send(QEvent::KeyRelease, at);
        send(QEvent::KeyPress, at);
    }
    send(QEvent::KeyRelease, pressedAt + 700 + 40 * static_cast<ulong>(repeats));
}

// A rig whose first question has its answer in slot 1, under the repeated answer of the year
// panel.
std::unique_ptr<ScreenRig> rigWithAnswerUnderTheYearPanel()
{
    for (std::uint64_t seed = 1; seed < 200; ++seed) {
        auto rig = std::make_unique<ScreenRig>(2, 60, 100, seed);
        rig->screen.startRun(numberedQuestions(12, 1600, 11, 4), RunHistory{});
        if (rig->screen.run().answerSlot() == 1)
            return rig;
    }
    return nullptr;
}

TEST(DrillScreen, ADoubleClickOnTheRightChoiceAnswersOnce)
{
    const auto rig = rigWithAnswerUnderTheYearPanel();
    ASSERT_NE(rig, nullptr);
    DrillScreen &screen = rig->screen;
    screen.run().coverTimerFired();
    screen.render();
    const int question = screen.run().currentQuestion();
    doubleClickThroughWindow(screen, screen.choiceLabel(screen.run().answerSlot()));
    EXPECT_EQ(screen.run().clearCounter(question), 1);
    EXPECT_EQ(screen.progressLabel()->text(), QStringLiteral("この問題クリア！"));
    EXPECT_TRUE(screen.yearPanel()->isVisible());
    EXPECT_EQ(rig->player.played.size(), 1);
}

TEST(DrillScreen, ADoubleClickOnAWrongYearCostsTenSeconds)
{
    ScreenRig rig(2, 60, 100, 5);
    DrillScreen &screen = rig.screen;
    toTheYearStage(screen);
    doubleClickThroughWindow(screen, screen.yearLabel(aWrongYear(screen.run())));
    screen.run().clockTick();
    EXPECT_EQ(screen.run().elapsedSeconds(), 10);
}

TEST(DrillScreen, AHeldKeyAnswersOnce)
{
    ScreenRig rig(2, 60, 100, 11);
    DrillScreen &screen = rig.screen;
    screen.startRun(numberedQuestions(12, 1600, 11, 4), RunHistory{});
    screen.run().coverTimerFired();
    const int wrongSlot = screen.run().answerSlot() == 9 ? 8 : 9;
    holdKey(screen, static_cast<Qt::Key>(Qt::Key_0 + wrongSlot), QString::number(wrongSlot), 3);
    EXPECT_EQ(screen.run().clearCounter(screen.run().currentQuestion()), -2);

    holdKey(screen, static_cast<Qt::Key>(Qt::Key_0 + screen.run().answerSlot()),
            QString::number(screen.run().answerSlot()), 0);
    screen.run().yearCoverTimerFired();
    const int wrong = aWrongYear(screen.run());
    holdKey(screen, static_cast<Qt::Key>(Qt::Key_0 + wrong), QString::number(wrong), 4);
    screen.run().clockTick();
    EXPECT_EQ(screen.run().elapsedSeconds(), 10);
}

TEST(DrillScreen, AKeyHeldAsX11SendsItCostsOnePenaltyPerPress)
{
    ScreenRig rig(2, 60, 100, 11);
    DrillScreen &screen = rig.screen;
    toTheYearStage(screen);
    const int wrong = aWrongYear(screen.run());
    const auto key = static_cast<Qt::Key>(Qt::Key_0 + wrong);
    // Held for twenty repeats, then pressed again after it was let go: two penalties.
    for (const ulong pressedAt : {100000UL, 103000UL}) {
        holdKeyAsX11(screen, key, QString::number(wrong), 20, pressedAt);
        screen.run().clockTick();
    }
    EXPECT_EQ(screen.run().elapsedSeconds(), 20);
}

TEST(DrillScreen, SpaceHeldOnTheMemorisedButtonMarksOnlyTheItemItWasPressedOn)
{
    ScreenRig rig(7, 600, 600, 3);
    DrillScreen &screen = rig.screen;
    screen.startRun(numberedQuestions(3, 1600, 11, 4), RunHistory{});
    screen.run().practiceTimerFired();
    QPushButton *button = screen.memorisedButton();
    button->setFocus();
    const auto send = [&](QEvent::Type type, ulong at) {
        QKeyEvent event(type, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
        event.setTimestamp(at);
        QApplication::sendEvent(button, &event);
    };
    const int first = screen.run().practiceCursor();
    send(QEvent::KeyPress, 1000);
    EXPECT_TRUE(screen.run().memorised(first));

    // The next item comes up while the key is still held, and X11 goes on sending its pairs.
    for (int i = 0; i < 3; ++i)
        screen.run().practiceTimerFired();
    const int second = screen.run().practiceCursor();
    ASSERT_NE(second, first);
    for (ulong at = 1660; at < 3000; at += 40) {
        send(QEvent::KeyRelease, at);
        send(QEvent::KeyPress, at);
    }
    send(QEvent::KeyRelease, 3020);
    EXPECT_FALSE(screen.run().memorised(second));
}

TEST(DrillScreen, AHeldKeyInPracticeChoosesTheOrderOnce)
{
    ScreenRig rig(7, 600, 600, 3);
    DrillScreen &screen = rig.screen;
    screen.startRun(numberedQuestions(3, 1600, 11, 4), RunHistory{});
    holdKey(screen, Qt::Key_3, QStringLiteral("3"), 0);
    screen.run().practiceTimerFired();
    screen.render();
    ASSERT_FALSE(screen.practiceMain(0)->text().isEmpty());
    // Repeats of the key while it is held do not choose the order again, which would clear the item.
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_3, Qt::NoModifier, QStringLiteral("3"), true);
    QApplication::sendEvent(&screen, &repeat);
    EXPECT_FALSE(screen.practiceMain(0)->text().isEmpty());
}

} // namespace
