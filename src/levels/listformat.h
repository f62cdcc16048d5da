#pragma once

#include <QString>

// Pieces of the result-list lines. Lists are shown in a fixed-pitch font, so every field has a
// fixed width in characters (full-width characters count as one).
namespace listformat {

// The name field: the name without trailing blanks, filled with full-width blanks and cut to
// five characters.
QString nameField(const QString &name);

// The mark in front of a pupil's name: "●" for the current pupil, otherwise the grade mark.
QString leadMark(int pupil, int currentPupil, int grade);

// The rank field: two characters, right-aligned (" 1", "12"). Ranks of 100 and above are written
// whole rather than cut to their last two digits.
QString rankField(int rank);

// value right-aligned in width characters with half-width blanks; a longer value is kept whole.
QString rightAligned(const QString &value, int width);
QString rightAligned(qint64 value, int width);

// The same fields appended to a line being built, without a string of their own: a large school's
// lists hold tens of thousands of lines.
void appendNameField(QString &line, QStringView name);
void appendRightAligned(QString &line, qint64 value, int width);

// hh:mm of a time of day held as a fraction of a day (nothing for a time that is none).
QString clockField(double clock);
void appendClockField(QString &line, double clock);
// mm/dd of a day number (nothing for a day that is none).
QString dateField(double date);
void appendDateField(QString &line, double date);

} // namespace listformat
