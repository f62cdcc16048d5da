#include "questionline.h"

#include "fieldreader.h"

#include <cmath>
#include <limits>

namespace questionline {

QStringList splitLines(const QString &text)
{
    QStringList lines;
    const qsizetype n = text.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(text.mid(start, i - start));
        if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.append(text.mid(start));
    return lines;
}

std::optional<QStringList> fieldsOf(const QString &plainLine)
{
    const qsizetype end = plainLine.indexOf(kEndMarker);
    if (end < 0)
        return std::nullopt;
    return plainLine.first(end).split(u',');
}

QString padded(const QString &plainLine, int length)
{
    if (plainLine.size() >= length)
        return plainLine;
    return plainLine + QString(length - plainLine.size(), kFiller);
}

std::optional<std::int16_t> yearOf(const QString &field)
{
    const auto value = FieldReader::parseNumber(field);
    if (!value || *value != std::floor(*value) || *value < std::numeric_limits<std::int16_t>::min()
        || *value > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(*value);
}

std::optional<int> groupOf(const QString &field)
{
    const auto value = FieldReader::parseNumber(field);
    if (!value || *value != std::floor(*value) || std::fabs(*value) > 1e9)
        return std::nullopt;
    return static_cast<int>(*value);
}

} // namespace questionline
