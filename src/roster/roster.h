#pragma once

#include "listline.h"
#include "namechoice.h"
#include "rosterentry.h"

#include <QDate>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTime>

#include <cstdint>
#include <vector>

struct Installation;
struct PupilSession;
class RosterFile;
class RunStats;

// The roster as the screens use it: the pupils by roster number, the listed pupils, and the lines
// of the start screen's list with today's and overall figures. One object lives as long as the
// program; build() replaces everything from a fresh read of the roster file, so nothing of an
// earlier build (a pupil since removed, a grade since changed) lingers.
//
// Pupil numbers are 1 to 5000; asking about any other number, or a number the roster does not
// hold, gives an empty name, birth year 0 and an empty grade label.
class Roster
{
public:
    Roster();

    // Rebuilds the tables and the list from the roster read from disk and the statistics of the
    // last ComputeStats. The school year is that of `today` (the school year starts in
    // state.yearStartMonth). A roster number met a second time is reported, and its later
    // lines are not used: the first line of a number is the pupil.
    void build(const RosterFile &file, const Installation &state, const QDate &today, const RunStats &stats,
               FigureMode mode);

    // Shows other figures with the figures and pupils of the last build; the list is sorted again
    // because lines of pupils born in the same year are ordered by their whole text.
    void setFigureMode(FigureMode mode);
    FigureMode figureMode() const { return m_mode; }

    int schoolYear() const { return m_schoolYear; }

    // Listed pupils' entries in file order (row k − 1 holds row k), and their roster numbers.
    const std::vector<RosterEntry> &rosterRows() const { return m_rows; }
    const std::vector<int> &listedPupils() const { return m_listedPupils; }
    int listedPupilCount() const { return static_cast<int>(m_listedPupils.size()); }

    // By roster number, for every pupil of the roster, listed or not.
    bool knowsPupil(int pupil) const;
    QString pupilName(int pupil) const; // padded with spaces to 20 characters
    std::int16_t pupilBirthYear(int pupil) const;
    // "幼３", "小１".."小６", "中１".."中３", "高１"; empty for pupils outside those grades.
    QString pupilGradeLabel(int pupil) const;

    // The start screen's list: the header line, then one line per listed pupil, youngest first
    // (latest birth year first; within a year, descending by line text).
    QStringList listItems() const;
    // The roster number shown on a list row; 0 for the header and rows outside the list.
    int pupilAtListRow(int row) const;

    // A click on a list row, and a double click (which the screen confirms at once).
    NameChoice click(int listRow) const;
    NameChoice doubleClick(int listRow) const;

    // Fixes the chosen pupil as the one using the program: session.pupilNo, session.pupilName
    // (the 20-character name), session.startClock (whole seconds since midnight of `now`) and
    // session.pupilGrade. False, with nothing changed, when the choice is the prompt, empty, or names
    // no pupil of the roster; the screen then plays the wrong-answer sound.
    bool confirm(const NameChoice &choice, PupilSession &session, const QTime &now);
    // Grade label of the pupil last confirmed.
    const QString &pupilGrade() const { return m_pupilGrade; }

    // The problems of the roster file (damaged lines, repeated numbers) that this object has not
    // handed out before, as texts for a message. The start screen shows them once per program
    // start however often it rebuilds the list; a problem that appears later is handed out then.
    QStringList takeNewProblems();

private:
    struct ListRow
    {
        int pupil = 0;
        int birthYear = 0;
        QString gradeLabel;
        QString trimmedName;
        PupilFigures figures;
        QString text;
        QString sortKey; // text, "*" and the roster number
    };

    void layOutList();

    int m_schoolYear = 0;
    FigureMode m_mode = kStartFigureMode;
    std::vector<RosterEntry> m_rows;
    std::vector<int> m_listedPupils;
    std::vector<bool> m_known;
    std::vector<QString> m_names;
    std::vector<std::int16_t> m_birthYears;
    std::vector<QString> m_gradeLabels;
    std::vector<ListRow> m_list;
    QString m_pupilGrade;
    QStringList m_problems;
    QSet<QString> m_problemsHandedOut;
};
