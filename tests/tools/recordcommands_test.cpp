#include "adminrun.h"

#include "filesizelimit.h"
#include "runlogbytes.h"
#include "qtprinters.h"
#include "tempinstall.h"
#include "testnames.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

// An installation whose levels have pass time 100 + level, weight 1.5 and windows of 7 and 30
// days, and a run log of five records, one of them no row (pupil 0).
class RecordCommands : public testing::Test
{
protected:
    void SetUp() override
    {
        install.writeValidMode1();
        const QDate today(2024, 6, 10);
        install.writeBytes(QStringLiteral("drill2/成績累積データ.dat"),
                           runLogRecordBytes(today, 3, 2, 51)                    // 11 points × 1.5 = 16
                               + runLogRecordBytes(today.addDays(-9), 3, 2, 99999) // time-out
                               + runLogRecordBytes(today.addDays(-40), 1, 4, 104)  // 5 × 1.5 = 7
                               + runLogRecordBytes(today, 0, 2, 10)                // no pupil: not a row
                               + runLogRecordBytes(today.addDays(-1), 7, 2, 6000));
    }

    TempInstall install;
};

TEST_F(RecordCommands, StatsPrintsEveryPupilAndLevelWithRunsAsOfTheGivenDate)
{
    const AdminRun r = admin({QStringLiteral("stats"), install.programFolder(), QStringLiteral("--date"),
                         QStringLiteral("2024-06-10")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.out.toStdString(),
              "pupil\tlevel\tbestTime\tattemptsAll\tpointsAll\tattemptsRecent\tpointsRecent\tattemptsRecent2"
              "\tpointsRecent2\tattemptsToday\tpointsToday\n"
              "1\t4\t104\t1\t7\t0\t0\t0\t0\t0\t0\n"
              "3\t2\t51\t1\t16\t1\t16\t1\t16\t1\t16\n"
              "7\t2\t6000\t0\t0\t0\t0\t0\t0\t0\t0\n");

    // A week later the first window has moved past pupil 3's run.
    const AdminRun later = admin({QStringLiteral("stats"), install.programFolder(), QStringLiteral("--date"),
                             QStringLiteral("2024-06-17")});
    ASSERT_EQ(later.status, 0);
    EXPECT_TRUE(later.out.contains(QStringLiteral("\n3\t2\t51\t1\t16\t0\t0\t1\t16\t0\t0\n"))) << later.out.toStdString();
}

TEST_F(RecordCommands, ExportWritesTheRowsAsSpreadsheetReadyCsv)
{
    install.writeText(QStringLiteral("files/生徒用名簿.txt"),
                      QStringLiteral("3,2013,0,0,\"山田　花子          \",0,\"\",\"\"\r\n"
                                     "1,2012,0,0,\"=SUM(A1)\",0,\"\",\"\"\r\n"));
    const QString csv = install.root() + QStringLiteral("/runs.csv");
    const AdminRun r = admin({QStringLiteral("export"), install.programFolder(), csv});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    QFile f(csv);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll().toStdString(),
              QStringLiteral("\uFEFF日付,時刻,番号,名前,レベル,レベル名,タイム,得点,ポイント\r\n"
                             "2024-06-10,12:00:00,3,\"山田　花子\",2,\"政治１\",51,11,16\r\n"
                             "2024-06-01,12:00:00,3,\"山田　花子\",2,\"政治１\",,0,0\r\n"
                             "2024-05-01,12:00:00,1,\"'=SUM(A1)\",4,\"政治２\",104,5,7\r\n"
                             "2024-06-09,12:00:00,7,,2,\"政治１\",6000,0,0\r\n")
                  .toUtf8()
                  .toStdString());
}

#ifdef Q_OS_LINUX
TEST_F(RecordCommands, ExportOnAFullDiskFailsAndLeavesTheOldFileAlone)
{
    const QString csv = install.root() + QStringLiteral("/runs.csv");
    QFile previous(csv);
    ASSERT_TRUE(previous.open(QIODevice::WriteOnly));
    previous.write("previous");
    previous.close();
    AdminRun r;
    {
        const FileSizeLimit limit(64); // the CSV fits in the write buffer but not on the disk
        r = admin({QStringLiteral("export"), install.programFolder(), csv});
    }
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("cannot write ") + csv + QStringLiteral(": file too large")))
        << r.err.toStdString();
    ASSERT_TRUE(previous.open(QIODevice::ReadOnly));
    EXPECT_EQ(previous.readAll(), QByteArray("previous"));
    EXPECT_EQ(QDir(install.root()).entryList({QStringLiteral("runs.csv*")}, QDir::Files),
              QStringList{QStringLiteral("runs.csv")});
}
#endif

TEST_F(RecordCommands, ExportWithoutARosterLeavesNamesEmpty)
{
    const QString csv = install.root() + QStringLiteral("/runs.csv");
    ASSERT_EQ(admin({QStringLiteral("export"), install.programFolder(), csv}).status, 0);
    QFile f(csv);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().contains(",3,,2,")) << "no name for pupil 3";
}

struct FailureCase
{
    const char *name;
    QStringList args; // "@" stands for the installation's program folder, "#" for its root
    int status;
    const char *errorMentions;

    friend void PrintTo(const FailureCase &c, std::ostream *os)
    {
        *os << c.name << ": arguments " << testprint::quoted(c.args) << " -> status " << c.status
            << ", error mentions " << testprint::quoted(c.errorMentions);
    }
};

class RecordCommandFailures : public RecordCommands, public testing::WithParamInterface<FailureCase>
{
};

TEST_P(RecordCommandFailures, AreReportedWithoutOutput)
{
    QStringList args = GetParam().args;
    for (QString &a : args) {
        a.replace(u'@', install.programFolder());
        a.replace(u'#', install.root());
    }
    const AdminRun r = admin(args);
    EXPECT_EQ(r.status, GetParam().status);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_TRUE(r.err.contains(QString::fromUtf8(GetParam().errorMentions))) << r.err.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RecordCommandFailures,
    testing::Values(
        FailureCase{"BadDate", {"stats", "@", "--date", "2024-13-01"}, 1, "2024-13-01"},
        FailureCase{"DateInAnotherForm", {"stats", "@", "--date", "10.6.2024"}, 1, "YYYY-MM-DD"},
        FailureCase{"DateMissing", {"stats", "@", "--date"}, 2, "--date"},
        FailureCase{"NoInstallation", {"stats", "#/nowhere"}, 1, "no installation"},
        FailureCase{"NotAnInstallation", {"stats", "#/files"}, 1, "設定.txt"},
        FailureCase{"StatsWithoutFolder", {"stats"}, 2, "Usage: tavrel-admin stats"},
        FailureCase{"ExportWithoutFile", {"export", "@"}, 2, "Usage: tavrel-admin export"},
        FailureCase{"ExportToAMissingFolder", {"export", "@", "#/no/such/folder/runs.csv"}, 1, "cannot write"}),
    testname::ByName());

TEST_F(RecordCommands, ABrokenRunLogIsReportedWithTheRecord)
{
    install.writeBytes(QStringLiteral("drill2/成績累積データ.dat"), runLogRecordBytes(QDate(2024, 6, 10), 6000, 2, 51));
    const AdminRun r = admin({QStringLiteral("stats"), install.programFolder()});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("/Bangou=6000"))) << r.err.toStdString();
}

} // namespace
