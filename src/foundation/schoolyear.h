#pragma once

#include <QDate>

// The school year a date lies in: the calendar year, minus one before the month in which the
// school year begins (yearStartMonth, 1-12).
int schoolYearOf(const QDate &date, int yearStartMonth);
