#pragma once

#include <QDate>

// The school year a date lies in: the calendar year, minus one before the month in which the
// school year begins (yearStartMonth, 1-12).
int schoolYearOf(const QDate &date, int yearStartMonth);

// The birth year the roster keeps for a pupil born on `birth`: the calendar year, minus one for a
// birth before the second day of the school year's start month (from 1 January to 1 April when the
// school year begins in April), so that pupils of one school grade share a birth year. A child
// born on the first day of the start month is a year ahead of one born on the second: its school
// years are counted from the day before its birthday.
int rosterBirthYear(const QDate &birth, int yearStartMonth);
