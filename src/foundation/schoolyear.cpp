#include "schoolyear.h"

int schoolYearOf(const QDate &date, int yearStartMonth)
{
    return date.month() < yearStartMonth ? date.year() - 1 : date.year();
}
