#include "fakes.h"
#include "startscreen.h"
#include "program.h"
#include "tempinstall.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

TEST(Program, OpensTheStartScreenOnAValidInstallation)
{
    TempInstall install;
    install.writeValidMode1();
    FakeServices programServices;
    FakeMessagePresenter messages;
    Program program(install.programFolder(), programServices.services(), messages);
    ASSERT_EQ(program.start(), 0);
    EXPECT_TRUE(messages.shown.isEmpty());
    ASSERT_NE(program.startScreen(), nullptr);
    EXPECT_TRUE(program.startScreen()->isVisible());
    EXPECT_EQ(program.startScreen()->windowTitle(), QStringLiteral("quenda"));
    EXPECT_EQ(program.startScreen()->palette().color(QPalette::Window), QColor(0, 128, 128));
}

TEST(Program, AMissingCommonDataFileGivesItsMessageAndNothingElse)
{
    TempInstall install;
    install.writeValidMode1();
    install.remove(QStringLiteral("files/共通データ.txt"));
    const QStringList before = install.listing();
    FakeServices programServices;
    FakeMessagePresenter messages;
    Program program(install.programFolder(), programServices.services(), messages);
    EXPECT_NE(program.start(), 0);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].icon, MessagePresenter::Icon::Critical);
    EXPECT_TRUE(messages.shown[0].text.contains(QStringLiteral("共通データ.txt")));
    EXPECT_EQ(program.startScreen(), nullptr);
    EXPECT_EQ(install.listing(), before);
}

TEST(Program, ASecondCopyShowsTheCautionAndEnds)
{
    TempInstall install;
    install.writeValidMode1();
    FakeServices firstServices;
    FakeMessagePresenter firstMessages;
    Program first(install.programFolder(), firstServices.services(), firstMessages);
    ASSERT_EQ(first.start(), 0);

    FakeServices secondServices;
    FakeMessagePresenter messages;
    Program second(install.programFolder(), secondServices.services(), messages);
    EXPECT_NE(second.start(), 0);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].title, QStringLiteral("注意"));
    EXPECT_EQ(messages.shown[0].text, Program::secondCopyMessage());
    EXPECT_EQ(second.startScreen(), nullptr);
    EXPECT_TRUE(first.startScreen()->isVisible());
}

} // namespace
