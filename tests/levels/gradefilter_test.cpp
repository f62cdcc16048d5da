#include "gradefilter.h"

#include "qtprinters.h"
#include "testnames.h"

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
    const char *name;
    const char *filter;
    std::vector<int> passing; // grades from -1 to 13 that pass

    friend void PrintTo(const FilterCase &c, std::ostream *os)
    {
        *os << c.name << ": filter " << testprint::quoted(c.filter) << " passes grades "
            << testing::PrintToString(c.passing);
    }
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
    testing::Values(FilterCase{"all_grades", "全学年", kEveryGrade}, FilterCase{"family", "家族", kEveryGrade},
                    FilterCase{"all_primary", "小学生全体", {1, 2, 3, 4, 5, 6}},
                    FilterCase{"all_lower_secondary", "中学生全体", {7, 8, 9}},
                    FilterCase{"primary_1", "小１", {1}}, FilterCase{"primary_2", "小２", {2}},
                    FilterCase{"primary_3", "小３", {3}}, FilterCase{"primary_4", "小４", {4}},
                    FilterCase{"primary_5", "小５", {5}}, FilterCase{"primary_6", "小６", {6}},
                    FilterCase{"lower_secondary_1", "中１", {7}}, FilterCase{"lower_secondary_2", "中２", {8}},
                    FilterCase{"lower_secondary_3", "中３", {9}}, FilterCase{"empty_filter", "", {}},
                    FilterCase{"half_width_digit", "小1", {}}, FilterCase{"upper_secondary_1", "高１", {}}),
    testname::ByName());

TEST(GradeFilterChoices, OfferEveryFilterInScreenOrder)
{
    const QStringList expected{QStringLiteral("全学年"), QStringLiteral("中学生全体"), QStringLiteral("小学生全体"),
                               QStringLiteral("中３"),   QStringLiteral("中２"),       QStringLiteral("中１"),
                               QStringLiteral("小６"),   QStringLiteral("小５"),       QStringLiteral("小４"),
                               QStringLiteral("小３"),   QStringLiteral("小２"),       QStringLiteral("小１")};
    EXPECT_EQ(gradeFilterChoices(), expected);
}

} // namespace
