#include "pupilreport.h"

#include "pupildirectory.h"

#include <algorithm>

void PupilReport::open(const PupilDirectory &pupils, int levelCount, int currentPupil, const QString &currentName)
{
    m_view = PupilReportView{};
    m_currentPupil = currentPupil;
    m_view.reportPupil = currentPupil;
    m_view.printVisible = currentName.contains(QStringLiteral("先生"));
    for (int level = 1; level <= levelCount; ++level)
        m_view.levelRows.append(QString::number(level));
    m_rowPupils.clear();
    for (const int pupil : pupils.reportPupils()) {
        m_rowPupils.push_back(pupil);
        m_view.pupilRows.append(pupils.gradeLabel(pupil) + QStringLiteral(" /  ") + pupils.name(pupil).trimmed() +
                                u'/' + QString::number(pupil));
    }
}

ReportRequest PupilReport::showGraph()
{
    m_view.reportPupil = m_currentPupil;
    m_view.pupilListVisible = false;
    m_view.othersButtonVisible = true;
    m_view.selectedPupilRows.clear();
    m_view.selectedLevels.clear();
    for (int level = 1; level <= std::min<int>(3, static_cast<int>(m_view.levelRows.size())); ++level)
        m_view.selectedLevels.push_back(level);
    return request();
}

void PupilReport::showOthers()
{
    m_view.pupilListVisible = true;
    m_view.othersButtonVisible = false;
}

void PupilReport::selectLevels(std::vector<int> levels)
{
    const int count = static_cast<int>(m_view.levelRows.size());
    std::erase_if(levels, [count](int level) { return level < 1 || level > count; });
    std::sort(levels.begin(), levels.end());
    levels.erase(std::unique(levels.begin(), levels.end()), levels.end());
    m_view.selectedLevels = std::move(levels);
}

void PupilReport::selectPupilRows(std::vector<int> rows)
{
    const int count = static_cast<int>(m_rowPupils.size());
    std::erase_if(rows, [count](int row) { return row < 0 || row >= count; });
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    m_view.selectedPupilRows = std::move(rows);
}

ReportRequest PupilReport::request()
{
    ReportRequest r;
    r.levels = m_view.selectedLevels;
    for (const int row : m_view.selectedPupilRows)
        r.pupils.push_back(m_rowPupils[static_cast<std::size_t>(row)]);
    if (r.pupils.empty())
        r.pupils.push_back(m_view.reportPupil);
    m_view.reportPupil = r.pupils.back();
    m_view.panelVisible = true;
    return r;
}

void PupilReport::hide()
{
    m_view.panelVisible = false;
}
