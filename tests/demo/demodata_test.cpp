// The demo installation as a new user meets it: staff show no grade, and a pupil who knows the
// answers can pass every test level.
#include "catalogue.h"
#include "gradefilter.h"
#include "gradelabels.h"

#include <QFile>
#include <QMap>
#include <QStringList>

#include <gtest/gtest.h>

namespace {

QStringList sourceLines(const char *name)
{
    QFile f(QStringLiteral(TAVREL_DEMO_SOURCES) + u'/' + QString::fromUtf8(name));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromUtf8(f.readAll()).split(u'\n', Qt::SkipEmptyParts);
    for (QString &line : lines)
        line.remove(u'\r');
    return lines;
}

// Seconds a run takes at the least for each question: the clue cover and the timeline cover.
constexpr double kCoverSeconds = 3.5 + 3.0;
// What a good pupil needs on top, per question, to read, choose and pick the year.
constexpr double kThinkingSeconds = 3.0;

TEST(DemoData, StaffEntriesShowNoGrade)
{
    const QStringList roster = sourceLines("生徒用名簿.txt");
    ASSERT_FALSE(roster.isEmpty());
    int staff = 0;
    for (const QString &line : roster) {
        const QStringList fields = line.split(u',');
        ASSERT_GE(fields.size(), 8) << line.toStdString();
        // Numbers from 4900 are the school's staff (their runs stay out of the home run log).
        if (fields[0].toInt() < 4900)
            continue;
        ++staff;
        const int birthYear = fields[1].toInt();
        for (int schoolYear = 2024; schoolYear <= 2040; ++schoolYear) {
            const int grade = gradelabels::gradeNumber(schoolYear, birthYear);
            EXPECT_FALSE(gradelabels::fullWidthLabel(grade)) << line.toStdString() << " in " << schoolYear;
            EXPECT_EQ(GradeMark(grade), QStringLiteral("　")) << line.toStdString() << " in " << schoolYear;
        }
    }
    EXPECT_GT(staff, 0);
}

TEST(DemoData, EveryTestLevelCanBePassedByAPupilWhoKnowsTheAnswers)
{
    QMap<int, int> questionsInGroup;
    for (const QString &line : sourceLines("questions.txt"))
        ++questionsInGroup[line.section(u',', 1, 1).toInt()];
    const QStringList timing = sourceLines("タイム回数データ.txt");
    ASSERT_EQ(timing.size(), catalogue::kLevelCount + 1);
    for (int level = 2; level <= catalogue::kLevelCount; level += 2) {
        const int questions = questionsInGroup.value(catalogue::questionGroup(level));
        ASSERT_GT(questions, 0) << "level " << level;
        const QStringList values = timing[level].split(u',');
        const int pass = values[0].toInt();
        const int limit = values[1].toInt();
        EXPECT_GE(pass, questions * (kCoverSeconds + kThinkingSeconds)) << "level " << level << ", " << questions << " questions";
        EXPECT_GT(limit, pass) << "level " << level;
    }
}

} // namespace
