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

namespace {

void appendTwoDigits(QString &line, int value)
{
    line.append(QChar(u'0' + value / 10 % 10));
    line.append(QChar(u'0' + value % 10));
}

} // namespace

QString clockField(double clock)
{
    QString field;
    appendClockField(field, clock);
    return field;
}

void appendClockField(QString &line, double clock)
{
    const QTime time = oadate::toTime(clock);
    if (!time.isValid())
        return;
    appendTwoDigits(line, time.hour());
    line.append(u':');
    appendTwoDigits(line, time.minute());
}

QString dateField(double date)
{
    QString field;
    appendDateField(field, date);
    return field;
}

void appendDateField(QString &line, double date)
{
    const QDate day = oadate::toDate(date);
    if (!day.isValid())
        return;
    appendTwoDigits(line, day.month());
    line.append(u'/');
    appendTwoDigits(line, day.day());
}

} // namespace listformat
