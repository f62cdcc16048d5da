#pragma once

#include "weakfigures.h"

#include <QString>
#include <QStringList>

#include <vector>

// The list of the figures missed most, as the teachers' tool prints it, writes it as CSV and draws
// it on an A4 page, and as the pupil report panel shows its first lines. Names come from the
// question file (questionidentity::find); a question no longer in it is named by its group and
// line.
struct WeakListEntry
{
    QString name;
    WeakFigure figure;
};

struct WeakList
{
    QString title;   // "苦手な人物" and whom it is of: a pupil, a class, every pupil
    QString scope;   // the levels and days counted
    std::vector<WeakListEntry> entries; // missed most first
    std::int64_t rowsCounted = 0;
    int pupilsCounted = 0;
};

namespace weaklist {

// "苦手な人物".
QString heading();
// The name of a question the question file no longer holds.
QString unknownName(const QuestionKey &key);
// The column headers: rank, name, wrong choices, wrong years, together, times asked, pupils who
// missed it / pupils who had it, share.
QStringList headers();
// One entry's cells under headers(); rank counts from 1.
QStringList cells(const WeakListEntry &entry, int rank);
// "3/10 (30%)": pupils who missed it of those who had it, with the share rounded.
QString shareText(const WeakFigure &figure);
// The lines of the table for a monospace face: headers and entries in aligned columns (a full
// width character counts two columns), the name cut to `nameColumns`.
QStringList tableLines(const WeakList &list, int nameColumns = 24);
// The lines of the pupil report panel's block, two per figure: "1 源頼朝" and "　選択×3　年代×2".
QStringList panelLines(const std::vector<WeakListEntry> &entries);

} // namespace weaklist
