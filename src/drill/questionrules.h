#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class RandomSource;

// The draws that make one test question, as pure functions of the random sequence.
namespace questionrules {

// How often one question may be placed as a wrong choice among the nine. With more than nine
// questions every wrong choice is a different question; with six to nine a question may appear
// twice. Smaller groups allow as many repeats as it takes to fill the nine slots, so drawing
// always ends.
int maxDistractorUse(int questionCount);

// Draws the question numbers (1-based) of the nine wrong choices for question `current`.
// Slots that cannot be filled (a group of one question) hold 0.
QList<int> drawDistractors(int questionCount, int current, RandomSource &random);

// The year as shown among the candidates: right-aligned in four characters.
QString yearText(int year);

// Puts year texts in the order the candidate list shows them: right-aligned texts compare
// character by character (so 794 comes before 1192), except that every negative year comes
// after the positive years below 100 and before those from 100 on, the one closest to 0 first.
// Compared as plain texts, "  -5" would land among the one- and two-digit years while " -50"
// lands after them.
void sortYearTexts(QStringList &texts);

// The six candidate years for a question of year y, as right-aligned four-character texts in the
// order the list shows them (sortYearTexts): four years more than 100 years away, one year 21 to
// 100 years away, and y itself.
QStringList drawCandidateYears(int y, RandomSource &random);

} // namespace questionrules
