#pragma once

#include "classlist.h"
#include "classmap.h"

#include <QByteArray>
#include <QDate>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

class RosterFile;

// Bringing a class list into the roster "生徒用名簿.txt" and its class map. Nothing is renamed
// unless asked: a number of the list whose pupil in the roster has another name is a conflict,
// and a list with a conflict changes nothing. A class's pupils hold the block of roster numbers
// the class map gives it; a new class is placed where it is told (--number-from) and never on the
// block of another class.
namespace rosterimport {

struct Options
{
    QString classLabel;            // for rows that name no class (--class); normal form, or empty
    // Where a list without class starts, and the first new class of the list; further new classes
    // of the list follow one after the other. 1 when not given.
    std::optional<int> numberFrom;
    bool rename = false;           // a number whose name differs takes the list's name
};

// A pupil of the list and what the import does with its roster number.
struct Change
{
    int line = 0; // of the list
    int rosterNo = 0;
    QString classLabel; // empty when the row belongs to no class
    int listNumber = 0;
    QString name; // of the list
    int birthYear = 0;
    std::optional<QDate> born;
    QString nameNow; // of the roster, for updates, renames and conflicts
    int birthYearNow = 0;
    int runs = 0; // the number's runs in the run log; kRunsUnknown when they could not be counted
};
inline constexpr int kRunsUnknown = -1;

// How many runs of a roster number the run log holds (or kRunsUnknown).
using RunCounts = std::function<int(int rosterNo)>;

struct Plan
{
    std::vector<Change> added;
    std::vector<Change> updated;   // same name, another birth year (or a name where there was none)
    std::vector<Change> renamed;   // another name, with --rename
    std::vector<Change> conflicts; // another name, without --rename: nothing is changed
    int unchanged = 0;
    std::vector<QString> refusals;        // why the list cannot be placed at all
    std::vector<ClassMap::Class> placed;  // each class of the list with its block after the import
    // The lowest roster number from which the list's largest class would meet no other class and no
    // pupil of the roster: what to give --number-from.
    int firstFree = 0;
    ClassMap classes; // the class map after the import
    bool classesChanged = false;

    bool blocked() const { return !refusals.empty() || !conflicts.empty(); }
    bool changesRoster() const { return !added.empty() || !updated.empty() || !renamed.empty(); }
};

// Places the entries of a checked list (classlist::read) and compares each with the roster. When
// nothing blocks the plan, the roster is changed in memory (replaceEntry, appendEntry: every
// other line keeps its bytes).
Plan plan(RosterFile &roster, const ClassMap &classes, const std::vector<classlist::Entry> &entries,
          const Options &options, const RunCounts &runs);

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
    bool written = false; // the roster or the class map was replaced
    Plan plan;
    QString message; // what went wrong; empty when all is done (or nothing needed doing or it was blocked)
};

// Reads the roster at rosterPath and the class map beside it under the roster's lock (RosterLock;
// `wait` is called between kLockAttempts attempts), so that what is read, planned and written is
// never what another writer changes meanwhile; then, when the plan is not blocked, writes the class
// map, the roster and its backup (replace()). A roster that is missing is made.
Imported importInto(const QString &rosterPath, const QString &backupPath, const std::vector<classlist::Entry> &entries,
                    const Options &options, const RunCounts &runs, const std::function<void()> &wait);

} // namespace rosterimport
