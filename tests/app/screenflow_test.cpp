// The hand-overs between screens: what a screen does when its window is asked to close (the
// close button, Alt+F4), where the level screen opens when the pupil comes back to it, and help.
#include "drillscreen.h"
#include "fakes.h"
#include "helpwindow.h"
#include "levelscreen.h"
#include "loopinstall.h"
#include "namechangescreen.h"
#include "program.h"
#include "resultscreen.h"
#include "screenflow.h"
#include "startscreen.h"
#include "startup.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>

#include <gtest/gtest.h>

namespace {

class ScreenFlowTest : public testing::Test
{
protected:
    void SetUp() override
    {
        loopinstall::layOut(install);
        ASSERT_EQ(program.start(), 0);
    }

    ScreenFlow &flow() { return *program.flow(); }
    StartScreen &start() { return *flow().startScreen(); }

    void confirmFirstPupil()
    {
        start().confirmRow(1);
        ASSERT_NE(flow().levelScreen(), nullptr);
    }

    // Answers every question of the drill until the result screen is up.
    void playToResult()
    {
        DrillScreen *drill = flow().drillScreen();
        ASSERT_NE(drill, nullptr);
        for (int guard = 0; flow().resultScreen() == nullptr && guard < 50; ++guard) {
            drill->run().coverTimerFired();
            drill->run().chooseChoice(drill->run().answerChoice());
            drill->run().yearCoverTimerFired();
            drill->run().chooseYear(loopinstall::correctYearIndex(*drill));
            if (drill->handOverPending())
                drill->handOverNow();
        }
        ASSERT_NE(flow().resultScreen(), nullptr);
    }

    QString runLogPath() const { return install.programFolder() + QStringLiteral("成績累積データ.dat"); }

    TempInstall install;
    FakeServices services;
    FakeMessagePresenter messages;
    Program program{install.programFolder(), services.services(), messages};
};

TEST_F(ScreenFlowTest, TheLevelScreenOpensWhereThePupilLeftIt)
{
    confirmFirstPupil();
    flow().levelScreen()->scrollBar()->setValue(7);
    EXPECT_EQ(flow().session().firstVisibleLevel, 7);

    // Back from a run through "メニューへ".
    flow().levelScreen()->startLevel(2);
    playToResult();
    flow().resultScreen()->showButtons();
    flow().resultScreen()->menuButton()->click();
    ASSERT_NE(flow().levelScreen(), nullptr);
    EXPECT_EQ(flow().levelScreen()->scrollBar()->value(), 7);
    EXPECT_EQ(flow().session().firstVisibleLevel, 7);

    // Back from the start screen.
    flow().levelScreen()->backToStart();
    confirmFirstPupil();
    EXPECT_EQ(flow().levelScreen()->scrollBar()->value(), 7);
    // Columns left of the kept level are parked at the right edge, off the screen.
    EXPECT_EQ(flow().levelScreen()->columnLeft(1), 15360);
}

TEST_F(ScreenFlowTest, ClosingTheDrillAndAnsweringYesGivesTheRunUpAndRecordsNothing)
{
    confirmFirstPupil();
    flow().levelScreen()->startLevel(2);
    DrillScreen *drill = flow().drillScreen();
    ASSERT_NE(drill, nullptr);
    drill->run().coverTimerFired();
    drill->run().chooseChoice(drill->run().answerChoice());

    messages.answer = true;
    EXPECT_FALSE(drill->close());
    ASSERT_EQ(messages.asked.size(), 1);
    EXPECT_EQ(messages.asked[0].text, DrillRun::abandonQuestion());
    EXPECT_EQ(messages.askedDefaults[0], MessagePresenter::Answer::No);
    EXPECT_EQ(flow().drillScreen(), nullptr);
    ASSERT_NE(flow().levelScreen(), nullptr);
    EXPECT_TRUE(flow().levelScreen()->isVisible());
    EXPECT_EQ(flow().resultScreen(), nullptr);
    EXPECT_FALSE(QFile::exists(runLogPath()));
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(ScreenFlowTest, ClosingTheDrillAndAnsweringNoLetsTheRunGoOn)
{
    confirmFirstPupil();
    flow().levelScreen()->startLevel(2);
    DrillScreen *drill = flow().drillScreen();
    ASSERT_NE(drill, nullptr);
    const int question = drill->run().currentQuestion();
    messages.answer = false;
    EXPECT_FALSE(drill->close());
    EXPECT_EQ(messages.asked.size(), 1);
    ASSERT_EQ(flow().drillScreen(), drill);
    EXPECT_TRUE(drill->isVisible());
    EXPECT_EQ(drill->run().currentQuestion(), question);

    playToResult();
    EXPECT_EQ(QFile(runLogPath()).size(), 44);
}

TEST_F(ScreenFlowTest, ClosingAPracticeEndsItWithoutAQuestion)
{
    confirmFirstPupil();
    flow().levelScreen()->startLevel(1);
    DrillScreen *drill = flow().drillScreen();
    ASSERT_NE(drill, nullptr);
    ASSERT_TRUE(drill->practicePanel()->isVisible());
    EXPECT_FALSE(drill->close());
    EXPECT_TRUE(messages.asked.isEmpty());
    EXPECT_EQ(flow().drillScreen(), nullptr);
    ASSERT_NE(flow().levelScreen(), nullptr);
    EXPECT_TRUE(flow().levelScreen()->isVisible());
}

TEST_F(ScreenFlowTest, ClosingTheResultScreenGoesBackToLevelSelectionOnceTheWayIsOffered)
{
    confirmFirstPupil();
    flow().levelScreen()->startLevel(2);
    playToResult();
    ResultScreen *result = flow().resultScreen();
    EXPECT_FALSE(result->close());
    EXPECT_EQ(flow().resultScreen(), result);
    result->showButtons();
    EXPECT_FALSE(result->close());
    EXPECT_EQ(flow().resultScreen(), nullptr);
    ASSERT_NE(flow().levelScreen(), nullptr);
    EXPECT_TRUE(flow().levelScreen()->isVisible());
    EXPECT_EQ(QFile(runLogPath()).size(), 44);
}

// The level screen is kept between visits: whatever the pupil did on it, it opens again exactly as
// it first opened.
TEST_F(ScreenFlowTest, TheLevelScreenOpensAgainAsItFirstOpened)
{
    confirmFirstPupil();
    LevelScreen *first = flow().levelScreen();
    // As a pupil sees it: once the window system's events (the maximised size) are in.
    QApplication::processEvents();
    const QImage opened = first->grab().toImage();

    first->chooseDisplayMode(DisplayMode::Time);
    first->chooseList(ListChoice::All);
    first->showPersonalTimes();
    first->showGraph();
    first->list(1)->verticalScrollBar()->setValue(first->list(1)->verticalScrollBar()->maximum());
    ASSERT_NE(first->grab().toImage(), opened);
    first->backToStart();
    ASSERT_EQ(flow().levelScreen(), nullptr);
    EXPECT_FALSE(first->isVisible());
    EXPECT_TRUE(first->listLines(1).isEmpty());

    confirmFirstPupil();
    EXPECT_EQ(flow().levelScreen(), first);
    QApplication::processEvents();
    EXPECT_EQ(first->grab().toImage(), opened);
    EXPECT_EQ(first->heading()->text(), QStringLiteral("獲得ポイント（今まで順位）"));
}

TEST_F(ScreenFlowTest, ClosingTheLevelScreenGoesBackToTheStartScreen)
{
    confirmFirstPupil();
    EXPECT_FALSE(flow().levelScreen()->close());
    EXPECT_TRUE(start().isVisible());
    EXPECT_EQ(start().choiceLabel()->text(), QStringLiteral("名前を選びなさい"));
}

TEST_F(ScreenFlowTest, ClosingTheNameChangeGoesBackToTheStartScreen)
{
    flow().showNameChange();
    ASSERT_NE(flow().nameChangeScreen(), nullptr);
    EXPECT_FALSE(start().isVisible());
    EXPECT_FALSE(flow().nameChangeScreen()->close());
    EXPECT_EQ(flow().nameChangeScreen(), nullptr);
    EXPECT_TRUE(start().isVisible());
}

TEST_F(ScreenFlowTest, ClosingTheStartScreenLeavesThroughTheLauncher)
{
    // A stand-in launcher that notes its argument.
    const QString launcher = install.root() + QStringLiteral("/起動/Velnor.exe");
    install.writeText(QStringLiteral("起動/Velnor.exe"),
                      QStringLiteral("#!/bin/sh\necho \"$1\" > \"$(dirname \"$0\")/started.txt\"\n"));
    QFile::setPermissions(launcher, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    start().close();
    EXPECT_FALSE(start().isVisible());
    QFile started(install.root() + QStringLiteral("/起動/started.txt"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return started.exists() && started.size() > 0; }, 10000));
    ASSERT_TRUE(started.open(QIODevice::ReadOnly));
    EXPECT_EQ(started.readAll().trimmed(), QByteArray("001"));
}

TEST_F(ScreenFlowTest, HelpShowsThePageInTheProgramsOwnWindow)
{
    install.writeBytes(QStringLiteral("drill2/tavrel-help.html"),
                       QStringLiteral("<html><body><h1>使い方</h1><p>名前を選びます。</p></body></html>").toUtf8());
    flow().showHelp();
    HelpWindow *help = flow().helpWindow();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_TRUE(help->browser()->toPlainText().contains(QStringLiteral("名前を選びます。")));
    EXPECT_FALSE(help->browser()->toPlainText().contains(QStringLiteral("<h1>")));

    // Asked again, the same window comes to the front.
    flow().showHelp();
    EXPECT_EQ(flow().helpWindow(), help);
    help->closeButton()->click();
    EXPECT_FALSE(help->isVisible());
    EXPECT_TRUE(start().isVisible());
}

TEST_F(ScreenFlowTest, HelpWithoutAPageSaysWhichPageIsMissing)
{
    flow().showHelp();
    ASSERT_NE(flow().helpWindow(), nullptr);
    EXPECT_TRUE(flow().helpWindow()->isVisible());
    const QString said = flow().helpWindow()->browser()->toPlainText();
    EXPECT_TRUE(said.contains(QStringLiteral("tavrel-help.html")));
    // The system's reason is worded in Japanese too.
    EXPECT_TRUE(said.contains(QStringLiteral("（ファイルまたはフォルダがありません）"))) << said.toStdString();
}

TEST_F(ScreenFlowTest, TheMenuBarGrowsWithTheScreenLikeEverythingElse)
{
    const auto barPoints = [&](int width, int height) {
        start().showNormal();
        start().resize(width, height);
        QCoreApplication::processEvents();
        return start().menuBar()->font().pointSizeF();
    };
    const double designed = barPoints(1024, 768);
    const double large = barPoints(1920, 1080);
    EXPECT_NEAR(large / designed, 1080.0 / 768.0, 0.01);
    for (QAction *item : start().menuBar()->actions()) {
        ASSERT_NE(item->menu(), nullptr);
        EXPECT_DOUBLE_EQ(item->menu()->font().pointSizeF(), large) << item->text().toStdString();
    }
}

// The fourth failed sound in a row ends the program once its message is closed. While the
// message is up time goes on, but the run stands still: its clock would otherwise time it out and
// record a 99999 run for the pupil behind the message.
TEST(ScreenFlowFatal, NothingIsRecordedWhileTheSoundFailureMessageIsUp)
{
    TempInstall install;
    loopinstall::layOut(install);
    Installation state;
    runStartup(state, install.programFolder());
    FakeServices services;
    services.player.results.assign(40, PlayResult{263, QStringLiteral("no sound")});
    FakeMessagePresenter messages;
    bool ended = false;
    ScreenFlow flow(state, services.services(), messages, [&] { ended = true; });
    flow.showStartScreen();
    flow.startScreen()->confirmRow(1);
    ASSERT_NE(flow.levelScreen(), nullptr);
    flow.levelScreen()->startLevel(2);
    DrillScreen *drill = flow.drillScreen();
    ASSERT_NE(drill, nullptr);
    messages.whileShowing = [&] {
        services.clock.advance(10.0 * state.timingTable[2].limitTime);
        QTest::qWait(1500);
    };

    for (int guard = 0; !ended && guard < 10; ++guard) {
        drill->run().coverTimerFired();
        drill->run().chooseChoice(drill->run().answerChoice());
        if (ended)
            break;
        drill->run().yearCoverTimerFired();
        drill->run().chooseYear(loopinstall::correctYearIndex(*drill));
    }
    ASSERT_TRUE(ended);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].title, QStringLiteral("音声エラー"));
    EXPECT_TRUE(messages.shown[0].text.startsWith(QStringLiteral("音声がでません。先生を呼びなさい。")));
    EXPECT_FALSE(QFile::exists(install.programFolder() + QStringLiteral("成績累積データ.dat")));
    EXPECT_FALSE(drill->run().timedOut());
    EXPECT_FALSE(drill->notice()->isVisible());
    EXPECT_EQ(flow.resultScreen(), nullptr);
}

} // namespace
