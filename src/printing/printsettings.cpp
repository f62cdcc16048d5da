#include "printsettings.h"

#include "datafileerror.h"
#include "questionbank.h"

#include <algorithm>
#include <utility>

PrintSettings::PrintSettings(QString appFolder, RandomSource &random)
    : m_appFolder(std::move(appFolder))
    , m_random(random)
{
}

void PrintSettings::load()
{
    m_view.groupEntries.clear();
    for (int entry = 1; entry <= worksheettable::kGroupEntries; ++entry)
        m_view.groupEntries.append(QString::number(entry));
    m_view.selectedGroups = {1};
    build();
}

void PrintSettings::selectGroups(QList<int> groups)
{
    groups.removeIf([](int g) { return g < 1 || g > worksheettable::kGroupEntries; });
    std::sort(groups.begin(), groups.end());
    groups.erase(std::unique(groups.begin(), groups.end()), groups.end());
    m_view.selectedGroups = std::move(groups);
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

void PrintSettings::build()
{
    const WorksheetChoice choice{m_view.selectedGroups, m_view.mode, m_view.shuffle};
    QString problem;
    try {
        const QuestionBank bank = QuestionBank::load(m_appFolder + QStringLiteral("Morvidかな0.csv"));
        Worksheet sheet = worksheettable::build(bank, choice, m_random);
        m_handover = std::move(sheet.table);
        m_view.selectedCount = sheet.selectedCount;
    } catch (const DataFileError &e) {
        problem = e.text();
        m_handover = worksheettable::empty();
        m_view.selectedCount = 0;
    }
    m_view.problemIsNew = !problem.isEmpty() && problem != m_view.problem;
    m_view.problem = problem;
    m_view.printable = problem.isEmpty();
}
