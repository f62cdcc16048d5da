#include "pupildirectory.h"

#include "installation.h"

#include <utility>

PupilDirectory::PupilDirectory(int schoolYear)
    : m_schoolYear(schoolYear)
{
}

void PupilDirectory::setPupil(int pupil, const QString &name, int birthYear, const QString &gradeLabel)
{
    if (pupil < 0 || pupil > kMaxPupil)
        return;
    // The table reaches as far as the highest number set, not always to 5,000.
    if (static_cast<std::size_t>(pupil) >= m_entries.size())
        m_entries.resize(static_cast<std::size_t>(pupil) + 1);
    m_entries[static_cast<std::size_t>(pupil)] = Entry{name, gradeLabel, birthYear};
}

void PupilDirectory::setListed(std::vector<int> pupils)
{
    m_listed = std::move(pupils);
}

void PupilDirectory::setReportPupils(std::vector<int> pupils)
{
    m_reportPupils = std::move(pupils);
}

const PupilDirectory::Entry *PupilDirectory::entry(int pupil) const
{
    if (pupil < 0 || static_cast<std::size_t>(pupil) >= m_entries.size())
        return nullptr;
    return &m_entries[static_cast<std::size_t>(pupil)];
}

QString PupilDirectory::name(int pupil) const
{
    const Entry *e = entry(pupil);
    return e ? e->name : QString();
}

QString PupilDirectory::gradeLabel(int pupil) const
{
    const Entry *e = entry(pupil);
    return e ? e->gradeLabel : QString();
}

int PupilDirectory::birthYear(int pupil) const
{
    const Entry *e = entry(pupil);
    return e ? e->birthYear : 0;
}

int PupilDirectory::grade(int pupil) const
{
    return m_schoolYear - birthYear(pupil) - 6;
}
