#include "fieldreader.h"

#include "datafileerror.h"
#include "sjis.h"
#include "systemerror.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cmath>

namespace {

class Text
{
    Q_DECLARE_TR_FUNCTIONS(FieldReader)
};

} // namespace

FieldReader::FieldReader(QString filePath)
    : m_filePath(std::move(filePath))
{
    QFile file(m_filePath);
    if (!QFileInfo(file).isFile())
        throw DataFileError::missing(m_filePath);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly))
        throw DataFileError(m_filePath, 0,
                            Text::tr("The file cannot be opened (%1).").arg(systemerror::describe(file, errno)));
    tokenise(sjis::decode(file.readAll()));
}

FieldReader FieldReader::fromBytes(const QByteArray &bytes, QString filePath)
{
    FieldReader reader;
    reader.m_filePath = std::move(filePath);
    reader.tokenise(sjis::decode(bytes));
    return reader;
}

void FieldReader::tokenise(const QString &text)
{
    int line = 1;
    qsizetype i = 0;
    const qsizetype n = text.size();
    auto isLineEnd = [&](qsizetype k) { return k < n && (text[k] == u'\r' || text[k] == u'\n'); };
    auto skipLineEnd = [&] {
        if (i < n && text[i] == u'\r')
            ++i;
        if (i < n && text[i] == u'\n')
            ++i;
        ++line;
    };

    while (i < n) {
        if (isLineEnd(i)) {
            skipLineEnd();
            continue;
        }
        // One value, starting at i, ending at a comma, a line end or the end of the text.
        while (i < n && (text[i] == u' ' || text[i] == u'\t'))
            ++i;
        Field field;
        field.line = line;
        if (i < n && text[i] == u'"') {
            const qsizetype close = text.indexOf(u'"', i + 1);
            qsizetype lineEnd = i + 1;
            while (lineEnd < n && !isLineEnd(lineEnd))
                ++lineEnd;
            if (close < 0 || close > lineEnd)
                throw DataFileError(m_filePath, line,
                                    Text::tr("A quote \" is not closed."));
            field.text = text.mid(i + 1, close - i - 1);
            field.quoted = true;
            i = close + 1;
            // Anything between the closing quote and the separator is not part of the value.
            while (i < n && text[i] != u',' && !isLineEnd(i))
                ++i;
        } else {
            const qsizetype start = i;
            while (i < n && text[i] != u',' && !isLineEnd(i))
                ++i;
            field.text = text.mid(start, i - start).trimmed();
        }
        m_fields.append(field);
        if (i < n && text[i] == u',') {
            ++i;
            // A comma directly before a line end (or the end) closes the value; it does not
            // open an empty one.
            qsizetype k = i;
            while (k < n && (text[k] == u' ' || text[k] == u'\t'))
                ++k;
            if (k >= n || isLineEnd(k))
                i = k;
        }
    }
}

QList<Field> FieldReader::ReadFields(int n, const QString &what)
{
    const qsizetype left = m_fields.size() - m_pos;
    if (left < n) {
        const int line = atEnd() ? m_lastLine : m_fields.constLast().line;
        throw DataFileError(
            m_filePath, line,
            Text::tr("The file ends early: %1 needs %2 values, but there are only %3.")
                .arg(what)
                .arg(n)
                .arg(left));
    }
    QList<Field> out = m_fields.mid(m_pos, n);
    m_pos += n;
    if (!out.isEmpty())
        m_lastLine = out.constLast().line;
    return out;
}

std::optional<Field> FieldReader::next()
{
    if (atEnd())
        return std::nullopt;
    const Field f = m_fields.at(m_pos++);
    m_lastLine = f.line;
    return f;
}

std::optional<double> FieldReader::parseNumber(const QString &text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

double FieldReader::number(const Field &f, const QString &what) const
{
    const auto value = parseNumber(f.text);
    if (!value)
        throw DataFileError(m_filePath, f.line,
                            Text::tr("%1 is not a number (\"%2\").").arg(what, f.text));
    return *value;
}

int FieldReader::wholeNumber(const Field &f, const QString &what) const
{
    const double value = number(f, what);
    if (value != std::floor(value) || std::fabs(value) > 2147483647.0)
        throw DataFileError(m_filePath, f.line,
                            Text::tr("%1 is not a whole number (\"%2\").").arg(what, f.text));
    return static_cast<int>(value);
}
