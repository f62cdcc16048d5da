#include "rankinglist.h"

#include "installation.h"
#include "gradefilter.h"
#include "levelranking.h"
#include "listformat.h"
#include "pupildirectory.h"
#include "runstats.h"

namespace {

constexpr std::int32_t kFailed = 99998;
constexpr std::int32_t kNoResult = RunStats::kNoTime;

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

    const bool timed = sources.state.levelTimed[static_cast<std::size_t>(level)] == 1;
    const std::vector<RankedPupil> ranked = levelRanking(sources, level, mode, ranking);

    const int current = sources.currentPupil;
    const QString currentMark = QStringLiteral("●");
    const QString blankMark = QString(QChar(0x3000));
    list.lines.reserve(static_cast<qsizetype>(ranked.size()));

    for (const RankedPupil &r : ranked) {
        if (!r.shown)
            continue;
        const int pupil = r.pupil;
        const LevelStats &s = sources.stats.at(pupil, level);
        const int grade = sources.pupils.grade(pupil);
        const QString lead = listformat::leadMark(pupil, current, grade);
        const QString name = listformat::nameField(sources.pupils.name(pupil));
        const QString rankText = listformat::rankField(r.rank);
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
