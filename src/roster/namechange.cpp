#include "namechange.h"

#include "namecheck.h"
#include "rosterfile.h"
#include "savefile.h"
#include "sjis.h"

#include <QDir>

#include <cmath>
#include <limits>

namespace namechange {

namespace {

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

bool storable(const QString &text)
{
    return sjis::decode(sjis::encode(text)) == text;
}

} // namespace

std::vector<Boxes> load(const QString &rosterPath)
{
    const RosterFile roster = RosterFile::read(rosterPath);
    std::vector<Boxes> boxes;
    for (int i = 0; i < kEditableEntries; ++i) {
        const RosterEntry *entry = roster.entry(i);
        if (!entry)
            break;
        boxes.push_back(Boxes{entry->trimmedName(), QString::number(entry->birthYear)});
    }
    return boxes;
}

QString storedName(const QString &typed)
{
    QString name = typed;
    name.replace(u'"', u'”');
    for (QChar &c : name) {
        if (c == u'\r' || c == u'\n' || c == u'\t')
            c = u' ';
    }
    return name.trimmed().left(RosterEntry::kTextWidth);
}

std::optional<std::int16_t> storedBirthYear(const QString &typed)
{
    const QString text = typed.normalized(QString::NormalizationForm_KC).trimmed();
    qsizetype end = 0;
    if (end < text.size() && (text[end] == u'-' || text[end] == u'+'))
        ++end;
    const qsizetype digitsFrom = end;
    while (end < text.size() && text[end].isDigit() && text[end].unicode() < 0x80)
        ++end;
    if (end < text.size() && text[end] == u'.') {
        ++end;
        while (end < text.size() && text[end].isDigit() && text[end].unicode() < 0x80)
            ++end;
    }
    bool ok = false;
    const double value = end > digitsFrom ? text.left(end).toDouble(&ok) : 0.0;
    if (!ok)
        return std::int16_t{0};
    const double year = std::nearbyint(value);
    if (year < std::numeric_limits<std::int16_t>::min() || year > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(year);
}

SaveResult save(const QString &rosterPath, const std::vector<Boxes> &boxes)
{
    if (const auto problem = namecheck::firstProblem(boxes))
        return {false, false, problem->message};
    RosterFile roster = RosterFile::read(rosterPath);
    if (!roster.found())
        return {false, false, QStringLiteral("名簿ファイル %1 がないため、変更できません。").arg(shown(rosterPath))};
    if (!roster.problems().empty() && roster.lines().empty())
        return {false, false, roster.problems().front().text()};

    bool changedAny = false;
    const int count = std::min(static_cast<int>(boxes.size()), kEditableEntries);
    for (int i = 0; i < count; ++i) {
        const RosterEntry *current = roster.entry(i);
        if (!current)
            break;
        const Boxes &box = boxes[static_cast<std::size_t>(i)];
        const QString name = storedName(box.name);
        if (!storable(name))
            return {false, false, QStringLiteral("「%1」には名簿ファイルに書けない文字があります。").arg(name)};
        const std::optional<std::int16_t> year = storedBirthYear(box.birthYear);
        if (!year)
            return {false, false, QStringLiteral("生まれた年「%1」は大きすぎます。").arg(box.birthYear.trimmed())};
        if (name == current->trimmedName() && *year == current->birthYear)
            continue;
        RosterEntry changed = *current;
        changed.name = name;
        changed.birthYear = *year;
        roster.replaceEntry(i, changed);
        changedAny = true;
    }
    if (!changedAny)
        return {true, false, QString()};

    const savefile::Outcome written = savefile::replace(rosterPath, roster.encode());
    if (!written.saved)
        return {false, false,
                QStringLiteral("名簿ファイル %1 を書けませんでした（%2）。名簿は元のままです。")
                    .arg(shown(rosterPath), written.error)};
    return {true, true, QString()};
}

} // namespace namechange
