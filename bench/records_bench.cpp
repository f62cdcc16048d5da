// Rebuilding the run-log statistics, beside merely reading the same log into memory, for a
// school-sized log and a very long one.
#include "installation.h"
#include "recordcallbacks.h"
#include "recordfile.h"
#include "runlogrecord.h"
#include "runstats.h"
#include "computestats.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace {

const QDate kToday(2024, 6, 10);

// One installation per log size, written once: 300 pupils at the 9 test levels over two years,
// with a time-out now and then.
struct BenchLog
{
    explicit BenchLog(std::int64_t records)
    {
        QDir(dir.path()).mkpath(QStringLiteral("drill2"));
        state.folders.dataFolder = dir.path() + QStringLiteral("/drill2/");
        state.folders.filesFolder = dir.path() + QStringLiteral("/");
        for (LevelTiming &t : state.timingTable)
            t = LevelTiming{120, 240, 300, 3, 1.5F, 5.0, 200.0, 7.0, 30.0};
        QByteArray bytes;
        bytes.reserve(records * RunRecord::kSize);
        const double firstDay = static_cast<double>(QDate(1899, 12, 30).daysTo(kToday)) - 730.0;
        for (std::int64_t i = 0; i < records; ++i) {
            const auto pupil = static_cast<std::int16_t>(1 + (i * 7919) % 300);
            const auto level = static_cast<std::int16_t>(2 * (1 + (i * 31) % 9));
            const std::int32_t time = i % 97 == 0 ? 99999 : static_cast<std::int32_t>(30 + (i * 13) % 400);
            const double day = firstDay + static_cast<double>(i * 731 / records);
            bytes += RunRecord::forRun(day, 0.5, pupil, level, time, QStringLiteral("01234")).encode();
        }
        QFile f(state.folders.dataFolder + QStringLiteral("成績累積データ.dat"));
        if (f.open(QIODevice::WriteOnly))
            f.write(bytes);
    }

    QTemporaryDir dir;
    Installation state;
};

BenchLog &logOf(std::int64_t records)
{
    static std::map<std::int64_t, std::unique_ptr<BenchLog>> logs;
    auto &log = logs[records];
    if (!log)
        log = std::make_unique<BenchLog>(records);
    return *log;
}

void BM_ReadLogOnly(benchmark::State &state)
{
    BenchLog &log = logOf(state.range(0));
    const QString path = log.state.folders.dataFolder + QStringLiteral("成績累積データ.dat");
    std::vector<char> buffer;
    for (auto _ : state) {
        RecordFile file;
        file.open(path, RecordFile::Access::ReadOnly);
        const std::int64_t size = file.size().value_or(0);
        if (buffer.size() < static_cast<std::size_t>(size))
            buffer.resize(static_cast<std::size_t>(size));
        file.readAt(0, buffer.data(), size);
        benchmark::DoNotOptimize(buffer.data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// The figures made from the whole log, as at the program's first refresh.
void BM_ComputeStats(benchmark::State &state)
{
    BenchLog &log = logOf(state.range(0));
    const RecordCallbacks callbacks{[] {}, [](const QString &, const QString &) {}};
    const QDateTime now(kToday, QTime(15, 0));
    // A fresh set of figures each time (GCC's optimiser takes an emptied std::optional for
    // uninitialised here).
    std::unique_ptr<RunStats> stats;
    for (auto _ : state) {
        state.PauseTiming();
        stats = std::make_unique<RunStats>();
        state.ResumeTiming();
        if (!ComputeStats(log.state, *stats, now, callbacks))
            state.SkipWithError("ComputeStats failed");
        benchmark::DoNotOptimize(stats->at(1, 2).pointsAll);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// A refresh of figures kept since the last one, after one run appended to the log (by this PC or
// another): what the start, level and result screens wait for once the program is running.
void BM_ComputeStatsAfterAppend(benchmark::State &state)
{
    static BenchLog log(state.range(0));
    const QString path = log.state.folders.dataFolder + QStringLiteral("成績累積データ.dat");
    const RecordCallbacks callbacks{[] {}, [](const QString &, const QString &) {}};
    const QDateTime now(kToday, QTime(15, 0));
    const double today = static_cast<double>(QDate(1899, 12, 30).daysTo(kToday));
    RunStats stats;
    if (!ComputeStats(log.state, stats, now, callbacks))
        state.SkipWithError("ComputeStats failed");
    for (auto _ : state) {
        state.PauseTiming();
        QFile f(path);
        if (!f.open(QIODevice::Append)
            || f.write(RunRecord::forRun(today, 0.6, 7, 4, 95, QStringLiteral("01234")).encode()) != RunRecord::kSize)
            state.SkipWithError("the log could not be appended to");
        f.close();
        state.ResumeTiming();
        if (!ComputeStats(log.state, stats, now, callbacks))
            state.SkipWithError("ComputeStats failed");
        benchmark::DoNotOptimize(stats.at(7, 4).attemptsToday);
    }
}

BENCHMARK(BM_ReadLogOnly)->Arg(20000)->Arg(1000000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ComputeStats)->Arg(20000)->Arg(1000000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ComputeStatsAfterAppend)->Arg(1000000)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
