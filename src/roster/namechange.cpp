#include "namechange.h"

#include "namecheck.h"
#include "rosterfile.h"
#include "rosterlock.h"
#include "savefile.h"
#include "sjis.h"

#include <QDir>
#include <QStringList>
#include <QThread>

#include <algorithm>

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

Boxes boxesOf(const RosterEntry &entry)
{
    return Boxes{entry.trimmedName(), QString::number(entry.birthYear)};
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
        boxes.push_back(boxesOf(*entry));
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

SaveResult save(const QString &rosterPath, const std::vector<Boxes> &loaded, const std::vector<Boxes> &typed,
                const std::function<void()> &wait)
{
    if (const auto problem = namecheck::firstProblem(typed))
        return {false, false, {}, problem->message};

    struct Edit
    {
        int row = 0;
        QString name;
        std::int16_t birthYear = 0;
    };
    std::vector<Edit> edits;
    const int count = std::min({static_cast<int>(loaded.size()), static_cast<int>(typed.size()), kEditableEntries});
    for (int i = 0; i < count; ++i) {
        const Boxes &box = typed[static_cast<std::size_t>(i)];
        const QString name = storedName(box.name);
        if (!storable(name))
            return {false, false, {}, QStringLiteral("「%1」には名簿ファイルに書けない文字があります。").arg(name)};
        const std::optional<std::int16_t> year = storedBirthYear(box.birthYear);
        if (!year)
            return {false, false, {}, QStringLiteral("生まれた年「%1」は大きすぎます。").arg(box.birthYear.trimmed())};
        const Boxes &before = loaded[static_cast<std::size_t>(i)];
        if (name != storedName(before.name) || year != storedBirthYear(before.birthYear))
            edits.push_back({i, name, *year});
    }
    if (edits.empty())
        return {true, false, {}, QString()};

    RosterLock lock(rosterPath);
    const RosterLock::Outcome locked = lock.take(kLockAttempts, wait ? wait : [] {
        QThread::msleep(kLockWaitMilliseconds);
    });
    if (locked == RosterLock::Outcome::Busy)
        return {false, false, {},
                QStringLiteral("ほかの人が名簿ファイル %1 を書きかえている最中なので、変更できませんでした。"
                               "少ししてから、もう一度「変更」を押してください。")
                    .arg(shown(rosterPath))};
    if (locked == RosterLock::Outcome::Failed)
        return {false, false, {},
                QStringLiteral("名簿ファイルの鍵 %1 が使えないため、変更できませんでした（%2）。先生に知らせてください。")
                    .arg(shown(RosterLock::lockPath(rosterPath)), lock.error())};

    RosterFile roster = RosterFile::read(rosterPath);
    if (!roster.found())
        return {false, false, {}, QStringLiteral("名簿ファイル %1 がないため、変更できません。").arg(shown(rosterPath))};
    if (!roster.problems().empty() && roster.lines().empty())
        return {false, false, {}, roster.problems().front().text()};

    std::vector<int> changedElsewhere;
    bool changedAny = false;
    for (const Edit &edit : edits) {
        const RosterEntry *current = roster.entry(edit.row);
        if (current && edit.name == current->trimmedName() && edit.birthYear == current->birthYear)
            continue; // already so, whoever wrote it
        if (!current || boxesOf(*current) != loaded[static_cast<std::size_t>(edit.row)]) {
            changedElsewhere.push_back(edit.row);
            continue;
        }
        RosterEntry changed = *current;
        changed.name = edit.name;
        changed.birthYear = edit.birthYear;
        roster.replaceEntry(edit.row, changed);
        changedAny = true;
    }

    if (changedAny) {
        const savefile::Outcome written = savefile::replace(rosterPath, roster.encode());
        if (!written.saved)
            return {false, false, {},
                    QStringLiteral("名簿ファイル %1 を書けませんでした（%2）。名簿は元のままです。")
                        .arg(shown(rosterPath), written.error)};
    }
    if (changedElsewhere.empty())
        return {true, changedAny, {}, QString()};
    QStringList rows;
    for (const int row : changedElsewhere)
        rows << QStringLiteral("%1番目").arg(row + 1);
    return {false, changedAny, changedElsewhere,
            QStringLiteral("上から%1の人は、この画面を開いたあとで、ほかの人が名簿ファイルを書きかえていたので、"
                           "変更しませんでした。いまの名簿を表示します。変えたいときは、もう一度入力してください。")
                .arg(rows.join(QStringLiteral("と")))};
}

} // namespace namechange
