#include "runrecording.h"

#include "installation.h"
#include "clock.h"
#include "pendingruns.h"
#include "recordcallbacks.h"
#include "runlog.h"
#include "runstats.h"

#include <QDir>
#include <QStringList>

std::optional<RecordedRun> RecordRun(const Installation &state, RunStats &stats, int pupil, int level,
                                     std::int32_t runTime, const Clock &clock, const PendingRuns &pending,
                                     const RecordCallbacks &callbacks, const std::vector<QuestionAnswers> &answers)
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

    // Runs kept from earlier go first, so that the log keeps the order in which runs were made.
    pending.appendWaiting(callbacks);
    const std::vector<UnrecordedRecord> unrecorded =
        AppendRunRecord(state, pupil, level, runTime, clock, callbacks, answers);

    if (flags.newBest)
        stats.setBestTime(pupil, level, runTime);
    if (flags.newLevelBest)
        stats.setLevelBestTime(level, runTime);
    RecordedRun recorded{flags, QString(), false};
    if (unrecorded.empty())
        return recorded;

    QStringList failures;
    for (const UnrecordedRecord &r : unrecorded)
        failures << r.failure;
    // The answer log's records of one run fail together: one line for them.
    failures.removeDuplicates();
    const QString kept = pending.keep(unrecorded, clock.now(), callbacks);
    recorded.kept = kept.isEmpty();
    if (recorded.kept) {
        recorded.notice = QStringLiteral("今回の成績は、まだ記録できていませんが、なくなってはいません。"
                                         "このコンピューターに取っておいて、次に記録できるときに記録します。\n"
                                         "先生に知らせてください。\n\n%1\n取っておいた場所: %2")
                              .arg(failures.join(u'\n'), QDir::toNativeSeparators(pending.filePath()));
    } else {
        recorded.notice = QStringLiteral("今回の成績は記録できず、取っておくこともできませんでした。"
                                         "先生に知らせてください。\n\n%1\n%2")
                              .arg(failures.join(u'\n'), kept);
    }
    return recorded;
}
