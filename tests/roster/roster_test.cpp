#include "pupilsession.h"
#include "roster.h"

#include "rosterfile.h"
#include "rosterfixture.h"
#include "runstats.h"

#include <gtest/gtest.h>

namespace {

// School year 2026 (the year starts in April).
const QDate kToday(2026, 5, 12);

class RosterTest : public ::testing::Test
{
protected:
    void build(const QStringList &lines, FigureMode mode = kStartFigureMode)
    {
        roster.build(RosterFile::parse(RosterFixture::rosterBytes(lines), fx.rosterPath()), fx.state, kToday, stats,
                     mode);
    }

    void countRuns(const QByteArray &log)
    {
        ASSERT_FALSE(stats.countRecords(log, fx.state.timingTable, QDateTime(kToday, QTime(12, 0))).has_value());
    }

    RosterFixture fx;
    RunStats stats;
    Roster roster;
};

TEST_F(RosterTest, TablesHoldEveryPupilByNumber)
{
    build({RosterFixture::line(5, 2016, QStringLiteral("山田太郎")),
           RosterFixture::line(9, 2011, QStringLiteral("佐藤花子"), 1)});
    EXPECT_EQ(roster.schoolYear(), 2026);
    EXPECT_TRUE(roster.knowsPupil(5));
    EXPECT_EQ(roster.pupilName(5), QStringLiteral("山田太郎                "));
    EXPECT_EQ(roster.pupilBirthYear(5), 2016);
    EXPECT_EQ(roster.pupilGradeLabel(5), QStringLiteral("小４"));
    // Not listed (flag 1), but still known by number.
    EXPECT_EQ(roster.pupilName(9).trimmed(), QStringLiteral("佐藤花子"));
    EXPECT_EQ(roster.pupilGradeLabel(9), QStringLiteral("中３"));
    EXPECT_EQ(roster.listedPupils(), std::vector<int>{5});
    EXPECT_EQ(roster.listedPupilCount(), 1);
    ASSERT_EQ(roster.rosterRows().size(), 1U);
    EXPECT_EQ(roster.rosterRows().front().rosterNo, 5);
    for (int unknown : {0, 1, 6, 10, 5000, 5001, -3}) {
        EXPECT_FALSE(roster.knowsPupil(unknown)) << unknown;
        EXPECT_TRUE(roster.pupilName(unknown).isEmpty()) << unknown;
        EXPECT_EQ(roster.pupilBirthYear(unknown), 0) << unknown;
        EXPECT_TRUE(roster.pupilGradeLabel(unknown).isEmpty()) << unknown;
    }

    // Built again from a roster that no longer has them, the pupils are forgotten.
    build({RosterFixture::line(2, 2016, QStringLiteral("田中")), RosterFixture::line(5, 2015, QStringLiteral("木村"))});
    EXPECT_FALSE(roster.knowsPupil(9));
    EXPECT_TRUE(roster.pupilName(9).isEmpty());
    EXPECT_EQ(roster.pupilBirthYear(9), 0);
    EXPECT_EQ(roster.pupilName(5).trimmed(), QStringLiteral("木村"));
    EXPECT_EQ(roster.pupilBirthYear(5), 2015);
    EXPECT_TRUE(roster.knowsPupil(2));
}

TEST_F(RosterTest, ListFlagDecidesWhoIsListed)
{
    struct Case
    {
        int showStatus2Pupils;
        std::vector<int> listed;
    };
    for (const Case &c : {Case{0, {1}}, Case{1, {1, 3}}}) {
        SCOPED_TRACE(c.showStatus2Pupils);
        fx.state.showStatus2Pupils = c.showStatus2Pupils;
        build({RosterFixture::line(1, 2015, QStringLiteral("零")), RosterFixture::line(2, 2015, QStringLiteral("一"), 1),
               RosterFixture::line(3, 2015, QStringLiteral("二"), 2), RosterFixture::line(4, 2015, QStringLiteral("三"), 3),
               RosterFixture::line(5, 2015, QStringLiteral("負"), -1)});
        EXPECT_EQ(roster.listedPupils(), c.listed);
        for (int p = 1; p <= 5; ++p)
            EXPECT_TRUE(roster.knowsPupil(p)) << p;
    }
}

TEST_F(RosterTest, GradesWithoutFullWidthLabelHaveNone)
{
    build({RosterFixture::line(1, 2010, QStringLiteral("高一")), RosterFixture::line(2, 2009, QStringLiteral("高二")),
           RosterFixture::line(3, 2021, QStringLiteral("幼二")), RosterFixture::line(4, 2020, QStringLiteral("幼三"))});
    EXPECT_EQ(roster.pupilGradeLabel(1), QStringLiteral("高１"));
    EXPECT_EQ(roster.pupilGradeLabel(2), QString());
    EXPECT_EQ(roster.pupilGradeLabel(3), QString());
    EXPECT_EQ(roster.pupilGradeLabel(4), QStringLiteral("幼３"));
}

TEST_F(RosterTest, ListIsYoungestFirstAndDescendingByTextWithinAYear)
{
    build({RosterFixture::line(1, 2012, QStringLiteral("あべ")), RosterFixture::line(2, 2016, QStringLiteral("いとう")),
           RosterFixture::line(3, 2012, QStringLiteral("うえだ")), RosterFixture::line(4, 2014, QStringLiteral("えのき")),
           RosterFixture::line(5, 2012, QStringLiteral("あべ"))});
    const QStringList items = roster.listItems();
    ASSERT_EQ(items.size(), 6);
    EXPECT_EQ(items[0], QStringLiteral("－－－－－－"));
    EXPECT_EQ(items[1], QStringLiteral("小4 いとう　　　  　/       "));
    EXPECT_EQ(items[2], QStringLiteral("小6 えのき　　　  　/       "));
    EXPECT_EQ(items[3], QStringLiteral("中2 うえだ　　　  　/       "));
    EXPECT_EQ(items[4], QStringLiteral("中2 あべ　　　　  　/       "));
    EXPECT_EQ(items[5], items[4]);
    const int expected[] = {0, 2, 4, 3, 5, 1}; // the two あべ by "*5" before "*1"
    for (int row = 0; row < 6; ++row)
        EXPECT_EQ(roster.pupilAtListRow(row), expected[row]) << row;
    EXPECT_EQ(roster.pupilAtListRow(6), 0);
    EXPECT_EQ(roster.pupilAtListRow(-1), 0);
    // The tables keep file order.
    EXPECT_EQ(roster.listedPupils(), (std::vector<int>{1, 2, 3, 4, 5}));
}

TEST_F(RosterTest, ABirthYearOfAnyLengthKeepsTheLineWhole)
{
    build({RosterFixture::line(1, 0, QStringLiteral("零年")), RosterFixture::line(2, 2014, QStringLiteral("普通")),
           RosterFixture::line(3, 12000, QStringLiteral("未来"))});
    const QStringList items = roster.listItems();
    ASSERT_EQ(items.size(), 4);
    EXPECT_EQ(items[1], QStringLiteral("幼- 未来　　　　　　  　/       "));
    EXPECT_EQ(items[2], QStringLiteral("小6 普通　　　　  　/       "));
    EXPECT_EQ(items[3], QStringLiteral("大+ 零年　　　　  　/       "));
}

TEST_F(RosterTest, FiguresFollowTheModeAndSwitchingKeepsThePupils)
{
    countRuns(RosterFixture::run(kToday, 2, 2, 50) + RosterFixture::run(kToday.addDays(-1), 2, 4, 100) +
              RosterFixture::run(kToday, 1, 2, 99999));
    build({RosterFixture::line(1, 2016, QStringLiteral("一郎")), RosterFixture::line(2, 2016, QStringLiteral("二郎"))});
    struct Case
    {
        FigureMode mode;
        QString first;  // 二郎: 1 run and 11 points today, 2 runs and 16 points in all
        QString second; // 一郎: only a time-out today, which is no attempt and earns nothing
    };
    const Case cases[] = {
        {FigureMode::RunsTodayAndAll, QStringLiteral("小4 二郎　　　　  1回/    2回"),
         QStringLiteral("小4 一郎　　　　     /     　")},
        {FigureMode::PointsTodayAndAll, QStringLiteral("小4 二郎　　　　  11/     16"),
         QStringLiteral("小4 一郎　　　　  　/       ")},
        {FigureMode::TodayPointsAndRuns, QStringLiteral("小4 二郎　　　　  11/  1回"),
         QStringLiteral("小4 一郎　　　　  　/     ")},
        {FigureMode::AllPointsAndRuns, QStringLiteral("小4 二郎　　　　     16/    2回"),
         QStringLiteral("小4 一郎　　　　       /     　")},
    };
    for (const Case &c : cases) {
        roster.setFigureMode(c.mode);
        EXPECT_EQ(roster.figureMode(), c.mode);
        EXPECT_EQ(roster.listItems(), (QStringList{QStringLiteral("－－－－－－"), c.first, c.second}));
        Roster rebuilt;
        rebuilt.build(RosterFile::parse(RosterFixture::rosterBytes({RosterFixture::line(1, 2016, QStringLiteral("一郎")),
                                                                    RosterFixture::line(2, 2016, QStringLiteral("二郎"))}),
                                        fx.rosterPath()),
                      fx.state, kToday, stats, c.mode);
        EXPECT_EQ(rebuilt.listItems(), roster.listItems());
    }
}

TEST_F(RosterTest, ARepeatedNumberKeepsTheFirstLineAndIsReported)
{
    build({RosterFixture::line(7, 2014, QStringLiteral("先")), RosterFixture::line(8, 2014, QStringLiteral("他")),
           RosterFixture::line(7, 2010, QStringLiteral("後"))});
    EXPECT_EQ(roster.pupilName(7).trimmed(), QStringLiteral("先"));
    EXPECT_EQ(roster.pupilBirthYear(7), 2014);
    EXPECT_EQ(roster.listedPupils(), (std::vector<int>{7, 8}));
    const QStringList problems = roster.takeNewProblems();
    ASSERT_EQ(problems.size(), 1);
    EXPECT_TRUE(problems.front().contains(QStringLiteral("3 行目"))) << problems.front().toStdString();
    EXPECT_TRUE(problems.front().contains(QStringLiteral("番号 7 は 1 行目でも"))) << problems.front().toStdString();
}

TEST_F(RosterTest, ProblemsAreHandedOutOncePerProgramRun)
{
    const QStringList lines = {RosterFixture::line(1, 2014, QStringLiteral("一")), QStringLiteral("x,2014")};
    build(lines);
    EXPECT_EQ(roster.takeNewProblems().size(), 1);
    build(lines);
    EXPECT_TRUE(roster.takeNewProblems().isEmpty());
    build(lines + QStringList{QStringLiteral("6000,2014,0,0,\"\",0,\"\",\"\"")});
    const QStringList later = roster.takeNewProblems();
    ASSERT_EQ(later.size(), 1);
    EXPECT_TRUE(later.front().contains(QStringLiteral("6000")));
    EXPECT_EQ(roster.listedPupils(), std::vector<int>{1});
}

TEST_F(RosterTest, ARebuildForgetsPupilsNoLongerInTheRoster)
{
    build({RosterFixture::line(1, 2014, QStringLiteral("一")), RosterFixture::line(2, 2014, QStringLiteral("二"))});
    build({RosterFixture::line(2, 2010, QStringLiteral("二"))});
    EXPECT_FALSE(roster.knowsPupil(1));
    EXPECT_EQ(roster.pupilGradeLabel(2), QStringLiteral("高１"));
    build({RosterFixture::line(2, 2005, QStringLiteral("二"))});
    EXPECT_EQ(roster.pupilGradeLabel(2), QString());
}

TEST_F(RosterTest, ClickingChoosesAndConfirmingFixesThePupil)
{
    build({RosterFixture::line(12, 2016, QStringLiteral("長谷川香奈子")),
           RosterFixture::line(30, 2014, QStringLiteral("勅使河原由紀子様"))});
    EXPECT_EQ(roster.click(0), NameChoice::none());
    EXPECT_EQ(roster.click(1), (NameChoice{QStringLiteral("小4 長谷川香奈子"), 12}));
    EXPECT_EQ(roster.click(2), (NameChoice{QStringLiteral("小6 勅使河原由紀子"), 30}));
    EXPECT_EQ(roster.doubleClick(1), (NameChoice{QStringLiteral("小4 長谷川香奈子"), 12}));
    EXPECT_EQ(roster.doubleClick(9), NameChoice::none());

    PupilSession session;
    EXPECT_TRUE(roster.confirm(roster.click(2), session, QTime(9, 30, 15, 600)));
    EXPECT_EQ(session.pupilNo, 30);
    EXPECT_EQ(session.pupilName, QStringLiteral("勅使河原由紀子様            "));
    EXPECT_EQ(session.startClock, 9 * 3600 + 30 * 60 + 16);
    EXPECT_EQ(session.pupilGrade, QStringLiteral("小６"));
    EXPECT_EQ(roster.pupilGrade(), QStringLiteral("小６"));
}

TEST_F(RosterTest, ConfirmingWithoutAChosenPupilChangesNothing)
{
    build({RosterFixture::line(12, 2016, QStringLiteral("一"))});
    PupilSession session;
    session.pupilNo = 4;
    session.pupilName = QStringLiteral("前の人");
    session.startClock = 100;
    const NameChoice refused[] = {NameChoice::none(), NameChoice{QString(), 12}, NameChoice{QStringLiteral("小4 一"), 0},
                                  NameChoice{QStringLiteral("小4 誰"), 13}, NameChoice{QStringLiteral("小4 誰"), 6000}};
    for (const NameChoice &choice : refused) {
        SCOPED_TRACE(choice.caption.toStdString() + " " + std::to_string(choice.pupilNo));
        EXPECT_FALSE(roster.confirm(choice, session, QTime(10, 0)));
        EXPECT_EQ(session.pupilNo, 4);
        EXPECT_EQ(session.pupilName, QStringLiteral("前の人"));
        EXPECT_EQ(session.startClock, 100);
    }
}

} // namespace
