#include "levelcolumns.h"

#include "installation.h"
#include "catalogue.h"
#include "runstats.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

template <typename Real>
QString shortestFixed(Real value)
{
    if (!std::isfinite(value))
        return QString::number(static_cast<double>(value));
    // Large enough for the widest fixed form of a double (309 digits before the point).
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

QString countsText(std::int64_t attempts, std::int64_t points, const QString &none)
{
    if (attempts == 0)
        return none;
    return QString::number(attempts) + QStringLiteral("回/") + QString::number(points) + QStringLiteral("点");
}

} // namespace

QString plainNumber(double value)
{
    return shortestFixed(value);
}

QString plainNumber(float value)
{
    return shortestFixed(value);
}

LevelColumnTexts levelColumnTexts(const Installation &state, const RunStats &stats, int pupil, int level)
{
    LevelColumnTexts column;
    column.level = level;
    if (level < 1 || level >= kLevelSlots)
        return column;
    const auto slot = static_cast<std::size_t>(level);
    const LevelTiming &timing = state.timingTable[slot];

    column.number = QString::number(level);
    column.caption = state.levelName[slot];
    column.startCaption = QStringLiteral("ｽﾀｰﾄ(&") + QString::number(level) + u')';
    column.practice = catalogue::isPracticeCaption(column.caption);
    if (column.practice)
        return column;

    const LevelStats &s = stats.at(pupil, level);
    column.todayHeading = QStringLiteral("今日");
    column.allHeading = QStringLiteral("今まで");
    column.todayCounts = countsText(s.attemptsToday, s.pointsToday, QStringLiteral("-----"));
    column.allCounts = countsText(s.attemptsAll, s.pointsAll, QStringLiteral("------"));

    const QString pass = QString::number(timing.passTime);
    if (state.levelTimed[slot] == 1) {
        column.recentLine = QStringLiteral("最近") + plainNumber(timing.window1Days) + QStringLiteral("日=") +
                            QString::number(s.attemptsRecent) + QStringLiteral("回 / ") +
                            QString::number(s.pointsRecent) + QStringLiteral("点");
        if (timing.requiredPoints == 9999) {
            column.targetLine = QStringLiteral("目標=") + pass + QStringLiteral("秒 --------");
        } else {
            column.targetLine = QStringLiteral("目標=") + pass + QStringLiteral("秒 ") +
                                QString::number(timing.requiredCount) + QStringLiteral("回/") +
                                QString::number(timing.requiredPoints) + QStringLiteral("点(×") +
                                plainNumber(timing.levelWeight) + u')';
        }
    } else {
        column.targetLine = QStringLiteral("◎=") + pass + QStringLiteral("点以上");
    }
    return column;
}

std::vector<LevelColumnTexts> levelColumns(const Installation &state, const RunStats &stats, int pupil)
{
    std::vector<LevelColumnTexts> columns;
    const int count = std::min<int>(state.levelCount, kLevelSlots - 1);
    columns.reserve(static_cast<std::size_t>(std::max(count, 0)));
    for (int level = 1; level <= count; ++level)
        columns.push_back(levelColumnTexts(state, stats, pupil, level));
    return columns;
}
