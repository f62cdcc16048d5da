#pragma once

#include <QDate>
#include <QDateTime>
#include <QTime>

// Dates and times of day as the record files hold them: days since 1899-12-30 00:00 in a
// double. A date is a whole number of days, a time of day only the fraction of a day. Times of
// day are kept to whole seconds, the resolution every writer of the shared files uses.
namespace oadate {

inline constexpr double kSecondsPerDay = 86400.0;

double fromDate(QDate date);
double timeOfDay(QTime time);
// The date's day number plus the time of day's fraction.
double fromDateTime(const QDateTime &moment);

// The calendar date of a day number (its whole part); an invalid QDate when the value is not a
// finite number or lies outside the years 1 to 9999.
QDate toDate(double days);
// The time of day of a value's fraction, rounded to whole seconds (never 24:00:00).
QTime toTime(double days);

} // namespace oadate
