#include "timingtable.h"

#include "catalogue.h"
#include "datafileerror.h"
#include "fieldreader.h"

#include <QCoreApplication>

#include <limits>

namespace {

class Text
{
    Q_DECLARE_TR_FUNCTIONS(TimingTable)
};

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
                            Text::tr("%1 is too large (\"%2\").").arg(what, f.text));
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
        const QString what = Text::tr("the record of level %1").arg(level);
        const QList<Field> v = reader.ReadFields(12, what);
        if (level >= kLevelSlots)
            throw DataFileError(filePath, v.first().line,
                                Text::tr("There are too many records: at most %2, for levels 0 to %1.")
                                    .arg(kLevelSlots - 1)
                                    .arg(kLevelSlots));
        LevelTiming &t = table[static_cast<std::size_t>(level)];
        t.passTime = wholeNumberOrZero(reader, v[0], Text::tr("the pass time"));
        t.limitTime = wholeNumberOrZero(reader, v[1], Text::tr("the time limit"));
        t.requiredPoints = wholeNumberOrZero(reader, v[2], Text::tr("the points needed"));
        t.requiredCount = inRange<std::int16_t>(reader, v[3], wholeNumberOrZero(reader, v[3], Text::tr("the runs needed")),
                                                 Text::tr("the runs needed"));
        t.levelWeight = inRange<float>(reader, v[4], numberOrZero(reader, v[4], Text::tr("the points factor")),
                                       Text::tr("the points factor"));
        t.window2Count = numberOrZero(reader, v[5], Text::tr("the runs of period 2"));
        t.window2Points = numberOrZero(reader, v[6], Text::tr("the points of period 2"));
        t.window1Days = numberOrZero(reader, v[7], Text::tr("the days of period 1"));
        t.window2Days = numberOrZero(reader, v[8], Text::tr("the days of period 2"));
        recordLine[static_cast<std::size_t>(level)] = v.first().line;
    }
    for (int l = 1; l <= runnableLevels && l < kLevelSlots; ++l) {
        const LevelTiming &t = table[static_cast<std::size_t>(l)];
        if (t.passTime > 0 && t.limitTime > 0)
            continue;
        const QString caption = catalogue::levelCaption(l);
        const QString problem =
            l > level ? Text::tr("There is no record for level %1 (%2): it needs a pass time and a time limit.")
                            .arg(l)
                            .arg(caption)
                      : Text::tr("The pass time and the time limit of level %1 (%2) must be 1 second or more.")
                            .arg(l)
                            .arg(caption);
        throw DataFileError(filePath, recordLine[static_cast<std::size_t>(l)], problem);
    }
    return table;
}
