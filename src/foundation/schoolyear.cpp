#include "schoolyear.h"

int schoolYearOf(const QDate &date, int yearStartMonth)
{
    return date.month() < yearStartMonth ? date.year() - 1 : date.year();
}

int rosterBirthYear(const QDate &birth, int yearStartMonth)
{
    return birth < QDate(birth.year(), yearStartMonth, 2) ? birth.year() - 1 : birth.year();
}
