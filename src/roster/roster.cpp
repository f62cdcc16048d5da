#include "roster.h"

#include "installation.h"
#include "pupilsession.h"
#include "gradelabels.h"
#include "rosterfile.h"
#include "runstats.h"
#include "schoolyear.h"

#include <QtMath>

#include <algorithm>

namespace {

constexpr std::size_t kPupilSlots = static_cast<std::size_t>(kMaxPupil) + 1;

bool inRange(int pupil)
{
    return pupil >= 1 && pupil <= kMaxPupil;
}

} // namespace

Roster::Roster() = default;

void Roster::build(const RosterFile &file, const Installation &state, const QDate &today, const RunStats &stats,
                   FigureMode mode)
{
    m_schoolYear = schoolYearOf(today, state.yearStartMonth);
    m_mode = mode;
    m_rows.clear();
    m_listedPupils.clear();
    m_list.clear();
    // The tables reach as far as the highest roster number in the file: a small class does not
    // keep room for all 5,000.
    m_known.clear();
    m_names.clear();
    m_birthYears.clear();
    m_gradeLabels.clear();

    m_problems.clear();
    for (const DataFileError &problem : file.problems())
        m_problems.append(problem.text());

    std::vector<int> firstLine(kPupilSlots, 0);
    for (const RosterFile::Line &line : file.lines()) {
        if (!line.entry)
            continue;
        const RosterEntry &entry = *line.entry;
        const auto p = static_cast<std::size_t>(entry.rosterNo);
        if (p >= m_known.size()) {
            m_known.resize(p + 1, false);
            m_names.resize(p + 1);
            m_birthYears.resize(p + 1, 0);
            m_gradeLabels.resize(p + 1);
        }
        if (m_known[p]) {
            m_problems.append(DataFileError(file.filePath(), line.number,
                                            QStringLiteral("番号 %1 は %2 行目でも使われています。この行の生徒は使いません。")
                                                .arg(entry.rosterNo)
                                                .arg(firstLine[p]))
                                  .text());
            continue;
        }
        firstLine[p] = line.number;
        m_known[p] = true;
        m_names[p] = RosterEntry::padded(entry.name);
        m_birthYears[p] = entry.birthYear;
        const int grade = gradelabels::gradeNumber(m_schoolYear, entry.birthYear);
        m_gradeLabels[p] = gradelabels::fullWidthLabel(grade).value_or(QString());
        if (!entry.listed(state.showStatus2Pupils))
            continue;
        m_rows.push_back(entry);
        m_listedPupils.push_back(entry.rosterNo);
        m_list.push_back(ListRow{entry.rosterNo, entry.birthYear, gradelabels::listLabel(grade),
                                 entry.trimmedName(), listline::figuresOf(stats, entry.rosterNo), QString(), QString()});
    }
    layOutList();
}

void Roster::setFigureMode(FigureMode mode)
{
    m_mode = mode;
    layOutList();
}

void Roster::layOutList()
{
    for (ListRow &row : m_list) {
        row.text = listline::lineText(row.gradeLabel, row.trimmedName, row.figures, m_mode);
        row.sortKey = row.text + u'*' + QString::number(row.pupil);
    }
    // Youngest first; pupils born in the same year in descending order of their line text,
    // which is the shown text followed by "*" and the roster number.
    std::sort(m_list.begin(), m_list.end(), [](const ListRow &a, const ListRow &b) {
        if (a.birthYear != b.birthYear)
            return a.birthYear > b.birthYear;
        return QString::compare(a.sortKey, b.sortKey) > 0;
    });
}

bool Roster::knowsPupil(int pupil) const
{
    return inRange(pupil) && static_cast<std::size_t>(pupil) < m_known.size() && m_known[static_cast<std::size_t>(pupil)];
}

QString Roster::pupilName(int pupil) const
{
    return knowsPupil(pupil) ? m_names[static_cast<std::size_t>(pupil)] : QString();
}

std::int16_t Roster::pupilBirthYear(int pupil) const
{
    return knowsPupil(pupil) ? m_birthYears[static_cast<std::size_t>(pupil)] : std::int16_t{0};
}

QString Roster::pupilGradeLabel(int pupil) const
{
    return knowsPupil(pupil) ? m_gradeLabels[static_cast<std::size_t>(pupil)] : QString();
}

QStringList Roster::listItems() const
{
    QStringList items;
    items.reserve(static_cast<qsizetype>(m_list.size()) + 1);
    items.append(listline::kHeader);
    for (const ListRow &row : m_list)
        items.append(row.text);
    return items;
}

int Roster::pupilAtListRow(int row) const
{
    if (row < 1 || row > static_cast<int>(m_list.size()))
        return 0;
    return m_list[static_cast<std::size_t>(row - 1)].pupil;
}

NameChoice Roster::click(int listRow) const
{
    const int pupil = pupilAtListRow(listRow);
    if (pupil == 0)
        return NameChoice::none();
    return NameChoice{NameChoice::clickCaption(m_list[static_cast<std::size_t>(listRow - 1)].text), pupil};
}

NameChoice Roster::doubleClick(int listRow) const
{
    const int pupil = pupilAtListRow(listRow);
    if (pupil == 0)
        return NameChoice::none();
    return NameChoice{NameChoice::doubleClickCaption(m_list[static_cast<std::size_t>(listRow - 1)].text), pupil};
}

bool Roster::confirm(const NameChoice &choice, PupilSession &session, const QTime &now)
{
    if (!choice.confirmable() || !knowsPupil(choice.pupilNo))
        return false;
    session.startClock = qRound(now.msecsSinceStartOfDay() / 1000.0);
    session.pupilNo = static_cast<std::int16_t>(choice.pupilNo);
    session.pupilName = pupilName(choice.pupilNo);
    m_pupilGrade = pupilGradeLabel(choice.pupilNo);
    session.pupilGrade = m_pupilGrade;
    return true;
}

QStringList Roster::takeNewProblems()
{
    QStringList fresh;
    for (const QString &problem : std::as_const(m_problems)) {
        if (!m_problemsHandedOut.contains(problem)) {
            m_problemsHandedOut.insert(problem);
            fresh.append(problem);
        }
    }
    return fresh;
}
