#include "gradefilter.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(GradeMark, MarksPrimaryAndSecondaryGradesAndBlanksTheRest)
{
    const std::vector<std::pair<int, QString>> table{
        {-3, QStringLiteral("　")}, {0, QStringLiteral("　")},  {1, QStringLiteral("①")},
        {2, QStringLiteral("②")},  {3, QStringLiteral("③")},  {4, QStringLiteral("④")},
        {5, QStringLiteral("⑤")},  {6, QStringLiteral("⑥")},  {7, QStringLiteral("Ⅰ")},
        {8, QStringLiteral("Ⅱ")},  {9, QStringLiteral("Ⅲ")},  {10, QStringLiteral("　")},
        {17, QStringLiteral("　")},
    };
    for (const auto &[grade, mark] : table)
        EXPECT_EQ(GradeMark(grade), mark) << "grade " << grade;
}

struct FilterCase
{
    const char *filter;
    std::vector<int> passing; // grades from -1 to 13 that pass
};

class GradePassesTest : public testing::TestWithParam<FilterCase>
{
};

TEST_P(GradePassesTest, PassesExactlyTheGradesOfTheFilter)
{
    const FilterCase &c = GetParam();
    const QString filter = QString::fromUtf8(c.filter);
    for (int grade = -1; grade <= 13; ++grade) {
        const bool expected = std::find(c.passing.begin(), c.passing.end(), grade) != c.passing.end();
        EXPECT_EQ(GradePasses(grade, filter), expected) << c.filter << " grade " << grade;
    }
}

const std::vector<int> kEveryGrade{-1, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};

INSTANTIATE_TEST_SUITE_P(
    Filters, GradePassesTest,
    testing::Values(FilterCase{"全学年", kEveryGrade}, FilterCase{"家族", kEveryGrade},
                    FilterCase{"小学生全体", {1, 2, 3, 4, 5, 6}}, FilterCase{"中学生全体", {7, 8, 9}},
                    FilterCase{"小１", {1}}, FilterCase{"小２", {2}}, FilterCase{"小３", {3}},
                    FilterCase{"小４", {4}}, FilterCase{"小５", {5}}, FilterCase{"小６", {6}},
                    FilterCase{"中１", {7}}, FilterCase{"中２", {8}}, FilterCase{"中３", {9}},
                    FilterCase{"", {}}, FilterCase{"小1", {}}, FilterCase{"高１", {}}));

TEST(GradeFilterChoices, OfferEveryFilterInScreenOrder)
{
    const QStringList expected{QStringLiteral("全学年"), QStringLiteral("中学生全体"), QStringLiteral("小学生全体"),
                               QStringLiteral("中３"),   QStringLiteral("中２"),       QStringLiteral("中１"),
                               QStringLiteral("小６"),   QStringLiteral("小５"),       QStringLiteral("小４"),
                               QStringLiteral("小３"),   QStringLiteral("小２"),       QStringLiteral("小１")};
    EXPECT_EQ(gradeFilterChoices(), expected);
}

} // namespace
