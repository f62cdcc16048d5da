// Runs kept when their logs could not take them: the pending file's format, and appending them
// later in order, each once, whatever moment a previous attempt was killed at.
#include "pendingfile.h"
#include "pendingruns.h"

#include "homerunrecord.h"
#include "recordsfixture.h"
#include "runlog.h"
#include "runlogrecord.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>

#include <algorithm>
#include <csignal>

#include <gtest/gtest.h>

namespace {

QByteArray runBytes(int pupil, std::int32_t time)
{
    return runOn(QDate(2026, 12, 9), pupil, 2, time).encode();
}

QByteArray homeBytes(int pupil, std::int32_t time)
{
    return HomeRunRecord::forRun(QStringLiteral("drill2"), 46365.0, 0.5, static_cast<std::int16_t>(pupil), 2, time,
                                 QStringLiteral("01234"))
        .encode();
}

class Pending : public testing::Test
{
protected:
    // Keeps `count` runs, each with a record for both logs, with result times first, first+1, ….
    void keepRuns(int count, int first = 1)
    {
        std::vector<UnrecordedRecord> records;
        for (int t = first; t < first + count; ++t) {
            records.push_back({&runlog::runLog(), runBytes(7, t), QString(), QStringLiteral("Permission denied")});
            records.push_back({&runlog::homeRunLog(), homeBytes(7, t), QString(), QStringLiteral("Permission denied")});
        }
        ASSERT_EQ(pending.keep(records, kKeptAt, callbacks), QString());
    }

    static QByteArray runs(int count, int first = 1)
    {
        QByteArray bytes;
        for (int t = first; t < first + count; ++t)
            bytes += runBytes(7, t);
        return bytes;
    }
    static QByteArray homes(int count, int first = 1)
    {
        QByteArray bytes;
        for (int t = first; t < first + count; ++t)
            bytes += homeBytes(7, t);
        return bytes;
    }

    PendingFile file() const
    {
        const PendingRuns::Contents contents = pending.read();
        EXPECT_TRUE(contents.file) << contents.problem.toStdString();
        return contents.file.value_or(PendingFile{});
    }
    void writeFile(const PendingFile &f) const { RecordsFixture::write(pending.filePath(), f.encode()); }

    const QDateTime kKeptAt{QDate(2026, 12, 9), QTime(10, 3, 12), Qt::UTC};
    RecordsFixture fx;
    PendingRuns pending{fx.state, fx.root() + QStringLiteral("/pending")};
    RecordCallbacks callbacks{[] {}, [](const QString &, const QString &) {}};
};

TEST(PendingFileFormat, ReadsBackWhatItWrote)
{
    PendingFile f;
    f.programFolder = QStringLiteral("/srv/学校/tavrel/");
    f.entries.push_back({QStringLiteral("data/成績累積データ.dat"), runBytes(1, 87), -1,
                         QDateTime(QDate(2026, 12, 9), QTime(10, 0), Qt::UTC), QStringLiteral("Permission denied")});
    f.entries.push_back({QStringLiteral("files/解答ログ.dat"), QByteArray(30, '\x05'), 4400,
                         QDateTime(QDate(2026, 12, 9), QTime(10, 1), Qt::UTC), QString()});
    QString problem;
    const std::optional<PendingFile> back = PendingFile::decode(f.encode(), &problem);
    ASSERT_TRUE(back) << problem.toStdString();
    EXPECT_EQ(back->programFolder, f.programFolder);
    ASSERT_EQ(back->entries.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(back->entries[i].log, f.entries[i].log);
        EXPECT_EQ(back->entries[i].record, f.entries[i].record);
        EXPECT_EQ(back->entries[i].placedAt, f.entries[i].placedAt);
        EXPECT_EQ(back->entries[i].keptAt, f.entries[i].keptAt);
        EXPECT_EQ(back->entries[i].reason, f.entries[i].reason);
    }
}

TEST(PendingFileFormat, RefusesAnythingButAWholeFile)
{
    PendingFile f;
    f.programFolder = QStringLiteral("/srv/school/tavrel/");
    f.entries.push_back({QStringLiteral("data/成績累積データ.dat"), runBytes(1, 87), -1, QDateTime(), QString()});
    const QByteArray whole = f.encode();
    for (qsizetype cut = 0; cut < whole.size(); ++cut)
        EXPECT_FALSE(PendingFile::decode(whole.first(cut))) << "cut at " << cut;
    for (qsizetype at = 0; at < whole.size(); ++at) {
        QByteArray changed = whole;
        changed[at] = static_cast<char>(changed[at] ^ 0x40);
        EXPECT_FALSE(PendingFile::decode(changed)) << "byte " << at << " changed";
    }
    EXPECT_FALSE(PendingFile::decode(whole + '\0'));
    EXPECT_TRUE(PendingFile::decode(whole));
}

TEST_F(Pending, AppendsEveryKeptRunInOrderOnceAndThenTheFileGoes)
{
    RecordsFixture::write(fx.runLog(), runBytes(1, 500) + QByteArray(5, 'x'));
    keepRuns(3);
    ASSERT_EQ(file().entries.size(), 6u);
    EXPECT_EQ(file().entries[0].keptAt, kKeptAt);
    EXPECT_EQ(file().entries[0].reason, QStringLiteral("Permission denied"));

    const PendingRuns::Appended appended = pending.appendWaiting(callbacks);
    EXPECT_EQ(appended.appended, 6);
    EXPECT_EQ(appended.waiting, 0);
    EXPECT_TRUE(appended.problems.isEmpty()) << appended.problems.join(u'\n').toStdString();
    // After the whole record already there, over the cut one.
    EXPECT_EQ(RecordsFixture::read(fx.runLog()), runBytes(1, 500) + runs(3));
    EXPECT_EQ(RecordsFixture::read(fx.homeRunLog()), homes(3));
    EXPECT_FALSE(pending.read().found);

    EXPECT_EQ(pending.appendWaiting(callbacks).appended, 0);
    EXPECT_EQ(RecordsFixture::read(fx.runLog()), runBytes(1, 500) + runs(3));
}

TEST_F(Pending, RecordsALogCannotTakeYetAndThoseOfUnknownLogsStay)
{
    keepRuns(2);
    PendingFile f = file();
    f.entries.push_back({QStringLiteral("files/解答ログ.dat"), QByteArray(30, '\x05'), -1, kKeptAt, QString()});
    writeFile(f);
    QDir(fx.state.folders.filesFolder).removeRecursively();

    const PendingRuns::Appended appended = pending.appendWaiting(callbacks);
    EXPECT_EQ(appended.appended, 2);
    EXPECT_EQ(appended.waiting, 3);
    const QString problems = appended.problems.join(u'\n');
    EXPECT_TRUE(problems.contains(QDir::toNativeSeparators(fx.homeRunLog()))) << problems.toStdString();
    EXPECT_TRUE(problems.contains(QStringLiteral("解答ログ.dat"))) << problems.toStdString();
    EXPECT_EQ(RecordsFixture::read(fx.runLog()), runs(2));
    const PendingFile left = file();
    ASSERT_EQ(left.entries.size(), 3u);
    EXPECT_EQ(left.entries[0].record, homeBytes(7, 1));
    EXPECT_EQ(left.entries[1].record, homeBytes(7, 2));
    EXPECT_EQ(left.entries[2].log, QStringLiteral("files/解答ログ.dat"));

    // Kept later, after what still waits; the home log back takes its records in order.
    QDir().mkpath(fx.state.folders.filesFolder);
    keepRuns(1, 3);
    EXPECT_EQ(pending.appendWaiting(callbacks).appended, 4);
    EXPECT_EQ(RecordsFixture::read(fx.runLog()), runs(3));
    EXPECT_EQ(RecordsFixture::read(fx.homeRunLog()), homes(3));
    ASSERT_EQ(file().entries.size(), 1u);
}

// Every state an attempt can be killed in: before it noted where the records go, after it noted
// it but before writing, after writing only some of them (a machine that went down mid-write),
// after writing all but before dropping them from the file; and a noted place that another PC's
// append took meanwhile. The next attempt leaves each record in the log exactly once.
struct CutCase
{
    const char *name;
    int noted;      // records whose place was noted (placedAt), from the first
    int written;    // of those, how many reached their place
    int elsewhere;  // records another PC appended after the noted places were taken
    friend void PrintTo(const CutCase &c, std::ostream *os) { *os << c.name; }
};

class CutShort : public Pending, public testing::WithParamInterface<CutCase>
{
};

TEST_P(CutShort, TheNextAttemptAppendsEachRecordOnce)
{
    const CutCase &c = GetParam();
    fx.state.homeUse = 0;
    const QByteArray before = runBytes(1, 500);
    RecordsFixture::write(fx.runLog(), before);
    std::vector<UnrecordedRecord> records;
    for (int t = 1; t <= 4; ++t)
        records.push_back({&runlog::runLog(), runBytes(7, t), QString(), QString()});
    ASSERT_EQ(pending.keep(records, kKeptAt, callbacks), QString());

    PendingFile f = file();
    QByteArray log = before;
    for (int i = 0; i < c.noted; ++i)
        f.entries[static_cast<std::size_t>(i)].placedAt = before.size() + i * RunRecord::kSize;
    writeFile(f);
    for (int i = 0; i < c.written; ++i)
        log += f.entries[static_cast<std::size_t>(i)].record;
    if (c.written > 0 && c.written < c.noted)
        log += f.entries[static_cast<std::size_t>(c.written)].record.first(17); // cut mid-record
    if (c.elsewhere > 0) {
        log = log.first(runlog::endOfRecords(log.size(), RunRecord::kSize));
        for (int i = 0; i < c.elsewhere; ++i)
            log += runBytes(2, 900 + i);
    }
    RecordsFixture::write(fx.runLog(), log);

    const PendingRuns::Appended appended = pending.appendWaiting(callbacks);
    EXPECT_TRUE(appended.problems.isEmpty()) << appended.problems.join(u'\n').toStdString();
    EXPECT_EQ(appended.waiting, 0);
    EXPECT_FALSE(pending.read().found);

    const QByteArray after = RecordsFixture::read(fx.runLog());
    ASSERT_EQ(after.size() % RunRecord::kSize, 0);
    QList<std::int32_t> mine;
    int others = 0;
    for (qsizetype at = 0; at < after.size(); at += RunRecord::kSize) {
        const RunRecord r = RunRecord::decode(QByteArrayView(after).sliced(at, RunRecord::kSize));
        if (r.pupilNo == 7)
            mine << r.resultTime;
        else
            ++others;
    }
    EXPECT_EQ(mine, (QList<std::int32_t>{1, 2, 3, 4}));
    EXPECT_EQ(others, 1 + c.elsewhere);
    EXPECT_EQ(appended.appended, 4 - c.written) << "records already in place are only dropped";
}

INSTANTIATE_TEST_SUITE_P(Cases, CutShort,
                         testing::Values(CutCase{"BeforeNotingPlaces", 0, 0, 0}, CutCase{"AfterNotingBeforeWriting", 4, 0, 0},
                                         CutCase{"AfterWritingTwoOfFour", 4, 2, 0},
                                         CutCase{"AfterWritingAllBeforeDropping", 4, 4, 0},
                                         CutCase{"NotedPlacesTakenByAnotherPc", 4, 0, 2},
                                         CutCase{"OneWrittenThenAnotherPcAppended", 4, 1, 3}),
                         testing::PrintToStringParamName());

TEST_F(Pending, AFileThatCannotBeReadIsSetAsideNotOverwritten)
{
    QDir().mkpath(fx.root() + QStringLiteral("/pending"));
    RecordsFixture::write(pending.filePath(), QByteArray("not a pending file"));
    keepRuns(1);
    EXPECT_EQ(file().entries.size(), 2u);
    const QStringList aside = QDir(fx.root() + QStringLiteral("/pending")).entryList({QStringLiteral("*.damaged-*")});
    ASSERT_EQ(aside.size(), 1);
    EXPECT_EQ(RecordsFixture::read(fx.root() + QStringLiteral("/pending/") + aside.first()), QByteArray("not a pending file"));
    const PendingRuns::Appended appended = pending.appendWaiting(callbacks);
    EXPECT_EQ(appended.appended, 2);
}

// The program killed (SIGKILL) at random moments while it appends 2 × 150 kept records: after
// each kill the next attempt leaves every record in its log once, in order.
TEST_F(Pending, KilledAtAnyMomentNoRecordIsDoubledOrLost)
{
    constexpr int kRuns = 150;
    const auto startHelper = [&](QProcess &helper) {
        helper.start(QStringLiteral(APPEND_PENDING_PATH),
                     {fx.state.folders.appFolder, fx.state.folders.dataFolder, fx.state.folders.filesFolder,
                      fx.root() + QStringLiteral("/pending")});
        while (!helper.canReadLine() && helper.waitForReadyRead(20000)) {
        }
        return helper.readLine() == "ready\n";
    };

    // One attempt that is not killed shows how long the work takes.
    keepRuns(kRuns);
    QProcess timed;
    ASSERT_TRUE(startHelper(timed));
    QElapsedTimer clock;
    clock.start();
    while (!timed.canReadLine() && timed.waitForReadyRead(20000)) {
    }
    const qint64 workMicroseconds = std::max<qint64>(clock.nsecsElapsed() / 1000, 1000);
    ASSERT_TRUE(timed.waitForFinished(60000));
    ASSERT_EQ(timed.exitCode(), 0);
    ASSERT_EQ(RecordsFixture::read(fx.runLog()), runs(kRuns));
    ASSERT_EQ(RecordsFixture::read(fx.homeRunLog()), homes(kRuns));

    int cutMidWay = 0;
    for (int attempt = 0; attempt < 40; ++attempt) {
        QFile::remove(fx.runLog());
        QFile::remove(fx.homeRunLog());
        keepRuns(kRuns);
        QProcess helper;
        ASSERT_TRUE(startHelper(helper));
        QThread::usleep(static_cast<unsigned long>(QRandomGenerator::global()->bounded(workMicroseconds)));
        ::kill(static_cast<pid_t>(helper.processId()), SIGKILL);
        ASSERT_TRUE(helper.waitForFinished(60000));

        // Killed after the places of some records were noted, before the file let go of all.
        const PendingRuns::Contents left = pending.read();
        if (left.file && std::any_of(left.file->entries.begin(), left.file->entries.end(),
                                     [](const PendingEntry &e) { return e.placedAt >= 0; }))
            ++cutMidWay;

        const PendingRuns::Appended appended = pending.appendWaiting(callbacks);
        EXPECT_TRUE(appended.problems.isEmpty()) << appended.problems.join(u'\n').toStdString();
        ASSERT_EQ(RecordsFixture::read(fx.runLog()), runs(kRuns)) << "attempt " << attempt;
        ASSERT_EQ(RecordsFixture::read(fx.homeRunLog()), homes(kRuns)) << "attempt " << attempt;
        ASSERT_FALSE(pending.read().found) << "attempt " << attempt;
    }
    RecordProperty("cut_mid_way", cutMidWay);
    // The kills fell inside the work, not only before or after it.
    EXPECT_GT(cutMidWay, 0);
}

} // namespace
