#include "runlists.h"

#include "installation.h"
#include "listformat.h"
#include "gradefilter.h"
#include "oadate.h"
#include "pupildirectory.h"
#include "runscore.h"
#include "runstats.h"


static_assert(std::tuple_size_v<LevelLists> == kLevelSlots);

namespace {

constexpr double kAllDays = 3650.0;
constexpr std::int32_t kShownTimeBelow = 90000;

enum class Layout {
    TimeFirst,   // time, when, marks and name, points
    PointsFirst, // points, when, marks and name, time
};

// when: the clock or the date field.
QString runLine(const ListSources &sources, const RunRow &row, const QString &when, Layout layout)
{
    const int grade = sources.pupils.grade(row.pupil);
    const QString mark = listformat::leadMark(row.pupil, sources.currentPupil, grade);
    const QString marked = mark + listformat::nameField(sources.pupils.name(row.pupil)) + mark;
    if (row.time >= kShownTimeBelow)
        return QStringLiteral("　　× ") + when + marked;

    const QString time = QString::number(row.time) + QStringLiteral("秒");
    const int points =
        RunScore(row.time, sources.state.timingTable[static_cast<std::size_t>(row.level)].passTime);
    if (layout == Layout::TimeFirst)
        return listformat::rightAligned(time, 5) + u' ' + when + marked + QString::number(points);
    return listformat::rightAligned(points, 5) + u' ' + when + marked + time;
}

bool shown(const ListSources &sources, const RunRow &row)
{
    return row.level >= 1 && row.level <= sources.state.levelCount && row.level < kLevelSlots &&
           GradePasses(sources.pupils.grade(row.pupil), sources.gradeFilter);
}

} // namespace

LevelLists todayRunLists(const ListSources &sources, std::span<const RunRow> runs)
{
    LevelLists lists;
    const double today = oadate::fromDate(sources.now.date());
    for (const RunRow &row : runs) {
        if (row.date != today || !shown(sources, row))
            continue;
        lists[static_cast<std::size_t>(row.level)].lines.append(
            runLine(sources, row, listformat::clockField(row.clock), Layout::TimeFirst));
    }
    return lists;
}

LevelLists allRunLists(const ListSources &sources, std::span<const RunRow> runs, DisplayMode mode)
{
    LevelLists lists;
    const double from = oadate::fromDateTime(sources.now) - kAllDays;
    const Layout layout = mode == DisplayMode::Points ? Layout::PointsFirst : Layout::TimeFirst;
    for (const RunRow &row : runs) {
        if (!(row.date > from) || !shown(sources, row))
            continue;
        lists[static_cast<std::size_t>(row.level)].lines.append(
            runLine(sources, row, listformat::dateField(row.date), layout));
    }
    return lists;
}
