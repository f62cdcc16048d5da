#include "namecheck.h"

#include <gtest/gtest.h>

namespace {

using namechange::Boxes;

struct CheckCase
{
    const char *label;
    std::vector<Boxes> boxes;
    int row;                // 0: no problem
    bool birthYear;         // the box at fault
    const char *rulePart;   // part of the message that states the rule
};

void PrintTo(const CheckCase &c, std::ostream *os)
{
    *os << c.label;
}

class NameCheckTest : public testing::TestWithParam<CheckCase>
{
};

TEST_P(NameCheckTest, NamesTheBoxAndItsRule)
{
    const CheckCase &c = GetParam();
    const auto problem = namecheck::firstProblem(c.boxes);
    if (c.row == 0) {
        EXPECT_FALSE(problem) << problem->message.toStdString();
        return;
    }
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->row, c.row);
    EXPECT_EQ(problem->birthYear, c.birthYear);
    const QString box = QStringLiteral("%1番目の「%2」").arg(c.row).arg(c.birthYear ? QStringLiteral("生まれた年") : QStringLiteral("名前"));
    EXPECT_TRUE(problem->message.contains(box)) << problem->message.toStdString();
    EXPECT_TRUE(problem->message.contains(QString::fromUtf8(c.rulePart))) << problem->message.toStdString();
}

const QString kTwenty = QStringLiteral("あいうえおかきくけこさしすせそたちつてと");

INSTANTIATE_TEST_SUITE_P(
    Boxes, NameCheckTest,
    testing::Values(
        CheckCase{"plain", {{QStringLiteral(" 山田 太郎 "), QStringLiteral(" 2014 ")}}, 0, false, ""},
        CheckCase{"fullWidthDigits", {{QStringLiteral("山田"), QStringLiteral("２０１４")}}, 0, false, ""},
        CheckCase{"emptyYearIsStaff", {{QStringLiteral("先生"), QString()}}, 0, false, ""},
        CheckCase{"twentyCharacters", {{kTwenty + QStringLiteral("   "), QStringLiteral("2014")}}, 0, false, ""},
        CheckCase{"letters", {{QStringLiteral("山田"), QStringLiteral("abc")}}, 1, true, "数字"},
        CheckCase{"yearWithSuffix", {{QStringLiteral("山田"), QStringLiteral("2014年")}}, 1, true, "2014年"},
        CheckCase{"fiveDigits", {{QStringLiteral("山田"), QStringLiteral("20145")}}, 1, true, "4けた"},
        CheckCase{"negative", {{QStringLiteral("山田"), QStringLiteral("-5")}}, 1, true, "4けた"},
        CheckCase{"fraction", {{QStringLiteral("山田"), QStringLiteral("2014.5")}}, 1, true, "4けた"},
        CheckCase{"tooLong", {{kTwenty + QStringLiteral("な"), QStringLiteral("2014")}}, 1, false, "20文字まで"},
        CheckCase{"emptyName", {{QStringLiteral("　 "), QStringLiteral("2014")}}, 1, false, "名前を入れて"},
        CheckCase{"notStorable", {{QStringLiteral("😀"), QStringLiteral("2014")}}, 1, false, "書けない文字"},
        CheckCase{"secondRow",
                  {{QStringLiteral("山田"), QStringLiteral("2014")}, {QStringLiteral("佐藤"), QStringLiteral("二千")}},
                  2, true, "数字"},
        CheckCase{"nameBeforeYear", {{QString(), QStringLiteral("abc")}}, 1, false, "名前を入れて"}),
    [](const testing::TestParamInfo<CheckCase> &param) { return std::string(param.param.label); });

} // namespace
