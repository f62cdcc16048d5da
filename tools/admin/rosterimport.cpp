#include "rosterimport.h"

#include "installation.h"
#include "rosterentry.h"
#include "rosterfile.h"
#include "rosterlock.h"
#include "savefile.h"
#include "systemerror.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>

#include <cerrno>
#include <algorithm>
#include <map>

namespace rosterimport {

namespace {

class Text
{
    Q_DECLARE_TR_FUNCTIONS(RosterImport)
};

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// Two spellings of one name: the same after folding compatibility forms and dropping spaces, so
// that "山田 花子" and "山田　花子" are one pupil.
bool sameName(const QString &a, const QString &b)
{
    static const QRegularExpression spaces(QStringLiteral("\\s+"));
    return a.normalized(QString::NormalizationForm_KC).remove(spaces)
           == b.normalized(QString::NormalizationForm_KC).remove(spaces);
}

// The entries of one class of the list (or of no class), in file order.
struct Group
{
    QString label;
    std::vector<const classlist::Entry *> entries;
    int size = 0; // the highest list number
};

std::vector<Group> groupsOf(const std::vector<classlist::Entry> &entries, const QString &defaultLabel)
{
    std::vector<Group> groups;
    for (const classlist::Entry &e : entries) {
        const QString label = e.classLabel.isEmpty() ? defaultLabel : e.classLabel;
        auto group = std::find_if(groups.begin(), groups.end(), [&](const Group &g) { return g.label == label; });
        if (group == groups.end())
            group = groups.insert(groups.end(), Group{label, {}, 0});
        group->entries.push_back(&e);
        group->size = std::max(group->size, e.number);
    }
    return groups;
}

// The lowest first number of a block of `size` numbers that meets no class but `label` and no
// number the roster uses; 0 when there is none.
int firstFreeBlock(const ClassMap &classes, const std::vector<bool> &used, int size, const QString &label)
{
    for (int first = 1; first + size - 1 <= kMaxPupil; ++first) {
        const int last = first + size - 1;
        if (const ClassMap::Class *other = classes.overlapping(first, last, label)) {
            first = other->last;
            continue;
        }
        bool free = true;
        for (int n = first; n <= last && free; ++n) {
            if (used[static_cast<std::size_t>(n)]) {
                free = false;
                first = n;
            }
        }
        if (free)
            return first;
    }
    return 0;
}

QString classNamed(const QString &label)
{
    return label.isEmpty() ? Text::tr("the list without class") : Text::tr("the class %1").arg(label);
}

} // namespace

Plan plan(RosterFile &roster, const ClassMap &classes, const std::vector<classlist::Entry> &entries,
          const Options &options, const RunCounts &runs)
{
    Plan result;
    result.classes = classes;

    // The pupil of each roster number: the first line that holds it.
    QHash<int, int> entryOfNumber;
    std::vector<bool> used(kMaxPupil + 1, false);
    {
        int index = 0;
        for (const RosterFile::Line &line : roster.lines()) {
            if (!line.entry)
                continue;
            if (!entryOfNumber.contains(line.entry->rosterNo))
                entryOfNumber.insert(line.entry->rosterNo, index);
            used[static_cast<std::size_t>(line.entry->rosterNo)] = true;
            ++index;
        }
    }

    int nextNew = options.numberFrom.value_or(1); // where the next new class of the list starts
    std::map<int, const classlist::Entry *> placedNumbers;
    std::vector<std::pair<const classlist::Entry *, int>> placements; // entry, roster number
    int largest = 0;
    QString largestLabel;
    for (const Group &group : groupsOf(entries, options.classLabel)) {
        if (group.size > largest) {
            largest = group.size;
            largestLabel = group.label;
        }
        const ClassMap::Class *known = group.label.isEmpty() ? nullptr : classes.find(group.label);
        int first = 0;
        if (group.label.isEmpty()) {
            first = options.numberFrom.value_or(1);
        } else if (known) {
            first = known->first;
            if (options.numberFrom && *options.numberFrom != first) {
                result.refusals.push_back(Text::tr("the class %1 holds the numbers from %2 on (%3); it keeps them, so "
                                                   "--number-from %4 cannot move it")
                                              .arg(group.label)
                                              .arg(first)
                                              .arg(shown(classes.filePath()))
                                              .arg(*options.numberFrom));
                continue;
            }
        } else {
            first = nextNew;
            nextNew = first + group.size;
        }
        const int last = first + group.size - 1;
        if (last > kMaxPupil) {
            result.refusals.push_back(Text::tr("%1 would need the numbers %2 to %3, but the roster's numbers end at %4")
                                          .arg(classNamed(group.label))
                                          .arg(first)
                                          .arg(last)
                                          .arg(kMaxPupil));
            continue;
        }
        if (!group.label.isEmpty()) {
            const ClassMap::Class block{group.label, first, std::max(last, known ? known->last : 0)};
            if (const ClassMap::Class *other = result.classes.overlapping(block.first, block.last, block.label)) {
                result.refusals.push_back(Text::tr("the class %1 would take the numbers %2 to %3, which meet those of the "
                                                   "class %4 (%5 to %6)")
                                              .arg(block.label)
                                              .arg(block.first)
                                              .arg(block.last)
                                              .arg(other->label)
                                              .arg(other->first)
                                              .arg(other->last));
                continue;
            }
            if (!known || !(*known == block))
                result.classesChanged = true;
            result.classes.set(block);
            result.placed.push_back(block);
        } else {
            result.placed.push_back(ClassMap::Class{QString(), first, last});
        }
        for (const classlist::Entry *e : group.entries) {
            const int rosterNo = first + e->number - 1;
            if (const auto other = placedNumbers.find(rosterNo); other != placedNumbers.end()) {
                result.refusals.push_back(Text::tr("lines %1 and %2 of the list would both be number %3")
                                              .arg(other->second->line)
                                              .arg(e->line)
                                              .arg(rosterNo));
                continue;
            }
            placedNumbers.emplace(rosterNo, e);
            placements.emplace_back(e, rosterNo);
        }
    }
    result.firstFree = largest > 0 ? firstFreeBlock(result.classes, used, largest, largestLabel) : 0;
    if (result.classesChanged && !classes.problems().empty())
        result.refusals.push_back(Text::tr("the class map %1 has damaged lines (listed above); mend or remove them first, "
                                           "so that writing it loses nothing")
                                      .arg(shown(classes.filePath())));

    for (const auto &[e, rosterNo] : placements) {
        Change change{e->line, rosterNo, e->classLabel.isEmpty() ? options.classLabel : e->classLabel, e->number,
                      e->name, e->birthYear, e->born, QString(), 0, 0};
        const auto found = entryOfNumber.constFind(rosterNo);
        if (found == entryOfNumber.constEnd()) {
            result.added.push_back(change);
            continue;
        }
        const RosterEntry &current = *roster.entry(*found);
        change.nameNow = current.trimmedName();
        change.birthYearNow = current.birthYear;
        change.runs = runs ? runs(rosterNo) : 0;
        if (change.nameNow.isEmpty() || sameName(change.nameNow, change.name)) {
            if (change.nameNow.isEmpty() || current.birthYear != change.birthYear)
                result.updated.push_back(change);
            else
                ++result.unchanged;
        } else if (options.rename) {
            result.renamed.push_back(change);
        } else {
            result.conflicts.push_back(change);
        }
    }
    if (result.blocked())
        return result;

    for (const Change &c : result.added) {
        RosterEntry added;
        added.rosterNo = static_cast<std::int16_t>(c.rosterNo);
        added.birthYear = static_cast<std::int16_t>(c.birthYear);
        added.extra1 = QStringLiteral("0");
        added.extra2 = QStringLiteral("0");
        added.name = c.name;
        roster.appendEntry(added);
    }
    for (const std::vector<Change> *changes : {&result.updated, &result.renamed}) {
        for (const Change &c : *changes) {
            const int index = entryOfNumber.value(c.rosterNo);
            RosterEntry changed = *roster.entry(index);
            // A name that differs only in its spaces stays as the roster spells it.
            if (changes == &result.renamed || changed.trimmedName().isEmpty())
                changed.name = c.name;
            changed.birthYear = static_cast<std::int16_t>(c.birthYear);
            roster.replaceEntry(index, changed);
        }
    }
    return result;
}

Written replace(const QString &rosterPath, const QString &backupPath, const QByteArray *oldRoster,
                const QByteArray &newRoster)
{
    const savefile::Outcome roster = savefile::replace(rosterPath, newRoster);
    if (!roster.saved)
        return {false, Text::tr("cannot write %1 (%2); the roster is unchanged").arg(shown(rosterPath), roster.error)};
    if (!oldRoster || oldRoster->isEmpty())
        return {true, QString()};
    const savefile::Outcome backup = savefile::replace(backupPath, *oldRoster);
    if (!backup.saved)
        return {true, Text::tr("the roster %1 is written, but the old roster cannot be kept as %2 (%3); %2 still holds "
                               "an older roster")
                          .arg(shown(rosterPath), shown(backupPath), backup.error)};
    return {true, QString()};
}

Imported importInto(const QString &rosterPath, const QString &backupPath, const std::vector<classlist::Entry> &entries,
                    const Options &options, const RunCounts &runs, const std::function<void()> &wait)
{
    Imported imported;
    RosterLock lock(rosterPath);
    const RosterLock::Outcome locked = lock.take(kLockAttempts, wait);
    if (locked != RosterLock::Outcome::Locked) {
        imported.message =
            locked == RosterLock::Outcome::Busy
                ? Text::tr("the roster %1 stayed locked by another writer; the roster is unchanged").arg(shown(rosterPath))
                : Text::tr("cannot lock %1 (%2); the roster is unchanged")
                      .arg(shown(RosterLock::lockPath(rosterPath)), lock.error());
        return imported;
    }
    std::optional<QByteArray> oldBytes;
    if (QFileInfo::exists(rosterPath)) {
        QFile old(rosterPath);
        errno = 0;
        if (!old.open(QIODevice::ReadOnly)) {
            imported.message =
                Text::tr("cannot read %1 (%2); the roster is unchanged").arg(shown(rosterPath), systemerror::describe(old, errno));
            return imported;
        }
        oldBytes = old.readAll();
    }
    RosterFile roster = RosterFile::parse(oldBytes.value_or(QByteArray()), rosterPath);
    const QString classesPath = ClassMap::pathBeside(rosterPath);
    const ClassMap classes = ClassMap::read(classesPath);
    imported.plan = plan(roster, classes, entries, options, runs);
    if (imported.plan.blocked())
        return imported;

    if (imported.plan.classesChanged) {
        const savefile::Outcome written = savefile::replace(classesPath, imported.plan.classes.encode());
        if (!written.saved) {
            imported.message = Text::tr("cannot write %1 (%2); the roster and its classes are unchanged")
                                   .arg(shown(classesPath), written.error);
            return imported;
        }
        imported.written = true;
    }
    if (!imported.plan.changesRoster())
        return imported;
    const Written written = replace(rosterPath, backupPath, oldBytes ? &*oldBytes : nullptr, roster.encode());
    imported.written = imported.written || written.written;
    imported.message = written.message;
    return imported;
}

} // namespace rosterimport
