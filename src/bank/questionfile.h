#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

// Whole question files for the teachers' tool: turning the readable form (UTF-8 text, one plain
// line per row) into the stored form (Shift-JIS, CR LF line ends, every line scrambled) and
// back, and checking a stored file as the program will read it. Texts are English, as the tool's.
namespace questionfile {

// A test asks nine wrong choices drawn from the other questions of its group, each at most twice
// when the group is small, so a group needs at least six questions.
inline constexpr int kMinimumGroupSize = 6;
inline constexpr int kGroupCount = 9;
// The years the drill's timeline shows.
inline constexpr int kFirstYear = 0;
inline constexpr int kLastYear = 2000;

enum class Fault {
    Empty,           // no lines at all
    TooManyLines,    // line 1001: the program reads at most 1000
    NotShiftJis,     // bytes that do not decode
    Unstorable,      // plain text Shift-JIS cannot hold
    EmptyLine,
    TooShort,        // shorter than the scrambling positions
    NoEndMarker,
    TooManyFields,   // more than 100
    FewFields,       // fewer than the seven a question reads
    GroupNotInRange, // column 2 not a whole number from 1 to 9
    YearNotWhole,    // column 3 not a whole number from -32768 to 32767
    YearOffTimeline, // column 3 outside 0 to 2000
    SmallGroup,      // a group with fewer than six questions (line 0: not one line)
};

struct Problem
{
    int line = 0; // 0 when the problem is not on one line
    Fault fault = Fault::Empty;
    QString text; // one sentence, without the line number
};

struct Scrambled
{
    QByteArray stored;    // empty when there are problems
    int lineCount = 0;
    QList<Problem> problems;
};

struct Unscrambled
{
    QString plain;        // one line per row, each ended by "\n"; empty when there are problems
    int lineCount = 0;
    QList<Problem> problems;
};

// Plain lines shorter than the scrambling positions get filler (questionline::kFiller) up to
// that length; the filler stays in the stored line and comes back on unscrambling. Trailing empty
// lines are ignored; any other empty line, a line without the end marker, more than 100 fields
// or 1000 lines, and characters Shift-JIS cannot hold are problems.
Scrambled scramble(const QString &plainText);

// Stored lines that are too short to unscramble or hold bytes that are not Shift-JIS are problems.
// Unscrambling then scrambling gives the stored bytes back.
Unscrambled unscramble(QByteArrayView storedBytes);

// Every problem of a stored file that would stop the program or spoil a run, in line order, the
// file-wide ones last. Empty when the file is fit for use.
QList<Problem> check(QByteArrayView storedBytes);

} // namespace questionfile
