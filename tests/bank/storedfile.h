#pragma once

// Builds stored question files for tests straight from the scrambling key, without the checks the
// teachers' tool makes, so that tests can store lines the tool would refuse.
#include "questionline.h"
#include "scramblekey.h"
#include "sjis.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace storedfile {

inline const QString kMarker = questionline::kEndMarker.toString();

// A plain question line: serial, group, year, name, name line 2, explanation, explanation line 2,
// then the end marker.
inline QString questionLine(int serial, const QString &group, const QString &year)
{
    return QStringLiteral("%1,%2,%3,人物%1,じんぶつ%1,%1 番目の説明,補足%1").arg(serial).arg(group, year)
           + kMarker;
}

// The stored form of one plain line, padded to the scrambling length when shorter. A line shorter
// than that even after padding cannot occur; an empty plain line stays empty.
inline QString storedLine(const QString &plain)
{
    if (plain.isEmpty())
        return plain;
    const ScrambleKey &key = ScrambleKey::program();
    return *key.scramble(questionline::padded(plain, key.requiredLength()));
}

// The file's bytes: each plain line stored, Shift-JIS, each line ended by lineEnd.
inline QByteArray bytes(const QStringList &plainLines, const QString &lineEnd = QStringLiteral("\r\n"))
{
    QString text;
    for (const QString &plain : plainLines)
        text += storedLine(plain) + lineEnd;
    return sjis::encode(text);
}

// Nine groups of `perGroup` questions, group by group, with years 100 to 1900.
inline QStringList validLines(int perGroup = 6)
{
    QStringList lines;
    int serial = 1;
    for (int group = 1; group <= 9; ++group) {
        for (int k = 0; k < perGroup; ++k, ++serial)
            lines << questionLine(serial, QString::number(group), QString::number(100 + serial * 10));
    }
    return lines;
}

} // namespace storedfile
