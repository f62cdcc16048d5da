#include "weaklist.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace {

class Text
{
    Q_DECLARE_TR_FUNCTIONS(WeakList)
};

// Columns a character takes in a monospace print face: two for full-width characters.
int columnsOf(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x1100)
        return 1;
    if (u >= 0xFF61 && u <= 0xFF9F) // half-width katakana
        return 1;
    return 2;
}

int columnsOf(const QString &text)
{
    int n = 0;
    for (const QChar c : text)
        n += columnsOf(c);
    return n;
}

QString cutTo(const QString &text, int columns)
{
    QString out;
    int used = 0;
    for (const QChar c : text) {
        if (used + columnsOf(c) > columns)
            break;
        used += columnsOf(c);
        out += c;
    }
    return out;
}

QString padRight(const QString &text, int columns)
{
    return text + QString(std::max(0, columns - columnsOf(text)), u' ');
}

QString padLeft(const QString &text, int columns)
{
    return QString(std::max(0, columns - columnsOf(text)), u' ') + text;
}

} // namespace

namespace weaklist {

QString heading()
{
    return QStringLiteral("苦手な人物");
}

QString unknownName(const QuestionKey &key)
{
    return Text::tr("(not in the question file: group %1, line %2)").arg(key.group).arg(key.line);
}

QStringList headers()
{
    return {Text::tr("Rank"),         Text::tr("Figure"),       Text::tr("Wrong choices"), Text::tr("Wrong years"),
            Text::tr("Missed"),       Text::tr("Times asked"),  Text::tr("Pupils missed"), Text::tr("Share")};
}

QString shareText(const WeakFigure &figure)
{
    const int percent = static_cast<int>(std::lround(figure.missShare() * 100.0));
    return QStringLiteral("%1/%2 (%3%)").arg(figure.pupilsMissed).arg(figure.pupilsSeen).arg(percent);
}

QStringList cells(const WeakListEntry &entry, int rank)
{
    const WeakFigure &f = entry.figure;
    return {QString::number(rank),         entry.name,
            QString::number(f.wrongChoices), QString::number(f.wrongYears),
            QString::number(f.missed()),     QString::number(f.timesSeen),
            QStringLiteral("%1/%2").arg(f.pupilsMissed).arg(f.pupilsSeen),
            QStringLiteral("%1%").arg(std::lround(f.missShare() * 100.0))};
}

QStringList tableLines(const WeakList &list, int nameColumns)
{
    std::vector<QStringList> rows{headers()};
    for (std::size_t i = 0; i < list.entries.size(); ++i) {
        QStringList c = cells(list.entries[i], static_cast<int>(i) + 1);
        c[1] = cutTo(c[1], nameColumns);
        rows.push_back(c);
    }
    std::vector<int> widths(static_cast<std::size_t>(rows.front().size()), 0);
    for (const QStringList &r : rows) {
        for (qsizetype k = 0; k < r.size(); ++k)
            widths[static_cast<std::size_t>(k)] = std::max(widths[static_cast<std::size_t>(k)], columnsOf(r[k]));
    }
    QStringList lines;
    for (const QStringList &r : rows) {
        QStringList parts;
        for (qsizetype k = 0; k < r.size(); ++k) {
            const int w = widths[static_cast<std::size_t>(k)];
            parts << (k == 1 ? padRight(r[k], w) : padLeft(r[k], w));
        }
        QString line = parts.join(QStringLiteral("  "));
        while (line.endsWith(u' '))
            line.chop(1);
        lines << line;
    }
    return lines;
}

QStringList panelLines(const std::vector<WeakListEntry> &entries)
{
    QStringList lines;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const WeakFigure &f = entries[i].figure;
        lines << QStringLiteral("%1 %2").arg(i + 1).arg(entries[i].name)
              << QStringLiteral("　選択×%1　年代×%2").arg(f.wrongChoices).arg(f.wrongYears);
    }
    return lines;
}

} // namespace weaklist
