#include "runrecording.h"

#include "installation.h"
#include "recordcallbacks.h"
#include "runlog.h"
#include "runstats.h"

std::optional<RunFlags> RecordRun(const Installation &state, RunStats &stats, int pupil, int level, std::int32_t runTime,
                                  const Clock &clock, const RecordCallbacks &callbacks)
{
    if (pupil < 1 || pupil > kMaxPupil || level < 1 || level >= kLevelSlots) {
        // Staff recognise this text and number from the other copies of the program on the network,
        // so an index outside a table is reported in exactly these words.
        callbacks.fatal(state.productTitle,
                        QStringLiteral("Seisekikiroku") + QStringLiteral("インデックスが有効範囲にありません") + u'9');
        return std::nullopt;
    }
    const LevelTiming &timing = state.timingTable[static_cast<std::size_t>(level)];
    const LevelStats &before = stats.at(pupil, level);

    RunFlags flags;
    flags.clearedBefore = before.attemptsAll >= timing.requiredCount && before.pointsAll >= timing.requiredPoints;
    flags.newBest = runTime < before.bestTime;
    flags.newLevelBest = runTime < stats.levelBestTime(level);

    if (!AppendRunRecord(state, pupil, level, runTime, clock, callbacks))
        return std::nullopt;

    if (flags.newBest)
        stats.setBestTime(pupil, level, runTime);
    if (flags.newLevelBest)
        stats.setLevelBestTime(level, runTime);
    return flags;
}
