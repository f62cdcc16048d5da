// The start screen's logic played without widgets: the list it shows after each activation, the
// name picked and confirmed, the keys, and the roster's problems.
#include "startselection.h"

#include "corefakes.h"
#include "fakestarthost.h"
#include "pupilsession.h"
#include "recordcallbacks.h"
#include "roster.h"
#include "rosterfixture.h"
#include "runstats.h"
#include "showroster.h"
#include "testnames.h"

#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

// The start screen over a roster of two pupils; the host rebuilds the list for real and confirms
// through the roster, as the program does.
class StartSelectionTest : public ::testing::Test
{
protected:
    StartSelectionTest()
    {
        fx.writeRoster({RosterFixture::line(1, 2014, QStringLiteral("山田太郎")),
                        RosterFixture::line(2, 2013, QStringLiteral("佐藤花子"))});
        host.rebuild = [this](FigureMode mode) {
            return ShowRoster(fx.state, stats, roster, mode, kNow, RecordCallbacks{[] {}, [](const QString &, const QString &) {}});
        };
        host.confirm = [this](const NameChoice &choice) { return roster.confirm(choice, session, kNow.time()); };
    }

    int rowOf(const QString &name) const
    {
        const QStringList &lines = selection.view().lines;
        for (int row = 0; row < lines.size(); ++row) {
            if (lines[row].contains(name))
                return row;
        }
        return -1;
    }

    static inline const QDateTime kNow{QDate(2026, 5, 12), QTime(9, 30)};
    RosterFixture fx;
    RunStats stats;
    Roster roster;
    PupilSession session;
    FakeStartHost host;
    FakeScreenPainter painter;
    StartSelection selection{fx.state.folders, true, roster, host, painter};
};

struct RosterFilesCase
{
    const char *name;
    bool roster;
    bool backup;
    bool listShown;

    friend void PrintTo(const RosterFilesCase &c, std::ostream *os)
    {
        *os << c.name << ": roster " << testing::PrintToString(c.roster) << ", backup "
            << testing::PrintToString(c.backup) << " -> list " << testing::PrintToString(c.listShown);
    }
};

class RosterFiles : public StartSelectionTest, public ::testing::WithParamInterface<RosterFilesCase> {};

TEST_P(RosterFiles, DecideBetweenTheListAndTheMessage)
{
    const RosterFilesCase &c = GetParam();
    const QByteArray lines = RosterFixture::readFile(fx.rosterPath());
    QFile::remove(fx.rosterPath());
    if (c.roster)
        RosterFixture::writeFile(fx.rosterPath(), lines);
    if (c.backup)
        RosterFixture::writeFile(fx.backupPath(), lines);

    selection.activate();
    const StartView &v = selection.view();
    EXPECT_EQ(v.listShown, c.listShown);
    EXPECT_EQ(v.rosterMessageShown, !c.listShown);
    EXPECT_EQ(v.rosterMessage.isEmpty(), c.listShown);
    EXPECT_EQ(v.lines.size(), c.listShown ? 3 : 1); // the header line is always there
    EXPECT_EQ(v.mode, kStartFigureMode);
    EXPECT_EQ(v.choiceCaption, NameChoice::prompt());
    EXPECT_TRUE(v.confirmOffered);
    EXPECT_TRUE(v.printOffered);
    EXPECT_FALSE(v.waitShown);
}

INSTANTIATE_TEST_SUITE_P(Cases, RosterFiles,
                         ::testing::Values(RosterFilesCase{"roster", true, false, true},
                                           RosterFilesCase{"only_the_backup", false, true, true},
                                           RosterFilesCase{"neither", false, false, false}),
                         testname::ByName());

TEST_F(StartSelectionTest, AConfirmedPupilGoesOnOnceWithTheWaitPanelPaintedFirst)
{
    selection.activate();
    // Nothing chosen, or the header line: refused with the wrong-answer sound.
    selection.confirm();
    selection.chooseRow(0);
    selection.confirm();
    EXPECT_EQ(host.wrongSounds, 2);
    EXPECT_EQ(host.confirmed, 0);
    EXPECT_TRUE(selection.view().confirmOffered);

    const int row = rowOf(QStringLiteral("佐藤花子"));
    ASSERT_GT(row, 0);
    selection.chooseRow(row);
    EXPECT_EQ(selection.view().choiceCaption, QStringLiteral("中1 佐藤花子"));
    bool waitPaintedFirst = false;
    painter.duringPaint = [&] { waitPaintedFirst = selection.view().waitShown && host.confirmed == 0; };
    selection.confirm();
    EXPECT_TRUE(waitPaintedFirst);
    EXPECT_EQ(host.confirmed, 1);
    EXPECT_EQ(session.pupilNo, 2);
    EXPECT_EQ(session.startClock, 9 * 3600 + 30 * 60);
    EXPECT_FALSE(selection.view().confirmOffered);

    // Until the screen comes back, neither O.K., a key nor a double click goes on again.
    selection.confirm();
    EXPECT_FALSE(selection.pressKey(u'1', false));
    selection.confirmRow(row);
    EXPECT_EQ(host.confirmed, 1);
    EXPECT_EQ(host.wrongSounds, 2);

    selection.activate();
    EXPECT_TRUE(selection.view().confirmOffered);
    EXPECT_FALSE(selection.view().waitShown);
    EXPECT_EQ(selection.view().choiceCaption, NameChoice::prompt());
}

TEST_F(StartSelectionTest, ADoubleClickConfirmsAtOnce)
{
    selection.activate();
    selection.confirmRow(rowOf(QStringLiteral("山田太郎")));
    EXPECT_EQ(host.confirmed, 1);
    EXPECT_EQ(session.pupilNo, 1);
}

struct KeyCase
{
    const char *name;
    char16_t key;
    bool fromList;
    int confirmed;
    int left;

    friend void PrintTo(const KeyCase &c, std::ostream *os)
    {
        *os << c.name << ": key " << static_cast<int>(c.key) << (c.fromList ? " from the list" : "") << " -> confirmed "
            << c.confirmed << ", left " << c.left;
    }
};

class Keys : public StartSelectionTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(Keys, ConfirmOrLeave)
{
    const KeyCase &c = GetParam();
    selection.activate();
    selection.chooseRow(rowOf(QStringLiteral("山田太郎")));
    EXPECT_EQ(selection.pressKey(QChar(c.key), c.fromList), c.confirmed + c.left > 0);
    EXPECT_EQ(host.confirmed, c.confirmed);
    EXPECT_EQ(host.left, c.left);
}

INSTANTIATE_TEST_SUITE_P(Cases, Keys,
                         ::testing::Values(KeyCase{"one", u'1', false, 1, 0}, KeyCase{"zero", u'0', false, 0, 1},
                                           KeyCase{"enter_from_the_list", u'\r', true, 1, 0},
                                           KeyCase{"enter_elsewhere", u'\r', false, 0, 0},
                                           KeyCase{"space_from_the_list", u' ', true, 1, 0},
                                           KeyCase{"another_letter", u'a', true, 0, 0}),
                         testname::ByName());

TEST_F(StartSelectionTest, AnotherModeBuildsTheListAnewAndClearsTheChoice)
{
    selection.activate();
    const int builds = selection.view().listBuilds;
    selection.chooseRow(rowOf(QStringLiteral("山田太郎")));
    selection.chooseMode(FigureMode::RunsTodayAndAll);
    EXPECT_EQ(selection.view().mode, FigureMode::RunsTodayAndAll);
    EXPECT_EQ(host.shownModes.back(), FigureMode::RunsTodayAndAll);
    EXPECT_EQ(selection.view().listBuilds, builds + 1);
    EXPECT_EQ(selection.view().choiceCaption, NameChoice::prompt());
    selection.confirm();
    EXPECT_EQ(host.confirmed, 0);
}

TEST_F(StartSelectionTest, TheRostersProblemsAreHandedOutOnce)
{
    fx.writeRoster({RosterFixture::line(1, 2014, QStringLiteral("山田太郎")), QStringLiteral("damaged")});
    const QStringList first = selection.activate();
    ASSERT_EQ(first.size(), 1);
    EXPECT_TRUE(selection.activate().isEmpty());
    EXPECT_TRUE(selection.chooseMode(FigureMode::AllPointsAndRuns).isEmpty());
}

} // namespace
