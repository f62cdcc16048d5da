#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

// One pupil of the roster "生徒用名簿.txt": one line of eight values. The roster is maintained by
// other tools; this system reads it and rewrites only names and birth years, so every value it
// does not interpret is kept as the text it was read as.
struct RosterEntry
{
    // Text values this system writes are padded with spaces to this many characters.
    static constexpr int kTextWidth = 20;

    int line = 0; // 1-based line of the file the entry was read from
    std::int16_t rosterNo = 0; // 1 to 5000
    std::int16_t birthYear = 0; // entered one less for pupils born before the school-year cut-off
    QString extra1;             // carried unchanged
    QString extra2;             // carried unchanged
    QString name;               // as between the quotes, spaces kept
    std::int16_t listFlag = 0;  // 0 listed; 2 listed when the installation shows status 2; else not
    QString note1;              // carried unchanged
    QString note2;              // carried unchanged

    bool operator==(const RosterEntry &) const = default;

    bool listed(bool showStatus2Pupils) const;
    QString trimmedName() const { return name.trimmed(); }

    // A text value as this system stores it: padded with spaces to kTextWidth characters.
    // Longer values are kept whole.
    static QString padded(const QString &text);

    // The line as this system writes it, in Shift-JIS and ended by CR LF: numbers bare, text
    // values quoted and padded. A carried value that does not read as a number is quoted so
    // that it reads back as the same text.
    QByteArray encodeLine() const;
};
