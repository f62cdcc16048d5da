#include "birthdate.h"

#include "schoolyear.h"

#include <QRegularExpression>

#include <array>

namespace birthdate {

namespace {

struct Era
{
    const char16_t *name;
    char16_t letter;
    int firstYear; // the Western year of the era's first year (元年)
};

const std::array<Era, 5> kEras{{
    {u"明治", u'M', 1868},
    {u"大正", u'T', 1912},
    {u"昭和", u'S', 1926},
    {u"平成", u'H', 1989},
    {u"令和", u'R', 2019},
}};

std::optional<int> eraFirstYear(const QString &name)
{
    for (const Era &era : kEras) {
        if (name == QStringView(era.name) || (name.size() == 1 && name[0].toUpper() == QChar(era.letter)))
            return era.firstYear;
    }
    return std::nullopt;
}

std::optional<QDate> validDate(int year, int month, int day)
{
    const QDate date(year, month, day);
    return date.isValid() ? std::optional<QDate>(date) : std::nullopt;
}

} // namespace

std::optional<Written> parse(const QString &cell)
{
    static const QRegularExpression time(QStringLiteral("\\s+\\d{1,2}:\\d{2}(:\\d{2})?$"));
    static const QRegularExpression spaces(QStringLiteral("\\s+"));
    QString text = cell.normalized(QString::NormalizationForm_KC).trimmed();
    text.remove(time);
    text.remove(spaces);
    if (text.isEmpty())
        return std::nullopt;

    static const QRegularExpression bareYear(QStringLiteral("^(\\d{4})年?$"));
    static const QRegularExpression compact(QStringLiteral("^(\\d{4})(\\d{2})(\\d{2})$"));
    static const QRegularExpression western(
        QStringLiteral("^(\\d{4})(?:([/.\\-])(\\d{1,2})\\2(\\d{1,2})|年(\\d{1,2})月(\\d{1,2})日?)$"));
    static const QRegularExpression era(QStringLiteral(
        "^(明治|大正|昭和|平成|令和|[MTSHRmtshr])(\\d{1,2}|元)(?:年?|(?:([/.\\-])(\\d{1,2})\\3(\\d{1,2})|年(\\d{1,2})月(\\d{1,2})日?))$"));

    if (const auto m = bareYear.match(text); m.hasMatch())
        return Written{std::nullopt, m.captured(1).toInt()};
    if (const auto m = compact.match(text); m.hasMatch()) {
        if (const auto date = validDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt()))
            return Written{date, date->year()};
        return std::nullopt;
    }
    if (const auto m = western.match(text); m.hasMatch()) {
        const bool slashed = !m.captured(2).isEmpty();
        const int year = m.captured(1).toInt();
        const int month = (slashed ? m.captured(3) : m.captured(5)).toInt();
        const int day = (slashed ? m.captured(4) : m.captured(6)).toInt();
        if (const auto date = validDate(year, month, day))
            return Written{date, year};
        return std::nullopt;
    }
    if (const auto m = era.match(text); m.hasMatch()) {
        const std::optional<int> first = eraFirstYear(m.captured(1));
        const int eraYear = m.captured(2) == u"元" ? 1 : m.captured(2).toInt();
        if (!first || eraYear < 1)
            return std::nullopt;
        const int year = *first + eraYear - 1;
        const bool slashed = !m.captured(3).isEmpty();
        const QString monthText = slashed ? m.captured(4) : m.captured(6);
        if (monthText.isEmpty())
            return Written{std::nullopt, year};
        const QString dayText = slashed ? m.captured(5) : m.captured(7);
        if (const auto date = validDate(year, monthText.toInt(), dayText.toInt()))
            return Written{date, year};
        return std::nullopt;
    }
    return std::nullopt;
}

std::optional<Birth> read(const QString &cell, int yearStartMonth)
{
    const std::optional<Written> written = parse(cell);
    if (!written)
        return std::nullopt;
    if (!written->date)
        return Birth{written->year, std::nullopt};
    return Birth{rosterBirthYear(*written->date, yearStartMonth), written->date};
}

} // namespace birthdate
