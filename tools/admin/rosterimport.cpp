#include "rosterimport.h"

#include "installation.h"
#include "namechange.h"
#include "rosterentry.h"
#include "rosterfile.h"
#include "rosterlock.h"
#include "savefile.h"
#include "sjis.h"
#include "spreadsheetcsv.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include <optional>

namespace rosterimport {

namespace {

constexpr qsizetype kMissing = -1;

std::optional<int> wholeNumber(const QString &cell)
{
    const QString text = cell.normalized(QString::NormalizationForm_KC).trimmed();
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,9}$"));
    if (!digits.match(text).hasMatch())
        return std::nullopt;
    return text.toInt();
}

bool blank(const QStringList &cells)
{
    for (const QString &c : cells) {
        if (!c.trimmed().isEmpty())
            return false;
    }
    return true;
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

} // namespace

Checked check(QByteArrayView csv, int currentYear)
{
    Checked result;
    const spreadsheetcsv::Table table = spreadsheetcsv::parse(spreadsheetcsv::decode(csv));
    if (table.unclosedQuoteLine > 0)
        result.problems.push_back({table.unclosedQuoteLine, QStringLiteral("a quoted cell is never closed")});

    qsizetype at = 0;
    while (at < static_cast<qsizetype>(table.rows.size()) && blank(table.rows[static_cast<std::size_t>(at)].cells))
        ++at;
    if (at == static_cast<qsizetype>(table.rows.size())) {
        result.problems.push_back({0, QStringLiteral("there is no header row (番号, 氏名, 生年)")});
        return result;
    }
    const spreadsheetcsv::Row &header = table.rows[static_cast<std::size_t>(at)];
    QStringList names;
    for (const QString &c : header.cells)
        names << c.trimmed();
    const auto columnOf = [&](const QString &name) -> qsizetype {
        const qsizetype first = names.indexOf(name);
        if (first < 0) {
            result.problems.push_back({header.line, QStringLiteral("the header has no column %1").arg(name)});
            return kMissing;
        }
        if (names.indexOf(name, first + 1) >= 0) {
            result.problems.push_back({header.line, QStringLiteral("the header has two columns %1").arg(name)});
            return kMissing;
        }
        return first;
    };
    const qsizetype numberAt = columnOf(kNumberColumn);
    const qsizetype nameAt = columnOf(kNameColumn);
    const qsizetype yearAt = columnOf(kBirthYearColumn);
    if (numberAt == kMissing || nameAt == kMissing || yearAt == kMissing)
        return result;

    QHash<int, int> lineOfNumber;
    for (std::size_t r = static_cast<std::size_t>(at) + 1; r < table.rows.size(); ++r) {
        const spreadsheetcsv::Row &row = table.rows[r];
        if (blank(row.cells))
            continue;
        const auto cellAt = [&](qsizetype i) { return i < row.cells.size() ? row.cells[i] : QString(); };
        QStringList reasons;

        const std::optional<int> number = wholeNumber(cellAt(numberAt));
        if (!number || *number < 1 || *number > kMaxPupil) {
            reasons << QStringLiteral("番号 \"%1\" is not a whole number from 1 to %2").arg(cellAt(numberAt).trimmed()).arg(kMaxPupil);
        } else if (const auto earlier = lineOfNumber.constFind(*number); earlier != lineOfNumber.constEnd()) {
            reasons << QStringLiteral("番号 %1 is already on line %2").arg(*number).arg(*earlier);
        }

        const QString typed = spreadsheetcsv::unescapedCell(cellAt(nameAt).trimmed());
        QString name;
        if (typed.isEmpty()) {
            reasons << QStringLiteral("氏名 is empty");
        } else if (const QString control = firstControl(typed); !control.isEmpty()) {
            reasons << QStringLiteral("氏名 holds a control character (%1)").arg(control);
        } else if (typed.size() > RosterEntry::kTextWidth) {
            reasons << QStringLiteral("氏名 \"%1\" is longer than %2 characters").arg(typed).arg(RosterEntry::kTextWidth);
        } else {
            name = namechange::storedName(typed);
            if (const QString bad = unstorable(name); !bad.isEmpty())
                reasons << QStringLiteral("氏名 \"%1\" holds characters that Shift-JIS cannot store: %2").arg(name, bad);
        }

        const std::optional<int> year = wholeNumber(cellAt(yearAt));
        if (!year || *year < currentYear - kOldestAge || *year > currentYear)
            reasons << QStringLiteral("生年 \"%1\" is not a year from %2 to %3")
                           .arg(cellAt(yearAt).trimmed())
                           .arg(currentYear - kOldestAge)
                           .arg(currentYear);

        if (number && *number >= 1 && *number <= kMaxPupil && !lineOfNumber.contains(*number))
            lineOfNumber.insert(*number, row.line);
        if (!reasons.isEmpty()) {
            result.problems.push_back({row.line, reasons.join(QStringLiteral("; "))});
            continue;
        }
        result.pupils.push_back(Pupil{row.line, *number, name, *year});
    }
    return result;
}

Merged merge(RosterFile &roster, const std::vector<Pupil> &pupils)
{
    QHash<int, int> entryOfNumber;
    int index = 0;
    for (const RosterFile::Line &line : roster.lines()) {
        if (!line.entry)
            continue;
        if (!entryOfNumber.contains(line.entry->rosterNo))
            entryOfNumber.insert(line.entry->rosterNo, index);
        ++index;
    }

    Merged merged;
    for (const Pupil &pupil : pupils) {
        const auto found = entryOfNumber.constFind(pupil.number);
        if (found == entryOfNumber.constEnd()) {
            RosterEntry added;
            added.rosterNo = static_cast<std::int16_t>(pupil.number);
            added.birthYear = static_cast<std::int16_t>(pupil.birthYear);
            added.extra1 = QStringLiteral("0");
            added.extra2 = QStringLiteral("0");
            added.name = pupil.name;
            roster.appendEntry(added);
            entryOfNumber.insert(pupil.number, index++);
            ++merged.added;
            continue;
        }
        const RosterEntry &current = *roster.entry(*found);
        if (current.trimmedName() == pupil.name && current.birthYear == pupil.birthYear) {
            ++merged.unchanged;
            continue;
        }
        RosterEntry changed = current;
        changed.name = pupil.name;
        changed.birthYear = static_cast<std::int16_t>(pupil.birthYear);
        roster.replaceEntry(*found, changed);
        ++merged.updated;
    }
    return merged;
}

Written replace(const QString &rosterPath, const QString &backupPath, const QByteArray *oldRoster,
                const QByteArray &newRoster)
{
    const savefile::Outcome roster = savefile::replace(rosterPath, newRoster);
    if (!roster.saved)
        return {false, QStringLiteral("cannot write %1 (%2); the roster is unchanged")
                           .arg(QDir::toNativeSeparators(rosterPath), roster.error)};
    if (!oldRoster || oldRoster->isEmpty())
        return {true, QString()};
    const savefile::Outcome backup = savefile::replace(backupPath, *oldRoster);
    if (!backup.saved)
        return {true, QStringLiteral("the roster %1 is written, but the old roster cannot be kept as %2 (%3); "
                                     "%2 still holds an older roster")
                          .arg(QDir::toNativeSeparators(rosterPath), QDir::toNativeSeparators(backupPath), backup.error)};
    return {true, QString()};
}

Imported importInto(const QString &rosterPath, const QString &backupPath, const std::vector<Pupil> &pupils,
                    const std::function<void()> &wait)
{
    Imported imported;
    RosterLock lock(rosterPath);
    const RosterLock::Outcome locked = lock.take(kLockAttempts, wait);
    if (locked != RosterLock::Outcome::Locked) {
        imported.message = locked == RosterLock::Outcome::Busy
                               ? QStringLiteral("the roster %1 stayed locked by another writer; the roster is unchanged")
                                     .arg(QDir::toNativeSeparators(rosterPath))
                               : QStringLiteral("cannot lock %1 (%2); the roster is unchanged")
                                     .arg(QDir::toNativeSeparators(RosterLock::lockPath(rosterPath)), lock.error());
        return imported;
    }
    std::optional<QByteArray> oldBytes;
    if (QFileInfo::exists(rosterPath)) {
        QFile old(rosterPath);
        if (!old.open(QIODevice::ReadOnly)) {
            imported.message = QStringLiteral("cannot read %1 (%2); the roster is unchanged")
                                   .arg(QDir::toNativeSeparators(rosterPath), old.errorString());
            return imported;
        }
        oldBytes = old.readAll();
    }
    RosterFile roster = RosterFile::parse(oldBytes.value_or(QByteArray()), rosterPath);
    imported.merged = merge(roster, pupils);
    if (imported.merged.added == 0 && imported.merged.updated == 0)
        return imported;
    const Written written = replace(rosterPath, backupPath, oldBytes ? &*oldBytes : nullptr, roster.encode());
    imported.written = written.written;
    imported.message = written.message;
    return imported;
}

QByteArray exportCsv(const RosterFile &roster)
{
    QString text = QStringList{kNumberColumn, kNameColumn, kBirthYearColumn}.join(u',') + QStringLiteral("\r\n");
    QSet<int> written;
    for (const RosterFile::Line &line : roster.lines()) {
        if (!line.entry || written.contains(line.entry->rosterNo))
            continue;
        written.insert(line.entry->rosterNo);
        text += QString::number(line.entry->rosterNo) + u',' + spreadsheetcsv::cell(line.entry->trimmedName()) + u','
                + QString::number(line.entry->birthYear) + QStringLiteral("\r\n");
    }
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

} // namespace rosterimport
