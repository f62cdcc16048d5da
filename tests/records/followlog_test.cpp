// The figures kept between refreshes and brought up to date from what another process appended
// must be, field for field, those of a rebuild from the whole log: across changes of date, with
// a record cut short and completed, with best times lowered in place, and when the log is cut
// short, replaced, rewritten or read against another timing table or an earlier clock.
#include "computestats.h"
#include "oadate.h"
#include "recordsfixture.h"
#include "runstats.h"

#include "clock.h"

#include <QFile>
#include <QProcess>

#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

// 2023-03-15, and the days of the made-up records around it: long past, inside the windows,
// today and a few days ahead.
constexpr int kBaseDay = 45000;
constexpr int kFirstDay = kBaseDay - 45;
constexpr int kDays = 60;

QDateTime dayAt(int day, QTime time)
{
    return QDateTime(oadate::toDate(day), time);
}

std::string describe(const LevelStats &s)
{
    std::ostringstream out;
    out << "best " << s.bestTime << ", attempts " << s.attemptsAll << '/' << s.attemptsRecent << '/'
        << s.attemptsRecent2 << '/' << s.attemptsToday << ", points " << s.pointsAll << '/' << s.pointsRecent << '/'
        << s.pointsRecent2 << '/' << s.pointsToday;
    return out.str();
}

// Every figure of the two, and the first difference found.
void expectSameFigures(const RunStats &kept, const RunStats &rebuilt)
{
    ASSERT_EQ(kept.rowCount(), rebuilt.rowCount());
    ASSERT_EQ(kept.rows().size(), rebuilt.rows().size());
    for (std::int64_t i = 0; i < rebuilt.rows().size(); ++i) {
        const RunRow a = kept.rows()[i];
        const RunRow b = rebuilt.rows()[i];
        ASSERT_TRUE(a.date == b.date && a.clock == b.clock && a.pupil == b.pupil && a.level == b.level
                    && a.time == b.time)
            << "row " << i;
        ASSERT_EQ(kept.rows().recordNumber(i), rebuilt.rows().recordNumber(i)) << "row " << i;
    }
    for (int level = 0; level < kLevelSlots; ++level) {
        ASSERT_EQ(kept.levelBestTime(level), rebuilt.levelBestTime(level)) << "level " << level;
        for (int pupil = 0; pupil <= kMaxPupil; ++pupil)
            ASSERT_TRUE(kept.at(pupil, level) == rebuilt.at(pupil, level))
                << "pupil " << pupil << " level " << level << ": kept " << describe(kept.at(pupil, level))
                << ", rebuilt " << describe(rebuilt.at(pupil, level));
    }
}

std::int64_t recordsIn(const QString &path)
{
    return QFileInfo(path).size() / RunRecord::kSize;
}

// Keeps the figures of one copy of the program between refreshes; param: the rows it keeps.
class FollowedLogTest : public testing::TestWithParam<std::int64_t>
{
protected:
    FollowedLogTest() : kept(GetParam())
    {
        // Windows of every kind: a week and a month, a day, none, negative, longer than the log.
        static constexpr double kWindow1[] = {7, 1, 0, 3, -1, 2};
        static constexpr double kWindow2[] = {30, 2, 1, 14, 0, 90};
        for (int level = 0; level < kLevelSlots; ++level) {
            LevelTiming &t = fx.state.timingTable[static_cast<std::size_t>(level)];
            t.passTime = 100 + 10 * level;
            t.window1Days = kWindow1[level % 6];
            t.window2Days = kWindow2[level % 6];
        }
    }

    // Has another process append records `from` to `to` of the records made from `seed`.
    void append(int seed, int from, int to, int cut = 0, const QString &log = {}) const
    {
        QStringList args{log.isEmpty() ? fx.runLog() : log, QString::number(seed), QString::number(from),
                         QString::number(to),        QString::number(kFirstDay), QString::number(kDays)};
        if (cut > 0)
            args << QString::number(cut);
        QProcess p;
        p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p.start(QStringLiteral(APPEND_RECORDS_PATH), args);
        ASSERT_TRUE(p.waitForFinished(60000));
        ASSERT_EQ(p.exitStatus(), QProcess::NormalExit);
        ASSERT_EQ(p.exitCode(), 0);
    }

    // Refreshes the kept figures and checks them against a rebuild from the whole log; `from` is
    // the record the refresh must have begun to read at.
    void refreshAndCompare(std::int64_t from)
    {
        ASSERT_TRUE(ComputeStats(fx.state, kept, clock.now(), probe.callbacks()));
        EXPECT_EQ(kept.lastReadFrom(), from);
        // The rebuild counts every record of the whole log as it is now, in one pass.
        RunStats rebuilt(GetParam());
        ASSERT_FALSE(rebuilt.countRecords(RecordsFixture::read(fx.runLog()), fx.state.timingTable, clock.now()));
        expectSameFigures(kept, rebuilt);
        EXPECT_TRUE(probe.fatals.isEmpty());
    }

    RecordsFixture fx;
    RunStats kept;
    ManualClock clock{dayAt(kBaseDay, QTime(9, 0))};
    CallbackProbe probe;
};

TEST_P(FollowedLogTest, AppendsFromAnotherProcessAcrossChangesOfDate)
{
    struct Step
    {
        const char *what;
        std::function<void()> change;
        bool readsAll; // the refresh must read the log from its start
    };
    std::int64_t held = 0;
    const std::vector<Step> steps = {
        {"no log yet", [] {}, true},
        {"a first log", [&] { append(1, 0, 400); }, true},
        {"a few appended", [&] { append(1, 400, 412); }, false},
        {"nothing appended, three hours on", [&] { clock.setNow(clock.now().addSecs(3 * 3600)); }, false},
        {"past midnight, nothing appended", [&] { clock.setNow(dayAt(kBaseDay + 1, QTime(0, 0, 30))); }, false},
        {"past midnight, some appended", [&] { append(1, 412, 500); }, false},
        {"a record cut short", [&] { append(1, 500, 505, 17); }, false},
        {"the cut record written whole, and more", [&] { append(1, 505, 530); }, false},
        {"another record cut short", [&] { append(1, 530, 531, 30); }, false},
        {"that record completed byte for byte, and more", [&] { append(1, 531, 540); }, false},
        {"best times lowered in place for a run kept elsewhere",
         [&] {
             kept.setBestTime(5, 4, 0);
             kept.setLevelBestTime(4, 0);
             kept.setBestTime(4999, 35, 1);
         },
         false},
        {"five days on", [&] { clock.setNow(clock.now().addDays(5)); }, false},
        {"forty days on, and appended", [&] {
             clock.setNow(clock.now().addDays(40));
             append(1, 540, 600);
         },
         false},
        {"the log cut short", [&] {
             QFile log(fx.runLog());
             ASSERT_TRUE(log.open(QIODevice::ReadWrite));
             ASSERT_TRUE(log.resize(150 * RunRecord::kSize + 5));
         },
         true},
        {"appended after the cut", [&] { append(2, 0, 100); }, false},
        {"the log replaced by a longer one", [&] {
             const QString other = fx.runLog() + QStringLiteral(".new");
             append(3, 0, 700, 0, other);
             ASSERT_TRUE(QFile::remove(fx.runLog()));
             ASSERT_TRUE(QFile::rename(other, fx.runLog()));
         },
         true},
        {"its first record rewritten in place", [&] {
             QFile log(fx.runLog());
             ASSERT_TRUE(log.open(QIODevice::ReadWrite));
             ASSERT_TRUE(log.write(runOn(oadate::toDate(kBaseDay), 7, 8, 3).encode()) == RunRecord::kSize);
         },
         true},
        {"its last record read rewritten in place, and one appended", [&] {
             const std::int64_t last = recordsIn(fx.runLog()) - 1;
             QFile log(fx.runLog());
             ASSERT_TRUE(log.open(QIODevice::ReadWrite));
             ASSERT_TRUE(log.seek(last * RunRecord::kSize));
             ASSERT_TRUE(log.write(runOn(oadate::toDate(kBaseDay), 8, 8, 4).encode()) == RunRecord::kSize);
             log.close();
             append(4, 0, 1);
         },
         true},
        {"appended again", [&] { append(4, 1, 50); }, false},
        {"a level's windows changed", [&] { fx.state.timingTable[4].window2Days = 3; }, true},
        {"a level's pass time changed", [&] { fx.state.timingTable[6].passTime = 90; }, true},
        {"the clock set back a day", [&] { clock.setNow(clock.now().addDays(-1)); }, true},
        {"appended once more", [&] { append(4, 50, 80); }, false},
    };
    for (const Step &step : steps) {
        SCOPED_TRACE(step.what);
        step.change();
        ASSERT_FALSE(HasFatalFailure());
        refreshAndCompare(step.readsAll ? 0 : held);
        ASSERT_FALSE(HasFatalFailure());
        held = recordsIn(fx.runLog());
    }
}

TEST_P(FollowedLogTest, AnAppendedRecordOutsideTheTablesIsReportedAsARebuildReportsIt)
{
    append(1, 0, 200);
    ASSERT_TRUE(ComputeStats(fx.state, kept, clock.now(), probe.callbacks()));
    QByteArray bad = runOn(oadate::toDate(kBaseDay), 1, 2, 50).encode();
    bad[16] = static_cast<char>(0x70); // pupil 6000 (0x1770)
    bad[17] = static_cast<char>(0x17);
    {
        QFile log(fx.runLog());
        ASSERT_TRUE(log.open(QIODevice::Append));
        ASSERT_EQ(log.write(bad), RunRecord::kSize);
    }
    EXPECT_FALSE(ComputeStats(fx.state, kept, clock.now(), probe.callbacks()));
    RunStats rebuilt(GetParam());
    EXPECT_FALSE(ComputeStats(fx.state, rebuilt, clock.now(), probe.callbacks()));
    ASSERT_EQ(probe.fatals.size(), 2);
    EXPECT_EQ(probe.fatals[0], probe.fatals[1]);
    EXPECT_TRUE(probe.fatals[0].contains(QStringLiteral("/Bangou=6000"))) << probe.fatals[0].toStdString();
    probe.fatals.clear();

    // Once the teacher has taken it out, the log is read from the start again.
    {
        QFile log(fx.runLog());
        ASSERT_TRUE(log.open(QIODevice::ReadWrite));
        ASSERT_TRUE(log.resize(200 * RunRecord::kSize));
    }
    refreshAndCompare(0);
}

// The program's 20000 rows, and a handful, so that the newest rows turn round between refreshes.
INSTANTIATE_TEST_SUITE_P(RowsKept, FollowedLogTest, testing::Values(RunStats::kKeptRows, std::int64_t{40}),
                         [](const testing::TestParamInfo<std::int64_t> &kept) {
                             return "rows_" + std::to_string(kept.param);
                         });

} // namespace
