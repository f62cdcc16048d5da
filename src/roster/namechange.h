#pragma once

#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

// The name-change screen's work on the roster file: the names and birth years of the first three
// pupils of the roster, in file order, shown in boxes and written back.
namespace namechange {

inline constexpr int kEditableEntries = 3;

// The texts of one pair of boxes.
struct Boxes
{
    QString name;      // the name without the spaces that pad it in the file, so that the
                       // box's 20 characters are all there to type in
    QString birthYear; // in decimal

    bool operator==(const Boxes &) const = default;
};

// The boxes of the first three pupils of the roster (fewer when the roster has fewer; none when
// it cannot be read). Lines that do not read as a pupil are not counted.
std::vector<Boxes> load(const QString &rosterPath);

// A typed name as stored: without surrounding blanks, cut to 20 characters. A double quote (which
// the file format cannot hold inside a value) becomes "”", and line breaks and tabs become
// spaces, so that a typed name can never split or end a line of the roster.
QString storedName(const QString &typed);

// A typed birth year as stored: the number at the start of the text (full-width digits count),
// rounded to a whole year; 0 when the text does not start with a number. Nothing when the number
// does not fit the file's 16-bit field.
std::optional<std::int16_t> storedBirthYear(const QString &typed);

// How often and how long a save waits for another writer of the roster (RosterLock) to finish.
inline constexpr int kLockAttempts = 100;
inline constexpr int kLockWaitMilliseconds = 50;

struct SaveResult
{
    bool saved = false;   // every row the pupil edited is in the file now (also when none was)
    bool changed = false; // something was written
    // Rows (0-based) the pupil edited that another writer (an import, another PC) changed after
    // the boxes were loaded: not written, so that neither change is silently lost. The screen
    // says so and shows the file as it is now.
    std::vector<int> changedElsewhere;
    QString message; // why (some of) the edits were not written, for the screen to show
};

// Writes the rows the pupil edited: `loaded` is what load() gave when the boxes were filled,
// `typed` what the boxes hold now (as many rows as were loaded). A row counts as edited when its
// stored name or birth year differs from the loaded one. Under the roster's lock (RosterLock,
// waiting kLockAttempts times kLockWaitMilliseconds for another writer, through `wait` when
// given) the roster is read again; an edited row whose pupil still has the loaded name and
// birth year gets the typed ones, an edited row that changed on disk meanwhile is left as it is
// and listed in changedElsewhere. Rows not edited are never written, whatever they hold. Only a
// changed pupil's line is written anew, in the roster format; every other line keeps its bytes
// (blank lines included), and every line ends in CR LF; when nothing changes the file is not
// touched. The new roster takes the old one's place only when complete and on the disk
// (savefile), so a failed write (disk full, a crash) leaves the old roster intact. Nothing is
// written when the roster cannot be read or locked, or a box breaks its rule (namecheck).
SaveResult save(const QString &rosterPath, const std::vector<Boxes> &loaded, const std::vector<Boxes> &typed,
                const std::function<void()> &wait = {});

} // namespace namechange
