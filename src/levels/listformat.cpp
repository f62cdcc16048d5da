#include "listformat.h"

#include "gradefilter.h"
#include "oadate.h"

namespace listformat {

QString nameField(const QString &name)
{
    qsizetype end = name.size();
    while (end > 0 && name.at(end - 1) == u' ')
        --end;
    QString field = name.left(end);
    if (field.size() >= 5)
        return field.left(5);
    return field + QString(5 - field.size(), QChar(0x3000));
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
    return rightAligned(QString::number(value), width);
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
