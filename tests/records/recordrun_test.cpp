#include "runrecording.h"

#include "clock.h"
#include "homerunrecord.h"
#include "lockholder.h"
#include "oadate.h"
#include "pendingruns.h"
#include "recordsfixture.h"
#include "testnames.h"
#include "runlog.h"
#include "runstats.h"
#include "computestats.h"
#include "filesizelimit.h"
#include "systemerror.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif
#include <cstring>

#include <gtest/gtest.h>

namespace {

const QDateTime kNoonOf2000(QDate(2000, 1, 1), QTime(12, 0, 0));

class RecordRunTest : public testing::Test
{
protected:
    std::optional<RecordedRun> record(int pupil, int level, std::int32_t time)
    {
        return RecordRun(fx.state, stats, pupil, level, time, clock, pending, probe.callbacks());
    }

    // What the pending file holds, in order: (log, record bytes).
    QList<std::pair<QString, QByteArray>> kept() const
    {
        QList<std::pair<QString, QByteArray>> entries;
        const PendingRuns::Contents contents = pending.read();
        EXPECT_TRUE(contents.problem.isEmpty()) << contents.problem.toStdString();
        if (contents.file) {
            for (const PendingEntry &e : contents.file->entries)
                entries.append({e.log, e.record});
        }
        return entries;
    }

    void recompute()
    {
        ASSERT_TRUE(ComputeStats(fx.state, stats, clock.now(), probe.callbacks()));
    }

    RecordsFixture fx;
    RunStats stats;
    ManualClock clock{kNoonOf2000};
    CallbackProbe probe;
    PendingRuns pending{fx.state, fx.root() + QStringLiteral("/pending")};
};

TEST_F(RecordRunTest, WritesBothLogsByteForByte)
{
    ASSERT_TRUE(record(4899, 2, 87));
    const QByteArray date = QByteArray::fromHex("00000000c0d5e140");
    const QByteArray noon = QByteArray::fromHex("000000000000e03f");
    EXPECT_EQ(RecordsFixture::read(fx.runLog()).toHex().toStdString(),
              (date + noon + QByteArray::fromHex("23130200570000003031323334202020202030202020200000000000"))
                  .toHex()
                  .toStdString());
    EXPECT_EQ(RecordsFixture::read(fx.homeRunLog()).toHex().toStdString(),
              (QByteArray("drill2\\") + QByteArray(13, ' ') + QByteArray(2, '\0') + date + noon
               + QByteArray::fromHex("23130200570000003031323334") + QByteArray(15, '\0'))
                  .toHex().toStdString());
    EXPECT_TRUE(probe.fatals.isEmpty());
}

TEST_F(RecordRunTest, EachRecordTakesTheClockAsItIsBuilt)
{
    // A clock that moves on each reading: the home record is dated by its own reading.
    class SteppingClock : public Clock
    {
    public:
        QDateTime now() const override { return QDateTime(QDate(2000, 1, 1), QTime(23, 59, 59)).addSecs(m_readings++); }
        double monotonicSeconds() const override { return 0.0; }

    private:
        mutable int m_readings = 0;
    } stepping;
    ASSERT_TRUE(RecordRun(fx.state, stats, 7, 2, 50, stepping, pending, probe.callbacks()));
    EXPECT_EQ(RunRecord::decode(RecordsFixture::read(fx.runLog())).runDate, 36526.0);
    const HomeRunRecord home = HomeRunRecord::decode(RecordsFixture::read(fx.homeRunLog()));
    EXPECT_EQ(home.runDate, 36527.0);
    EXPECT_EQ(home.runClock, 0.0);
}

struct HomeCase
{
    int pupil;
    int homeUse;
    bool inHomeLog;

    friend void PrintTo(const HomeCase &c, std::ostream *os)
    {
        *os << "pupil " << c.pupil << ", home use " << c.homeUse << " -> "
            << (c.inHomeLog ? "in the home log" : "not in the home log");
    }
};

class HomeRunLogRule : public RecordRunTest, public testing::WithParamInterface<HomeCase>
{
};

TEST_P(HomeRunLogRule, LeavesOutPupils4900To5000)
{
    fx.state.homeUse = GetParam().homeUse;
    ASSERT_TRUE(record(GetParam().pupil, 4, 120));
    EXPECT_EQ(QFileInfo(fx.runLog()).size(), RunRecord::kSize);
    EXPECT_EQ(QFileInfo(fx.homeRunLog()).size(), GetParam().inHomeLog ? HomeRunRecord::kSize : 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, HomeRunLogRule,
                         testing::Values(HomeCase{1, 1, true}, HomeCase{4899, 1, true}, HomeCase{4900, 1, false},
                                         HomeCase{4950, 1, false}, HomeCase{5000, 1, false},
                                         HomeCase{1, 0, false}),
                         testname::from([](const HomeCase &c) { return testname::of("pupil", c.pupil, "home_use", c.homeUse); }));

TEST_F(RecordRunTest, OverwritesATrailingPartialRecordAndKeepsWholeOnes)
{
    const QByteArray first = runOn(QDate(1999, 5, 5), 3, 2, 77).encode();
    RecordsFixture::write(fx.runLog(), first + QByteArray(10, 'x'));
    RecordsFixture::write(fx.homeRunLog(), QByteArray(65, 'y'));
    ASSERT_TRUE(record(3, 2, 60));
    const QByteArray log = RecordsFixture::read(fx.runLog());
    ASSERT_EQ(log.size(), 2 * RunRecord::kSize);
    EXPECT_EQ(log.left(RunRecord::kSize), first);
    EXPECT_EQ(RunRecord::decode(log.mid(RunRecord::kSize)).resultTime, 60);
    const QByteArray home = RecordsFixture::read(fx.homeRunLog());
    ASSERT_EQ(home.size(), HomeRunRecord::kSize);
    EXPECT_EQ(HomeRunRecord::decode(home).resultTime, 60);
}

struct FlagCase
{
    const char *name;
    QList<std::pair<int, std::int32_t>> earlier; // (pupil, time) at level 2
    std::int32_t time;                           // pupil 1's run
    bool newBest;
    bool newLevelBest;

    friend void PrintTo(const FlagCase &c, std::ostream *os)
    {
        *os << c.name << ": earlier (pupil, time) " << testing::PrintToString(c.earlier) << ", pupil 1 runs " << c.time
            << " -> new best " << testing::PrintToString(c.newBest) << ", new level best "
            << testing::PrintToString(c.newLevelBest);
    }
};

class BestTimeFlags : public RecordRunTest, public testing::WithParamInterface<FlagCase>
{
};

TEST_P(BestTimeFlags, AreRaisedOnlyByStrictlyFasterRuns)
{
    QList<RunRecord> records;
    for (const auto &[pupil, time] : GetParam().earlier)
        records << runOn(QDate(1999, 12, 31), pupil, 2, time);
    fx.writeRunLog(records);
    recompute();
    const std::int32_t ownBefore = stats.bestTime(1, 2);
    const std::int32_t levelBefore = stats.levelBestTime(2);

    const std::optional<RecordedRun> recorded = record(1, 2, GetParam().time);
    ASSERT_TRUE(recorded);
    EXPECT_EQ(recorded->flags.newBest, GetParam().newBest);
    EXPECT_EQ(recorded->flags.newLevelBest, GetParam().newLevelBest);
    EXPECT_TRUE(recorded->notice.isEmpty());
    EXPECT_EQ(stats.bestTime(1, 2), GetParam().newBest ? GetParam().time : ownBefore);
    EXPECT_EQ(stats.levelBestTime(2), GetParam().newLevelBest ? GetParam().time : levelBefore);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BestTimeFlags,
    testing::Values(FlagCase{"FirstRunAtAnEmptyLevel", {}, 80, true, true},
                    FlagCase{"FirstRunOfThePupil", {{2, 40}}, 80, true, false},
                    FlagCase{"EqualToOwnBest", {{1, 80}}, 80, false, false},
                    FlagCase{"EqualToLevelBest", {{1, 90}, {2, 80}}, 80, true, false},
                    FlagCase{"BeatsBoth", {{1, 90}, {2, 85}}, 80, true, true},
                    FlagCase{"TimeOutAtAnEmptyLevel", {}, 99999, false, false},
                    FlagCase{"SlowerThanOwnBest", {{1, 70}}, 80, false, false}),
    testname::ByName());

TEST_F(RecordRunTest, ClearedBeforeLooksAtTheFiguresWithoutTheRunJustFinished)
{
    // Level 2 needs 3 runs and 30 points; a 50-second run earns 16 points.
    const bool expected[] = {false, false, false, true, true};
    for (const bool cleared : expected) {
        recompute();
        const std::optional<RecordedRun> recorded = record(9, 2, 50);
        ASSERT_TRUE(recorded);
        EXPECT_EQ(recorded->flags.clearedBefore, cleared) << "after " << stats.at(9, 2).attemptsAll << " runs";
    }
}

struct BadRunCase
{
    int pupil;
    int level;

    friend void PrintTo(const BadRunCase &c, std::ostream *os) { *os << "pupil " << c.pupil << ", level " << c.level; }
};

class RecordRunRejects : public RecordRunTest, public testing::WithParamInterface<BadRunCase>
{
};

TEST_P(RecordRunRejects, PupilsAndLevelsOutsideTheTablesWithoutWriting)
{
    EXPECT_FALSE(record(GetParam().pupil, GetParam().level, 50));
    ASSERT_EQ(probe.fatals.size(), 1);
    EXPECT_TRUE(probe.fatals.first().startsWith(QStringLiteral("Seisekikiroku")));
    EXPECT_FALSE(QFileInfo::exists(fx.runLog()));
    EXPECT_FALSE(QFileInfo::exists(fx.homeRunLog()));
}

INSTANTIATE_TEST_SUITE_P(Cases, RecordRunRejects,
                         testing::Values(BadRunCase{0, 2}, BadRunCase{5001, 2}, BadRunCase{-3, 2}, BadRunCase{1, 0},
                                         BadRunCase{1, 36}),
                         testname::from([](const BadRunCase &c) { return testname::of("pupil", c.pupil, "level", c.level); }));

// A log that cannot take its record (a share that went away, a full disk, no permission, a lock
// that does not clear) loses nothing: the record is kept exactly as it would have been appended,
// the other log still takes its own, and the pupil is told, with the file and the system's reason.
struct UnreachableCase
{
    const char *name;
    bool runLogFails; // otherwise the home run log fails
    std::function<void(RecordsFixture &)> breakLog;
    std::function<QString(const RecordsFixture &)> reason; // what the notice names

    friend void PrintTo(const UnreachableCase &c, std::ostream *os) { *os << c.name; }
};

class UnreachableLog : public RecordRunTest, public testing::WithParamInterface<UnreachableCase>
{
};

TEST_P(UnreachableLog, KeepsTheRecordAsItWouldBeAppendedAndTellsThePupil)
{
    const UnreachableCase &c = GetParam();
    c.breakLog(fx);
    const std::optional<RecordedRun> recorded = record(1, 2, 50);
    ASSERT_TRUE(recorded);
    EXPECT_TRUE(probe.fatals.isEmpty());
    EXPECT_TRUE(recorded->kept);
    EXPECT_TRUE(recorded->notice.contains(QStringLiteral("なくなってはいません")));
    EXPECT_TRUE(recorded->notice.contains(QStringLiteral("先生に知らせてください")));
    const QString failed = c.runLogFails ? runlog::runLogPath(fx.state.folders) : runlog::homeRunLogPath(fx.state.folders);
    EXPECT_TRUE(recorded->notice.contains(QStringLiteral("成績ランダムファイル記録 ") + QDir::toNativeSeparators(failed)
                                          + QStringLiteral(": ") + c.reason(fx)))
        << recorded->notice.toStdString();
    // The run still counts for the flags: it reaches the log later.
    EXPECT_TRUE(recorded->flags.newBest);
    EXPECT_EQ(stats.bestTime(1, 2), 50);

    const QByteArray run = RunRecord::forRun(oadate::fromDate(kNoonOf2000.date()), 0.5, 1, 2, 50, QStringLiteral("01234")).encode();
    const QByteArray home = HomeRunRecord::forRun(QStringLiteral("drill2"), oadate::fromDate(kNoonOf2000.date()), 0.5, 1, 2, 50,
                                                  QStringLiteral("01234"))
                                .encode();
    const QList<std::pair<QString, QByteArray>> expected = {
        c.runLogFails ? std::pair{runlog::runLog().name, run} : std::pair{runlog::homeRunLog().name, home}};
    EXPECT_EQ(kept(), expected);
    const QString fine = c.runLogFails ? fx.homeRunLog() : fx.runLog();
    EXPECT_EQ(RecordsFixture::read(fine), c.runLogFails ? home : run);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UnreachableLog,
    testing::Values(
        UnreachableCase{"RunLogFolderGone", true,
                        [](RecordsFixture &fx) { QDir(fx.state.folders.dataFolder).removeRecursively(); },
                        [](const RecordsFixture &) {
                            return systemerror::describe(ENOENT) + QStringLiteral("（エラー番号 %1）").arg(ENOENT);
                        }},
        UnreachableCase{"HomeRunLogFolderGone", false,
                        [](RecordsFixture &fx) { QDir(fx.state.folders.filesFolder).removeRecursively(); },
                        [](const RecordsFixture &) {
                            return systemerror::describe(ENOENT) + QStringLiteral("（エラー番号 %1）").arg(ENOENT);
                        }},
        // Something that is no file stands where the log should be: refused whatever the account.
        UnreachableCase{"RunLogIsAFolder", true,
                        [](RecordsFixture &fx) { QDir().mkpath(fx.runLog()); },
                        [](const RecordsFixture &) {
                            return systemerror::describe(EISDIR) + QStringLiteral("（エラー番号 %1）").arg(EISDIR);
                        }}),
    testname::ByName());

#ifdef Q_OS_LINUX
TEST_F(RecordRunTest, AFullDiskKeepsTheRunAndTheNextRecordingAppendsItOverThePartialRecord)
{
    // Ten records in the log, so that the limit cuts the eleventh and still lets the (smaller)
    // pending file be written.
    fx.state.homeUse = 0;
    for (int i = 0; i < 10; ++i)
        ASSERT_TRUE(record(1, 2, 50 + i));
    {
        const FileSizeLimit limit(10 * RunRecord::kSize + 20);
        const std::optional<RecordedRun> recorded = record(2, 2, 40);
        ASSERT_TRUE(recorded);
        EXPECT_TRUE(recorded->notice.contains(QStringLiteral("（エラー番号 %1）").arg(EFBIG))) << recorded->notice.toStdString();
    }
    EXPECT_TRUE(probe.fatals.isEmpty());
    EXPECT_EQ(QFileInfo(fx.runLog()).size(), 10 * RunRecord::kSize + 20);
    ASSERT_EQ(kept().size(), 1);
    recompute();
    EXPECT_EQ(stats.rows().size(), 10);
    EXPECT_EQ(stats.bestTime(2, 2), RunStats::kNoTime);

    // The kept run goes first, over the cut record, then the new one.
    const std::optional<RecordedRun> next = record(2, 2, 41);
    ASSERT_TRUE(next);
    EXPECT_TRUE(next->notice.isEmpty());
    const QByteArray log = RecordsFixture::read(fx.runLog());
    ASSERT_EQ(log.size(), 12 * RunRecord::kSize);
    EXPECT_EQ(RunRecord::decode(log.mid(10 * RunRecord::kSize)).resultTime, 40);
    EXPECT_EQ(RunRecord::decode(log.mid(11 * RunRecord::kSize)).resultTime, 41);
    EXPECT_FALSE(pending.read().found);
    recompute();
    EXPECT_EQ(stats.rows().size(), 12);
    EXPECT_EQ(stats.bestTime(2, 2), 40);
}
#endif

#ifndef _WIN32
// Every account of the school's group appends to the logs: one that the program creates gets
// its folder's group and group write, whatever the umask of the pupil who created it.
TEST_F(RecordRunTest, ALogTheProgramCreatesGetsItsFoldersGroupAndGroupWrite)
{
    const QByteArray folder = QFile::encodeName(fx.state.folders.dataFolder);
    // As root (CI) the folder is given a group of its own, as a school's installation has.
    const gid_t group = ::geteuid() == 0 ? 4242 : ::getegid();
    ASSERT_EQ(::chown(folder.constData(), static_cast<uid_t>(-1), group), 0);
    ASSERT_EQ(::chmod(folder.constData(), 02775), 0);
    const mode_t oldMask = ::umask(077);
    const bool recorded = record(1, 2, 50).has_value();
    ::umask(oldMask);
    ASSERT_TRUE(recorded);
    struct stat log{};
    ASSERT_EQ(::stat(QFile::encodeName(fx.runLog()).constData(), &log), 0);
    EXPECT_EQ(log.st_gid, group);
    EXPECT_EQ(log.st_mode & 0777, 0660u);
}
#endif

TEST_F(RecordRunTest, ALockThatDoesNotClearKeepsTheRunAfterItsWaits)
{
    RecordsFixture::write(fx.runLog(), QByteArray());
    LockHolder holder(fx.runLog(), QStringLiteral("exclusive"));
    ASSERT_TRUE(holder.holds());
    const std::optional<RecordedRun> recorded = record(1, 2, 50);
    ASSERT_TRUE(recorded);
    EXPECT_EQ(probe.waits, RecordCallbacks{}.appendLockWaits);
    EXPECT_TRUE(recorded->kept);
    EXPECT_TRUE(recorded->notice.contains(QStringLiteral("60 回待ってもロックが空きません"))) << recorded->notice.toStdString();
    EXPECT_EQ(QFileInfo(fx.runLog()).size(), 0);
    EXPECT_EQ(QFileInfo(fx.homeRunLog()).size(), HomeRunRecord::kSize);
    ASSERT_EQ(kept().size(), 1);
    EXPECT_EQ(kept().first().first, runlog::runLog().name);

    holder.release();
    ASSERT_TRUE(record(1, 2, 60));
    EXPECT_EQ(QFileInfo(fx.runLog()).size(), 2 * RunRecord::kSize);
    EXPECT_EQ(RunRecord::decode(RecordsFixture::read(fx.runLog())).resultTime, 50);
    EXPECT_FALSE(pending.read().found);
}

TEST_F(RecordRunTest, WaitsWhileAnotherProcessHoldsTheLogThenAppends)
{
    RecordsFixture::write(fx.runLog(), QByteArray());
    LockHolder holder(fx.runLog(), QStringLiteral("exclusive"));
    ASSERT_TRUE(holder.holds());
    qint64 sizeWhileHeld = -1;
    probe.onWait = [&] {
        if (probe.waits == 3) {
            sizeWhileHeld = QFileInfo(fx.runLog()).size();
            holder.release();
        }
    };
    ASSERT_TRUE(record(1, 2, 50));
    EXPECT_GE(probe.waits, 3);
    EXPECT_EQ(sizeWhileHeld, 0);
    EXPECT_EQ(QFileInfo(fx.runLog()).size(), RunRecord::kSize);
    EXPECT_TRUE(probe.fatals.isEmpty());
}

} // namespace
