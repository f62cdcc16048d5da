#include "adminrun.h"

#include "runlogbytes.h"
#include "tempinstall.h"

#include <QFile>
#include <QPdfDocument>

#include <gtest/gtest.h>

namespace {

// An installation with a roster of two pupils and a run log of their runs at levels 2 and 4.
class ReportCommand : public testing::Test
{
protected:
    void SetUp() override
    {
        install.writeValidMode1();
        install.writeText(QStringLiteral("files/生徒用名簿.txt"),
                          QStringLiteral("3,2013,0,0,\"山田　花子          \",0,\"\",\"\"\r\n"
                                         "4901,1980,0,0,\"先生                \",0,\"\",\"\"\r\n"));
        const QDate day(2024, 6, 10);
        install.writeBytes(QStringLiteral("drill2/成績累積データ.dat"),
                           runLogRecordBytes(day.addDays(-3), 3, 2, 120) + runLogRecordBytes(day.addDays(-1), 3, 2, 90) +
                               runLogRecordBytes(day, 4901, 2, 70) + runLogRecordBytes(day, 3, 4, 200));
    }

    QString out() const { return install.root() + QStringLiteral("/report.pdf"); }

    AdminRun report(QStringList extra) const
    {
        QStringList args{QStringLiteral("report"), install.programFolder(), out(), QStringLiteral("--date"),
                         QStringLiteral("2024-06-10")};
        return admin(args + extra);
    }

    TempInstall install;
};

TEST_F(ReportCommand, WritesThePupilsReportThreeLevelsToAPage)
{
    const AdminRun r = report({QStringLiteral("--pupil"), QStringLiteral("3"), QStringLiteral("--levels"),
                               QStringLiteral("1,2,3,4")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    QPdfDocument pdf;
    ASSERT_EQ(pdf.load(out()), QPdfDocument::Error::None);
    ASSERT_EQ(pdf.pageCount(), 2);
    const QString first = pdf.getAllText(0).text().normalized(QString::NormalizationForm_KC).remove(u' ');
    EXPECT_TRUE(first.contains(QStringLiteral("山田花子"))) << first.toStdString();
    EXPECT_TRUE(first.contains(QStringLiteral("回数2回"))) << first.toStdString();
    EXPECT_TRUE(first.contains(QStringLiteral("最高90秒/70秒"))) << first.toStdString();
    EXPECT_TRUE(first.contains(QStringLiteral("平均105秒/93秒"))) << first.toStdString();
}

TEST_F(ReportCommand, LevelsDefaultToOneToThree)
{
    const AdminRun r = report({QStringLiteral("--pupil"), QStringLiteral("4901")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    QPdfDocument pdf;
    ASSERT_EQ(pdf.load(out()), QPdfDocument::Error::None);
    EXPECT_EQ(pdf.pageCount(), 1);
    const QString text = pdf.getAllText(0).text();
    EXPECT_EQ(text.count(QStringLiteral("回数")), 3);
}

struct FailureCase
{
    const char *name;
    QStringList args;
    const char *removed; // a file of the installation taken away first, or empty
    const char *says;
    int status;
};

class ReportCommandFailure : public ReportCommand, public testing::WithParamInterface<FailureCase>
{
};

TEST_P(ReportCommandFailure, SaysWhyAndWritesNothing)
{
    const FailureCase &c = GetParam();
    if (*c.removed)
        install.remove(QString::fromUtf8(c.removed));
    const QStringList before = install.listing();
    const AdminRun r = report(c.args);
    EXPECT_EQ(r.status, c.status);
    EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.says))) << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(out()));
    EXPECT_EQ(install.listing(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReportCommandFailure,
    testing::Values(
        FailureCase{"PupilNotInRoster", {QStringLiteral("--pupil"), QStringLiteral("7")}, "",
                    "pupil 7 is not in the roster", 1},
        FailureCase{"NoRunLog", {QStringLiteral("--pupil"), QStringLiteral("3")}, "drill2/成績累積データ.dat",
                    "there is no run log", 1},
        FailureCase{"NoRoster", {QStringLiteral("--pupil"), QStringLiteral("3")}, "files/生徒用名簿.txt",
                    "there is no roster", 1},
        FailureCase{"LevelOutsideTheCatalogue",
                    {QStringLiteral("--pupil"), QStringLiteral("3"), QStringLiteral("--levels"), QStringLiteral("2,19")},
                    "", "there is no level 19", 1},
        FailureCase{"LevelsNotNumbers",
                    {QStringLiteral("--pupil"), QStringLiteral("3"), QStringLiteral("--levels"), QStringLiteral("a")},
                    "", "is not a list of level numbers", 1},
        FailureCase{"NoPupilGiven", {}, "", "give the pupil", 2}),
    [](const testing::TestParamInfo<FailureCase> &param) { return std::string(param.param.name); });

} // namespace
