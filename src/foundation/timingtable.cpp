#include "timingtable.h"

#include "catalogue.h"
#include "datafileerror.h"
#include "fieldreader.h"

#include <limits>

namespace {

// A cell left empty reads as 0, as every empty value of the data files does; a spreadsheet saves
// unused optional cells that way. Text that is not a number is still an error.
double numberOrZero(const FieldReader &reader, const Field &f, const QString &what)
{
    return f.text.trimmed().isEmpty() ? 0.0 : reader.number(f, what);
}

int wholeNumberOrZero(const FieldReader &reader, const Field &f, const QString &what)
{
    return f.text.trimmed().isEmpty() ? 0 : reader.wholeNumber(f, what);
}

// The value converted to the table's narrower type; a value that type cannot hold is refused
// rather than wrapped or made infinite.
template <typename T>
T inRange(const FieldReader &reader, const Field &f, double value, const QString &what)
{
    if (value < static_cast<double>(std::numeric_limits<T>::lowest())
        || value > static_cast<double>(std::numeric_limits<T>::max()))
        throw DataFileError(reader.filePath(), f.line,
                            QStringLiteral("%1が大きすぎます（「%2」）。").arg(what, f.text));
    return static_cast<T>(value);
}

} // namespace

std::array<LevelTiming, kLevelSlots> readTimingTable(const QString &filePath, int runnableLevels)
{
    std::array<LevelTiming, kLevelSlots> table{};
    std::array<int, kLevelSlots> recordLine{};
    FieldReader reader(filePath);
    int level = -1;
    while (!reader.atEnd()) {
        ++level;
        const QString what = QStringLiteral("レベル %1 の記録").arg(level);
        const QList<Field> v = reader.ReadFields(12, what);
        if (level >= kLevelSlots)
            throw DataFileError(filePath, v.first().line,
                                QStringLiteral("記録が多すぎます。記録はレベル 0 から %1 までの %2 件までです。")
                                    .arg(kLevelSlots - 1)
                                    .arg(kLevelSlots));
        LevelTiming &t = table[static_cast<std::size_t>(level)];
        t.passTime = wholeNumberOrZero(reader, v[0], QStringLiteral("合格タイム"));
        t.limitTime = wholeNumberOrZero(reader, v[1], QStringLiteral("制限タイム"));
        t.requiredPoints = wholeNumberOrZero(reader, v[2], QStringLiteral("必要ポイント"));
        t.requiredCount = inRange<std::int16_t>(reader, v[3], wholeNumberOrZero(reader, v[3], QStringLiteral("必要回数")),
                                                 QStringLiteral("必要回数"));
        t.levelWeight = inRange<float>(reader, v[4], numberOrZero(reader, v[4], QStringLiteral("ポイント倍率")),
                                       QStringLiteral("ポイント倍率"));
        t.window2Count = numberOrZero(reader, v[5], QStringLiteral("期間２の回数"));
        t.window2Points = numberOrZero(reader, v[6], QStringLiteral("期間２のポイント"));
        t.window1Days = numberOrZero(reader, v[7], QStringLiteral("期間１の日数"));
        t.window2Days = numberOrZero(reader, v[8], QStringLiteral("期間２の日数"));
        recordLine[static_cast<std::size_t>(level)] = v.first().line;
    }
    for (int l = 1; l <= runnableLevels && l < kLevelSlots; ++l) {
        const LevelTiming &t = table[static_cast<std::size_t>(l)];
        if (t.passTime > 0 && t.limitTime > 0)
            continue;
        const QString caption = catalogue::levelCaption(l);
        const QString problem =
            l > level ? QStringLiteral("レベル %1（%2）の記録がありません。合格タイムと制限タイムが必要です。")
                            .arg(l)
                            .arg(caption)
                      : QStringLiteral("レベル %1（%2）の合格タイムと制限タイムは 1 秒以上でなければなりません。")
                            .arg(l)
                            .arg(caption);
        throw DataFileError(filePath, recordLine[static_cast<std::size_t>(l)], problem);
    }
    return table;
}
