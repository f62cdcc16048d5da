#pragma once

#include <QString>

#include <vector>

// What the level screen knows about the roster: the pupils listed on the start screen, in list
// order, and by roster number (0 to 5000) each pupil's name, full-width grade label and birth
// year. Whoever owns the roster copies its tables in at each activation; the lists never read
// the roster file themselves.
class PupilDirectory
{
public:
    // schoolYear: the current school year, the base of every pupil's grade.
    explicit PupilDirectory(int schoolYear = 0);

    // pupil 0 to 5000; other numbers are ignored. name as the roster holds it (it may be padded
    // with blanks); gradeLabel such as "小６", or empty.
    void setPupil(int pupil, const QString &name, int birthYear, const QString &gradeLabel = {});
    // Roster numbers of the listed pupils in start-screen order.
    void setListed(std::vector<int> pupils);

    // Roster numbers the report panel offers: the roster's entries with list flag 0, in file order.
    void setReportPupils(std::vector<int> pupils);

    const std::vector<int> &listed() const { return m_listed; }
    const std::vector<int> &reportPupils() const { return m_reportPupils; }
    int schoolYear() const { return m_schoolYear; }

    // A number the roster does not hold reads as an empty name, empty label and birth year 0.
    QString name(int pupil) const;
    QString gradeLabel(int pupil) const;
    int birthYear(int pupil) const;
    // School grade: schoolYear − birth year − 6, so 1 is the first year of primary school.
    int grade(int pupil) const;

private:
    struct Entry
    {
        QString name;
        QString gradeLabel;
        int birthYear = 0;
    };

    const Entry *entry(int pupil) const;

    int m_schoolYear = 0;
    std::vector<Entry> m_entries;
    std::vector<int> m_listed;
    std::vector<int> m_reportPupils;
};
