#include "spreadsheetcsv.h"

#include "sjis.h"

#include <QStringDecoder>

namespace spreadsheetcsv {

namespace {

bool startsFormula(QChar c)
{
    return c == u'=' || c == u'+' || c == u'-' || c == u'@';
}

// A text a spreadsheet would run as a formula, or one that only apostrophes separate from such
// a start: "'=1" gets one more so that unescapedCell() gives back "'=1" itself.
bool needsPrefix(QStringView text)
{
    qsizetype at = 0;
    while (at < text.size() && text[at] == u'\'')
        ++at;
    return at < text.size() && startsFormula(text[at]);
}

QChar separatorOf(QStringView text)
{
    bool quoted = false;
    for (const QChar c : text) {
        if (c == u'"')
            quoted = !quoted;
        else if (!quoted && (c == u'\n' || c == u'\r'))
            break;
        else if (!quoted && c == u'\t')
            return u'\t';
    }
    return u',';
}

} // namespace

QString decode(QByteArrayView bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.sliced(3));
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    return sjis::decode(bytes);
}

Table parse(QStringView text)
{
    Table table;
    const QChar separator = separatorOf(text);
    int line = 1;
    Row row{line, {}};
    QString cellText;
    bool quoted = false;
    bool rowHasContent = false;
    int quoteLine = 0;
    const auto endCell = [&] {
        row.cells << cellText;
        cellText.clear();
    };
    const auto endRow = [&] {
        endCell();
        table.rows.push_back(std::move(row));
        row = Row{line, {}};
        rowHasContent = false;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == u'"') {
                if (i + 1 < text.size() && text[i + 1] == u'"') {
                    cellText += u'"';
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                if (c == u'\n' || (c == u'\r' && !(i + 1 < text.size() && text[i + 1] == u'\n')))
                    ++line;
                cellText += c;
            }
            continue;
        }
        if (c == u'"') {
            quoted = true;
            quoteLine = line;
            rowHasContent = true;
        } else if (c == separator) {
            endCell();
            rowHasContent = true;
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            ++line;
            endRow();
        } else {
            cellText += c;
            rowHasContent = true;
        }
    }
    if (quoted)
        table.unclosedQuoteLine = quoteLine;
    if (rowHasContent)
        endRow();
    return table;
}

QString cell(const QString &text)
{
    if (text.isEmpty())
        return {};
    QString escaped = text;
    if (needsPrefix(escaped))
        escaped.prepend(u'\'');
    escaped.replace(u'"', QStringLiteral("\"\""));
    return u'"' + escaped + u'"';
}

QString unescapedCell(const QString &text)
{
    if (text.startsWith(u'\'') && needsPrefix(QStringView(text).sliced(1)))
        return text.mid(1);
    return text;
}

} // namespace spreadsheetcsv
