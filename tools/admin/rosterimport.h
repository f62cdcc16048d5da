#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <vector>

class RosterFile;

// Bringing a class list from a spreadsheet into the roster "生徒用名簿.txt", and taking the
// roster out to a spreadsheet.
namespace rosterimport {

inline const QString kNumberColumn = QStringLiteral("番号");
inline const QString kNameColumn = QStringLiteral("氏名");
inline const QString kBirthYearColumn = QStringLiteral("生年");
// Birth years from this many years before the current one up to the current one are accepted.
inline constexpr int kOldestAge = 100;

struct Pupil
{
    int line = 0; // of the CSV file
    int number = 0;
    QString name; // as the roster stores it: trimmed, at most 20 characters, Shift-JIS
    int birthYear = 0;

    bool operator==(const Pupil &) const = default;
};

struct Problem
{
    int line = 0; // of the CSV file; 0 for the file as a whole
    QString text;
};

struct Checked
{
    std::vector<Pupil> pupils;     // in file order; complete only when problems is empty
    std::vector<Problem> problems; // every bad line, in file order
};

// Reads a CSV file as a spreadsheet saves it (see spreadsheetcsv) whose header row names the
// columns 番号, 氏名 and 生年 in any order (other columns are ignored) and checks every row:
// the number is a whole number from 1 to 5000 not used by an earlier row, the name is present,
// fits the roster's 20 characters and can be stored in Shift-JIS, the birth year is a whole
// number from currentYear − kOldestAge to currentYear. Rows with no content are skipped.
Checked check(QByteArrayView csv, int currentYear);

struct Merged
{
    int added = 0;
    int updated = 0;
    int unchanged = 0;
};

// Merges pupils into the roster: a number the roster holds gets the new name and birth year
// (its other values are kept; the first line of a number is the pupil), a new number is added
// at the end as a listed pupil. Every other line is kept as it was read.
Merged merge(RosterFile &roster, const std::vector<Pupil> &pupils);

struct Written
{
    bool written = false;
    QString message; // why nothing was changed
};

// Replaces the roster at rosterPath by newRoster. The bytes the roster had (oldRoster, when it
// existed) are first kept as the backup at backupPath, the copy the start screen restores from
// when the roster is missing. Both files are written whole beside their targets and take their
// places only when complete: a failed write leaves the roster as it was.
Written replace(const QString &rosterPath, const QString &backupPath, const QByteArray *oldRoster,
                const QByteArray &newRoster);

// The pupils of the roster (the first line of each number), in file order, as UTF-8 CSV with a byte-order mark and the header
// 番号,氏名,生年, which check() reads back.
QByteArray exportCsv(const RosterFile &roster);

} // namespace rosterimport
