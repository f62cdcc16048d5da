#pragma once

#include "answerlog.h"
#include "oadate.h"
#include "questionfile.h"
#include "questionidentity.h"
#include "tempinstall.h"

#include <QByteArray>
#include <QDate>
#include <QString>

#include <gtest/gtest.h>

// Worksheets of weak figures: a question file of `count` figures "人物<line>" (line L in group
// 1 + L mod 2, year 600 + L) and answer records of pupils on them, written into a TempInstall
// of folder mode 1 (the answer log beside the run log in the program folder).
namespace weakanswers {

inline void writeQuestions(const TempInstall &install, int count)
{
    QString plain;
    for (int i = 1; i <= count; ++i)
        plain += QStringLiteral("%1,%2,%3,人物%1,よみ%1,説明%1,補足%1／ｅｎｄ／\n").arg(i).arg(1 + i % 2).arg(600 + i);
    const questionfile::Scrambled stored = questionfile::scramble(plain);
    ASSERT_TRUE(stored.problems.isEmpty());
    install.writeBytes(QStringLiteral("drill2/Morvidかな0vv.ccc"), stored.stored);
}

// One answer record of `pupil` on the figure of line `line` (named "人物<line>" unless `name`
// says otherwise), on `date` at level 2.
inline QByteArray record(QDate date, int pupil, int line, int wrongChoices, int wrongYears,
                         const QString &name = QString())
{
    QuestionAnswers answers;
    answers.group = 1 + line % 2;
    answers.line = line;
    answers.nameHash = questionidentity::nameHash(name.isEmpty() ? QStringLiteral("人物%1").arg(line) : name);
    answers.wrongChoices = wrongChoices;
    answers.wrongYears = wrongYears;
    answers.asked = 1 + wrongChoices;
    answers.cleared = true;
    return AnswerRecord::forRun(oadate::fromDate(date), 0.5, static_cast<std::int16_t>(pupil), 2, answers,
                                QStringLiteral("01234"))
        .encode();
}

inline const QDate kDay{2026, 12, 9};

// 30 figures; pupil 3 (class 6-1, roster numbers 1 to 10) missed figure L L times (choices) for
// L up to 25, and figure 30 forty times (years); a figure no longer in the file ("消えた人物" at
// line 99) a hundred times. Pupil 12 (class 6-2, 11 to 20) missed figures 1 to 5 fifty times
// each. Pupil 7 has no record. So pupil 3's top 20 are figures 30 and 25 down to 7.
inline void writeClass(const TempInstall &install)
{
    writeQuestions(install, 30);
    install.writeText(QStringLiteral("files/生徒用名簿.txt"),
                      QStringLiteral("3,2014,0,0,\"山田太郎\",0,\"\",\"\"\r\n"
                                     "7,2014,0,0,\"佐藤花子\",0,\"\",\"\"\r\n"
                                     "12,2014,0,0,\"鈴木一郎\",0,\"\",\"\"\r\n"));
    install.writeText(QStringLiteral("files/生徒用名簿クラス.txt"), QStringLiteral("\"6-1\",1,10\r\n\"6-2\",11,20\r\n"));
    QByteArray log;
    for (int line = 1; line <= 25; ++line)
        log += record(kDay, 3, line, line, 0);
    log += record(kDay, 3, 26, 0, 0); // seen, never missed
    log += record(kDay.addDays(-3), 3, 30, 0, 40);
    log += record(kDay, 3, 99, 100, 0, QStringLiteral("消えた人物"));
    for (int line = 1; line <= 5; ++line)
        log += record(kDay, 12, line, 50, 0);
    install.writeBytes(QStringLiteral("drill2/解答累積データ.dat"), log);
}

// Pupil 3's top 20, missed most first.
inline QStringList pupil3Top()
{
    QStringList names{QStringLiteral("人物30")};
    for (int line = 25; line >= 7; --line)
        names << QStringLiteral("人物%1").arg(line);
    return names;
}

} // namespace weakanswers
