#include "chime.h"
#include "drillrun.h"
#include "fakes.h"
#include "resultscreen.h"
#include "drillscreen.h"
#include "startscreen.h"
#include "program.h"
#include "questionfile.h"
#include "screenflow.h"
#include "levelscreen.h"
#include "pupilreportpanel.h"
#include "loopinstall.h"
#include "tempinstall.h"
#include "installation.h"
#include "recordcallbacks.h"
#include "runlog.h"
#include "runlogrecord.h"
#include "homerunrecord.h"
#include "pendingruns.h"
#include "filesizelimit.h"
#include "startup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

using loopinstall::layOut;
using loopinstall::playTestRun;

// The whole program on a temporary installation, with a manual clock, silent sounds and messages
// that are recorded instead of shown. Each test lays the installation out, then starts it.
class Loop : public testing::Test
{
protected:
    void startProgram()
    {
        program = std::make_unique<Program>(install.programFolder(), services.services(), messages);
        ASSERT_EQ(program->start(), 0);
    }

    TempInstall install;
    FakeServices services;
    FakeMessagePresenter messages;
    std::unique_ptr<Program> program;
};

TEST_F(Loop, StartScreenLevelScreenDrillResultAndBack)
{
    layOut(install);
    ASSERT_NO_FATAL_FAILURE(startProgram());
    ScreenFlow &flow = *program->flow();

    // The start screen lists both pupils under the header line.
    StartScreen &start = *flow.startScreen();
    ASSERT_EQ(start.list()->count(), 3);
    start.confirmPupil();
    EXPECT_EQ(start.choiceLabel()->text(), QStringLiteral("名前を選びなさい"));
    EXPECT_EQ(flow.levelScreen(), nullptr);

    int yamada = 0;
    for (int row = 1; row < start.list()->count(); ++row) {
        if (start.list()->item(row)->text().contains(QStringLiteral("山田太郎")))
            yamada = row;
    }
    ASSERT_GT(yamada, 0);
    start.confirmRow(yamada);
    ASSERT_NE(flow.levelScreen(), nullptr);
    EXPECT_EQ(flow.session().pupilNo, 1);
    EXPECT_TRUE(flow.levelScreen()->isVisible());
    EXPECT_TRUE(flow.levelScreen()->pupilLine()->text().contains(QStringLiteral("山田太郎")));

    // A test at level 2 through its start button.
    flow.levelScreen()->startLevel(2);
    DrillScreen *drill = flow.drillScreen();
    ASSERT_NE(drill, nullptr);
    EXPECT_TRUE(drill->isVisible());
    ResultScreen *result = loopinstall::answerToTheEnd(flow, drill);
    ASSERT_NE(result, nullptr);
    EXPECT_TRUE(result->resultLine()->text().startsWith(QStringLiteral("今の成績：")));
    EXPECT_EQ(result->nameLine()->text(), QStringLiteral("山田太郎"));

    QFile log(install.programFolder() + QStringLiteral("成績累積データ.dat"));
    EXPECT_EQ(log.size(), 44);
    QFile home(install.filesFolder() + QStringLiteral("成績累積データ家庭用.dat"));
    EXPECT_EQ(home.size(), 66);

    // "メニューへ" brings the level screen back with the run counted.
    result->showButtons();
    result->menuButton()->click();
    ASSERT_NE(flow.levelScreen(), nullptr);
    EXPECT_TRUE(flow.levelScreen()->isVisible());
    EXPECT_EQ(flow.levelScreen()->todayTotal()->text(), QStringLiteral("本日総回数＝1回"));
    EXPECT_TRUE(flow.levelScreen()->todayCounts(2)->text().startsWith(QStringLiteral("1回/")));

    // Back to the start screen, which shows the choice cleared.
    flow.levelScreen()->backToStart();
    EXPECT_TRUE(start.isVisible());
    EXPECT_EQ(start.choiceLabel()->text(), QStringLiteral("名前を選びなさい"));
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(Loop, ATeachersReportShowsTheFiguresMissedInTheRunJustRecorded)
{
    layOut(install);
    install.writeText(QStringLiteral("files/生徒用名簿.txt"),
                      QStringLiteral("1,2014,0,0,\"山田太郎            \",0,\"                    \",\"                    \"\r\n"
                                     "3,1980,0,0,\"鈴木先生            \",0,\"                    \",\"                    \"\r\n"));
    ASSERT_NO_FATAL_FAILURE(startProgram());
    ScreenFlow &flow = *program->flow();
    int teacher = 0;
    for (int row = 1; row < flow.startScreen()->list()->count(); ++row) {
        if (flow.startScreen()->list()->item(row)->text().contains(QStringLiteral("鈴木先生")))
            teacher = row;
    }
    ASSERT_GT(teacher, 0);
    flow.startScreen()->confirmRow(teacher);
    ASSERT_NE(flow.levelScreen(), nullptr);

    // Two wrong choices on the first question, then every answer right.
    flow.levelScreen()->startLevel(2);
    DrillScreen *drill = flow.drillScreen();
    ASSERT_NE(drill, nullptr);
    drill->run().coverTimerFired();
    const QString missed = drill->run().question(drill->run().currentQuestion()).name;
    int wrong = 0;
    for (int c = 0; c < DrillView::kChoices && wrong < 2; ++c) {
        if (c != drill->run().answerChoice() && drill->run().view().choices.at(static_cast<std::size_t>(c)).enabled) {
            drill->run().chooseChoice(c);
            ++wrong;
        }
    }
    ResultScreen *result = loopinstall::answerToTheEnd(flow, drill);
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(QFileInfo(install.programFolder() + QStringLiteral("解答累積データ.dat")).size(), 6 * 48);
    EXPECT_EQ(QFileInfo(install.programFolder() + QStringLiteral("成績累積データ.dat")).size(), 44);
    result->showButtons();
    result->menuButton()->click();
    ASSERT_NE(flow.levelScreen(), nullptr);

    flow.levelScreen()->showPersonalTimes();
    flow.levelScreen()->showGraph();
    PupilReportPanel *panel = flow.levelScreen()->reportPanel();
    ASSERT_TRUE(panel->isVisible());
    EXPECT_TRUE(panel->weakHeading()->isVisible());
    EXPECT_EQ(panel->weakHeading()->text(), QStringLiteral("苦手な人物"));
    ASSERT_TRUE(panel->weakText()->isVisible());
    EXPECT_TRUE(panel->weakText()->text().startsWith(QStringLiteral("1 ") + missed)) << panel->weakText()->text().toStdString();
    EXPECT_TRUE(panel->weakText()->text().contains(QStringLiteral("選択×2　年代×0")));
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(Loop, AQuestionFileThatCannotBeReadLeavesThePupilAtLevelSelection)
{
    layOut(install);
    install.writeBytes(QStringLiteral("drill2/Morvidかな0vv.ccc"), QByteArray("broken\r\n"));
    ASSERT_NO_FATAL_FAILURE(startProgram());
    ScreenFlow &flow = *program->flow();
    StartScreen &start = *flow.startScreen();
    start.confirmRow(1);
    ASSERT_NE(flow.levelScreen(), nullptr);
    flow.levelScreen()->startLevel(2);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].text.contains(QStringLiteral("Morvidかな0vv.ccc")));
    ASSERT_NE(flow.levelScreen(), nullptr);
    EXPECT_TRUE(flow.levelScreen()->isVisible());
    EXPECT_FALSE(QFile::exists(install.programFolder() + QStringLiteral("成績累積データ.dat")));
}

TEST_F(Loop, WithoutARosterTheStartScreenSaysSoAndStaysOpen)
{
    install.writeValidMode1();
    ASSERT_NO_FATAL_FAILURE(startProgram());
    StartScreen &start = *program->flow()->startScreen();
    EXPECT_TRUE(start.isVisible());
    EXPECT_TRUE(start.rosterMessage()->isVisible());
    EXPECT_TRUE(start.rosterMessage()->text().contains(QStringLiteral("生徒用名簿.txt")));
    EXPECT_FALSE(start.list()->isVisible());
    start.confirmPupil();
    EXPECT_EQ(program->flow()->levelScreen(), nullptr);
}

// Another machine sharing the run log records a run while the level screen is open: the lists of
// today's runs and of all runs read the log again each time they are chosen.
TEST_F(Loop, RunListsShowRunsRecordedElsewhereSinceTheScreenOpened)
{
    layOut(install);
    ASSERT_NO_FATAL_FAILURE(startProgram());
    ScreenFlow &flow = *program->flow();
    flow.startScreen()->confirmRow(1);
    LevelScreen *levels = flow.levelScreen();
    ASSERT_NE(levels, nullptr);
    levels->chooseDisplayMode(DisplayMode::Time);
    levels->chooseList(ListChoice::Second);
    EXPECT_EQ(levels->listLines(2).size(), 0);

    Installation otherMachine;
    runStartup(otherMachine, install.programFolder());
    const RecordCallbacks callbacks{[] {}, [](const QString &, const QString &) {}};
    const auto recordElsewhere = [&](int pupil, int seconds) {
        ASSERT_TRUE(AppendRunRecord(otherMachine, pupil, 2, seconds, services.clock, callbacks).empty());
    };

    recordElsewhere(2, 95);
    levels->chooseList(ListChoice::All);
    ASSERT_EQ(levels->listLines(2).size(), 1);
    EXPECT_TRUE(levels->listLines(2).at(0).contains(QStringLiteral("佐藤花子")));

    recordElsewhere(2, 88);
    levels->chooseList(ListChoice::Second);
    ASSERT_EQ(levels->listLines(2).size(), 2);
    EXPECT_TRUE(levels->listLines(2).at(1).startsWith(QStringLiteral("  88秒")));

    // The points mode's list of all runs reads the log too.
    recordElsewhere(1, 70);
    levels->chooseDisplayMode(DisplayMode::Points);
    levels->chooseList(ListChoice::All);
    EXPECT_EQ(levels->listLines(2).size(), 3);

    // So does the current pupil's "個人ﾀｲﾑ".
    recordElsewhere(1, 66);
    levels->showPersonalTimes();
    ASSERT_EQ(levels->listLines(2).size(), 2);
    EXPECT_TRUE(levels->listLines(2).at(1).endsWith(QStringLiteral("  66秒"))) << levels->listLines(2).at(1).toStdString();
    EXPECT_TRUE(messages.shown.isEmpty());
}

// "0" leaves the level screen, as its back button "戻る(0)" says; Alt+0 is no typed "0" and leaves
// it open.
TEST_F(Loop, OnlyTheKey0OrTheBackButtonLeavesTheLevelScreen)
{
    layOut(install);
    ASSERT_NO_FATAL_FAILURE(startProgram());
    ScreenFlow &flow = *program->flow();
    flow.startScreen()->confirmRow(1);
    ASSERT_NE(flow.levelScreen(), nullptr);
    EXPECT_EQ(flow.levelScreen()->backButton()->text(), QStringLiteral("戻る(0)"));

    QTest::keyClick(flow.levelScreen(), Qt::Key_0, Qt::AltModifier);
    ASSERT_NE(flow.levelScreen(), nullptr);
    EXPECT_TRUE(flow.levelScreen()->isVisible());
    EXPECT_FALSE(flow.startScreen()->isVisible());

    QTest::keyClick(flow.levelScreen(), Qt::Key_0);
    EXPECT_TRUE(flow.startScreen()->isVisible());
}

#ifdef Q_OS_LINUX
// A run log that cannot take the run (here a full disk, which stops every account, root
// included): the run ends on the result screen after the pupil was told it is kept; the next
// start, with room again, appends it once.
TEST_F(Loop, ARunTheLogCannotTakeIsKeptAndTheNextStartAppendsItOnce)
{
    layOut(install);
    const QString runLog = install.programFolder() + QStringLiteral("成績累積データ.dat");
    // Ten earlier runs, so that the limit below stops the log and not the (smaller) pending file.
    QByteArray earlier;
    for (int i = 0; i < 10; ++i)
        earlier += RunRecord::forRun(46364.0, 0.5, 2, 2, 100 + i, QStringLiteral("01234")).encode();
    install.writeBytes(QStringLiteral("drill2/成績累積データ.dat"), earlier);
    ASSERT_NO_FATAL_FAILURE(startProgram());
    ScreenFlow &flow = *program->flow();
    flow.startScreen()->confirmRow(1);
    ASSERT_NE(flow.levelScreen(), nullptr);
    ResultScreen *result = nullptr;
    {
        const FileSizeLimit full(earlier.size());
        result = playTestRun(flow);
    }
    ASSERT_NE(result, nullptr);
    EXPECT_TRUE(result->isVisible());
    EXPECT_TRUE(result->resultLine()->text().startsWith(QStringLiteral("今の成績：")));
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].icon, MessagePresenter::Icon::Warning);
    EXPECT_TRUE(messages.shown[0].text.contains(QStringLiteral("なくなってはいません"))) << messages.shown[0].text.toStdString();
    EXPECT_TRUE(messages.shown[0].text.contains(QStringLiteral("先生に知らせてください")));
    EXPECT_TRUE(messages.shown[0].text.contains(QDir::toNativeSeparators(runLog)));

    const PendingRuns::Contents kept = flow.pendingRuns().read();
    ASSERT_TRUE(kept.file);
    ASSERT_EQ(kept.file->entries.size(), 1u);
    EXPECT_EQ(kept.file->entries[0].log, runlog::runLog().name);
    const QByteArray record = kept.file->entries[0].record;
    EXPECT_EQ(RunRecord::decode(record).pupilNo, 1);
    EXPECT_EQ(RunRecord::decode(record).level, 2);
    // The home run log, less full, took its record as usual.
    EXPECT_EQ(QFileInfo(install.filesFolder() + QStringLiteral("成績累積データ家庭用.dat")).size(), HomeRunRecord::kSize);

    // The program ends; two more starts with room on the disk.
    const QString pendingFile = flow.pendingRuns().filePath();
    program.reset();
    for (int start = 0; start < 2; ++start) {
        ASSERT_NO_FATAL_FAILURE(startProgram());
        QFile log(runLog);
        ASSERT_TRUE(log.open(QIODevice::ReadOnly));
        EXPECT_EQ(log.readAll(), earlier + record) << "start " << start;
        EXPECT_FALSE(QFileInfo::exists(pendingFile));
        program.reset();
    }
    EXPECT_EQ(messages.shown.size(), 1);
}
#endif

} // namespace
