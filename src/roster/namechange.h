#pragma once

#include <QString>

#include <cstdint>
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

struct SaveResult
{
    bool saved = false;
    bool changed = false; // saved, and something was different from the file
    QString message;      // why nothing was written, for the screen to show
};

// Reads the roster again, gives its first pupils (up to three, as many as `boxes` holds) the
// typed names and birth years, and writes the roster back. Only a pupil whose name or birth year
// actually changes has its line written anew, in the roster format; every other line keeps its
// bytes (blank lines included), and every line ends in CR LF; when nothing changes the file is
// not touched (saved, not changed). The new roster is written beside the old one and takes its
// place only when complete and flushed to the disk, so a failed write (disk full, a crash) leaves
// the old roster intact. Nothing is written when the roster cannot be read or a box breaks its
// rule (namecheck).
SaveResult save(const QString &rosterPath, const std::vector<Boxes> &boxes);

} // namespace namechange
