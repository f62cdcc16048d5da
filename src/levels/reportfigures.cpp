#include "reportfigures.h"

#include "installation.h"
#include "gradefilter.h"
#include "levelranking.h"
#include "listformat.h"
#include "pupildirectory.h"
#include "runstats.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kAxisCeiling = 1000;

QString rankText(int rank)
{
    return listformat::rightAligned(static_cast<qint64>(rank), 3);
}

QString seconds(std::int32_t time, int width)
{
    if (time == ReportBlockFigures::kNoTime)
        return listformat::rightAligned(QStringLiteral("---"), width);
    return listformat::rightAligned(time, width);
}

} // namespace

ReportBlockFigures gatherReportBlock(const ListSources &sources, const ReportRuns &runs, int pupil, int level)
{
    ReportBlockFigures f;
    f.pupil = pupil;
    f.level = level;
    if (level < 1 || level >= kLevelSlots)
        return f;
    f.title = sources.state.productTitle + u' ' + sources.state.levelName[static_cast<std::size_t>(level)];

    const ReportRuns::LevelTotals &all = runs.level(level);
    f.allRunCount = all.runCount;
    f.allTimeSum = all.timeSum;
    f.allBest = all.best;
    const ReportRuns::PupilRuns &own = runs.pupil(pupil, level);
    f.runCount = own.runCount;
    f.timeSum = own.timeSum;
    f.slowest = own.slowest;
    if (GradePasses(sources.pupils.grade(pupil), sources.gradeFilter))
        f.record = own.record;
    f.axisMaximum = std::min(10 * (f.slowest / 10 + 1), kAxisCeiling);

    for (const RankedPupil &r : levelRanking(sources, level, DisplayMode::Time, PointsRanking::UntilNow)) {
        if (r.pupil == pupil && r.shown && sources.stats.bestTime(pupil, level) != RunStats::kNoTime)
            f.timeRank = rankText(r.rank);
    }
    for (const RankedPupil &r : levelRanking(sources, level, DisplayMode::Points, PointsRanking::UntilNow)) {
        if (!r.shown)
            continue;
        const std::int64_t points = sources.stats.at(r.pupil, level).pointsAll;
        if (points > 0) {
            ++f.pointsPupilCount;
            f.pointsSum += points;
        }
        if (r.pupil == pupil) {
            f.pointsRank = rankText(r.rank);
            f.points = points;
        }
    }
    return f;
}

std::vector<ReportTableLine> reportTableLines(const ReportBlockFigures &f)
{
    using listformat::rightAligned;
    std::vector<ReportTableLine> lines;
    double line = 0.0;
    const auto add = [&](const QString &text) {
        lines.push_back({text, line});
        line += 1.0;
    };
    const std::int32_t ownBest = f.record.empty() ? ReportBlockFigures::kNoTime : f.record.back().time;

    add(QStringLiteral("回数　　　　　　　") + rightAligned(f.runCount, 3) + QStringLiteral("回"));
    add(QStringLiteral("タイム  　　 　    本人 / 全体"));
    add(QStringLiteral("　　順位　　　　") + rightAligned(f.timeRank, 5) + QStringLiteral("位"));
    add(QStringLiteral("　　最高　　　　") +
        rightAligned(ownBest == ReportBlockFigures::kNoTime ? QStringLiteral("---")
                                                            : QString::number(ownBest) + QStringLiteral("秒"),
                     6) +
        QStringLiteral(" /") + seconds(f.allBest, 5) + QStringLiteral("秒"));
    if (f.runCount != 0) {
        add(QStringLiteral("　　平均　　　　") + rightAligned(f.timeSum / f.runCount, 5) + QStringLiteral("秒") +
            QStringLiteral(" /") + rightAligned(f.allTimeSum / f.allRunCount, 5) + QStringLiteral("秒"));
    }
    add(QStringLiteral("ポイント  　　　"));
    add(QStringLiteral("　　順位　　　　") + rightAligned(f.pointsRank, 5) + QStringLiteral("位"));
    add(QStringLiteral("　　獲得ポイント") + rightAligned(f.points, 5) + QStringLiteral("点"));
    if (f.pointsPupilCount != 0) {
        const auto average = static_cast<qint64>(
            std::llround(static_cast<double>(f.pointsSum) / static_cast<double>(f.pointsPupilCount)));
        add(QStringLiteral("　　　　　　　　　　　　/") + rightAligned(average, 5) + QStringLiteral("点"));
        // The figure's caption, half a line below it.
        lines.push_back({QStringLiteral("　　　　　　　　　　　　 (全平均)"), line - 0.5});
    }
    return lines;
}
