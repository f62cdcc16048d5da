#include "personaltimes.h"

#include "installation.h"
#include "gradefilter.h"
#include "listformat.h"
#include "oadate.h"
#include "pupildirectory.h"
#include "runstats.h"

#include <algorithm>

namespace {

constexpr std::int64_t kNewestRuns = 20000;
constexpr double kWindowDays = 3650.0;
constexpr std::int32_t kShownTimeBelow = 90000;

} // namespace

PersonalTimesView personalTimeLists(const ListSources &sources)
{
    PersonalTimesView view;
    view.heading = QStringLiteral("個人別ﾀｲﾑ");
    const int pupil = sources.currentPupil;
    if (!GradePasses(sources.pupils.grade(pupil), sources.gradeFilter))
        return view;

    const int lastLevel = std::min<int>(sources.state.levelCount, kLevelSlots - 1);
    const double from = oadate::fromDateTime(sources.now) - kWindowDays;
    const RunRows &rows = sources.stats.rows();
    for (std::int64_t i = std::max<std::int64_t>(rows.size() - kNewestRuns, 0); i < rows.size(); ++i) {
        const RunRow row = rows[i];
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
