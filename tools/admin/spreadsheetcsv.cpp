#include "spreadsheetcsv.h"

#include "sjis.h"

#include <QStringDecoder>

#include <array>

namespace spreadsheetcsv {

namespace {

// How many lines decide the separator: enough to pass a title row and a blank line or two.
constexpr int kSeparatorLines = 20;

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
    const std::array<QChar, 3> candidates{u'\t', u',', u';'};
    std::array<int, 3> counts{};
    bool quoted = false;
    bool cellStart = true;
    int lines = 0;
    for (qsizetype i = 0; i < text.size() && lines < kSeparatorLines; ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == u'"')
                quoted = false;
            continue;
        }
        if (c == u'"' && cellStart) {
            quoted = true;
            continue;
        }
        cellStart = false;
        if (c == u'\n') {
            ++lines;
            cellStart = true;
        }
        for (std::size_t k = 0; k < candidates.size(); ++k) {
            if (c == candidates[k]) {
                ++counts[k];
                cellStart = true;
            }
        }
    }
    std::size_t best = 1;
    for (std::size_t k = 0; k < candidates.size(); ++k) {
        if (counts[k] > counts[best])
            best = k;
    }
    return candidates[best];
}

std::optional<QString> strictly(QStringDecoder decoder, QByteArrayView bytes)
{
    QString text = decoder(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

} // namespace

std::optional<Decoded> decode(QByteArrayView bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        if (auto text = strictly(QStringDecoder(QStringDecoder::Utf8), bytes.sliced(3)))
            return Decoded{*text, Encoding::Utf8WithBom};
        return std::nullopt;
    }
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        const bool little = bytes.startsWith("\xFF\xFE");
        if (auto text = strictly(QStringDecoder(little ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE),
                                 bytes.sliced(2)))
            return Decoded{*text, little ? Encoding::Utf16LittleEndian : Encoding::Utf16BigEndian};
        return std::nullopt;
    }
    if (bytes.contains('\0'))
        return std::nullopt;
    if (auto text = strictly(QStringDecoder(QStringDecoder::Utf8), bytes))
        return Decoded{*text, Encoding::Utf8};
    if (auto text = sjis::decodeStrict(bytes))
        return Decoded{*text, Encoding::ShiftJis};
    return std::nullopt;
}

Table parse(QStringView text)
{
    Table table;
    table.separator = separatorOf(text);
    const QChar separator = table.separator;
    int line = 1;
    Row row{line, {}};
    QString cellText;
    bool quoted = false;
    bool cellStart = true;
    bool rowHasContent = false;
    int quoteLine = 0;
    const auto endCell = [&] {
        row.cells << cellText;
        cellText.clear();
        cellStart = true;
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
        if (c == u'"' && cellStart) {
            quoted = true;
            cellStart = false;
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
            cellStart = false;
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
