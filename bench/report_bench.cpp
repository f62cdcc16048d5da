// The personal-times view and the pupil report for a large school: 2,000 listed pupils and a run
// log of 100,000 records. One report page holds three blocks; the page reads every run of the
// log once, and each block ranks every listed pupil twice.
#include "installation.h"
#include "catalogue.h"
#include "oadate.h"
#include "personaltimes.h"
#include "reportlayout.h"
#include "reportruns.h"
#include "pupildirectory.h"
#include "reportpainter.h"
#include "reportpdf.h"
#include "runlogrecord.h"
#include "runstats.h"

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>
#include <random>

namespace {

constexpr int kPupils = 2000;
constexpr int kRecords = 100000;
constexpr int kReportPupil = 17;

QDateTime benchNow()
{
    return QDateTime(QDate(2024, 3, 8), QTime(15, 0));
}

struct School
{
    Installation state;
    PupilDirectory pupils{2023};
    QByteArray log;
    RunStats stats;
    std::vector<RunRow> newestRuns; // what the personal times read afresh

    School()
    {
        catalogue::fillLevels(state);
        state.levelCount = catalogue::kLevelCount;
        state.productTitle = QStringLiteral("Tavrel");
        for (int level = 1; level < kLevelSlots; ++level) {
            LevelTiming &t = state.timingTable[static_cast<std::size_t>(level)];
            t.passTime = 120;
            t.levelWeight = 1.5F;
            t.window1Days = 7;
            t.window2Days = 30;
            state.levelTimed[static_cast<std::size_t>(level)] = 1;
        }
        std::vector<int> listed;
        for (int p = 1; p <= kPupils; ++p) {
            pupils.setPupil(p, QStringLiteral("生徒%1").arg(p), 2008 + p % 12);
            listed.push_back(p);
        }
        pupils.setListed(std::move(listed));

        // Runs spread over two years, a twentieth of them the report pupil's.
        std::mt19937 random(2024);
        std::uniform_int_distribution<int> pupil(1, kPupils);
        std::uniform_int_distribution<int> level(1, catalogue::kLevelCount);
        std::uniform_int_distribution<int> time(20, 2000);
        std::uniform_int_distribution<int> daysAgo(0, 730);
        const double today = oadate::fromDate(benchNow().date());
        log.reserve(kRecords * RunRecord::kSize);
        for (int i = 0; i < kRecords; ++i) {
            const int who = i % 20 == 0 ? kReportPupil : pupil(random);
            log += RunRecord::forRun(today - daysAgo(random), 0.5, static_cast<std::int16_t>(who),
                                     static_cast<std::int16_t>(level(random)), i % 50 == 0 ? 99999 : time(random),
                                     QStringLiteral("01234"))
                       .encode();
        }
        const auto outOfRange = stats.countRecords(log, state.timingTable, benchNow());
        (void)outOfRange;
        for (qsizetype at = std::max<qsizetype>(log.size() - kPersonalTimesRecords * RunRecord::kSize, 0);
             at + RunRecord::kSize <= log.size(); at += RunRecord::kSize)
            newestRuns.push_back(RunRecord::decodeRow(log.constData() + at));
    }

    ListSources sources() const { return {state, kReportPupil, stats, pupils, QStringLiteral("全学年"), benchNow()}; }

    // A page of three blocks, its runs gathered from every record of the log as the report does.
    std::vector<ReportPage> reportPage() const
    {
        const std::vector<int> levels{2, 4, 6};
        ReportRuns runs(benchNow(), {kReportPupil}, levels);
        for (qsizetype at = 0; at + RunRecord::kSize <= log.size(); at += RunRecord::kSize)
            runs.add(RunRecord::decodeRow(log.constData() + at));
        return reportPages(sources(), runs, kReportPupil, levels);
    }
};

School &theSchool()
{
    static const auto instance = std::make_unique<School>();
    return *instance;
}

void BM_PersonalTimes(benchmark::State &bench)
{
    const School &s = theSchool();
    for (auto _ : bench) {
        const PersonalTimesView view = personalTimeLists(s.sources(), s.newestRuns);
        benchmark::DoNotOptimize(view);
    }
}
BENCHMARK(BM_PersonalTimes)->Unit(benchmark::kMillisecond);

// Three blocks laid out and drawn on the report panel's canvas.
void BM_ReportPageOnCanvas(benchmark::State &bench)
{
    const School &s = theSchool();
    QImage canvas(700, 626, QImage::Format_RGB32);
    for (auto _ : bench) {
        const std::vector<ReportPage> pages = s.reportPage();
        canvas.fill(QColor(192, 255, 192));
        QPainter painter(&canvas);
        ReportPainter(ReportPainter::Surface::Screen).drawPage(painter, QRectF(canvas.rect()), pages.front());
    }
}
BENCHMARK(BM_ReportPageOnCanvas)->Unit(benchmark::kMillisecond);

// The same page written as a PDF file, as printing without a printer and the teachers' tool do.
void BM_ReportPageAsPdf(benchmark::State &bench)
{
    const School &s = theSchool();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("report.pdf"));
    for (auto _ : bench) {
        const std::vector<ReportPage> pages = s.reportPage();
        if (!writeReportPdf(path, pages, QStringLiteral("Tavrel"), nullptr))
            bench.SkipWithError("the PDF could not be written");
    }
}
BENCHMARK(BM_ReportPageAsPdf)->Unit(benchmark::kMillisecond);

} // namespace
