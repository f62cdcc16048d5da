// The level screen for a large school: 2,000 listed pupils and a run log of 100,000 records.
// Activation writes all 18 columns and fills each with its default list (the points ranking
// until now); each display-mode and list-choice switch rebuilds every column's list.
#include "installation.h"
#include "pupilsession.h"
#include "testinstallation.h"
#include "catalogue.h"
#include "levelactivation.h"
#include "levelcolumns.h"
#include "oadate.h"
#include "pupildirectory.h"
#include "resultlists.h"
#include "runlogrecord.h"
#include "runstats.h"

#include <QByteArray>
#include <QDateTime>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <random>
#include <vector>

namespace {

constexpr int kPupils = 2000;
constexpr int kRecords = 100000;

QDateTime benchNow()
{
    return QDateTime(QDate(2024, 3, 8), QTime(15, 0));
}

Installation schoolState()
{
    Installation state = catalogueInstallation(120, 300);
    for (int level = 1; level <= catalogue::kLevelCount; ++level) {
        LevelTiming &t = state.timingTable[static_cast<std::size_t>(level)];
        t.requiredPoints = 100;
        t.requiredCount = 3;
        t.levelWeight = 1.5F;
        t.window1Days = 7;
        t.window2Days = 30;
    }
    return state;
}

PupilSession pupilSession()
{
    PupilSession session;
    session.pupilNo = 17;
    session.pupilName = QStringLiteral("山田太郎");
    return session;
}

PupilDirectory school()
{
    PupilDirectory pupils(2023);
    std::vector<int> listed;
    for (int p = 1; p <= kPupils; ++p) {
        pupils.setPupil(p, QStringLiteral("生徒%1").arg(p).leftJustified(20, u' '), 2008 + p % 12);
        listed.push_back(p);
    }
    pupils.setListed(std::move(listed));
    return pupils;
}

// Runs spread over two years, a tenth of them today, some timed out.
QByteArray runLog()
{
    std::mt19937 random(2024);
    std::uniform_int_distribution<int> pupil(1, kPupils);
    std::uniform_int_distribution<int> level(1, catalogue::kLevelCount);
    std::uniform_int_distribution<int> time(20, 700);
    std::uniform_int_distribution<int> daysAgo(1, 730);
    std::uniform_int_distribution<int> clock(8 * 3600, 18 * 3600);
    const double today = oadate::fromDate(benchNow().date());
    QByteArray log;
    log.reserve(kRecords * RunRecord::kSize);
    for (int i = 0; i < kRecords; ++i) {
        const double date = i % 10 == 0 ? today : today - daysAgo(random);
        const int result = i % 50 == 0 ? 99999 : time(random);
        log += RunRecord::forRun(date, clock(random) / oadate::kSecondsPerDay, static_cast<std::int16_t>(pupil(random)),
                                 static_cast<std::int16_t>(level(random)), result, QStringLiteral("01234"))
                   .encode();
    }
    return log;
}

// The school, its log and the statistics of that log, built once.
struct School
{
    Installation state = schoolState();
    PupilSession session = pupilSession();
    PupilDirectory pupils = school();
    QByteArray log = runLog();
    RunStats stats;

    School()
    {
        const auto outOfRange = stats.countRecords(log, state.timingTable, benchNow());
        (void)outOfRange;
    }

    ListSources sources() const { return ListSources{state, session.pupilNo, stats, pupils, QStringLiteral("全学年"), benchNow()}; }
};

School &theSchool()
{
    static const auto instance = std::make_unique<School>();
    return *instance;
}

void activate(const RunStats &stats, const School &s, benchmark::State &bench)
{
    const Installation &state = s.state;
    const int pupil = s.session.pupilNo;
    const int total = todayTotalAttempts(stats, pupil);
    const LevelScreenHeader header = levelScreenHeader(state, s.session, QStringLiteral("小６"), total, 10 * 3600.0);
    const std::vector<LevelColumnTexts> columns = levelColumns(state, stats, pupil);
    const ResultListsView lists = buildResultLists(
        ListSources{state, pupil, stats, s.pupils, QStringLiteral("全学年"), benchNow()}, DisplayMode::Points,
        ListChoice::First, {});
    const bool cleared = finalCleared(state, stats, pupil);
    benchmark::DoNotOptimize(header);
    benchmark::DoNotOptimize(columns);
    benchmark::DoNotOptimize(lists);
    benchmark::DoNotOptimize(cleared);
    if (lists.lists[2].lines.size() != kPupils)
        bench.SkipWithError("the default ranking does not list every pupil");
}

void BM_Activation(benchmark::State &bench)
{
    School &s = theSchool();
    for (auto _ : bench)
        activate(s.stats, s, bench);
}
BENCHMARK(BM_Activation)->Unit(benchmark::kMillisecond);

// The same with the statistics rebuilt from the log first, as every activation does.
void BM_ActivationWithStatistics(benchmark::State &bench)
{
    School &s = theSchool();
    RunStats stats;
    for (auto _ : bench) {
        const auto outOfRange = stats.countRecords(s.log, s.state.timingTable, benchNow());
        benchmark::DoNotOptimize(outOfRange);
        activate(stats, s, bench);
    }
}
BENCHMARK(BM_ActivationWithStatistics)->Unit(benchmark::kMillisecond);

// The run lists get the newest records of the log, as the screen reads them for each switch
// (reading them from the file is measured with the statistics, in records_bench).
void BM_Switch(benchmark::State &bench, DisplayMode mode, ListChoice choice)
{
    const School &s = theSchool();
    const RunRows &rows = s.stats.rows();
    std::vector<RunRow> runs;
    for (std::int64_t i = std::max<std::int64_t>(rows.size() - runLogRecordsRead(mode, choice), 0); i < rows.size(); ++i)
        runs.push_back(rows[i]);
    for (auto _ : bench) {
        const ResultListsView view = buildResultLists(s.sources(), mode, choice, runs);
        benchmark::DoNotOptimize(view);
    }
}
BENCHMARK_CAPTURE(BM_Switch, time_best, DisplayMode::Time, ListChoice::First)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Switch, time_today_runs, DisplayMode::Time, ListChoice::Second)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Switch, time_all_runs, DisplayMode::Time, ListChoice::All)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Switch, points_until_now, DisplayMode::Points, ListChoice::First)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Switch, points_today, DisplayMode::Points, ListChoice::Second)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Switch, points_all_runs, DisplayMode::Points, ListChoice::All)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
