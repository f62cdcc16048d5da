#include "questionrules.h"
#include "randomsource.h"
#include "testnames.h"

#include <QSet>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <vector>

namespace {

TEST(Distractors, TwentyQuestionsGiveNineDifferentOthers)
{
    for (std::uint64_t seed = 1; seed <= 200; ++seed) {
        SeededRandom random(seed);
        const QList<int> chosen = questionrules::drawDistractors(20, 7, random);
        ASSERT_EQ(chosen.size(), 9);
        const QSet<int> distinct(chosen.cbegin(), chosen.cend());
        EXPECT_EQ(distinct.size(), 9);
        EXPECT_FALSE(distinct.contains(7));
        for (int j : chosen)
            EXPECT_TRUE(j >= 1 && j <= 20);
    }
}

struct SmallGroupCase
{
    int questions;
    int maxUse;
    int atLeastTwice; // how many questions must appear more than once

    friend void PrintTo(const SmallGroupCase &c, std::ostream *os)
    {
        *os << c.questions << " questions: each used at most " << c.maxUse << " times, at least " << c.atLeastTwice
            << " used more than once";
    }
};

class SmallGroups : public ::testing::TestWithParam<SmallGroupCase> {};

TEST_P(SmallGroups, FillEverySlotWithoutTheAskedQuestion)
{
    const SmallGroupCase c = GetParam();
    EXPECT_EQ(questionrules::maxDistractorUse(c.questions), c.maxUse);
    for (std::uint64_t seed = 1; seed <= 100; ++seed) {
        SeededRandom random(seed);
        const QList<int> chosen = questionrules::drawDistractors(c.questions, 1, random);
        std::map<int, int> uses;
        for (int j : chosen) {
            ASSERT_NE(j, 1);
            ASSERT_TRUE(j >= 2 && j <= c.questions);
            ++uses[j];
        }
        int repeated = 0;
        for (const auto &[question, count] : uses) {
            EXPECT_LE(count, c.maxUse);
            repeated += count > 1 ? 1 : 0;
        }
        EXPECT_GE(repeated, c.atLeastTwice);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, SmallGroups,
                         ::testing::Values(SmallGroupCase{9, 2, 1}, SmallGroupCase{6, 2, 4},
                                           SmallGroupCase{5, 3, 1}, SmallGroupCase{3, 5, 2},
                                           SmallGroupCase{2, 9, 1}),
                         testname::from([](const SmallGroupCase &c) { return testname::of("questions", c.questions); }));

TEST(Distractors, ASingleQuestionLeavesTheWrongChoicesEmpty)
{
    SeededRandom random(3);
    EXPECT_EQ(questionrules::drawDistractors(1, 1, random), QList<int>(9, 0));
}

struct YearCase
{
    int year;
    int farLow;
    int farHigh;

    friend void PrintTo(const YearCase &c, std::ostream *os)
    {
        *os << "year " << c.year << ", far years from " << c.farLow << " to " << c.farHigh;
    }
};

class CandidateYears : public ::testing::TestWithParam<YearCase> {};

TEST_P(CandidateYears, FourFarOneNearAndTheYearItself)
{
    const YearCase c = GetParam();
    for (std::uint64_t seed = 1; seed <= 300; ++seed) {
        SeededRandom random(seed);
        const QStringList years = questionrules::drawCandidateYears(c.year, random);
        ASSERT_EQ(years.size(), 6);
        int far = 0;
        int near = 0;
        int itself = 0;
        for (const QString &t : years) {
            ASSERT_EQ(t.size(), 4);
            const int y = t.trimmed().toInt();
            const int distance = std::abs(y - c.year);
            if (distance == 0) {
                ++itself;
            } else if (distance > 100) {
                ++far;
                EXPECT_TRUE(y >= c.farLow && y <= c.farHigh) << y;
            } else {
                ++near;
                EXPECT_GT(distance, 20);
                EXPECT_TRUE(y - c.year >= -100 && y - c.year <= 99);
            }
        }
        // A far year may equal another far year but never the question's own year.
        EXPECT_EQ(itself, 1);
        EXPECT_EQ(far, 4);
        EXPECT_EQ(near, 1);
        // Years 0 to 99 rising, then negative years closest to 0 first, then from 100 on rising.
        std::vector<int> shown;
        for (const QString &t : years)
            shown.push_back(t.trimmed().toInt());
        std::vector<int> expected = shown;
        const auto place = [](int y) { return y < 0 ? 1 : (y < 100 ? 0 : 2); };
        std::sort(expected.begin(), expected.end(), [&](int a, int b) {
            if (place(a) != place(b))
                return place(a) < place(b);
            return place(a) == 1 ? a > b : a < b;
        });
        EXPECT_EQ(shown, expected);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, CandidateYears,
                         ::testing::Values(YearCase{50, 151, 1999}, YearCase{1950, 0, 1849},
                                           YearCase{1192, 0, 1999}),
                         testname::from([](const YearCase &c) { return testname::of("year", c.year); }));

TEST(CandidateYears, SortAsRightAlignedTexts)
{
    EXPECT_EQ(questionrules::yearText(794), QStringLiteral(" 794"));
    EXPECT_EQ(questionrules::yearText(1192), QStringLiteral("1192"));
    EXPECT_EQ(questionrules::yearText(-35), QStringLiteral(" -35"));
    EXPECT_EQ(questionrules::yearText(57), QStringLiteral("  57"));
    QStringList texts = {QStringLiteral("1192"), QStringLiteral(" 794"), QStringLiteral(" -35"),
                         QStringLiteral("  57"), QStringLiteral(" 150")};
    std::sort(texts.begin(), texts.end());
    EXPECT_EQ(texts, (QStringList{QStringLiteral("  57"), QStringLiteral(" -35"), QStringLiteral(" 150"),
                                  QStringLiteral(" 794"), QStringLiteral("1192")}));
}

// A negative near year, possible only for a question year below 100, comes after every positive
// year below 100 and before the years from 100 on, whatever its number of digits.
TEST(CandidateYears, NegativeYearsFollowThePositiveYearsBelowOneHundred)
{
    const auto texts = [](std::initializer_list<int> years) {
        QStringList out;
        for (int y : years)
            out.append(questionrules::yearText(y));
        return out;
    };
    const struct
    {
        QStringList drawn;
        QStringList shown;
    } cases[] = {
        {texts({30, -5, 1192, 5, 794}), texts({5, 30, -5, 794, 1192})},
        {texts({30, -35, 1192, 5, 794}), texts({5, 30, -35, 794, 1192})},
        {texts({-50, 99, -5, 100, 0}), texts({0, 99, -5, -50, 100})},
        {texts({1500, -100, 57, -21, 150}), texts({57, -21, -100, 150, 1500})},
    };
    for (const auto &c : cases) {
        QStringList years = c.drawn;
        questionrules::sortYearTexts(years);
        EXPECT_EQ(years, c.shown) << years.join(u'|').toStdString();
    }
}

} // namespace
