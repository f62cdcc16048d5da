#pragma once

#include <QList>
#include <QString>

#include <optional>
#include <vector>

class ClassMap;
class QuestionBank;
class RosterFile;
class WeakFigures;

// The worksheet of the figures a pupil or a class misses most: the 20 at the top of the weak
// figures (wrong choices and wrong years together, see missedBefore) that the question file still
// holds, missed most first.
namespace weaksheet {

inline constexpr int kFigures = 20;

// Whose figures a weak sheet takes: one pupil, or the block of roster numbers of a class.
struct Target
{
    QString caption;    // as the picker shows it: "6-1組" or "12 山田花子"
    int pupil = 0;      // roster number; 0 for a class
    QString classLabel; // the class's label; empty for a pupil
    int first = 0;      // the class's roster numbers
    int last = 0;

    bool operator==(const Target &) const = default;
};

// The classes of the class map in file order, then the pupils of the roster who are listed (or
// listed when status 2 shows) by roster number, each once.
std::vector<Target> targets(const RosterFile &roster, const ClassMap &classes);

// The rows of the bank that hold the figures missed most, missed most first, at most kFigures;
// a figure the file no longer holds is passed over, and one row is taken once.
QList<int> topRows(const QuestionBank &bank, const WeakFigures &figures);

// What the sheet says when there is nothing to print: no answer record of the target yet, or
// none missed. Empty when there are rows.
QString nothingToPrint(const Target &target, const WeakFigures &figures, const QList<int> &rows);

} // namespace weaksheet
