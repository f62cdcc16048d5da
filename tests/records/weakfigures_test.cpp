// The weak figures: a generated class's answer log, counted by WeakFigures and by a plain count
// here, for several filters; the order of "missed most" on a table of ties.
#include "weakfigures.h"

#include "answerlog.h"
#include "clock.h"
#include "oadate.h"
#include "recordsfixture.h"
#include "runlog.h"

#include <QRandomGenerator>

#include <algorithm>
#include <map>
#include <set>
#include <tuple>

#include <gtest/gtest.h>

namespace {

struct GeneratedRow
{
    int day; // days before the last day
    int pupil;
    int level;
    QuestionAnswers answers;
};

// A class of 30 pupils (roster numbers 101 to 130) and 400 runs over 60 days at levels 1 to 6,
// each run of 12 of the 20 questions of its group, with wrong answers drawn from a seeded
// generator: most questions right at once, some missed once or more.
std::vector<GeneratedRow> generateClass()
{
    QRandomGenerator random(2026);
    std::vector<GeneratedRow> rows;
    for (int runNo = 0; runNo < 400; ++runNo) {
        const int pupil = 101 + static_cast<int>(random.bounded(30));
        const int level = 1 + static_cast<int>(random.bounded(6));
        const int day = static_cast<int>(random.bounded(60));
        const int group = (level - 1) / 2 + 1;
        for (int q = 0; q < 12; ++q) {
            QuestionAnswers a;
            a.group = group;
            a.line = group * 100 + static_cast<int>(random.bounded(20));
            a.nameHash = static_cast<std::uint32_t>(a.line * 2654435761u);
            const auto draw = random.bounded(10);
            a.wrongChoices = draw < 6 ? 0 : static_cast<int>(random.bounded(4));
            a.wrongYears = random.bounded(4) == 0 ? static_cast<int>(random.bounded(3)) : 0;
            a.asked = 1 + 2 * (a.wrongChoices > 0 ? 1 : 0);
            a.cleared = true;
            rows.push_back({day, pupil, level, a});
        }
    }
    return rows;
}

const QDate kLastDay(2026, 12, 9);

// Writes the rows as the program does, run by run (rows of one run share their day, pupil and
// level and come one after another).
void writeClass(const RecordsFixture &f, const std::vector<GeneratedRow> &rows)
{
    CallbackProbe probe;
    std::size_t i = 0;
    while (i < rows.size()) {
        std::vector<QuestionAnswers> run;
        const GeneratedRow &first = rows[i];
        while (i < rows.size() && run.size() < 12)
            run.push_back(rows[i++].answers);
        ManualClock clock(QDateTime(kLastDay.addDays(-first.day), QTime(9, 30)));
        const auto unrecorded = AppendRunRecord(f.state, first.pupil, first.level, 60, clock, probe.callbacks(), run);
        ASSERT_TRUE(unrecorded.empty());
    }
}

struct Count
{
    int wrongChoices = 0;
    int wrongYears = 0;
    int seen = 0;
    std::set<int> pupils;
    std::set<int> missedBy;
};

// The list counted without WeakFigures: a map by identity, sets of pupils, sorted with a double
// share.
std::vector<WeakFigure> plainCount(const std::vector<GeneratedRow> &rows, const std::function<bool(const GeneratedRow &)> &take,
                                   int top)
{
    std::map<std::tuple<int, int, std::uint32_t>, Count> counts;
    for (const GeneratedRow &r : rows) {
        if (!take(r))
            continue;
        Count &c = counts[{r.answers.line, r.answers.group, r.answers.nameHash}];
        c.wrongChoices += r.answers.wrongChoices;
        c.wrongYears += r.answers.wrongYears;
        ++c.seen;
        c.pupils.insert(r.pupil);
        if (r.answers.wrongChoices + r.answers.wrongYears > 0)
            c.missedBy.insert(r.pupil);
    }
    std::vector<WeakFigure> list;
    for (const auto &[key, c] : counts) {
        if (c.wrongChoices + c.wrongYears == 0)
            continue;
        WeakFigure f;
        f.key = QuestionKey{static_cast<std::int16_t>(std::get<1>(key)), static_cast<std::int16_t>(std::get<0>(key)),
                            std::get<2>(key)};
        f.wrongChoices = c.wrongChoices;
        f.wrongYears = c.wrongYears;
        f.timesSeen = c.seen;
        f.pupilsSeen = static_cast<int>(c.pupils.size());
        f.pupilsMissed = static_cast<int>(c.missedBy.size());
        list.push_back(f);
    }
    // The map is in line, group, hash order already; a stable sort keeps it for ties.
    std::stable_sort(list.begin(), list.end(), [](const WeakFigure &a, const WeakFigure &b) {
        const double shareA = static_cast<double>(a.pupilsMissed) / a.pupilsSeen;
        const double shareB = static_cast<double>(b.pupilsMissed) / b.pupilsSeen;
        return std::make_tuple(-(a.wrongChoices + a.wrongYears), -shareA)
             < std::make_tuple(-(b.wrongChoices + b.wrongYears), -shareB);
    });
    if (top > 0 && list.size() > static_cast<std::size_t>(top))
        list.resize(static_cast<std::size_t>(top));
    return list;
}

struct FilterCase
{
    const char *name;
    WeakFilter filter;
    std::function<bool(const GeneratedRow &)> take;
    int top;
    friend void PrintTo(const FilterCase &c, std::ostream *os) { *os << c.name; }
};

class GeneratedClass : public testing::TestWithParam<FilterCase>
{
};

TEST_P(GeneratedClass, TheWeakListEqualsAPlainCount)
{
    const std::vector<GeneratedRow> rows = generateClass();
    RecordsFixture f;
    writeClass(f, rows);
    ASSERT_EQ(RecordsFixture::read(answerlog::answerLogPath(f.state.folders)).size(),
              static_cast<qsizetype>(rows.size()) * AnswerRecord::kSize);

    const FilterCase &c = GetParam();
    CallbackProbe probe;
    QString problem;
    const ManualClock clock(QDateTime(kLastDay, QTime(15, 0)));
    const std::optional<WeakFigures> figures = ReadWeakFigures(f.state.folders, c.filter, clock, probe.callbacks(), &problem);
    ASSERT_TRUE(figures) << problem.toStdString();
    const std::vector<WeakFigure> expected = plainCount(rows, c.take, c.top);
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(figures->missedMost(c.top), expected);
    EXPECT_EQ(figures->rowsCounted(), std::count_if(rows.begin(), rows.end(), c.take));
}

INSTANTIATE_TEST_SUITE_P(
    Filters, GeneratedClass,
    testing::Values(
        FilterCase{"everyone", WeakFilter::everyone(), [](const GeneratedRow &) { return true; }, 0},
        FilterCase{"everyone_top_10", WeakFilter::everyone(), [](const GeneratedRow &) { return true; }, 10},
        FilterCase{"one_pupil", WeakFilter::pupil(117), [](const GeneratedRow &r) { return r.pupil == 117; }, 0},
        FilterCase{"block_of_pupils", WeakFilter::pupilRange(101, 110),
                   [](const GeneratedRow &r) { return r.pupil <= 110; }, 5},
        FilterCase{"levels_3_and_4", WeakFilter{{}, {3, 4}, 0},
                   [](const GeneratedRow &r) { return r.level == 3 || r.level == 4; }, 0},
        FilterCase{"last_7_days", WeakFilter{{}, {}, 7}, [](const GeneratedRow &r) { return r.day < 7; }, 0},
        FilterCase{"today_only_levels_1_to_6", WeakFilter{{}, {1, 2, 3, 4, 5, 6}, 1},
                   [](const GeneratedRow &r) { return r.day == 0; }, 0},
        FilterCase{"pupils_levels_and_days", WeakFilter{{103, 104, 120}, {1, 2}, 30},
                   [](const GeneratedRow &r) {
                       return (r.pupil == 103 || r.pupil == 104 || r.pupil == 120) && r.level <= 2 && r.day < 30;
                   },
                   3}),
    [](const testing::TestParamInfo<FilterCase> &param) { return std::string(param.param.name); });

AnswerRow rowOf(int pupil, int line, int wrongChoices, int wrongYears)
{
    AnswerRow r;
    r.date = oadate::fromDate(kLastDay);
    r.pupil = static_cast<std::int16_t>(pupil);
    r.level = 1;
    r.group = 1;
    r.line = static_cast<std::int16_t>(line);
    r.nameHash = 9;
    r.wrongChoices = static_cast<std::int16_t>(wrongChoices);
    r.wrongYears = static_cast<std::int16_t>(wrongYears);
    r.asked = 1;
    r.cleared = true;
    return r;
}

TEST(WeakOrder, MoreMissedFirstThenTheLargerShareThenQuestionFileOrder)
{
    WeakFigures figures(WeakFilter::everyone(), oadate::fromDate(kLastDay));
    // Line 5: 4 misses by 1 of 1 pupil. Line 3: 4 misses by 1 of 2 pupils. Line 4: the same.
    // Line 2: 6 misses (wrong years count as much as wrong choices). Line 1: never missed.
    for (const AnswerRow &r : {rowOf(1, 5, 4, 0), rowOf(1, 3, 2, 2), rowOf(2, 3, 0, 0), rowOf(3, 4, 4, 0),
                               rowOf(4, 4, 0, 0), rowOf(1, 2, 0, 6), rowOf(1, 1, 0, 0)})
        figures.add(r);
    std::vector<int> lines;
    for (const WeakFigure &f : figures.missedMost(0))
        lines.push_back(f.key.line);
    EXPECT_EQ(lines, (std::vector<int>{2, 5, 3, 4}));
    EXPECT_EQ(figures.missedMost(2).size(), 2u);
    EXPECT_EQ(figures.figures().size(), 5u);
    EXPECT_EQ(figures.pupilsCounted(), 4);
    const WeakFigure third = figures.missedMost(0)[2];
    EXPECT_EQ(third.wrongChoices, 2);
    EXPECT_EQ(third.wrongYears, 2);
    EXPECT_EQ(third.timesSeen, 2);
    EXPECT_EQ(third.pupilsSeen, 2);
    EXPECT_EQ(third.pupilsMissed, 1);
    EXPECT_DOUBLE_EQ(third.missShare(), 0.5);
}

TEST(WeakOrder, AQuestionWhoseNameChangedIsAnotherQuestion)
{
    WeakFigures figures(WeakFilter::everyone(), oadate::fromDate(kLastDay));
    AnswerRow renamed = rowOf(1, 3, 1, 0);
    renamed.nameHash = 10;
    figures.add(rowOf(1, 3, 1, 0));
    figures.add(renamed);
    EXPECT_EQ(figures.missedMost(0).size(), 2u);
}

} // namespace
