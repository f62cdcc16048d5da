#include "fakeprintplatform.h"
#include "fakes.h"
#include "printpreview.h"
#include "printsettingsscreen.h"
#include "program.h"
#include "questionfile.h"
#include "screenflow.h"
#include "startscreen.h"
#include "tempinstall.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

void writeQuestions(const TempInstall &install, int count)
{
    QString plain;
    for (int i = 1; i <= count; ++i)
        plain += QStringLiteral("%1,%2,%3,人物%1,よみ%1,説明%1,補足%1／ｅｎｄ／\n").arg(i).arg(1 + i % 2).arg(600 + i);
    const questionfile::Scrambled stored = questionfile::scramble(plain);
    ASSERT_TRUE(stored.problems.isEmpty());
    install.writeBytes(QStringLiteral("drill2/Morvidかな0vv.ccc"), stored.stored);
}

class SettingsScreen : public ::testing::Test
{
protected:
    void open()
    {
        screen = std::make_unique<PrintSettingsScreen>(install.programFolder(), random, messages, platform);
        screen->show();
    }

    TempInstall install;
    ScriptedRandom random{{0.3, 0.7, 0.1, 0.9}};
    FakeMessagePresenter messages;
    FakePrintPlatform platform;
    std::unique_ptr<PrintSettingsScreen> screen;
};

TEST_F(SettingsScreen, EveryChangeRebuildsTheTableThePreviewDraws)
{
    writeQuestions(install, 8);
    open();
    EXPECT_EQ(screen->windowTitle(), QStringLiteral("印刷設定"));
    QListWidget *list = screen->groupList();
    ASSERT_EQ(list->count(), 10);
    EXPECT_TRUE(list->item(0)->isSelected());
    EXPECT_TRUE(screen->modeButton(HideMode::ShowAll)->isChecked());
    EXPECT_TRUE(screen->shuffleBox()->isChecked());

    // Clear 順序を変える: group 1 (the even serials) in file order.
    screen->shuffleBox()->click();
    EXPECT_EQ(screen->settings().handover().cell(1, 3), QStringLiteral("人物2"));
    EXPECT_EQ(screen->settings().handover().cell(4, 3), QStringLiteral("人物8"));

    // Ctrl adds group 2 to the selection; the rows merge in file order.
    list->scrollToItem(list->item(1));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, list->visualItemRect(list->item(1)).center());
    EXPECT_EQ(screen->settings().view().selectedGroups, (QList<int>{1, 2}));
    EXPECT_EQ(screen->settings().handover().cell(1, 3), QStringLiteral("人物1"));
    EXPECT_EQ(screen->settings().view().selectedCount, 8);

    screen->modeButton(HideMode::HideName)->click();
    EXPECT_EQ(screen->settings().handover().cell(1, 3), QString());
    EXPECT_EQ(screen->settings().handover().cell(1, 5), QStringLiteral("人物1"));
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(SettingsScreen, ThePreviewOpensBesideItAndStoppingClosesOnlyThePreview)
{
    writeQuestions(install, 8);
    open();
    screen->toPrintButton()->click();
    PrintPreview *preview = screen->preview();
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(preview->windowTitle(), QStringLiteral("印刷プレビュー"));
    EXPECT_TRUE(preview->isVisible());
    EXPECT_FALSE(preview->sheetBox()->pixmap().isNull());

    // 印刷 without a printer offers a PDF; declined, nothing is printed.
    preview->printButton()->click();
    EXPECT_EQ(platform.offers.size(), 1);
    EXPECT_TRUE(platform.printed.isEmpty());

    preview->stopButton()->click();
    EXPECT_FALSE(preview->isVisible());
    EXPECT_TRUE(screen->isVisible());
}

TEST_F(SettingsScreen, AnUnreadableQuestionFileIsSaidAndPrintingIsOff)
{
    open();
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown.first().text.contains(QStringLiteral("Morvidかな0vv.ccc")));
    EXPECT_FALSE(screen->toPrintButton()->isEnabled());
    screen->shuffleAgainButton()->click();
    EXPECT_EQ(messages.shown.size(), 1);
}

TEST(PrintFlow, TheStartScreensPrintButtonOpensThePrintSettings)
{
    TempInstall install;
    install.writeValidMode1();
    install.writeText(QStringLiteral("files/生徒用名簿.txt"),
                      QStringLiteral("1,2014,0,0,\"山田太郎            \",0,\"                    \",\"                    \"\r\n"));
    writeQuestions(install, 6);
    FakeMessagePresenter messages;
    FakeServices fake;
    Program program(install.programFolder(), fake.services(), messages);
    ASSERT_EQ(program.start(), 0);
    ScreenFlow &flow = *program.flow();
    ASSERT_TRUE(flow.startScreen()->printButton()->isVisible());
    flow.startScreen()->printButton()->click();
    PrintSettingsScreen *settings = flow.printSettingsScreen();
    ASSERT_NE(settings, nullptr);
    EXPECT_TRUE(settings->isVisible());
    EXPECT_EQ(settings->windowTitle(), QStringLiteral("印刷設定"));
    EXPECT_EQ(settings->settings().view().selectedCount, 3);
    EXPECT_FALSE(settings->settings().view().weakOffered);
    EXPECT_TRUE(messages.shown.isEmpty());

    settings->backButton()->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(flow.printSettingsScreen(), nullptr);
    EXPECT_TRUE(flow.startScreen()->isVisible());
}

// 苦手な問題 is there when the name chosen on the start screen is a teacher's, and the screen is
// made anew when the name chosen next is not.
TEST(PrintFlow, OffersTheWeakSheetWhenATeachersNameIsChosen)
{
    TempInstall install;
    install.writeValidMode1();
    install.writeText(QStringLiteral("files/生徒用名簿.txt"),
                      QStringLiteral("1,2014,0,0,\"山田太郎            \",0,\"                    \",\"                    \"\r\n"
                                     "2,2014,0,0,\"山本先生            \",0,\"                    \",\"                    \"\r\n"));
    writeQuestions(install, 6);
    FakeMessagePresenter messages;
    FakeServices fake;
    Program program(install.programFolder(), fake.services(), messages);
    ASSERT_EQ(program.start(), 0);
    ScreenFlow &flow = *program.flow();
    StartScreen &start = *flow.startScreen();
    const auto rowOf = [&](const QString &name) {
        for (int row = 0; row < start.list()->count(); ++row) {
            if (start.list()->item(row)->text().contains(name))
                return row;
        }
        return -1;
    };
    const int teacherRow = rowOf(QStringLiteral("山本先生"));
    const int pupilRow = rowOf(QStringLiteral("山田太郎"));
    ASSERT_GE(teacherRow, 0);
    ASSERT_GE(pupilRow, 0);

    start.chooseRow(teacherRow);
    start.printButton()->click();
    QPointer<PrintSettingsScreen> forTeacher = flow.printSettingsScreen();
    ASSERT_NE(forTeacher, nullptr);
    EXPECT_TRUE(forTeacher->settings().view().weakOffered);
    EXPECT_TRUE(forTeacher->sourceButton(SheetSource::Weak)->isVisible());

    // The same name again: the same screen.
    start.printButton()->click();
    EXPECT_EQ(flow.printSettingsScreen(), forTeacher.data());

    start.chooseRow(pupilRow);
    start.printButton()->click();
    PrintSettingsScreen *forPupil = flow.printSettingsScreen();
    ASSERT_NE(forPupil, nullptr);
    EXPECT_NE(forPupil, forTeacher.data());
    EXPECT_FALSE(forPupil->settings().view().weakOffered);
    EXPECT_FALSE(forPupil->sourceButton(SheetSource::Weak)->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(forTeacher, nullptr);
    EXPECT_EQ(flow.printSettingsScreen(), forPupil);
}

} // namespace
