#pragma once

#include "spreadsheetcsv.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// A class list as teachers keep it, read from the rows of a spreadsheet: a header row, perhaps
// below a title and blank rows, names the columns in the words schools use; every row below it
// is a pupil.
//
//   number      出席番号, 番号, No, 番, 学籍番号 (in this order of preference)
//   name        氏名, 名前, 児童名, 生徒名, 児童氏名, 生徒氏名; or 姓 (氏) and 名, joined
//   birth       生年月日, 誕生日, 生年, 生まれた年: a bare year or a date (see birthdate)
//   class       クラス or 学級 (the whole name, "6-1"), or 学年 and 組 ("6年", "1組" → "6-1")
//
// Other columns (ふりがな, 性別, 備考, ...) are left alone. Header words are matched in half- or
// full-width characters, without spaces, case or a trailing "." or bracketed note ("No.",
// "生年月日（西暦）").
namespace classlist {

struct Entry
{
    int line = 0;                // of the file (the sheet's row)
    int number = 0;              // as in the list: 1 to 5000
    QString name;                // as the roster stores it
    int birthYear = 0;           // the roster's birth year
    std::optional<QDate> born;   // the date it was computed from; none for a bare year
    QString classLabel;          // from the class columns (normal form); empty when none

    bool operator==(const Entry &) const = default;
};

struct Problem
{
    int line = 0; // of the file; 0 for the file as a whole
    QString text;
};

struct ClassList
{
    std::vector<Entry> entries;     // in file order; complete only when problems is empty
    std::vector<Problem> problems;  // every bad line, in file order
    int headerLine = 0;             // 0 when no header row was found
    QStringList columns;            // the header's words of the columns read, for the listing

    // How many lines problems name (a line with several faults counts once).
    int badLines() const;
};

// How far down a header row is looked for.
inline constexpr int kHeaderSearchRows = 30;
// Birth years from this many years before the current one up to the current one are accepted.
inline constexpr int kOldestAge = 100;

struct Rules
{
    int yearStartMonth = 4; // of 共通データ.txt: where a birth date's school year begins
    int currentYear = 0;
    // The cells come from a CSV file, where the tool's own export put an apostrophe before a
    // leading "=", "+", "-" or "@" (spreadsheetcsv::cell); a workbook's cells are taken as they are.
    bool formulaEscaped = true;
};

// Checks every row below the header: the number is a whole number from 1 to 5000 ("番" after it
// allowed) not used by an earlier row of the same class, the name is present, holds no control
// character, fits the roster's 20 characters and can be stored in Shift-JIS, the birth is a year
// or a valid date whose roster birth year lies from currentYear − kOldestAge to currentYear, and a
// class name is one the class map can keep. Rows with nothing in the number, name and birth
// columns are passed over.
ClassList read(const spreadsheetcsv::Table &table, const Rules &rules);

} // namespace classlist
