#include "printsettings.h"

#include "classmap.h"
#include "datafileerror.h"
#include "questionbank.h"
#include "rosterfile.h"
#include "weakfigures.h"

#include <algorithm>
#include <utility>

PrintSettings::PrintSettings(QString appFolder, RandomSource &random)
    : m_appFolder(std::move(appFolder))
    , m_random(random)
{
}

PrintSettings::PrintSettings(const Folders &folders, const Clock &clock, RandomSource &random,
                             RecordCallbacks callbacks, const QString &userName)
    : m_appFolder(folders.appFolder)
    , m_folders(folders)
    , m_teacher(offersWeakTo(userName))
    , m_clock(&clock)
    , m_callbacks(std::move(callbacks))
    , m_random(random)
{
}

bool PrintSettings::offersWeakTo(const QString &userName)
{
    return userName.contains(QStringLiteral("先生"));
}

void PrintSettings::load()
{
    m_view.groupEntries.clear();
    for (int entry = 1; entry <= worksheettable::kGroupEntries; ++entry)
        m_view.groupEntries.append(QString::number(entry));
    m_view.selectedGroups = {1};
    m_view.weakOffered = m_folders.has_value() && m_teacher;
    m_targets.clear();
    if (m_view.weakOffered) {
        m_targets = weaksheet::targets(RosterFile::read(RosterFile::path(*m_folders)),
                                       ClassMap::read(ClassMap::path(*m_folders)));
    }
    m_view.weakEntries.clear();
    for (const weaksheet::Target &t : m_targets)
        m_view.weakEntries.append(t.caption);
    m_view.weakEntry = m_targets.empty() ? -1 : 0;
    build();
}

void PrintSettings::selectGroups(QList<int> groups)
{
    groups.removeIf([](int g) { return g < 1 || g > worksheettable::kGroupEntries; });
    std::sort(groups.begin(), groups.end());
    groups.erase(std::unique(groups.begin(), groups.end()), groups.end());
    m_view.selectedGroups = std::move(groups);
    m_view.source = SheetSource::Groups;
    build();
}

void PrintSettings::chooseMode(HideMode mode)
{
    m_view.mode = mode;
    build();
}

void PrintSettings::setShuffle(bool shuffle)
{
    m_view.shuffle = shuffle;
    build();
}

void PrintSettings::shuffleAgain()
{
    build();
}

void PrintSettings::chooseSource(SheetSource source)
{
    if (source == SheetSource::Weak && !m_view.weakOffered)
        return;
    m_view.source = source;
    m_announce = true;
    build();
}

void PrintSettings::chooseWeakEntry(int entry)
{
    if (entry < 0 || entry >= static_cast<int>(m_targets.size()))
        return;
    m_view.weakEntry = entry;
    m_view.source = SheetSource::Weak;
    m_announce = true;
    build();
}

QList<int> PrintSettings::weakRows(const QuestionBank &bank, QString *problem, QString *notice) const
{
    if (m_view.weakEntry < 0 || !m_folders || !m_clock) {
        *notice = QStringLiteral("名簿に生徒がいません。");
        return {};
    }
    const weaksheet::Target &target = m_targets[static_cast<std::size_t>(m_view.weakEntry)];
    const WeakFilter filter =
        target.pupil > 0 ? WeakFilter::pupil(target.pupil) : WeakFilter::pupilRange(target.first, target.last);
    const std::optional<WeakFigures> figures = ReadWeakFigures(*m_folders, filter, *m_clock, m_callbacks, problem);
    if (!figures)
        return {};
    const QList<int> rows = weaksheet::topRows(bank, *figures);
    *notice = weaksheet::nothingToPrint(target, *figures, rows);
    return rows;
}

void PrintSettings::build()
{
    const WorksheetChoice choice{m_view.selectedGroups, m_view.mode, m_view.shuffle};
    QString problem;
    QString notice;
    try {
        const QuestionBank bank = QuestionBank::load(m_appFolder + QStringLiteral("Morvidかな0.csv"));
        Worksheet sheet;
        if (m_view.source == SheetSource::Weak)
            sheet = worksheettable::buildOfRows(bank, weakRows(bank, &problem, &notice), choice, m_random);
        else
            sheet = worksheettable::build(bank, choice, m_random);
        m_handover = std::move(sheet.table);
        m_view.selectedCount = sheet.selectedCount;
    } catch (const DataFileError &e) {
        problem = e.text();
        m_handover = worksheettable::empty();
        m_view.selectedCount = 0;
    }
    m_view.problemIsNew = !problem.isEmpty() && problem != m_view.problem;
    m_view.problem = problem;
    m_view.weakNoticeIsNew = !notice.isEmpty() && (m_announce || notice != m_view.weakNotice);
    m_view.weakNotice = notice;
    m_announce = false;
    m_view.printable = problem.isEmpty() && (m_view.source == SheetSource::Groups || m_view.selectedCount > 0);
}
