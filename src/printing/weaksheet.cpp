#include "weaksheet.h"

#include "classmap.h"
#include "questionbank.h"
#include "questionidentity.h"
#include "rosterfile.h"
#include "weakfigures.h"

#include <QSet>

#include <algorithm>

namespace weaksheet {

std::vector<Target> targets(const RosterFile &roster, const ClassMap &classes)
{
    std::vector<Target> result;
    for (const ClassMap::Class &c : classes.classes())
        result.push_back(Target{c.label + QStringLiteral("組"), 0, c.label, c.first, c.last});
    std::vector<Target> pupils;
    QSet<int> seen;
    for (const RosterFile::Line &line : roster.lines()) {
        if (!line.entry || seen.contains(line.entry->rosterNo))
            continue;
        seen.insert(line.entry->rosterNo);
        if (line.entry->listFlag != 0 && line.entry->listFlag != 2)
            continue;
        const int no = line.entry->rosterNo;
        pupils.push_back(Target{QString::number(no) + u' ' + line.entry->trimmedName(), no, QString(), no, no});
    }
    std::sort(pupils.begin(), pupils.end(), [](const Target &a, const Target &b) { return a.pupil < b.pupil; });
    result.insert(result.end(), pupils.begin(), pupils.end());
    return result;
}

QList<int> topRows(const QuestionBank &bank, const WeakFigures &figures)
{
    QList<int> rows;
    for (const WeakFigure &figure : figures.missedMost(0)) {
        const std::optional<Question> q =
            questionidentity::find(bank, figure.key.group, figure.key.line, figure.key.nameHash);
        if (!q || rows.contains(q->line))
            continue;
        rows.append(q->line);
        if (rows.size() == kFigures)
            break;
    }
    return rows;
}

QString nothingToPrint(const Target &target, const WeakFigures &figures, const QList<int> &rows)
{
    if (!rows.isEmpty())
        return {};
    const QString who = target.pupil > 0 ? target.caption.section(u' ', 1) + QStringLiteral("さん") : target.caption;
    if (figures.rowsCounted() == 0)
        return QStringLiteral("%1の解答の記録はまだありません。\nテストを受けると記録されます。").arg(who);
    if (figures.missedMost(1).empty())
        return QStringLiteral("%1がまちがえた問題はまだありません。").arg(who);
    return QStringLiteral("%1がまちがえた問題は、いまの問題ファイルにはありません。").arg(who);
}

} // namespace weaksheet
