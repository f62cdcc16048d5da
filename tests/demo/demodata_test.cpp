// The demo installation as a new user meets it: staff show no grade, a pupil who knows the
// answers can pass every test level and clears it in three or four good runs.
#include "catalogue.h"
#include "chime.h"
#include "gradefilter.h"
#include "gradelabels.h"
#include "runscore.h"
#include "wavheader.h"

#include <QFile>
#include <QMap>
#include <QStringList>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

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

// Questions of each group in the demo's question file.
QMap<int, int> questionsInGroups()
{
    QMap<int, int> count;
    for (const QString &line : sourceLines("questions.txt"))
        ++count[line.section(u',', 1, 1).toInt()];
    return count;
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
    const QMap<int, int> questionsInGroup = questionsInGroups();
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

// The demo's clearing targets in three or four good runs. A good run of a pupil who knows the
// answers takes the fixed time of every question (the two covers and the correct-answer chime
// after the choice and after the year) and 3 s of thinking each: about the pass time, so it
// scores 5; one a little slower scores 4, a perfect one (no thinking) 6. Three good runs clear
// the level (the run count and the points of the first window), four a little slower ones do
// too, but never fewer than three however fast; and the runs that clear it are also enough in
// the second window, so the pupil is sent on to the next level.
TEST(DemoData, APupilWhoKnowsTheAnswersClearsEveryTestLevelInThreeOrFourGoodRuns)
{
    double chimeSeconds = 0.0;
    for (const char *kind : {"correct", "correct2"}) {
        const wavheader::Check wav = wavheader::check(chime::render(QString::fromLatin1(kind)));
        ASSERT_TRUE(wav.ok) << kind;
        chimeSeconds = std::max(chimeSeconds, wav.format.lengthMs() / 1000.0);
    }
    const double fixedSeconds = kCoverSeconds + 2 * chimeSeconds;
    const QMap<int, int> questionsInGroup = questionsInGroups();
    const QStringList timing = sourceLines("タイム回数データ.txt");
    ASSERT_EQ(timing.size(), catalogue::kLevelCount + 1);
    for (int level = 2; level <= catalogue::kLevelCount; level += 2) {
        const int questions = questionsInGroup.value(catalogue::questionGroup(level));
        const QStringList v = timing[level].split(u',');
        const int pass = v[0].toInt();
        const int requiredPoints = v[2].toInt();
        const int requiredCount = v[3].toInt();
        const float weight = v[4].toFloat();
        const int window2Count = v[5].toInt();
        const int window2Points = v[6].toInt();
        const auto pointsOf = [&](double seconds) {
            return RunPoints(RunScore(static_cast<std::int32_t>(std::ceil(seconds)), pass), weight);
        };
        // Runs of one kind until the first window's targets are reached (0: never within ten).
        const auto runsToClear = [&](int points) {
            for (int runs = 1; runs <= 10; ++runs) {
                if (runs >= requiredCount && runs * points >= requiredPoints)
                    return runs;
            }
            return 0;
        };
        const int good = pointsOf(questions * (fixedSeconds + kThinkingSeconds));
        const int slower = pointsOf(pass + 1.0);
        const int perfect = pointsOf(questions * fixedSeconds);
        SCOPED_TRACE(QStringLiteral("level %1: %2 questions, %3 points a good run").arg(level).arg(questions).arg(good).toStdString());
        EXPECT_EQ(runsToClear(good), 3);
        EXPECT_EQ(runsToClear(slower), 4);
        EXPECT_GE(runsToClear(perfect), 3);
        const int clearing = runsToClear(good);
        EXPECT_TRUE((window2Count != 0 && clearing >= window2Count) || (window2Points != 0 && clearing * good >= window2Points));
    }
}

} // namespace
