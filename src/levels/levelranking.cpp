#include "levelranking.h"

#include "installation.h"
#include "gradefilter.h"
#include "mergesortpairs.h"
#include "pupildirectory.h"
#include "runstats.h"

#include <algorithm>

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

} // namespace

std::vector<RankedPupil> levelRanking(const ListSources &sources, int level, DisplayMode mode, PointsRanking ranking)
{
    std::vector<RankedPupil> ranked;
    if (level < 1 || level >= kLevelSlots)
        return ranked;

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

    ranked.reserve(n);
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

        bool shown = GradePasses(sources.pupils.grade(pupil), sources.gradeFilter);
        if (mode == DisplayMode::Points && ranking == PointsRanking::Today && s.pointsToday == 0)
            shown = false;
        ranked.push_back({pupil, rank, shown});
    }
    return ranked;
}
