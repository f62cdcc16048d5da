#include "levelactivation.h"

#include "installation.h"
#include "pupilsession.h"
#include "runstats.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double kSecondsPerDay = 86400.0;

// Roster names are padded with half-width blanks; full-width blanks belong to the name.
QString withoutBlanks(const QString &name)
{
    qsizetype begin = 0;
    qsizetype end = name.size();
    while (begin < end && name.at(begin) == u' ')
        ++begin;
    while (end > begin && name.at(end - 1) == u' ')
        --end;
    return name.mid(begin, end - begin);
}
} // namespace

int todayTotalAttempts(const RunStats &stats, int pupil)
{
    int total = 0;
    for (int level = 1; level < kLevelSlots; ++level)
        total += stats.at(pupil, level).attemptsToday;
    return total;
}

bool finalCleared(const Installation &state, const RunStats &stats, int pupil)
{
    const int level = state.finalLevel;
    if (level < 1 || level >= kLevelSlots)
        return false;
    const LevelTiming &timing = state.timingTable[static_cast<std::size_t>(level)];
    const LevelStats &s = stats.at(pupil, level);
    return s.pointsRecent >= timing.requiredPoints && s.attemptsRecent >= timing.requiredCount;
}

int minutesSinceStart(std::int32_t startClock, double nowSeconds)
{
    double elapsed = std::trunc(nowSeconds - startClock);
    if (elapsed < 0)
        elapsed += kSecondsPerDay;
    return static_cast<int>(elapsed) / 60;
}

LevelScreenHeader levelScreenHeader(const Installation &install, const PupilSession &session,
                                    const QString &gradeLabel, int todayTotal, double nowSeconds)
{
    LevelScreenHeader header;
    header.title = install.productTitle;
    header.titlePointSize = install.productTitle.size() > 9 ? 20 : 24;
    header.pupilLine = gradeLabel + u' ' + withoutBlanks(session.pupilName);
    header.minutesText = QStringLiteral("起動後") + QString::number(minutesSinceStart(session.startClock, nowSeconds)) +
                         QStringLiteral("分");
    header.todayTotalText = QStringLiteral("本日総回数＝") + QString::number(todayTotal) + QStringLiteral("回");
    header.reportPrintShown = session.pupilName.contains(QStringLiteral("先生"));
    return header;
}
