#include "gradelabels.h"

#include "qtprinters.h"
#include "schoolyear.h"
#include "testnames.h"

#include <QDate>

#include <gtest/gtest.h>

namespace {

struct GradeCase
{
    int grade;
    const char *fullWidth; // empty: no full-width label
    const char *list;

    friend void PrintTo(const GradeCase &c, std::ostream *os)
    {
        *os << "grade " << c.grade << " -> full width " << testprint::quoted(c.fullWidth) << ", list "
            << testprint::quoted(c.list);
    }
};

class GradeLabelTest : public ::testing::TestWithParam<GradeCase>
{
};

TEST_P(GradeLabelTest, FullWidthAndListLabels)
{
    const GradeCase &c = GetParam();
    const std::optional<QString> fullWidth = gradelabels::fullWidthLabel(c.grade);
    if (*c.fullWidth == '\0')
        EXPECT_FALSE(fullWidth.has_value()) << fullWidth.value_or(QString()).toStdString();
    else
        EXPECT_EQ(fullWidth, QString::fromUtf8(c.fullWidth));
    EXPECT_EQ(gradelabels::listLabel(c.grade), QString::fromUtf8(c.list));
}

INSTANTIATE_TEST_SUITE_P(EveryBand, GradeLabelTest,
                         ::testing::Values(GradeCase{-40, "", "幼-"}, GradeCase{-3, "", "幼-"},
                                           GradeCase{-2, "", "幼1"}, GradeCase{-1, "", "幼2"},
                                           GradeCase{0, "幼３", "幼3"}, GradeCase{1, "小１", "小1"},
                                           GradeCase{4, "小４", "小4"}, GradeCase{6, "小６", "小6"},
                                           GradeCase{7, "中１", "中1"}, GradeCase{9, "中３", "中3"},
                                           GradeCase{10, "高１", "高1"}, GradeCase{11, "", "高2"},
                                           GradeCase{12, "", "高3"}, GradeCase{13, "", "大+"},
                                           GradeCase{2020, "", "大+"}),
                         testname::from([](const GradeCase &c) { return testname::of("grade", c.grade); }));

struct DateCase
{
    QDate today;
    int yearStartMonth;
    int birthYear;
    const char *list;
};

TEST(GradeNumberTest, FollowsTheSchoolYearOfTheDate)
{
    const DateCase cases[] = {
        {QDate(2015, 4, 1), 4, 2008, "小1"},
        {QDate(2014, 9, 1), 4, 2008, "幼3"},
        {QDate(2015, 3, 10), 4, 2008, "幼3"}, // still school year 2014
        {QDate(2015, 3, 10), 1, 2008, "小1"},
        {QDate(2026, 4, 6), 4, 2011, "中3"},
    };
    for (const DateCase &c : cases) {
        SCOPED_TRACE(c.today.toString(Qt::ISODate).toStdString());
        const int grade = gradelabels::gradeNumber(schoolYearOf(c.today, c.yearStartMonth), c.birthYear);
        EXPECT_EQ(gradelabels::listLabel(grade), QString::fromUtf8(c.list));
    }
}

} // namespace
