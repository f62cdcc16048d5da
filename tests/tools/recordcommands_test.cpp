#include "adminrun.h"

#include "filesizelimit.h"
#include "runlogbytes.h"
#include "qtprinters.h"
#include "tempinstall.h"
#include "testfiles.h"
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
    // Pupil 7 is not in the roster: an empty name, not an error.
    install.writeText(QStringLiteral("files/生徒用名簿.txt"),
                      QStringLiteral("3,2013,0,0,\"山田　花子          \",0,\"\",\"\"\r\n"
                                     "1,2012,0,0,\"=SUM(A1)\",0,\"\",\"\"\r\n"));
    const AdminRun r = admin({QStringLiteral("stats"), install.programFolder(), QStringLiteral("--date"),
                         QStringLiteral("2024-06-10")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.out.toStdString(),
              QStringLiteral("number\tname\tlevel\tlevel name\tbest time\truns\tpoints\truns (window 1)\tpoints (window 1)"
                             "\truns (window 2)\tpoints (window 2)\truns today\tpoints today\n"
                             "1\t=SUM(A1)\t4\t政治２\t104\t1\t7\t0\t0\t0\t0\t0\t0\n"
                             "3\t山田　花子\t2\t政治１\t51\t1\t16\t1\t16\t1\t16\t1\t16\n"
                             "7\t\t2\t政治１\t6000\t0\t0\t0\t0\t0\t0\t0\t0\n")
                  .toStdString());

    // A week later the first window has moved past pupil 3's run.
    const AdminRun later = admin({QStringLiteral("stats"), install.programFolder(), QStringLiteral("--date"),
                             QStringLiteral("2024-06-17")});
    ASSERT_EQ(later.status, 0);
    EXPECT_TRUE(later.out.contains(QStringLiteral("\n3\t山田　花子\t2\t政治１\t51\t1\t16\t0\t0\t1\t16\t0\t0\n")))
        << later.out.toStdString();
}

TEST_F(RecordCommands, StatsSpeakTheLanguageOfTheLocale)
{
    const AdminRun r = admin({QStringLiteral("stats"), install.programFolder(), QStringLiteral("--date"),
                              QStringLiteral("2024-06-10")},
                             AdminLanguage::Japanese);
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.startsWith(QStringLiteral("番号\t名前\tレベル\tレベル名\tベストタイム\t回数\tポイント\t回数（期間1）"
                                                "\tポイント（期間1）\t回数（期間2）\tポイント（期間2）\t今日の回数\t今日のポイント\n")))
        << r.out.toStdString();
}

TEST_F(RecordCommands, StatsAsCsvAreWrittenForASpreadsheet)
{
    install.writeText(QStringLiteral("files/生徒用名簿.txt"),
                      QStringLiteral("3,2013,0,0,\"山田　花子          \",0,\"\",\"\"\r\n"
                                     "1,2012,0,0,\"=SUM(A1)\",0,\"\",\"\"\r\n"));
    const QString csv = install.root() + QStringLiteral("/stats.csv");
    const AdminRun r = admin({QStringLiteral("stats"), install.programFolder(), QStringLiteral("--date"),
                              QStringLiteral("2024-06-10"), QStringLiteral("--csv"), csv},
                             AdminLanguage::Japanese);
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.isEmpty()) << r.out.toStdString();
    EXPECT_EQ(testfiles::read(csv).toStdString(),
              QStringLiteral("\uFEFF番号,名前,レベル,レベル名,ベストタイム,回数,ポイント,回数（期間1）,ポイント（期間1）,"
                             "回数（期間2）,ポイント（期間2）,今日の回数,今日のポイント\r\n"
                             "1,\"'=SUM(A1)\",4,\"政治２\",104,1,7,0,0,0,0,0,0\r\n"
                             "3,\"山田　花子\",2,\"政治１\",51,1,16,1,16,1,16,1,16\r\n"
                             "7,,2,\"政治１\",6000,0,0,0,0,0,0,0,0\r\n")
                  .toUtf8()
                  .toStdString());

    const AdminRun nowhere = admin({QStringLiteral("stats"), install.programFolder(), QStringLiteral("--csv"),
                                    install.root() + QStringLiteral("/no/such/folder/stats.csv")});
    EXPECT_EQ(nowhere.status, 1);
    EXPECT_TRUE(nowhere.err.contains(QStringLiteral("cannot write"))) << nowhere.err.toStdString();
}

TEST_F(RecordCommands, StatsLeaveTheBestTimeEmptyAfterTimeOutsOnly)
{
    install.writeBytes(QStringLiteral("drill2/成績累積データ.dat"), runLogRecordBytes(QDate(2024, 6, 10), 2, 2, 99999));
    const AdminRun r = admin({QStringLiteral("stats"), install.programFolder(), QStringLiteral("--date"),
                              QStringLiteral("2024-06-10")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.endsWith(QStringLiteral("\n2\t\t2\t政治１\t\t0\t0\t0\t0\t0\t0\t0\t0\n"))) << r.out.toStdString();
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
