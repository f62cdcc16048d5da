#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <cstdint>
#include <optional>

// The shape of one line of the question file once it is unscrambled ("plain"): the row's fields
// separated by commas (a field cannot hold a comma), the end marker, then filler that only makes
// the line long enough for the scrambling swaps.
namespace questionline {

inline constexpr QStringView kEndMarker = u"／ｅｎｄ／";
// What the teachers' tool pads short plain lines with; never part of a field.
inline constexpr QChar kFiller = u'＊';

inline constexpr int kMaxLines = 1000;
inline constexpr int kMaxFields = 100;
// Columns a question row is read from: 2 group, 3 year, 4 name, 5 name line 2, 6 explanation,
// 7 explanation line 2 (column 1 and columns past 7 are kept but not used).
inline constexpr int kGroupColumn = 2;
inline constexpr int kYearColumn = 3;
inline constexpr int kQuestionFields = 7;

// The lines of a decoded file, split at CR LF, CR or LF. The empty text after the last line
// end is not a line; every other empty line is.
QStringList splitLines(const QString &text);

// The fields of a plain line: the text before the first end marker, split on ",". Nothing when
// the line holds no end marker.
std::optional<QStringList> fieldsOf(const QString &plainLine);

// The line followed by filler up to `length` characters; a line already that long is returned
// as it is.
QString padded(const QString &plainLine, int length);

// A year field as a 16-bit whole number; nothing when it is not a whole number in that range.
std::optional<std::int16_t> yearOf(const QString &field);

// A group field as a whole number; nothing when it is not one.
std::optional<int> groupOf(const QString &field);

} // namespace questionline
