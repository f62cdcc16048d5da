#include "personaltimes.h"

#include "installation.h"
#include "gradefilter.h"
#include "listformat.h"
#include "oadate.h"
#include "pupildirectory.h"
#include "runstats.h"

#include <algorithm>

namespace {

constexpr double kWindowDays = 3650.0;
constexpr std::int32_t kShownTimeBelow = 90000;

} // namespace

PersonalTimesView personalTimeLists(const ListSources &sources, std::span<const RunRow> runs)
{
    PersonalTimesView view;
    view.heading = QStringLiteral("個人別ﾀｲﾑ");
    const int pupil = sources.currentPupil;
    if (!GradePasses(sources.pupils.grade(pupil), sources.gradeFilter))
        return view;

    const int lastLevel = std::min<int>(sources.state.levelCount, kLevelSlots - 1);
    const double from = oadate::fromDateTime(sources.now) - kWindowDays;
    const std::size_t first = runs.size() > static_cast<std::size_t>(kPersonalTimesRecords)
        ? runs.size() - static_cast<std::size_t>(kPersonalTimesRecords)
        : 0;
    for (const RunRow &row : runs.subspan(first)) {
        if (row.pupil != pupil || row.level < 1 || row.level > lastLevel || !(row.date > from))
            continue;
        QString line = oadate::toDate(row.date).toString(QStringLiteral("yyyy/MM/dd")) + u' ' +
                       oadate::toTime(row.clock).toString(QStringLiteral("HH:mm:ss"));
        if (row.time < kShownTimeBelow)
            line += listformat::rightAligned(QString::number(row.time) + QStringLiteral("秒"), 5);
        view.lists[static_cast<std::size_t>(row.level)].lines.append(line);
    }
    return view;
}
