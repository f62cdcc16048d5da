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

enum class When {
    Clock, // hh:mm, in today's lists
    Date,  // mm/dd, in the lists of all runs
};

// The line built in one string: a large school's lists of all runs hold 20,000 of them.
QString runLine(const ListSources &sources, const RunRow &row, When when, Layout layout)
{
    const int grade = sources.pupils.grade(row.pupil);
    const QString mark = listformat::leadMark(row.pupil, sources.currentPupil, grade);
    QString line;
    line.reserve(32);
    const auto appendWhenAndName = [&] {
        if (when == When::Clock)
            listformat::appendClockField(line, row.clock);
        else
            listformat::appendDateField(line, row.date);
        line.append(mark);
        listformat::appendNameField(line, sources.pupils.name(row.pupil));
        line.append(mark);
    };
    if (row.time >= kShownTimeBelow) {
        line.append(QStringView(u"　　× "));
        appendWhenAndName();
        return line;
    }

    const int points =
        RunScore(row.time, sources.state.timingTable[static_cast<std::size_t>(row.level)].passTime);
    if (layout == Layout::TimeFirst) {
        // The time and its 秒 right-aligned in five characters, as one field.
        listformat::appendRightAligned(line, row.time, 4);
        line.append(u'秒');
        line.append(u' ');
        appendWhenAndName();
        listformat::appendRightAligned(line, points, 0);
        return line;
    }
    listformat::appendRightAligned(line, points, 5);
    line.append(u' ');
    appendWhenAndName();
    listformat::appendRightAligned(line, row.time, 0);
    line.append(u'秒');
    return line;
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
            runLine(sources, row, When::Clock, Layout::TimeFirst));
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
            runLine(sources, row, When::Date, layout));
    }
    return lists;
}
