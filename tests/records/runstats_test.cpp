#include "runstats.h"

#include "lockholder.h"
#include "recordsfixture.h"
#include "testnames.h"
#include "computestats.h"
#include "recordfile.h"

#include "oadate.h"
#include "runscore.h"

#include <QFile>
#include <QFileInfo>

#include <map>
#include <utility>

#include <gtest/gtest.h>

namespace {

const QDate kToday(2024, 6, 10);
const QDateTime kNow(kToday, QTime(15, 0, 0));

class StatsTest : public testing::Test
{
protected:
    bool compute() { return ComputeStats(fx.state, stats, kNow, probe.callbacks()); }

    RecordsFixture fx;
    RunStats stats;
    CallbackProbe probe;
};

TEST_F(StatsTest, AnEmptyOrAbsentLogGivesNoRowsAndNoFigures)
{
    for (const bool fileExists : {false, true}) {
        if (fileExists)
            RecordsFixture::write(fx.runLog(), QByteArray());
        ASSERT_TRUE(compute());
        EXPECT_EQ(stats.rowCount(), 0);
        EXPECT_EQ(stats.at(1, 2), LevelStats{});
        EXPECT_EQ(stats.bestTime(5000, 35), 99999);
        EXPECT_EQ(stats.levelBestTime(2), 99999);
        EXPECT_EQ(QFileInfo::exists(fx.runLog()), fileExists) << "reading never creates the log";
    }
    EXPECT_TRUE(probe.fatals.isEmpty());
}

TEST_F(StatsTest, CountsAttemptsAndPointsOfEveryWindow)
{
    // Pass time 100, weight 1.5: 50 s scores 11 (16 points), 150 s scores 4 (6 points).
    fx.writeRunLog({runOn(kToday, 4, 2, 50), runOn(kToday.addDays(-3), 4, 2, 150),
                    runOn(kToday.addDays(-10), 4, 2, 50), runOn(kToday.addDays(-100), 4, 2, 50),
                    runOn(kToday, 5, 2, 99999), runOn(kToday, 4, 3, 100)});
    ASSERT_TRUE(compute());
    EXPECT_EQ(stats.rowCount(), 6);
    const LevelStats &s = stats.at(4, 2);
    EXPECT_EQ(s.bestTime, 50);
    EXPECT_EQ(s.attemptsAll, 4);
    EXPECT_EQ(s.pointsAll, 16 + 6 + 16 + 16);
    EXPECT_EQ(s.attemptsRecent, 2);
    EXPECT_EQ(s.pointsRecent, 16 + 6);
    EXPECT_EQ(s.attemptsRecent2, 3);
    EXPECT_EQ(s.pointsRecent2, 16 + 6 + 16);
    EXPECT_EQ(s.attemptsToday, 1);
    EXPECT_EQ(s.pointsToday, 16);
    // A time-out is no attempt, is worth nothing and sets no best time.
    EXPECT_EQ(stats.at(5, 2).attemptsAll, 0);
    EXPECT_EQ(stats.at(5, 2).pointsAll, 0);
    EXPECT_EQ(stats.bestTime(5, 2), 99999);
    EXPECT_EQ(stats.at(4, 3).pointsToday, 7); // 5 × 1.5
    EXPECT_EQ(stats.levelBestTime(2), 50);
    EXPECT_EQ(stats.levelBestTime(3), 100);
}

struct WindowCase
{
    double windowDays;
    int dayOffset; // date of the run relative to today
    bool inside;

    friend void PrintTo(const WindowCase &c, std::ostream *os)
    {
        *os << "window of " << c.windowDays << " days, run " << c.dayOffset << " days from today -> "
            << (c.inside ? "inside" : "outside");
    }
};

class FirstWindow : public StatsTest, public testing::WithParamInterface<WindowCase>
{
};

TEST_P(FirstWindow, HoldsTheRunsDatedAfterNowMinusItsLength)
{
    fx.state.timingTable[2].window1Days = GetParam().windowDays;
    fx.writeRunLog({runOn(kToday.addDays(GetParam().dayOffset), 1, 2, 50)});
    ASSERT_TRUE(compute());
    EXPECT_EQ(stats.at(1, 2).attemptsRecent, GetParam().inside ? 1 : 0);
    EXPECT_EQ(stats.at(1, 2).pointsRecent, GetParam().inside ? 16 : 0);
    EXPECT_EQ(stats.at(1, 2).attemptsToday, GetParam().dayOffset == 0 ? 1 : 0);
    EXPECT_EQ(stats.at(1, 2).attemptsAll, 1);
}

INSTANTIATE_TEST_SUITE_P(Cases, FirstWindow,
                         testing::Values(WindowCase{7, 0, true}, WindowCase{7, -6, true}, WindowCase{7, -7, false},
                                         WindowCase{1, 0, true}, WindowCase{1, -1, false},
                                         WindowCase{0, 0, false}, WindowCase{30, -29, true},
                                         WindowCase{30, -30, false}, WindowCase{0.5, 0, false}),
                         testname::from([](const WindowCase &c) {
                             return testname::of("window", c.windowDays, "days_run_at_day", c.dayOffset);
                         }));

TEST_F(StatsTest, TheSecondWindowHasItsOwnLength)
{
    fx.state.timingTable[2].window2Days = 2;
    fx.writeRunLog({runOn(kToday.addDays(-1), 1, 2, 50), runOn(kToday.addDays(-2), 1, 2, 50)});
    ASSERT_TRUE(compute());
    EXPECT_EQ(stats.at(1, 2).attemptsRecent2, 1);
    EXPECT_EQ(stats.at(1, 2).pointsRecent2, 16);
    EXPECT_EQ(stats.at(1, 2).attemptsRecent, 2);
}

TEST_F(StatsTest, RunsOf6000SecondsOrMoreAddPointsButNoAttempts)
{
    fx.state.timingTable[2].passTime = 1000; // 5999 and 6000 s both score 1
    fx.writeRunLog({runOn(kToday, 1, 2, 5999), runOn(kToday, 1, 2, 6000), runOn(kToday, 1, 2, 9999)});
    ASSERT_TRUE(compute());
    const LevelStats &s = stats.at(1, 2);
    EXPECT_EQ(s.attemptsAll, 1);
    EXPECT_EQ(s.attemptsRecent, 1);
    EXPECT_EQ(s.attemptsRecent2, 1);
    EXPECT_EQ(s.attemptsToday, 1);
    EXPECT_EQ(s.pointsAll, 3);
    EXPECT_EQ(s.pointsToday, 3);
    EXPECT_EQ(s.bestTime, 5999);
}

TEST_F(StatsTest, RecordsThatAreNotRowsStillLowerBestTimes)
{
    RunRecord beforeTime = runOn(kToday, 8, 2, 20);
    beforeTime.runDate = -1.0;
    fx.writeRunLog({runOn(kToday, 0, 2, 10), runOn(kToday, 8, 0, 15), beforeTime, runOn(kToday, 8, 2, 60),
                    RunRecord{}});
    ASSERT_TRUE(compute());
    EXPECT_EQ(stats.rowCount(), 1);
    EXPECT_EQ(stats.bestTime(0, 2), 10);
    EXPECT_EQ(stats.bestTime(8, 0), 15);
    EXPECT_EQ(stats.bestTime(8, 2), 20);
    EXPECT_EQ(stats.bestTime(0, 0), 0); // the all-zero record
    EXPECT_EQ(stats.levelBestTime(2), 20) << "pupil 0 is nobody's best";
    EXPECT_EQ(stats.at(8, 2).attemptsAll, 1);
}

TEST_F(StatsTest, TheRowTableHoldsTheValidRecordsInFileOrder)
{
    RunRecord undated = runOn(kToday, 6, 2, 20);
    undated.runDate = -2.0;
    // Records 1, 2, 4, 5 and 8 are no rows.
    fx.writeRunLog({runOn(kToday, 0, 2, 10), runOn(kToday, 6, 0, 10), runOn(kToday, 6, 2, 31), undated,
                    runOn(kToday, 0, 0, 0), runOn(kToday, 6, 4, 32), runOn(kToday.addDays(-1), 7, 2, 33),
                    RunRecord{}, runOn(kToday, 8, 6, 34)});
    ASSERT_TRUE(compute());
    ASSERT_EQ(stats.rowCount(), 4);
    const std::vector<std::int64_t> recordNumbers = {3, 6, 7, 9};
    const std::vector<std::int32_t> times = {31, 32, 33, 34};
    std::vector<std::int32_t> iterated;
    for (const RunRow &row : stats.rows())
        iterated.push_back(row.time);
    EXPECT_EQ(iterated, times);
    for (std::int64_t i = 0; i < 4; ++i) {
        EXPECT_EQ(stats.rows().recordNumber(i), recordNumbers[static_cast<std::size_t>(i)]);
        EXPECT_EQ(stats.rows()[i].time, times[static_cast<std::size_t>(i)]);
    }
    EXPECT_EQ(stats.rows()[2].pupil, 7);
    EXPECT_EQ(stats.rows()[2].date, static_cast<double>(QDate(1899, 12, 30).daysTo(kToday.addDays(-1))));
    EXPECT_EQ(stats.rows()[1].level, 4);
    EXPECT_EQ(stats.rows()[0].clock, 0.5);
}

TEST_F(StatsTest, ATrailingPartialRecordIsNotRead)
{
    QByteArray bytes = runOn(kToday, 1, 2, 50).encode();
    bytes += runOn(kToday, 1, 2, 10).encode().left(30);
    RecordsFixture::write(fx.runLog(), bytes);
    ASSERT_TRUE(compute());
    EXPECT_EQ(stats.rowCount(), 1);
    EXPECT_EQ(stats.bestTime(1, 2), 50);
}

// Another machine may cut the log short between the moment its length is taken and the read;
// what is no longer there reads as empty records rather than failing the load.
TEST_F(StatsTest, ALogThatShrinksWhileItIsReadIsReadAsFarAsItGoes)
{
    const QByteArray bytes = runOn(kToday, 1, 2, 50).encode() + runOn(kToday, 2, 2, 60).encode();
    RecordsFixture::write(fx.runLog(), bytes);
    RecordFile file;
    ASSERT_EQ(file.open(fx.runLog(), RecordFile::Access::ReadOnly), RecordFile::Outcome::Done);
    ASSERT_EQ(file.size(), 2 * RunRecord::kSize);
    QFile::resize(fx.runLog(), RunRecord::kSize + 10);

    QByteArray read(2 * RunRecord::kSize, 'x');
    ASSERT_TRUE(file.readAt(0, read.data(), read.size())) << file.error().description.toStdString();
    EXPECT_EQ(read.left(RunRecord::kSize + 10), bytes.left(RunRecord::kSize + 10));
    EXPECT_EQ(read.mid(RunRecord::kSize + 10), QByteArray(RunRecord::kSize - 10, '\0'));

    ASSERT_TRUE(stats.loadRecords(read) == std::nullopt);
    EXPECT_EQ(stats.rowCount(), 1);
    EXPECT_EQ(stats.bestTime(1, 2), 50);
}

TEST_F(StatsTest, EveryRecordOfALongLogCounts)
{
    // Far more than 20000 records, and the newest of them from today.
    QList<RunRecord> records;
    for (int i = 0; i < 25000; ++i)
        records << runOn(kToday.addDays(-400 + i / 64), 1 + i % 50, 2, 300);
    records << runOn(kToday, 3000, 2, 50);
    fx.writeRunLog(records);
    ASSERT_TRUE(compute());
    EXPECT_EQ(stats.rowCount(), 25001);
    EXPECT_EQ(stats.at(3000, 2).attemptsToday, 1);
    EXPECT_EQ(stats.levelBestTime(2), 50);
    std::int64_t attempts = 0;
    for (int pupil = 1; pupil <= 50; ++pupil)
        attempts += stats.at(pupil, 2).attemptsAll;
    EXPECT_EQ(attempts, 25000);
}

TEST_F(StatsTest, ARebuildForgetsWhatTheLogNoLongerHolds)
{
    fx.writeRunLog({runOn(kToday, 1, 2, 50), runOn(kToday, 0, 3, 40)});
    ASSERT_TRUE(compute());
    stats.setBestTime(7, 4, 33);
    fx.writeRunLog({runOn(kToday, 2, 2, 70)});
    ASSERT_TRUE(compute());
    EXPECT_EQ(stats.at(1, 2), LevelStats{});
    EXPECT_EQ(stats.at(7, 4), LevelStats{});
    EXPECT_EQ(stats.bestTime(0, 3), 99999);
    EXPECT_EQ(stats.levelBestTime(2), 70);
    EXPECT_EQ(stats.at(2, 2).attemptsAll, 1);
}

TEST_F(StatsTest, LoadingAloneRefreshesRowsAndBestsButKeepsTheCounts)
{
    fx.writeRunLog({runOn(kToday, 1, 2, 50)});
    ASSERT_TRUE(compute());
    fx.writeRunLog({runOn(kToday, 1, 2, 50), runOn(kToday, 1, 2, 30)});
    ASSERT_TRUE(LoadRunLog(fx.state, stats, probe.callbacks()));
    EXPECT_EQ(stats.rowCount(), 2);
    EXPECT_EQ(stats.bestTime(1, 2), 30);
    EXPECT_EQ(stats.levelBestTime(2), 30);
    EXPECT_EQ(stats.at(1, 2).attemptsAll, 1);
}

struct OutOfRangeCase
{
    int pupil;
    int level;

    friend void PrintTo(const OutOfRangeCase &c, std::ostream *os)
    {
        *os << "pupil " << c.pupil << ", level " << c.level;
    }
};

class OutOfRangeRecord : public StatsTest, public testing::WithParamInterface<OutOfRangeCase>
{
};

TEST_P(OutOfRangeRecord, EndsTheLoadWithTheRowDump)
{
    fx.writeRunLog({runOn(kToday, 1, 2, 50), runOn(kToday, GetParam().pupil, GetParam().level, 77)});
    EXPECT_FALSE(compute());
    ASSERT_EQ(probe.fatals.size(), 1);
    const QString text = probe.fatals.first();
    EXPECT_TRUE(text.startsWith(QStringLiteral("成績ランダムファイル表示"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("/date2024/06/10/i=2/time=12:00:00/name=/Bangou=%1/level=%2/time=77line")
                                  .arg(GetParam().pupil)
                                  .arg(GetParam().level)))
        << text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Cases, OutOfRangeRecord,
                         testing::Values(OutOfRangeCase{5001, 2}, OutOfRangeCase{-1, 2}, OutOfRangeCase{1, 36},
                                         OutOfRangeCase{1, -1}, OutOfRangeCase{32767, 32767}),
                         testname::from([](const OutOfRangeCase &c) { return testname::of("pupil", c.pupil, "level", c.level); }));

TEST_F(StatsTest, TheHighestPupilAndLevelAreInRange)
{
    fx.writeRunLog({runOn(kToday, 5000, 35, 50)});
    ASSERT_TRUE(compute());
    EXPECT_EQ(stats.at(5000, 35).attemptsAll, 1);
    EXPECT_EQ(stats.levelBestTime(35), 50);
}

TEST_F(StatsTest, AMissingDataFolderIsRetriedThenReported)
{
    fx.state.folders.dataFolder = fx.root() + QStringLiteral("/unreachable/");
    EXPECT_FALSE(compute());
    EXPECT_EQ(probe.waits, 15) << "three waits of five seconds";
    ASSERT_EQ(probe.fatals.size(), 1);
    EXPECT_TRUE(probe.fatals.first().startsWith(QStringLiteral("ファイルがありません1")));
}

TEST_F(StatsTest, AFolderThatReturnsWhileWaitingIsRead)
{
    const QString folder = fx.state.folders.dataFolder;
    const QString away = fx.root() + QStringLiteral("/away");
    fx.writeRunLog({runOn(kToday, 1, 2, 50)});
    ASSERT_TRUE(QDir().rename(folder, away));
    probe.onWait = [&] {
        if (probe.waits == 7)
            QDir().rename(away, folder);
    };
    ASSERT_TRUE(compute());
    EXPECT_EQ(probe.waits, 10);
    EXPECT_EQ(stats.rowCount(), 1);
}

TEST_F(StatsTest, WaitsForAnAppendInProgress)
{
    fx.writeRunLog({runOn(kToday, 1, 2, 50)});
    LockHolder holder(fx.runLog(), QStringLiteral("exclusive"));
    ASSERT_TRUE(holder.holds());
    probe.onWait = [&] {
        if (probe.waits == 2)
            holder.release();
    };
    ASSERT_TRUE(compute());
    EXPECT_EQ(probe.waits, 2);
    EXPECT_EQ(stats.rowCount(), 1);
}

TEST_F(StatsTest, ReadersDoNotWaitForEachOther)
{
    fx.writeRunLog({runOn(kToday, 1, 2, 50)});
    LockHolder holder(fx.runLog(), QStringLiteral("shared"));
    ASSERT_TRUE(holder.holds());
    ASSERT_TRUE(compute());
    EXPECT_EQ(probe.waits, 0);
}

// The run lists read only the tail of the log: the newest `count` records, of which those that are
// no rows, or lie outside the tables, are left out.
TEST_F(StatsTest, TheNewestRunsAreTheTailOfTheLogReadAfresh)
{
    std::vector<RunRow> runs{RunRow{}};
    ASSERT_TRUE(ReadNewestRuns(fx.state, 3, runs, probe.callbacks()));
    EXPECT_TRUE(runs.empty()) << "no log yet";
    EXPECT_FALSE(QFileInfo::exists(fx.runLog()));

    fx.writeRunLog({runOn(kToday, 1, 2, 10), runOn(kToday, 1, 2, 11), runOn(kToday, 0, 2, 12),
                    runOn(kToday, 6001, 2, 13), runOn(kToday, 2, 4, 14)});
    QByteArray partial = runOn(kToday, 3, 2, 15).encode().left(20);
    QFile log(fx.runLog());
    ASSERT_TRUE(log.open(QIODevice::Append));
    log.write(partial);
    log.close();

    ASSERT_TRUE(ReadNewestRuns(fx.state, 4, runs, probe.callbacks()));
    std::vector<std::int32_t> times;
    for (const RunRow &row : runs)
        times.push_back(row.time);
    EXPECT_EQ(times, (std::vector<std::int32_t>{11, 14}));
    EXPECT_EQ(runs.back().level, 4);

    ASSERT_TRUE(ReadNewestRuns(fx.state, 100, runs, probe.callbacks()));
    EXPECT_EQ(runs.size(), 3U);
    ASSERT_TRUE(ReadNewestRuns(fx.state, 0, runs, probe.callbacks()));
    EXPECT_TRUE(runs.empty());
    EXPECT_TRUE(probe.fatals.isEmpty());
}

// The figures counted record by record in the plainest way, with every row of the log kept: what
// the compact tables and the kept rows must give back exactly.
struct PlainFigures
{
    std::map<std::pair<int, int>, LevelStats> stats; // by pupil and level
    std::vector<std::pair<RunRow, std::int64_t>> rows; // every valid row and its record number
};

PlainFigures countPlainly(const QByteArray &log, const Installation &state, const QDateTime &now)
{
    PlainFigures plain;
    const double nowDays = oadate::fromDateTime(now);
    const double today = oadate::fromDate(now.date());
    for (qsizetype at = 0; at + RunRecord::kSize <= log.size(); at += RunRecord::kSize) {
        const RunRecord r = RunRecord::decode(QByteArrayView(log).sliced(at, RunRecord::kSize));
        LevelStats &e = plain.stats[{r.pupilNo, r.level}];
        e.bestTime = std::min(e.bestTime, r.resultTime);
        if (!(r.runDate >= 0.0) || r.pupilNo == 0 || r.level < 1)
            continue;
        const RunRow row{r.runDate, r.runClock, r.pupilNo, r.level, r.resultTime};
        plain.rows.emplace_back(row, at / RunRecord::kSize + 1);
        const LevelTiming &t = state.timingTable[static_cast<std::size_t>(r.level)];
        const std::int64_t points = RunPoints(RunScore(r.resultTime, t.passTime), t.levelWeight);
        const int attempt = r.resultTime < 6000 ? 1 : 0;
        e.attemptsAll += attempt;
        e.pointsAll += points;
        if (r.runDate > nowDays - t.window1Days) {
            e.attemptsRecent += attempt;
            e.pointsRecent += points;
        }
        if (r.runDate > nowDays - t.window2Days) {
            e.attemptsRecent2 += attempt;
            e.pointsRecent2 += points;
        }
        if (r.runDate == today) {
            e.attemptsToday += attempt;
            e.pointsToday += points;
        }
    }
    return plain;
}

TEST_F(StatsTest, TheFiguresAreThoseOfEveryRecordCountedOneByOne)
{
    // More records than rows are kept, over every pupil number and level, with records that are
    // no rows, time-outs, runs of 6000 seconds and more, and runs of today and of long ago.
    for (int level = 0; level < kLevelSlots; ++level)
        fx.state.timingTable[static_cast<std::size_t>(level)] =
            LevelTiming{60 + 7 * level, 200, 30, 3, 0.5F + 0.25F * static_cast<float>(level % 5), 5.0, 200.0,
                        static_cast<double>(level % 9), 30.0 + level};
    QByteArray log;
    std::uint32_t seed = 7;
    const auto next = [&seed](std::uint32_t range) {
        seed = seed * 1664525U + 1013904223U;
        return static_cast<int>((seed >> 8) % range);
    };
    for (int i = 0; i < 45000; ++i) {
        const int pupil = next(20) == 0 ? 0 : next(5001);
        const int level = next(30) == 0 ? 0 : next(36);
        const int kind = next(40);
        const std::int32_t time = kind == 0 ? 99999 : kind == 1 ? 6000 + next(100) : next(2000);
        RunRecord r = runOn(kToday.addDays(-next(400) * (next(3) == 0 ? 0 : 1)), pupil, level, time);
        if (next(50) == 0)
            r.runDate = -1.0;
        log += r.encode();
    }
    RecordsFixture::write(fx.runLog(), log);
    ASSERT_TRUE(compute());

    const PlainFigures plain = countPlainly(log, fx.state, kNow);
    for (int pupil = 0; pupil <= kMaxPupil; ++pupil) {
        for (int level = 0; level < kLevelSlots; ++level) {
            const auto it = plain.stats.find({pupil, level});
            const LevelStats expected = it == plain.stats.end() ? LevelStats{} : it->second;
            ASSERT_EQ(stats.at(pupil, level), expected) << "pupil " << pupil << " level " << level;
        }
    }
    for (int level = 1; level < kLevelSlots; ++level) {
        std::int32_t best = RunStats::kNoTime;
        for (const auto &[key, e] : plain.stats)
            if (key.first >= 1 && key.second == level)
                best = std::min(best, e.bestTime);
        EXPECT_EQ(stats.levelBestTime(level), best) << "level " << level;
    }

    // The program keeps the newest rows; the teachers' tool keeps them all.
    const auto expectNewestRows = [&plain](const RunStats &figures, std::size_t count) {
        ASSERT_EQ(figures.rowCount(), static_cast<std::int64_t>(plain.rows.size()));
        ASSERT_EQ(figures.rows().size(), static_cast<std::int64_t>(count));
        const std::size_t first = plain.rows.size() - count;
        std::int64_t i = 0;
        for (const RunRow &row : figures.rows()) {
            const auto &[expected, recordNumber] = plain.rows[first + static_cast<std::size_t>(i)];
            ASSERT_EQ(figures.rows().recordNumber(i), recordNumber) << "row " << i;
            ASSERT_EQ(row.date, expected.date);
            ASSERT_EQ(row.pupil, expected.pupil);
            ASSERT_EQ(row.level, expected.level);
            ASSERT_EQ(row.time, expected.time);
            ++i;
        }
    };
    expectNewestRows(stats, static_cast<std::size_t>(RunStats::kKeptRows));
    RunStats everyRow(RunStats::kEveryRow);
    ASSERT_TRUE(ComputeStats(fx.state, everyRow, kNow, probe.callbacks()));
    expectNewestRows(everyRow, plain.rows.size());

    // The pupil report reads every row afresh, piece by piece, without keeping them.
    std::vector<RunRow> visited;
    ASSERT_TRUE(ReadEveryRun(fx.state, [&visited](const RunRow &row) { visited.push_back(row); }, probe.callbacks()));
    ASSERT_EQ(visited.size(), plain.rows.size());
    for (std::size_t i = 0; i < visited.size(); ++i) {
        ASSERT_EQ(visited[i].date, plain.rows[i].first.date) << "row " << i;
        ASSERT_EQ(visited[i].clock, plain.rows[i].first.clock);
        ASSERT_EQ(visited[i].pupil, plain.rows[i].first.pupil);
        ASSERT_EQ(visited[i].level, plain.rows[i].first.level);
        ASSERT_EQ(visited[i].time, plain.rows[i].first.time);
    }
    EXPECT_TRUE(probe.fatals.isEmpty());
}

// Every run read afresh: none while there is no log, and a partial record at the end passed over.
TEST_F(StatsTest, EveryRunIsReadAfreshInFileOrder)
{
    int visits = 0;
    ASSERT_TRUE(ReadEveryRun(fx.state, [&visits](const RunRow &) { ++visits; }, probe.callbacks()));
    EXPECT_EQ(visits, 0) << "no log yet";

    fx.writeRunLog({runOn(kToday, 1, 2, 10), runOn(kToday, 0, 2, 12), runOn(kToday, 2, 4, 14)});
    QFile log(fx.runLog());
    ASSERT_TRUE(log.open(QIODevice::Append));
    log.write(runOn(kToday, 3, 2, 15).encode().left(20));
    log.close();
    std::vector<std::int32_t> times;
    ASSERT_TRUE(ReadEveryRun(fx.state, [&times](const RunRow &row) { times.push_back(row.time); }, probe.callbacks()));
    EXPECT_EQ(times, (std::vector<std::int32_t>{10, 14}));
    EXPECT_TRUE(probe.fatals.isEmpty());
}

} // namespace
