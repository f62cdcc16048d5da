#include "rankinglist.h"

#include "installation.h"
#include "gradefilter.h"
#include "listformat.h"
#include "mergesortpairs.h"
#include "pupildirectory.h"
#include "runstats.h"

#include <algorithm>
#include <vector>

namespace {

constexpr std::int32_t kFailed = 99998;
constexpr std::int32_t kNoResult = RunStats::kNoTime;

// Points are packed into one key, primary figure above secondary; figures are clamped to 31 bits
// so that no real total can carry into the other field.
constexpr std::int64_t kFieldSpan = std::int64_t{1} << 31;

std::int64_t clampedPoints(std::int64_t points)
{
    return std::clamp<std::int64_t>(points, 0, kFieldSpan - 1);
}

std::int64_t pointsKey(std::int64_t primary, std::int64_t secondary)
{
    return -(clampedPoints(primary) * kFieldSpan + clampedPoints(secondary));
}

// Highest value first, failed and no result after every value, failed before no result.
std::int64_t untimedKey(std::int32_t best)
{
    if (best == kFailed || best == kNoResult)
        return (std::int64_t{1} << 40) | best;
    return -static_cast<std::int64_t>(best);
}

QString timeLine(const QString &rank, const QString &lead, const QString &name, std::int32_t best,
                 const QString &trailing)
{
    if (best == kFailed)
        return rank + lead + name + QStringLiteral("*失敗*") + u' ' + trailing;
    if (best == kNoResult)
        return QStringLiteral("--") + lead + name + QStringLiteral("------") + u' ' + trailing;
    return rank + lead + name + listformat::rightAligned(best, 6) + u' ' + trailing;
}

} // namespace

ResultList rankingList(const ListSources &sources, int level, DisplayMode mode, PointsRanking ranking)
{
    ResultList list;
    if (level < 1 || level >= kLevelSlots)
        return list;

    const std::vector<int> &listed = sources.pupils.listed();
    const std::size_t n = listed.size();
    const bool timed = sources.state.levelTimed[static_cast<std::size_t>(level)] == 1;

    std::vector<std::int64_t> keys(n);
    std::vector<int> items(listed.begin(), listed.end());
    for (std::size_t k = 0; k < n; ++k) {
        const LevelStats &s = sources.stats.at(items[k], level);
        if (mode == DisplayMode::Time)
            keys[k] = timed ? s.bestTime : untimedKey(s.bestTime);
        else if (ranking == PointsRanking::UntilNow)
            keys[k] = pointsKey(s.pointsAll, s.pointsToday);
        else
            keys[k] = pointsKey(s.pointsToday, s.pointsAll);
    }
    MergeSortPairs(keys, items);
    MergeSortPairs(keys, items);

    const int current = sources.currentPupil;
    const QString currentMark = QStringLiteral("●");
    const QString blankMark = QString(QChar(0x3000));
    list.lines.reserve(static_cast<qsizetype>(n));

    int rank = 0;
    std::int64_t previousFigure = 0;
    for (std::size_t k = 0; k < n; ++k) {
        const int pupil = items[k];
        const LevelStats &s = sources.stats.at(pupil, level);
        const int position = static_cast<int>(k) + 1;

        if (mode == DisplayMode::Time) {
            if (k == 0 || keys[k] != keys[k - 1])
                rank = position;
        } else {
            const std::int64_t figure = ranking == PointsRanking::UntilNow ? s.pointsAll : s.pointsToday;
            if (k == 0 || figure != previousFigure)
                rank = position;
            previousFigure = figure;
        }

        const int grade = sources.pupils.grade(pupil);
        if (!GradePasses(grade, sources.gradeFilter))
            continue;
        if (mode == DisplayMode::Points && ranking == PointsRanking::Today && s.pointsToday == 0)
            continue;

        const QString lead = listformat::leadMark(pupil, current, grade);
        const QString name = listformat::nameField(sources.pupils.name(pupil));
        const QString rankText = listformat::rankField(rank);
        if (pupil == current)
            list.selectedRow = static_cast<int>(list.lines.size());
        if (mode == DisplayMode::Time) {
            list.lines.append(timeLine(rankText, lead, name, s.bestTime, pupil == current ? currentMark : blankMark));
        } else {
            list.lines.append(rankText + lead + name + listformat::rightAligned(s.pointsToday, 3) + u'/' +
                              listformat::rightAligned(s.pointsAll, 5));
        }
    }

    // The current pupil's row stays selected only in a time ranking of a level not scored by time.
    if (mode == DisplayMode::Points || timed)
        list.selectedRow = -1;
    return list;
}
