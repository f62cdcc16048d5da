#include "resultrules.h"

#include "installation.h"
#include "runstats.h"

namespace resultrules {

bool levelCleared(const Installation &state, int level, const LevelStats &figures)
{
    const LevelTiming &t = state.timingTable[static_cast<std::size_t>(level)];
    return figures.pointsRecent >= t.requiredPoints && figures.attemptsRecent >= t.requiredCount;
}

bool enoughDone(const Installation &state, int level, const LevelStats &figures)
{
    const LevelTiming &t = state.timingTable[static_cast<std::size_t>(level)];
    return (t.window2Count != 0.0 && figures.attemptsRecent2 >= t.window2Count)
           || (t.window2Points != 0.0 && figures.pointsRecent2 >= t.window2Points);
}

bool goalPanelAllowed(const Installation &state)
{
    for (int level = 1; level < kLevelSlots; ++level) {
        if (state.timingTable[static_cast<std::size_t>(level)].requiredCount == 9999)
            return false;
    }
    return true;
}

QString resultLine(std::int32_t runTime)
{
    if (runTime > 99997)
        return QStringLiteral("記録なし");
    return QStringLiteral("今の成績：%1秒").arg(runTime);
}

QString pointsLine(int score, float weight, std::int32_t points)
{
    // The weight is stored in single precision; seven significant digits give back what the
    // timing table says (0.8, not 0.800000011920929).
    const QString w = QString::number(static_cast<double>(weight), 'g', 7);
    return QStringLiteral("獲得ポイント：%1点×%2→%3点").arg(score).arg(w).arg(points);
}

} // namespace resultrules
