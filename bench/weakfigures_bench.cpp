// The weak figures over a long answer log: read and counted for every pupil, for one class and
// for one pupil over the last 30 days, beside only reading the same file.
#include "answerlog.h"
#include "clock.h"
#include "installation.h"
#include "oadate.h"
#include "recordcallbacks.h"
#include "recordfile.h"
#include "weakfigures.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <map>
#include <memory>

namespace {

const QDate kToday(2026, 12, 9);

// 1,000 pupils running the 9 test levels over a year, 20 questions of their group per run, about
// one question in five missed.
struct BenchAnswerLog
{
    explicit BenchAnswerLog(std::int64_t records)
    {
        QDir(dir.path()).mkpath(QStringLiteral("drill2"));
        folders.dataFolder = dir.path() + QStringLiteral("/drill2/");
        folders.filesFolder = dir.path() + QStringLiteral("/");
        QByteArray bytes;
        bytes.reserve(records * AnswerRecord::kSize);
        const double lastDay = oadate::fromDate(kToday);
        for (std::int64_t i = 0; i < records; ++i) {
            const std::int64_t run = i / 20;
            AnswerRecord r;
            r.row.date = lastDay - static_cast<double>(365 - run * 366 / (records / 20 + 1));
            r.row.clock = 0.5;
            r.row.pupil = static_cast<std::int16_t>(1 + (run * 7919) % 1000);
            r.row.level = static_cast<std::int16_t>(2 * (1 + (run * 31) % 9));
            r.row.group = static_cast<std::int16_t>((r.row.level - 1) / 2 + 1);
            r.row.line = static_cast<std::int16_t>(r.row.group * 60 + (i * 13) % 60);
            r.row.nameHash = static_cast<std::uint32_t>(r.row.line) * 2654435761u;
            r.row.wrongChoices = static_cast<std::int16_t>((i * 2654435761u >> 7) % 5 == 0 ? 1 + i % 3 : 0);
            r.row.wrongYears = static_cast<std::int16_t>(i % 11 == 0 ? 1 : 0);
            r.row.asked = 1;
            r.row.cleared = true;
            r.siteCode = QStringLiteral("01234");
            bytes += r.encode();
        }
        QFile f(answerlog::answerLogPath(folders));
        if (f.open(QIODevice::WriteOnly))
            f.write(bytes);
    }

    QTemporaryDir dir;
    Folders folders;
};

BenchAnswerLog &logOf(std::int64_t records)
{
    static std::map<std::int64_t, std::unique_ptr<BenchAnswerLog>> logs;
    auto &log = logs[records];
    if (!log)
        log = std::make_unique<BenchAnswerLog>(records);
    return *log;
}

void BM_ReadAnswerLogOnly(benchmark::State &state)
{
    BenchAnswerLog &log = logOf(state.range(0));
    std::vector<char> buffer;
    for (auto _ : state) {
        RecordFile file;
        file.open(answerlog::answerLogPath(log.folders), RecordFile::Access::ReadOnly);
        const std::int64_t size = file.size().value_or(0);
        if (buffer.size() < static_cast<std::size_t>(size))
            buffer.resize(static_cast<std::size_t>(size));
        file.readAt(0, buffer.data(), size);
        benchmark::DoNotOptimize(buffer.data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void weakFigures(benchmark::State &state, const WeakFilter &filter)
{
    BenchAnswerLog &log = logOf(state.range(0));
    const ManualClock clock(QDateTime(kToday, QTime(12, 0)));
    const RecordCallbacks callbacks{[] {}, [](const QString &, const QString &) {}};
    for (auto _ : state) {
        const std::optional<WeakFigures> figures = ReadWeakFigures(log.folders, filter, clock, callbacks);
        if (!figures) {
            state.SkipWithError("the answer log could not be read");
            return;
        }
        const std::vector<WeakFigure> top = figures->missedMost(20);
        benchmark::DoNotOptimize(top.data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_WeakFiguresEveryPupil(benchmark::State &state)
{
    weakFigures(state, WeakFilter::everyone());
}

void BM_WeakFiguresOneClass(benchmark::State &state)
{
    weakFigures(state, WeakFilter::pupilRange(101, 135));
}

void BM_WeakFiguresOnePupilLast30Days(benchmark::State &state)
{
    weakFigures(state, WeakFilter{{117}, {}, 30});
}

} // namespace

BENCHMARK(BM_ReadAnswerLogOnly)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WeakFiguresEveryPupil)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WeakFiguresOneClass)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WeakFiguresOnePupilLast30Days)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
