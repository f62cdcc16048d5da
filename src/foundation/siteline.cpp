#include "siteline.h"

SiteLine SiteLine::split(const QString &line)
{
    SiteLine result;
    result.name = line;
    if (line.size() < 5)
        return result;
    const QString head = line.left(5);
    qsizetype digits = 0;
    while (digits < head.size() && head[digits] >= u'0' && head[digits] <= u'9')
        ++digits;
    if (digits == 0 || head.left(digits).toLongLong() == 0)
        return result;
    result.code = head;
    result.name = line.mid(5);
    return result;
}
