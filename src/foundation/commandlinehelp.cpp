#include "commandlinehelp.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace commandlinehelp {

namespace {

class Text
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

// The texts QCommandLineParser shows (its help's headings, its errors) are in our catalogue too,
// so that a Japanese help and its errors need no catalogue of Qt's, and so that the headings are
// the words help2man looks for in a Japanese page (使用法, オプション).
[[maybe_unused]] const char *const kParserTexts[] = {
    QT_TRANSLATE_NOOP("QCommandLineParser", "Usage: %1"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Options:"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Arguments:"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "[options]"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unknown option '%1'."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unknown options: %1."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Missing value after '%1'."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unexpected value after '%1'."),
};

// Characters a terminal shows two columns wide (the CJK ranges a class list's help uses).
bool wide(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 0x1100 && u <= 0x115F) || (u >= 0x2E80 && u <= 0xA4CF) || (u >= 0xAC00 && u <= 0xD7A3)
           || (u >= 0xF900 && u <= 0xFAFF) || (u >= 0xFE30 && u <= 0xFE4F) || (u >= 0xFF00 && u <= 0xFF60)
           || (u >= 0xFFE0 && u <= 0xFFE6);
}

// Characters that never begin a line of Japanese text.
bool closing(QChar c)
{
    return QStringView(u"、。，．）」』】・ー：；？！").contains(c) || QStringView(u",.;:)").contains(c);
}

// Characters that never end one.
bool opening(QChar c)
{
    return QStringView(u"（「『【(").contains(c);
}

// A paragraph broken into lines of at most `width` columns: between words, and between any two
// wide characters except before a closing mark.
QString wrapped(const QString &paragraph, int width)
{
    QString out;
    QString line;
    int columns = 0;
    qsizetype lastBreak = -1; // in line: where it may be broken
    for (qsizetype i = 0; i < paragraph.size(); ++i) {
        const QChar c = paragraph[i];
        const int w = wide(c) ? 2 : 1;
        if (c == u' ' || (wide(c) && !line.isEmpty() && !closing(c) && !opening(line.back())))
            lastBreak = line.size();
        if (columns + w > width && lastBreak > 0) {
            QString done = line.left(lastBreak);
            while (done.endsWith(u' '))
                done.chop(1);
            out += done + u'\n';
            line = line.mid(lastBreak);
            if (line.startsWith(u' '))
                line.remove(0, 1);
            columns = 0;
            for (const QChar k : line)
                columns += wide(k) ? 2 : 1;
            lastBreak = -1;
        }
        if (c == u' ' && line.isEmpty())
            continue;
        line += c;
        columns += w;
    }
    return out + line;
}

} // namespace

QString wrap(const QString &text, int width)
{
    QStringList lines = text.split(u'\n');
    for (QString &l : lines) {
        // Lines that are laid out already (indented lists) stay as they are.
        if (!l.startsWith(u' '))
            l = wrapped(l, width);
    }
    return lines.join(u'\n');
}

QString versionText(const QString &program)
{
    return QStringLiteral("%1 (Tavrel) %2\n").arg(program, QStringLiteral(TAVREL_VERSION));
}

QString usageLine(const QString &call)
{
    return QCoreApplication::translate("QCommandLineParser", "Usage: %1").arg(call);
}

QString helpText(const QCommandLineParser &parser, const QString &call, const QString &sections)
{
    QString text = parser.helpText();
    const qsizetype firstLineEnd = text.indexOf(u'\n');
    text.replace(0, firstLineEnd < 0 ? text.size() : firstLineEnd, usageLine(call));
    // The description comes as the parser was given it; the options it lays out itself.
    const QString description = parser.applicationDescription();
    if (!description.isEmpty())
        text.replace(text.indexOf(description), description.size(), wrap(description, kWidth));
    if (!sections.isEmpty())
        text += u'\n' + wrap(sections, kWidth);
    return text;
}

QString exitStatusSection(const QString &done, const QString &failed)
{
    return Text::tr("Exit status:") + u'\n' + QStringLiteral("  0  ") + done + u'\n' + QStringLiteral("  1  ") + failed
           + u'\n' + QStringLiteral("  2  ") + Text::tr("wrong call (unknown option, missing or extra argument)") + u'\n';
}

} // namespace commandlinehelp
