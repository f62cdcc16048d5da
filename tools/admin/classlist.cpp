#include "classlist.h"

#include "birthdate.h"
#include "classmap.h"
#include "installation.h"
#include "namechange.h"
#include "rosterentry.h"
#include "sjis.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include <array>

namespace classlist {

namespace {

class Text
{
    Q_DECLARE_TR_FUNCTIONS(ClassList)
};

enum class Field { Number, Name, FamilyName, GivenName, Birth, ClassName, Grade, Group };

struct HeaderWord
{
    const char16_t *word;
    Field field;
    int preference; // lower is preferred when a header has several words of one field
};

const std::array<HeaderWord, 21> kHeaderWords{{
    {u"出席番号", Field::Number, 0},  {u"番号", Field::Number, 1},    {u"no", Field::Number, 2},
    {u"番", Field::Number, 2},        {u"学籍番号", Field::Number, 3}, {u"氏名", Field::Name, 0},
    {u"名前", Field::Name, 1},        {u"児童名", Field::Name, 1},    {u"生徒名", Field::Name, 1},
    {u"児童氏名", Field::Name, 1},    {u"生徒氏名", Field::Name, 1},  {u"姓", Field::FamilyName, 0},
    {u"氏", Field::FamilyName, 1},    {u"名", Field::GivenName, 0},   {u"生年月日", Field::Birth, 0},
    {u"誕生日", Field::Birth, 0},     {u"生年", Field::Birth, 1},     {u"生まれた年", Field::Birth, 1},
    {u"クラス", Field::ClassName, 0}, {u"学年", Field::Grade, 0},     {u"組", Field::Group, 0},
}};

// A header cell as it is compared: folded, without spaces, case, a final "." or a bracketed note.
QString headerKey(const QString &cell)
{
    static const QRegularExpression spaces(QStringLiteral("\\s+"));
    static const QRegularExpression note(QStringLiteral("[(\\[].*[)\\]]$"));
    QString key = cell.normalized(QString::NormalizationForm_KC).remove(spaces).toLower();
    key.remove(note);
    while (key.endsWith(u'.'))
        key.chop(1);
    if (key == u"学級")
        key = QStringLiteral("クラス");
    return key;
}

struct Column
{
    qsizetype at = -1;
    int preference = 0;
    QString word; // as the header spells it
    bool twice = false;
};

struct Header
{
    std::array<Column, 8> columns;

    Column &operator[](Field f) { return columns[static_cast<std::size_t>(f)]; }
    const Column &operator[](Field f) const { return columns[static_cast<std::size_t>(f)]; }
    bool has(Field f) const { return (*this)[f].at >= 0; }
    bool names() const { return has(Field::Name) || (has(Field::FamilyName) && has(Field::GivenName)); }
};

Header headerOf(const spreadsheetcsv::Row &row)
{
    Header header;
    for (qsizetype i = 0; i < row.cells.size(); ++i) {
        const QString key = headerKey(row.cells[i]);
        for (const HeaderWord &w : kHeaderWords) {
            if (key != QStringView(w.word))
                continue;
            Column &c = header[w.field];
            if (c.at < 0 || w.preference < c.preference) {
                c = Column{i, w.preference, row.cells[i].trimmed(), false};
            } else if (w.preference == c.preference) {
                c.twice = true;
            }
        }
    }
    return header;
}

// A list number: digits, perhaps full-width, perhaps followed by "番".
std::optional<int> listNumber(const QString &cell)
{
    QString text = cell.normalized(QString::NormalizationForm_KC).trimmed();
    if (text.endsWith(u'番'))
        text.chop(1);
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,9}$"));
    if (!digits.match(text).hasMatch())
        return std::nullopt;
    return text.toInt();
}

QString unstorable(const QString &text)
{
    QString bad;
    for (const QChar c : text) {
        if (sjis::decode(sjis::encode(QString(c))) != QString(c) && !bad.contains(c))
            bad += c;
    }
    return bad;
}

// The first control character of text (NUL, a tab, a line break, DEL, ...) as "U+0009"; empty
// when there is none. A name never holds one: it would cut or split the roster's line.
QString firstControl(const QString &text)
{
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Control)
            return QStringLiteral("U+") + QStringLiteral("%1").arg(c.unicode(), 4, 16, QChar(u'0')).toUpper();
    }
    return {};
}

// "6年" → "6", "1組" → "1": the class columns as the class name uses them.
QString withoutSuffix(const QString &cell, QChar suffix)
{
    QString text = ClassMap::normalLabel(cell);
    if (text.size() > 1 && text.endsWith(suffix))
        text.chop(1);
    return text;
}

} // namespace

int ClassList::badLines() const
{
    QSet<int> lines;
    for (const Problem &p : problems)
        lines.insert(p.line);
    return static_cast<int>(lines.size());
}

ClassList read(const spreadsheetcsv::Table &table, const Rules &rules)
{
    ClassList result;
    if (table.unclosedQuoteLine > 0)
        result.problems.push_back({table.unclosedQuoteLine, Text::tr("a quoted cell is never closed")});

    std::size_t headerRow = 0;
    Header header;
    bool found = false;
    for (std::size_t r = 0; r < table.rows.size() && r < static_cast<std::size_t>(kHeaderSearchRows); ++r) {
        header = headerOf(table.rows[r]);
        if (header.has(Field::Number) && header.names()) {
            headerRow = r;
            found = true;
            break;
        }
    }
    if (!found) {
        result.problems.push_back(
            {0, Text::tr("no header row in the first %1 rows names the number (出席番号, 番号, No) and the name "
                         "(氏名, 名前, 児童名, 生徒名) of the pupils")
                    .arg(kHeaderSearchRows)});
        return result;
    }
    const spreadsheetcsv::Row &headerCells = table.rows[headerRow];
    result.headerLine = headerCells.line;
    if (!header.has(Field::Birth)) {
        result.problems.push_back(
            {headerCells.line, Text::tr("the header has no column for the birth (生年月日, 誕生日 or 生年)")});
        return result;
    }
    for (const Field f : {Field::Number, Field::Name, Field::FamilyName, Field::GivenName, Field::Birth,
                          Field::ClassName, Field::Grade, Field::Group}) {
        if (header.has(f) && header[f].twice)
            result.problems.push_back(
                {headerCells.line, Text::tr("the header has two columns \"%1\"").arg(header[f].word)});
    }
    if (!result.problems.empty())
        return result;
    const bool joinedName = !header.has(Field::Name);
    for (const Field f : {Field::ClassName, Field::Grade, Field::Group, Field::Number, Field::Name,
                          Field::FamilyName, Field::GivenName, Field::Birth}) {
        if (header.has(f) && !(joinedName && f == Field::Name) && !(!joinedName && (f == Field::FamilyName || f == Field::GivenName)))
            result.columns << header[f].word;
    }

    struct Seen
    {
        int line = 0;
    };
    QHash<QString, Seen> lineOfNumber; // "class\tnumber"
    for (std::size_t r = headerRow + 1; r < table.rows.size(); ++r) {
        const spreadsheetcsv::Row &row = table.rows[r];
        const auto cellOf = [&](Field f) {
            const qsizetype i = header[f].at;
            return i >= 0 && i < row.cells.size() ? row.cells[i] : QString();
        };
        const QString numberCell = cellOf(Field::Number).trimmed();
        QString typedName;
        if (joinedName) {
            const QString family = cellOf(Field::FamilyName).trimmed();
            const QString given = cellOf(Field::GivenName).trimmed();
            typedName = family.isEmpty() || given.isEmpty() ? family + given : family + QStringLiteral("　") + given;
        } else {
            typedName = cellOf(Field::Name).trimmed();
        }
        const QString birthCell = cellOf(Field::Birth).trimmed();
        if (numberCell.isEmpty() && typedName.isEmpty() && birthCell.isEmpty())
            continue;

        QStringList reasons;
        QString label;
        if (header.has(Field::ClassName)) {
            label = ClassMap::normalLabel(cellOf(Field::ClassName));
        } else {
            const QString grade = withoutSuffix(cellOf(Field::Grade), u'年');
            const QString group = withoutSuffix(cellOf(Field::Group), u'組');
            label = grade.isEmpty() || group.isEmpty() ? grade + group : grade + u'-' + group;
        }
        if (!label.isEmpty()) {
            if (const QString why = ClassMap::labelProblem(label); !why.isEmpty())
                reasons << why;
        }

        const std::optional<int> number = listNumber(numberCell);
        const QString numberKey = label + u'\t' + QString::number(number.value_or(0));
        if (!number || *number < 1 || *number > kMaxPupil) {
            reasons << Text::tr("%1 \"%2\" is not a whole number from 1 to %3")
                           .arg(header[Field::Number].word, numberCell)
                           .arg(kMaxPupil);
        } else if (const auto earlier = lineOfNumber.constFind(numberKey); earlier != lineOfNumber.constEnd()) {
            reasons << (label.isEmpty() ? Text::tr("%1 %2 is already on line %3")
                                              .arg(header[Field::Number].word)
                                              .arg(*number)
                                              .arg(earlier->line)
                                        : Text::tr("%1 %2 of the class %3 is already on line %4")
                                              .arg(header[Field::Number].word)
                                              .arg(*number)
                                              .arg(label)
                                              .arg(earlier->line));
        }

        const QString nameWord = joinedName ? header[Field::FamilyName].word + header[Field::GivenName].word
                                            : header[Field::Name].word;
        const QString typed = rules.formulaEscaped ? spreadsheetcsv::unescapedCell(typedName) : typedName;
        QString name;
        if (typed.isEmpty()) {
            reasons << Text::tr("%1 is empty").arg(nameWord);
        } else if (const QString control = firstControl(typed); !control.isEmpty()) {
            reasons << Text::tr("%1 holds a control character (%2)").arg(nameWord, control);
        } else if (typed.size() > RosterEntry::kTextWidth) {
            reasons << Text::tr("%1 \"%2\" is longer than %3 characters").arg(nameWord, typed).arg(RosterEntry::kTextWidth);
        } else {
            name = namechange::storedName(typed);
            if (const QString bad = unstorable(name); !bad.isEmpty())
                reasons << Text::tr("%1 \"%2\" holds characters that Shift-JIS cannot store: %3").arg(nameWord, name, bad);
        }

        const QString birthWord = header[Field::Birth].word;
        const std::optional<birthdate::Birth> birth = birthdate::read(birthCell, rules.yearStartMonth);
        if (!birth) {
            reasons << Text::tr("%1 \"%2\" is neither a year nor a date (2013, 2013/4/5, 2013年4月5日, "
                                "平成25年4月5日, H25.4.5)")
                           .arg(birthWord, birthCell);
        } else if (birth->year < rules.currentYear - kOldestAge || birth->year > rules.currentYear) {
            reasons << Text::tr("%1 \"%2\" is not a birth from %3 to %4")
                           .arg(birthWord, birthCell)
                           .arg(rules.currentYear - kOldestAge)
                           .arg(rules.currentYear);
        }

        if (number && *number >= 1 && *number <= kMaxPupil && !lineOfNumber.contains(numberKey))
            lineOfNumber.insert(numberKey, Seen{row.line});
        if (!reasons.isEmpty()) {
            result.problems.push_back({row.line, reasons.join(Text::tr("; ", "between the faults of one line"))});
            continue;
        }
        result.entries.push_back(Entry{row.line, *number, name, birth->year, birth->date, label});
    }
    return result;
}

} // namespace classlist
