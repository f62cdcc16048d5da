#include "showroster.h"

#include "recordcallbacks.h"
#include "roster.h"
#include "rosterfixture.h"
#include "runstats.h"

#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

const QByteArray kRoster = RosterFixture::rosterBytes({RosterFixture::line(1, 2014, QStringLiteral("本物"))});
const QByteArray kBackup = RosterFixture::rosterBytes({RosterFixture::line(1, 2014, QStringLiteral("控え"))});

TEST(RestoreRosterTest, APresentRosterIsLeftAlone)
{
    RosterFixture fx;
    RosterFixture::writeFile(fx.rosterPath(), kRoster);
    RosterFixture::writeFile(fx.backupPath(), kBackup);
    const RosterRestore result = RestoreRoster(fx.state.folders);
    EXPECT_EQ(result.state, RosterFileState::Present);
    EXPECT_TRUE(result.message.isEmpty());
    EXPECT_EQ(RosterFixture::readFile(fx.rosterPath()), kRoster);
    EXPECT_EQ(RosterFixture::readFile(fx.backupPath()), kBackup);
}

TEST(RestoreRosterTest, AMissingRosterIsReplacedByItsBackup)
{
    RosterFixture fx;
    RosterFixture::writeFile(fx.backupPath(), kBackup);
    const RosterRestore result = RestoreRoster(fx.state.folders);
    EXPECT_EQ(result.state, RosterFileState::Restored);
    EXPECT_EQ(RosterFixture::readFile(fx.rosterPath()), kBackup);
    EXPECT_FALSE(QFileInfo::exists(fx.backupPath()));
    EXPECT_EQ(RestoreRoster(fx.state.folders).state, RosterFileState::Present);
}

TEST(RestoreRosterTest, NeitherFileGivesAMessageNamingBoth)
{
    RosterFixture fx;
    const RosterRestore result = RestoreRoster(fx.state.folders);
    EXPECT_EQ(result.state, RosterFileState::Missing);
    EXPECT_TRUE(result.message.startsWith(QStringLiteral("名簿ファイルがありません。")));
    EXPECT_TRUE(result.message.contains(QDir::toNativeSeparators(fx.rosterPath())));
    EXPECT_TRUE(result.message.contains(QDir::toNativeSeparators(fx.backupPath())));
    EXPECT_FALSE(QFileInfo::exists(fx.rosterPath()));
}

RecordCallbacks failOnCall(QStringList &fatals)
{
    return {[] {}, [&fatals](const QString &title, const QString &text) { fatals << title + u':' + text; }};
}

TEST(ShowRosterTest, BuildsTheListFromTheRosterAndTheRunLog)
{
    RosterFixture fx;
    const QDateTime now(QDate(2026, 5, 12), QTime(11, 0));
    fx.writeRoster({RosterFixture::line(1, 2014, QStringLiteral("一郎")), RosterFixture::line(4901, 2016, QStringLiteral("先生"))});
    RosterFixture::writeFile(fx.runLogPath(), RosterFixture::run(now.date(), 1, 2, 50) +
                                                  RosterFixture::run(now.date().addDays(-2), 1, 2, 100));
    RunStats stats;
    Roster roster;
    QStringList fatals;
    ASSERT_TRUE(ShowRoster(fx.state, stats, roster, kStartFigureMode, now, failOnCall(fatals)));
    EXPECT_TRUE(fatals.isEmpty()) << fatals.join(u'\n').toStdString();
    EXPECT_EQ(roster.schoolYear(), 2026);
    EXPECT_EQ(roster.listItems(), (QStringList{QStringLiteral("－－－－－－"), QStringLiteral("小4 先生　　　　  　/       "),
                                               QStringLiteral("小6 一郎　　　　  11/     16")}));
    EXPECT_TRUE(roster.takeNewProblems().isEmpty());
}

TEST(ShowRosterTest, AMissingRosterGivesTheHeaderOnly)
{
    RosterFixture fx;
    RunStats stats;
    Roster roster;
    QStringList fatals;
    ASSERT_TRUE(ShowRoster(fx.state, stats, roster, FigureMode::RunsTodayAndAll, QDateTime(QDate(2026, 5, 12), QTime(9, 0)),
                           failOnCall(fatals)));
    EXPECT_EQ(roster.listItems(), QStringList{QStringLiteral("－－－－－－")});
    EXPECT_EQ(roster.listedPupilCount(), 0);
    EXPECT_TRUE(roster.takeNewProblems().isEmpty());
}

TEST(ShowRosterTest, AFailedStatisticsRebuildLeavesTheRosterAsItWas)
{
    RosterFixture fx;
    const QDateTime now(QDate(2026, 5, 12), QTime(11, 0));
    fx.writeRoster({RosterFixture::line(1, 2014, QStringLiteral("一郎"))});
    RunStats stats;
    Roster roster;
    QStringList fatals;
    ASSERT_TRUE(ShowRoster(fx.state, stats, roster, kStartFigureMode, now, failOnCall(fatals)));
    // A record whose pupil lies outside the tables stops the rebuild.
    RosterFixture::writeFile(fx.runLogPath(), RosterFixture::run(now.date(), 6000, 2, 50));
    fx.writeRoster({RosterFixture::line(2, 2014, QStringLiteral("二郎"))});
    EXPECT_FALSE(ShowRoster(fx.state, stats, roster, kStartFigureMode, now, failOnCall(fatals)));
    EXPECT_EQ(fatals.size(), 1);
    EXPECT_EQ(roster.listedPupils(), std::vector<int>{1});
}

} // namespace
