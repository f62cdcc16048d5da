#include "runrecording.h"

#include "clock.h"
#include "homerunrecord.h"
#include "lockholder.h"
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

#include <gtest/gtest.h>

namespace {

const QDateTime kNoonOf2000(QDate(2000, 1, 1), QTime(12, 0, 0));

class RecordRunTest : public testing::Test
{
protected:
    std::optional<RunFlags> record(int pupil, int level, std::int32_t time)
    {
        return RecordRun(fx.state, stats, pupil, level, time, clock, probe.callbacks());
    }

    void recompute()
    {
        ASSERT_TRUE(ComputeStats(fx.state, stats, clock.now(), probe.callbacks()));
    }

    RecordsFixture fx;
    RunStats stats;
    ManualClock clock{kNoonOf2000};
    CallbackProbe probe;
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
    ASSERT_TRUE(RecordRun(fx.state, stats, 7, 2, 50, stepping, probe.callbacks()));
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

    const std::optional<RunFlags> flags = record(1, 2, GetParam().time);
    ASSERT_TRUE(flags);
    EXPECT_EQ(flags->newBest, GetParam().newBest);
    EXPECT_EQ(flags->newLevelBest, GetParam().newLevelBest);
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
        const std::optional<RunFlags> flags = record(9, 2, 50);
        ASSERT_TRUE(flags);
        EXPECT_EQ(flags->clearedBefore, cleared) << "after " << stats.at(9, 2).attemptsAll << " runs";
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

TEST_F(RecordRunTest, AFailedAppendEndsWithTheProcedureLabelAndWritesNothingMore)
{
    fx.state.folders.dataFolder = fx.root() + QStringLiteral("/gone/");
    EXPECT_FALSE(record(1, 2, 50));
    ASSERT_EQ(probe.fatals.size(), 1);
    EXPECT_TRUE(probe.fatals.first().startsWith(QStringLiteral("成績ランダムファイル記録")));
    EXPECT_GT(probe.fatals.first().size(), QStringLiteral("成績ランダムファイル記録").size());
    EXPECT_TRUE(probe.fatals.first().contains(QDir::toNativeSeparators(fx.runLog()) + QStringLiteral(": ")
                                              + systemerror::describe(ENOENT)
                                              + QStringLiteral("（エラー番号 %1）").arg(ENOENT)))
        << probe.fatals.first().toStdString();
    EXPECT_FALSE(QFileInfo::exists(fx.homeRunLog()));
    EXPECT_EQ(stats.bestTime(1, 2), RunStats::kNoTime);
}

TEST_F(RecordRunTest, AFailedHomeAppendKeepsTheRunLogRecord)
{
    fx.state.folders.filesFolder = fx.root() + QStringLiteral("/gone/");
    EXPECT_FALSE(record(1, 2, 50));
    ASSERT_EQ(probe.fatals.size(), 1);
    EXPECT_TRUE(probe.fatals.first().startsWith(QStringLiteral("成績ランダムファイル記録")));
    const QString homeLog = QDir::toNativeSeparators(fx.state.folders.filesFolder + QStringLiteral("成績累積データ家庭用.dat"));
    EXPECT_TRUE(probe.fatals.first().contains(homeLog + QStringLiteral(": ")
                                              + systemerror::describe(ENOENT)
                                              + QStringLiteral("（エラー番号 %1）").arg(ENOENT)))
        << probe.fatals.first().toStdString();
    EXPECT_TRUE(probe.fatals.first().contains(QDir::toNativeSeparators(fx.runLog()) + QStringLiteral(" には記録されています")))
        << probe.fatals.first().toStdString();
    EXPECT_EQ(QFileInfo(fx.runLog()).size(), RunRecord::kSize);
}

#ifdef Q_OS_LINUX
TEST_F(RecordRunTest, AFullDiskLeavesAPartialRecordThatReadersPassOverAndTheNextAppendHeals)
{
    fx.state.homeUse = 0;
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(record(1, 2, 50 + i));
    {
        const FileSizeLimit limit(3 * RunRecord::kSize + 20);
        EXPECT_FALSE(record(2, 2, 40));
    }
    ASSERT_EQ(probe.fatals.size(), 1);
    EXPECT_TRUE(probe.fatals.first().contains(QStringLiteral("（エラー番号 %1）").arg(EFBIG)))
        << probe.fatals.first().toStdString();
    EXPECT_EQ(QFileInfo(fx.runLog()).size(), 3 * RunRecord::kSize + 20);
    recompute();
    EXPECT_EQ(stats.rows().size(), 3);
    EXPECT_EQ(stats.bestTime(2, 2), RunStats::kNoTime);

    ASSERT_TRUE(record(2, 2, 41));
    EXPECT_EQ(QFileInfo(fx.runLog()).size(), 4 * RunRecord::kSize);
    recompute();
    EXPECT_EQ(stats.rows().size(), 4);
    EXPECT_EQ(stats.bestTime(2, 2), 41);
}
#endif

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
