#include "oadate.h"

#include <algorithm>
#include <cmath>

namespace oadate {

namespace {
QDate epoch()
{
    return QDate(1899, 12, 30);
}

// Day numbers of 0001-01-01 and 9999-12-31.
constexpr double kFirstDay = -693593.0;
constexpr double kLastDay = 2958465.0;
} // namespace

double fromDate(QDate date)
{
    return static_cast<double>(epoch().daysTo(date));
}

double timeOfDay(QTime time)
{
    return static_cast<double>(time.msecsSinceStartOfDay() / 1000) / kSecondsPerDay;
}

double fromDateTime(const QDateTime &moment)
{
    return fromDate(moment.date()) + timeOfDay(moment.time());
}

QDate toDate(double days)
{
    if (!std::isfinite(days) || days < kFirstDay || days >= kLastDay + 1.0)
        return {};
    return epoch().addDays(static_cast<qint64>(std::floor(days)));
}

QTime toTime(double days)
{
    if (!std::isfinite(days))
        return {};
    const double fraction = days - std::floor(days);
    const auto seconds = static_cast<int>(std::lround(fraction * kSecondsPerDay));
    return QTime(0, 0).addSecs(std::min(seconds, 86399));
}

} // namespace oadate
