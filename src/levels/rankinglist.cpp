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

// "<rank><lead><name>" then "<best time> <trailing mark>" or "<today's points>/<points until now>";
// a pupil without a result shows "--" for the rank and "------" for the time.
QString rankingLine(int rank, const QString &lead, const QString &name, const LevelStats &s, DisplayMode mode,
                    QChar trailing)
{
    QString line;
    line.reserve(24);
    const bool timeWithoutResult = mode == DisplayMode::Time && s.bestTime == kNoResult;
    if (timeWithoutResult)
        line.append(QLatin1StringView("--"));
    else
        listformat::appendRightAligned(line, rank, 2);
    line.append(lead);
    listformat::appendNameField(line, name);
    if (mode == DisplayMode::Time) {
        if (s.bestTime == kFailed)
            line.append(QStringLiteral("*失敗*"));
        else if (timeWithoutResult)
            line.append(QLatin1StringView("------"));
        else
            listformat::appendRightAligned(line, s.bestTime, 6);
        line.append(u' ');
        line.append(trailing);
    } else {
        listformat::appendRightAligned(line, s.pointsToday, 3);
        line.append(u'/');
        listformat::appendRightAligned(line, s.pointsAll, 5);
    }
    return line;
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
    list.lines.reserve(static_cast<qsizetype>(ranked.size()));

    for (const RankedPupil &r : ranked) {
        if (!r.shown)
            continue;
        const int pupil = r.pupil;
        if (pupil == current)
            list.selectedRow = static_cast<int>(list.lines.size());
        list.lines.append(rankingLine(r.rank, listformat::leadMark(pupil, current, sources.pupils.grade(pupil)),
                                      sources.pupils.name(pupil), sources.stats.at(pupil, level), mode,
                                      pupil == current ? QChar(u'●') : QChar(0x3000)));
    }

    // The current pupil's row stays selected only in a time ranking of a level not scored by time.
    if (mode == DisplayMode::Points || timed)
        list.selectedRow = -1;
    return list;
}
