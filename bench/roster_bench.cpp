// The start screen's roster list for a large school: 2,000 listed pupils and a run log of 100,000
// records. Building the list reads the run log and the roster and formats every line; switching
// the figure mode either rebuilds everything (as each activation does) or only lays the lines out
// again from the figures already taken.
#include "installation.h"
#include "oadate.h"
#include "recordcallbacks.h"
#include "roster.h"
#include "rosterfile.h"
#include "runlogrecord.h"
#include "runstats.h"
#include "showroster.h"
#include "sjis.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdint>

namespace {

constexpr int kPupils = 2000;
constexpr int kRuns = 100000;
const QDateTime kNow(QDate(2026, 6, 15), QTime(14, 0));

class ScratchFolder
{
public:
    ScratchFolder()
    {
        QDir(m_dir.path()).mkpath(QStringLiteral("drill2"));
        QDir(m_dir.path()).mkpath(QStringLiteral("files"));
        state.folders.appFolder = m_dir.path() + QStringLiteral("/drill2/");
        state.folders.appFolderName = QStringLiteral("drill2");
        state.folders.dataFolder = state.folders.appFolder;
        state.folders.filesFolder = m_dir.path() + QStringLiteral("/files/");
        state.folders.soundFolder = state.folders.filesFolder;
        state.yearStartMonth = 4;
        for (LevelTiming &t : state.timingTable)
            t = LevelTiming{150, 300, 30, 3, 1.5F, 5.0, 200.0, 7.0, 30.0};
        write(RosterFile::path(state.folders), roster());
        write(state.folders.dataFolder + QStringLiteral("成績累積データ.dat"), runLog());
    }

    Installation state;

private:
    static QByteArray roster()
    {
        QByteArray bytes;
        for (int p = 1; p <= kPupils; ++p) {
            const QString name = QStringLiteral("生徒%1　名前").arg(p).leftJustified(20, u' ');
            bytes += sjis::encode(QStringLiteral("%1,%2,0,0,\"%3\",0,\"%4\",\"%4\"\r\n")
                                      .arg(p)
                                      .arg(2008 + p % 10)
                                      .arg(name, QString(20, u' ')));
        }
        return bytes;
    }

    // Runs spread over the last year, every tenth of them today.
    static QByteArray runLog()
    {
        QByteArray bytes;
        bytes.reserve(static_cast<qsizetype>(kRuns) * RunRecord::kSize);
        std::uint32_t seed = 12345;
        auto next = [&seed](std::uint32_t range) {
            seed = seed * 1664525U + 1013904223U;
            return (seed >> 8) % range;
        };
        for (int i = 0; i < kRuns; ++i) {
            const QDate date = i % 10 == 0 ? kNow.date() : kNow.date().addDays(-static_cast<int>(next(365)));
            const auto pupil = static_cast<std::int16_t>(1 + next(kPupils));
            const auto level = static_cast<std::int16_t>(2 * (1 + next(9)));
            const auto time = static_cast<std::int32_t>(60 + next(400));
            bytes += RunRecord::forRun(oadate::fromDate(date), oadate::timeOfDay(QTime(10, 0)), pupil, level, time,
                                       QStringLiteral("01234"))
                         .encode();
        }
        return bytes;
    }

    static void write(const QString &path, const QByteArray &bytes)
    {
        QFile f(path);
        if (f.open(QIODevice::WriteOnly))
            f.write(bytes);
    }

    QTemporaryDir m_dir;
};

const RecordCallbacks kCallbacks{[] {}, [](const QString &, const QString &) {}};

bool listComplete(const Roster &roster)
{
    return roster.listedPupilCount() == kPupils && roster.listItems().size() == kPupils + 1;
}

void BM_StartScreenList(benchmark::State &bench)
{
    const ScratchFolder inst;
    RunStats stats;
    Roster roster;
    for (auto _ : bench) {
        if (!ShowRoster(inst.state, stats, roster, kStartFigureMode, kNow, kCallbacks) || !listComplete(roster)) {
            bench.SkipWithError("the list was not built whole");
            break;
        }
        benchmark::DoNotOptimize(roster.listItems());
    }
}
BENCHMARK(BM_StartScreenList)->Unit(benchmark::kMillisecond);

// A mode switch as the screen's option buttons do it: a full rebuild in the new mode.
void BM_ModeSwitchRebuild(benchmark::State &bench)
{
    const ScratchFolder inst;
    RunStats stats;
    Roster roster;
    const auto mode = static_cast<FigureMode>(bench.range(0));
    ShowRoster(inst.state, stats, roster, kStartFigureMode, kNow, kCallbacks);
    for (auto _ : bench) {
        if (!ShowRoster(inst.state, stats, roster, mode, kNow, kCallbacks) || !listComplete(roster)) {
            bench.SkipWithError("the list was not built whole");
            break;
        }
        benchmark::DoNotOptimize(roster.listItems());
    }
}
BENCHMARK(BM_ModeSwitchRebuild)->DenseRange(0, kFigureModeCount - 1)->Unit(benchmark::kMillisecond);

// A mode switch that lays the list out again from the figures of the last build.
void BM_ModeSwitchRelayout(benchmark::State &bench)
{
    const ScratchFolder inst;
    RunStats stats;
    Roster roster;
    ShowRoster(inst.state, stats, roster, kStartFigureMode, kNow, kCallbacks);
    const auto mode = static_cast<FigureMode>(bench.range(0));
    const FigureMode other = mode == kStartFigureMode ? FigureMode::RunsTodayAndAll : kStartFigureMode;
    for (auto _ : bench) {
        bench.PauseTiming();
        roster.setFigureMode(other);
        bench.ResumeTiming();
        roster.setFigureMode(mode);
        benchmark::DoNotOptimize(roster.listItems());
    }
    if (!listComplete(roster))
        bench.SkipWithError("the list was not built whole");
}
BENCHMARK(BM_ModeSwitchRelayout)->DenseRange(0, kFigureModeCount - 1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
