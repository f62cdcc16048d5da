#pragma once

#include <QDate>
#include <QString>

#include <optional>

// What a class list says of a pupil's birth, as teachers write it: a bare year ("2013",
// "2013年", "平成25年", "H25") or a full date, Western (2013/4/5, 2013-04-05, 2013.4.5,
// 2013年4月5日, 20130405) or of a Japanese era (明治 to 令和 or M, T, S, H, R, "元年" for the
// first year: 平成25年4月5日, H25.4.5, R2.4.1), in half- or full-width characters, with or without
// a time of day after it (as spreadsheets save a date cell).
namespace birthdate {

struct Birth
{
    int year = 0;             // the roster's birth year
    std::optional<QDate> date; // the date it was computed from; none for a bare year

    bool operator==(const Birth &) const = default;
};

// The date or bare year a cell holds; nothing for any other text.
struct Written
{
    std::optional<QDate> date;
    int year = 0; // the bare year, or the date's calendar year
};
std::optional<Written> parse(const QString &cell);

// The roster's birth year from a cell: a bare year is taken as the roster keeps it (already
// reduced by one for a pupil born before the school-year cut-off); a date goes through the
// roster's rule (rosterBirthYear) with the school year starting in yearStartMonth.
std::optional<Birth> read(const QString &cell, int yearStartMonth);

} // namespace birthdate
