#include "adminrun.h"
#include "pdftext.h"
#include "weakanswers.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

class WeakWorksheet : public ::testing::Test
{
protected:
    void SetUp() override
    {
        install.writeValidMode1();
        weakanswers::writeClass(install);
        out = install.root() + QStringLiteral("/weak.pdf");
    }

    AdminRun worksheet(const QStringList &extra) const
    {
        return admin(QStringList{QStringLiteral("worksheet"), install.programFolder(), out} + extra);
    }

    // The figures the sheet names, in the order drawn (each row names its figure in 名前 and in 答え).
    QStringList figuresOnSheet() const
    {
        const QString text = pdftext::compact(pdftext::of(out));
        QStringList found;
        const QRegularExpression figure(QStringLiteral("人物(\\d+)"));
        for (auto it = figure.globalMatch(text); it.hasNext();) {
            const QString name = it.next().captured(0);
            if (!found.contains(name))
                found << name;
        }
        return found;
    }

    TempInstall install;
    QString out;
};

TEST_F(WeakWorksheet, OfAPupilHoldsExactlyTheTwentyFiguresMissedMost)
{
    const AdminRun r = worksheet({QStringLiteral("--weak"), QStringLiteral("3"), QStringLiteral("--keep-order")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("20 of 20"))) << r.out.toStdString();
    EXPECT_EQ(figuresOnSheet(), weakanswers::pupil3Top());
}

TEST_F(WeakWorksheet, ShuffledAndHiddenTheSameFigures)
{
    const AdminRun r = worksheet({QStringLiteral("--weak"), QStringLiteral("3"), QStringLiteral("--mode"),
                                  QStringLiteral("year"), QStringLiteral("--seed"), QStringLiteral("5")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    QStringList onSheet = figuresOnSheet();
    QStringList expected = weakanswers::pupil3Top();
    std::sort(onSheet.begin(), onSheet.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(onSheet, expected);
}

TEST_F(WeakWorksheet, OfAClassCountsItsPupils)
{
    const AdminRun r = worksheet({QStringLiteral("--weak-class"), QStringLiteral("6-2"), QStringLiteral("--keep-order")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(figuresOnSheet(), (QStringList{QStringLiteral("人物1"), QStringLiteral("人物2"), QStringLiteral("人物3"),
                                             QStringLiteral("人物4"), QStringLiteral("人物5")}));
}

struct Refusal
{
    const char *name;
    QStringList extra;
    int status;
    const char *says;
};

class WeakWorksheetRefusals : public WeakWorksheet, public testing::WithParamInterface<Refusal>
{
};

TEST_P(WeakWorksheetRefusals, WriteNothing)
{
    const QStringList before = install.listing();
    const AdminRun r = worksheet(GetParam().extra);
    EXPECT_EQ(r.status, GetParam().status);
    EXPECT_TRUE(r.err.contains(QString::fromUtf8(GetParam().says))) << r.err.toStdString();
    EXPECT_EQ(install.listing(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WeakWorksheetRefusals,
    testing::Values(Refusal{"NoRecordsYet", {"--weak", "7"}, 1, "there are no answer records of pupil 7 yet"},
                    Refusal{"UnknownClass", {"--weak-class", "6-9"}, 1, "there is no class \"6-9\""},
                    Refusal{"Both", {"--weak", "3", "--weak-class", "6-1"}, 2, "not both"},
                    Refusal{"WithGroups", {"--weak", "3", "--groups", "1"}, 2, "--groups does not go"},
                    Refusal{"NotANumber", {"--weak", "x"}, 2, "roster number"}),
    [](const testing::TestParamInfo<Refusal> &c) { return std::string(c.param.name); });

} // namespace
