#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <functional>
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
// the number is a whole number from 1 to 5000 not used by an earlier row, the name (without the
// apostrophe an export puts before a leading "=", "+", "-" or "@") is present, holds no control
// character (NUL, tab, line break, ...), fits the roster's 20 characters and can be stored in
// Shift-JIS, the birth year is a whole number from currentYear − kOldestAge to currentYear. Rows
// with no content are skipped.
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
    bool written = false; // the roster was replaced
    QString message;      // what went wrong: why nothing was changed, or that the backup was not kept
};

// Replaces the roster at rosterPath by newRoster, then keeps the bytes the roster had (oldRoster,
// when it existed and was not empty) as the backup at backupPath, the copy the start screen
// restores from when the roster is missing. The backup is replaced only once the new roster is
// in place, and never by an empty file. Both go through savefile: a failed write leaves its file
// as it was.
Written replace(const QString &rosterPath, const QString &backupPath, const QByteArray *oldRoster,
                const QByteArray &newRoster);

// How often and how long an import waits for another writer of the roster (RosterLock).
inline constexpr int kLockAttempts = 300;
inline constexpr int kLockWaitMilliseconds = 100;

struct Imported
{
    bool written = false; // the roster was replaced
    Merged merged;
    QString message; // what went wrong; empty when all is done (or nothing needed doing)
};

// Merges pupils into the roster at rosterPath under the roster's lock (RosterLock; `wait` is
// called between kLockAttempts attempts), so that the roster read, merged and written is never
// one another writer changes meanwhile; then replace(). A roster that is missing is made.
Imported importInto(const QString &rosterPath, const QString &backupPath, const std::vector<Pupil> &pupils,
                    const std::function<void()> &wait);

// The pupils of the roster (the first line of each number), in file order, as UTF-8 CSV with a byte-order mark and the header
// 番号,氏名,生年, which check() reads back.
QByteArray exportCsv(const RosterFile &roster);

} // namespace rosterimport
