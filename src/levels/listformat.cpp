#include "listformat.h"

#include "gradefilter.h"
#include "oadate.h"

#include <algorithm>
#include <charconv>
#include <iterator>

namespace listformat {

QString nameField(const QString &name)
{
    QString field;
    appendNameField(field, name);
    return field;
}

void appendNameField(QString &line, QStringView name)
{
    constexpr qsizetype kWidth = 5;
    qsizetype end = name.size();
    while (end > 0 && name.at(end - 1) == u' ')
        --end;
    const qsizetype taken = std::min(end, kWidth);
    line.append(name.first(taken));
    for (qsizetype i = taken; i < kWidth; ++i)
        line.append(QChar(0x3000));
}

QString leadMark(int pupil, int currentPupil, int grade)
{
    if (pupil == currentPupil)
        return QStringLiteral("●");
    return GradeMark(grade);
}

QString rankField(int rank)
{
    return rightAligned(static_cast<qint64>(rank), 2);
}

QString rightAligned(const QString &value, int width)
{
    return value.rightJustified(width, u' ');
}

QString rightAligned(qint64 value, int width)
{
    QString field;
    appendRightAligned(field, value, width);
    return field;
}

void appendRightAligned(QString &line, qint64 value, int width)
{
    char digits[24];
    // 24 characters hold every 64-bit value, so the conversion cannot run out of room.
    const char *end = std::to_chars(std::begin(digits), std::end(digits), value).ptr;
    const auto length = static_cast<int>(end - std::begin(digits));
    for (int i = length; i < width; ++i)
        line.append(u' ');
    line.append(QLatin1StringView(digits, length));
}

QString clockField(double clock)
{
    return oadate::toTime(clock).toString(QStringLiteral("hh:mm"));
}

QString dateField(double date)
{
    return oadate::toDate(date).toString(QStringLiteral("MM/dd"));
}

} // namespace listformat
