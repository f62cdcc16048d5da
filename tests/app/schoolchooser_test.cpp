// The chooser that `tavrel` opens without a folder: its logic on a table of cases, its window,
// and the choice as the program makes it from the schools this machine knows.
#include "fakes.h"
#include "programarguments.h"
#include "schoolchoice.h"
#include "schoolchooser.h"
#include "schoolchooserscreen.h"
#include "schoolregistry.h"
#include "tempinstall.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

const std::vector<SchoolChoice> kChoices = {
    {QStringLiteral("東小学校"), QStringLiteral("/srv/east/tavrel"), false, true},
    {QStringLiteral("西小学校"), QStringLiteral("/mnt/west/tavrel"), false, false},
    {QStringLiteral("デモ"), QString(), true, true},
};

struct ChooserCase
{
    const char *name;
    std::vector<SchoolChoice> choices;
    QString lastChoice;
    int selected;     // what the chooser opens with
    bool openEnabled;
    QString noteHolds; // empty: no note
    friend void PrintTo(const ChooserCase &c, std::ostream *os) { *os << c.name; }
};

class ChooserCases : public testing::TestWithParam<ChooserCase>
{
};

TEST_P(ChooserCases, SelectsTheLastChoiceAndSaysWhyNothingOpens)
{
    const ChooserCase &c = GetParam();
    SchoolChooser chooser(c.choices, c.lastChoice);
    EXPECT_EQ(chooser.view().lines.size(), static_cast<qsizetype>(c.choices.size()));
    EXPECT_EQ(chooser.view().selected, c.selected);
    EXPECT_EQ(chooser.view().openEnabled, c.openEnabled);
    if (c.noteHolds.isEmpty())
        EXPECT_TRUE(chooser.view().note.isEmpty()) << chooser.view().note.toStdString();
    else
        EXPECT_TRUE(chooser.view().note.contains(c.noteHolds)) << chooser.view().note.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChooserCases,
    testing::Values(ChooserCase{"LastSchool", kChoices, QStringLiteral("/srv/east/tavrel/"), 0, true, {}},
                    ChooserCase{"LastWasTheDemo", kChoices, QStringLiteral("demo"), 2, true, {}},
                    ChooserCase{"NoLastChoice", kChoices, QString(), 0, true, {}},
                    ChooserCase{"LastSchoolNotMounted", kChoices, QStringLiteral("/mnt/west/tavrel"), 1, false,
                                QStringLiteral("フォルダが見つかりません")},
                    ChooserCase{"OnlyTheDemo", {kChoices[2]}, QString(), 0, true, QStringLiteral("登録されていません")},
                    ChooserCase{"Nothing", {}, QString(), -1, false, QStringLiteral("デモも見つかりません")}),
    testing::PrintToStringParamName());

TEST(SchoolChooserTest, OpensOnlyWhatIsThereAndOnlyOnce)
{
    SchoolChooser chooser(kChoices, QString(), QStringLiteral("「北小学校」はこのコンピューターに登録されていません。"));
    EXPECT_TRUE(chooser.view().note.contains(QStringLiteral("北小学校")));
    EXPECT_TRUE(chooser.view().lines[1].contains(QStringLiteral("見つかりません")));
    chooser.select(1);
    chooser.open();
    EXPECT_FALSE(chooser.chosen());
    EXPECT_FALSE(chooser.view().finished);
    chooser.select(2);
    chooser.open();
    ASSERT_TRUE(chooser.chosen());
    EXPECT_TRUE(chooser.chosen()->demo);
    EXPECT_TRUE(chooser.view().finished);
    EXPECT_FALSE(chooser.view().openEnabled);
    chooser.select(0);
    EXPECT_TRUE(chooser.chosen()->demo);

    SchoolChooser givenUp(kChoices, QString());
    givenUp.giveUp();
    givenUp.open();
    EXPECT_FALSE(givenUp.chosen());
}

TEST(SchoolChooserScreenTest, ShowsTheViewAndForwardsTheClicks)
{
    SchoolChooser chooser(kChoices, QStringLiteral("demo"));
    SchoolChooserScreen screen(chooser);
    EXPECT_EQ(screen.windowTitle(), QStringLiteral("Tavrel — 学校を選ぶ"));
    ASSERT_EQ(screen.list()->count(), 3);
    EXPECT_TRUE(screen.list()->item(0)->text().startsWith(QStringLiteral("東小学校")));
    EXPECT_EQ(screen.list()->currentRow(), 2);
    screen.list()->setCurrentRow(1);
    EXPECT_EQ(chooser.view().selected, 1);
    EXPECT_FALSE(screen.openButton()->isEnabled());
    EXPECT_FALSE(screen.noteLine()->isHidden());
    screen.list()->setCurrentRow(0);
    EXPECT_TRUE(screen.openButton()->isEnabled());
    screen.openButton()->click();
    EXPECT_EQ(screen.result(), QDialog::Accepted);
    ASSERT_TRUE(chooser.chosen());
    EXPECT_EQ(chooser.chosen()->programFolder, QStringLiteral("/srv/east/tavrel"));

    SchoolChooser other(kChoices, QString());
    SchoolChooserScreen quitting(other);
    quitting.quitButton()->click();
    EXPECT_EQ(quitting.result(), QDialog::Rejected);
    EXPECT_FALSE(other.chosen());
}

// The schools this machine knows come from the account's and the machine's lists (folders of
// this test process); a launcher's --school opens a known school at once, and the chooser
// remembers what was opened through it.
TEST(SchoolChoiceTest, ALauncherOpensItsSchoolAndTheChooserRemembersTheChoice)
{
    TempInstall school;
    school.writeValidMode1();
    const QString folder = QDir::cleanPath(school.programFolder());
    ASSERT_EQ(schoolregistry::add(schoolregistry::machineFile(), {QStringLiteral("東小学校"), folder}), QString());
    FakeMessagePresenter messages;
    ProgramArguments named;
    named.choose = true;
    named.schoolName = QStringLiteral("東小学校");
    EXPECT_EQ(chooseProgramFolder(named, QStringLiteral("/usr/bin"), messages), folder);

    // An unknown name opens the chooser, which says so; choosing opens the known school.
    named.schoolName = QStringLiteral("北小学校");
    QString noteSeen;
    const auto pupil = [&](SchoolChooser &chooser) {
        noteSeen = chooser.view().note;
        chooser.select(0);
        chooser.open();
    };
    EXPECT_EQ(chooseProgramFolder(named, QStringLiteral("/usr/bin"), messages, pupil), folder);
    EXPECT_TRUE(noteSeen.contains(QStringLiteral("「北小学校」はこのコンピューターに登録されていません"))) << noteSeen.toStdString();
    EXPECT_EQ(schoolregistry::lastChoice(), folder);
    EXPECT_TRUE(messages.shown.isEmpty());
}

} // namespace
