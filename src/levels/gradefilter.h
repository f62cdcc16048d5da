#pragma once

#include <QString>
#include <QStringList>

// The school-grade rules of the result lists. A grade is the school grade number: 1 to 6
// primary, 7 to 9 lower secondary, anything else outside both.

// The mark in front of a name: "①".."⑥" for grades 1 to 6, "Ⅰ".."Ⅲ" for 7 to 9, otherwise a
// full-width blank.
QString GradeMark(int grade);

// Whether a pupil of the grade is listed under the grade filter text: "全学年" and "家族" pass
// everyone, "小学生全体" grades 1-6, "中学生全体" 7-9, "小１".."小６" and "中１".."中３" one grade;
// any other text passes no one.
bool GradePasses(int grade, const QString &filter);

// The filter texts the level screen offers, in its order.
QStringList gradeFilterChoices();
