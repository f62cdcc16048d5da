#include "installation.h"
#include "datafileerror.h"
#include "folderscheme.h"
#include "schoolyear.h"
#include "siteline.h"
#include "startup.h"
#include "qtprinters.h"
#include "tempinstall.h"
#include "testnames.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

TEST(FolderScheme, ModeOneUsesTheSiblingFilesFolderForDataAndSounds)
{
    const Folders f = folderscheme::compute(QStringLiteral("/school/drill2"), 1);
    EXPECT_EQ(f.appFolder, QStringLiteral("/school/drill2/"));
    EXPECT_EQ(f.appFolderName, QStringLiteral("drill2"));
    EXPECT_EQ(f.filesFolder, QStringLiteral("/school/files/"));
    EXPECT_EQ(f.soundFolder, QStringLiteral("/school/files/"));
    EXPECT_EQ(f.dataFolder, QStringLiteral("/school/drill2/"));
}

TEST(FolderScheme, OtherModesUseTheParentAndItsSoundFolder)
{
    for (int mode : {0, 2}) {
        const Folders f = folderscheme::compute(QStringLiteral("/school/drill2/"), mode);
        EXPECT_EQ(f.filesFolder, QStringLiteral("/school/"));
        EXPECT_EQ(f.soundFolder, QStringLiteral("/school/音フォルダ/"));
        EXPECT_EQ(f.dataFolder, QStringLiteral("/school/drill2/"));
        EXPECT_EQ(f.appFolderName, QStringLiteral("drill2"));
    }
}

struct SiteCase
{
    const char *name;
    QString line;
    QString code;
    QString siteName;

    friend void PrintTo(const SiteCase &c, std::ostream *os)
    {
        *os << c.name << ": " << testprint::quoted(c.line) << " -> code " << testprint::quoted(c.code) << ", name "
            << testprint::quoted(c.siteName);
    }
};

class SiteLineSplit : public ::testing::TestWithParam<SiteCase> {};

TEST_P(SiteLineSplit, SplitsOnlyAUsableCode)
{
    const SiteLine s = SiteLine::split(GetParam().line);
    EXPECT_EQ(s.code, GetParam().code);
    EXPECT_EQ(s.name, GetParam().siteName);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SiteLineSplit,
    ::testing::Values(SiteCase{"code_then_name", QStringLiteral("01234みどり小学校"), QStringLiteral("01234"), QStringLiteral("みどり小学校")},
                      SiteCase{"zero_code", QStringLiteral("00000みどり小学校"), QString(), QStringLiteral("00000みどり小学校")},
                      SiteCase{"starts_with_letter", QStringLiteral("Aみどり小学校"), QString(), QStringLiteral("Aみどり小学校")},
                      SiteCase{"digits_then_letters", QStringLiteral("12abcみどり"), QStringLiteral("12abc"), QStringLiteral("みどり")},
                      SiteCase{"too_short_for_a_code", QStringLiteral("123"), QString(), QStringLiteral("123")},
                      SiteCase{"empty", QString(), QString(), QString()}),
    testname::ByName());

TEST(SchoolYear, BeginsInTheConfiguredMonth)
{
    EXPECT_EQ(schoolYearOf(QDate(2003, 3, 31), 4), 2002);
    EXPECT_EQ(schoolYearOf(QDate(2003, 4, 1), 4), 2003);
    // Born up to the first of the start month, a pupil is in the grade of those born the year before.
    EXPECT_EQ(rosterBirthYear(QDate(2014, 1, 1), 4), 2013);
    EXPECT_EQ(rosterBirthYear(QDate(2014, 4, 1), 4), 2013);
    EXPECT_EQ(rosterBirthYear(QDate(2014, 4, 2), 4), 2014);
    EXPECT_EQ(rosterBirthYear(QDate(2014, 12, 31), 4), 2014);
    EXPECT_EQ(rosterBirthYear(QDate(2014, 1, 1), 1), 2013);
    EXPECT_EQ(rosterBirthYear(QDate(2014, 1, 2), 1), 2014);
    EXPECT_EQ(schoolYearOf(QDate(2003, 1, 1), 1), 2003);
}

TEST(Startup, ReadsAValidModeOneInstallation)
{
    TempInstall install;
    install.writeValidMode1();
    Installation state;
    runStartup(state, install.programFolder());
    EXPECT_EQ(state.folderMode, 1);
    EXPECT_TRUE(state.homeUse);
    EXPECT_EQ(state.screenBackColour, QColor(0, 128, 128));
    EXPECT_EQ(state.yearStartMonth, 4);
    EXPECT_EQ(state.siteCode, QStringLiteral("01234"));
    EXPECT_EQ(state.siteName, QStringLiteral("みどり小学校"));
    EXPECT_EQ(state.productTitle, QStringLiteral("Tavrel"));
    EXPECT_TRUE(state.printEnabled);
    EXPECT_EQ(state.timingTable[2].passTime, 102);
    // Practice levels run on the practice time whatever the table says.
    EXPECT_EQ(state.timingTable[1].passTime, 600);
    EXPECT_EQ(state.timingTable[1].limitTime, 600);
    EXPECT_EQ(state.levelCount, 18);
    EXPECT_EQ(state.levelName[18], QStringLiteral("文化３"));
    EXPECT_EQ(state.timingTable[18].limitTime, 218);
    EXPECT_EQ(state.timingTable[18].requiredCount, 3);
    EXPECT_FLOAT_EQ(state.timingTable[18].levelWeight, 1.5F);
    EXPECT_DOUBLE_EQ(state.timingTable[18].window2Days, 30.0);
    EXPECT_EQ(state.soundTable.fileCount(2), 3);
    EXPECT_EQ(QDir::cleanPath(state.folders.soundFolder), QDir::cleanPath(install.filesFolder()));
}

TEST(Startup, ModeZeroReadsCommonDataAndSoundsBesideTheProgramFolder)
{
    TempInstall install;
    install.writeText(QStringLiteral("drill2/設定.txt"), QStringLiteral("x,0,0,0,0,0,0,0,0,0"));
    install.writeText(QStringLiteral("共通データ.txt"), QStringLiteral("4,\"学校\",0,0,0,0,0,0,0,0"));
    install.writeText(QStringLiteral("drill2/タイム回数データ.txt"), TempInstall::validTimingTable());
    install.writeText(QStringLiteral("音フォルダ/新音ファイル.txt"), TempInstall::validSoundTable());
    Installation state;
    runStartup(state, install.programFolder());
    EXPECT_EQ(state.folderMode, 0);
    EXPECT_EQ(state.siteName, QStringLiteral("学校"));
    EXPECT_TRUE(state.siteCode.isEmpty());
    EXPECT_EQ(QDir::cleanPath(state.folders.soundFolder), QDir::cleanPath(install.root() + QStringLiteral("/音フォルダ")));
}

// Only the value 1 itself selects the sibling files folder; 1.5 or 0.9 is some other value and
// selects the parent folder, however close to 1 it lies.
class StartupFolderMode : public ::testing::TestWithParam<const char *> {};

TEST_P(StartupFolderMode, OnlyExactlyOneSelectsTheFilesFolder)
{
    TempInstall install;
    install.writeText(QStringLiteral("drill2/設定.txt"), QString::fromUtf8(GetParam()) + QStringLiteral(",0,0,0,0,0,0,0,0,0"));
    install.writeText(QStringLiteral("共通データ.txt"), QStringLiteral("4,\"学校\",0,0,0,0,0,0,0,0"));
    install.writeText(QStringLiteral("drill2/タイム回数データ.txt"), TempInstall::validTimingTable());
    install.writeText(QStringLiteral("音フォルダ/新音ファイル.txt"), TempInstall::validSoundTable());
    Installation state;
    runStartup(state, install.programFolder());
    EXPECT_NE(state.folderMode, 1);
    EXPECT_EQ(QDir::cleanPath(state.folders.filesFolder), QDir::cleanPath(install.root()));
    EXPECT_EQ(QDir::cleanPath(state.folders.soundFolder), QDir::cleanPath(install.root() + QStringLiteral("/音フォルダ")));
}

INSTANTIATE_TEST_SUITE_P(Values, StartupFolderMode, ::testing::Values("1.5", "1.0001", "0.9", "\"1.5\"", "x", "0", "2", "1e300",
                                                             "-1e300", "\"4294967297\""));

struct BadFileCase
{
    const char *name;
    QString relativePath;   // file to replace (or remove, when content is null)
    QString content;
    bool remove;
    QString expectedInMessage;

    friend void PrintTo(const BadFileCase &c, std::ostream *os)
    {
        *os << c.name << ": " << (c.remove ? "remove " : "replace ") << testprint::quoted(c.relativePath);
        if (!c.remove)
            *os << " with " << testprint::quoted(c.content);
        *os << " -> message mentions " << testprint::quoted(c.expectedInMessage);
    }
};

class StartupRejects : public ::testing::TestWithParam<BadFileCase> {};

TEST_P(StartupRejects, NamesTheFileAndWritesNothing)
{
    const BadFileCase &c = GetParam();
    TempInstall install;
    install.writeValidMode1();
    if (c.remove)
        install.remove(c.relativePath);
    else
        install.writeText(c.relativePath, c.content);
    const QStringList before = install.listing();

    Installation state;
    try {
        runStartup(state, install.programFolder());
        FAIL() << "start-up accepted a bad " << c.relativePath.toStdString();
    } catch (const DataFileError &e) {
        const QString fileName = c.relativePath.section(u'/', -1);
        EXPECT_TRUE(e.text().contains(fileName)) << e.text().toStdString();
        EXPECT_TRUE(e.text().contains(c.expectedInMessage)) << e.text().toStdString();
    }
    EXPECT_EQ(install.listing(), before);
}

const QString kSettings = QStringLiteral("drill2/設定.txt");
const QString kCommon = QStringLiteral("files/共通データ.txt");
const QString kTiming = QStringLiteral("drill2/タイム回数データ.txt");
const QString kSounds = QStringLiteral("files/新音ファイル.txt");

QString timingWithLevel(int level, const QString &record)
{
    QStringList lines = TempInstall::validTimingTable().split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    lines[level] = record;
    return lines.join(QStringLiteral("\r\n"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StartupRejects,
    ::testing::Values(
        BadFileCase{"settings_missing", kSettings, {}, true, QStringLiteral("見つかりません")},
        BadFileCase{"settings_short", kSettings, QStringLiteral("1,0,0"), false, QStringLiteral("10 個")},
        BadFileCase{"common_missing", kCommon, {}, true, QStringLiteral("見つかりません")},
        BadFileCase{"common_short", kCommon, QStringLiteral("4,\"学校\",0"), false, QStringLiteral("10 個")},
        BadFileCase{"common_month_out_of_range", kCommon, QStringLiteral("13,\"学校\",0,0,0,0,0,0,0,0"), false, QStringLiteral("1 から 12")},
        BadFileCase{"timing_missing", kTiming, {}, true, QStringLiteral("見つかりません")},
        BadFileCase{"timing_empty", kTiming, QString(), false, QStringLiteral("レベル 1")},
        BadFileCase{"timing_record_cut_short", kTiming, QStringLiteral("0,0,0,0,0,0,0,0,0,0,0,0\r\n100,200,300"), false, QStringLiteral("12 個")},
        BadFileCase{"timing_not_a_number", kTiming, timingWithLevel(3, QStringLiteral("abc,200,300,3,1,5,200,7,30,0,0,0")), false, QStringLiteral("合格タイム")},
        BadFileCase{"timing_blank_pass_time", kTiming, timingWithLevel(4, QStringLiteral(",200,300,3,1,5,200,7,30,0,0,0")), false, QStringLiteral("1 秒以上")},
        BadFileCase{"timing_count_beyond_16_bits", kTiming, timingWithLevel(4, QStringLiteral("100,200,300,40000,1,5,200,7,30,0,0,0")), false, QStringLiteral("必要回数が大きすぎます")},
        BadFileCase{"timing_weight_beyond_float", kTiming, timingWithLevel(5, QStringLiteral("100,200,300,3,1e300,5,200,7,30,0,0,0")), false, QStringLiteral("ポイント倍率が大きすぎます")},
        BadFileCase{"timing_zero_limit", kTiming, timingWithLevel(7, QStringLiteral("100,0,300,3,1,5,200,7,30,0,0,0")), false, QStringLiteral("政治４練習")},
        BadFileCase{"timing_missing_levels", kTiming, QStringLiteral("0,0,0,0,0,0,0,0,0,0,0,0\r\n100,200,300,3,1,5,200,7,30,0,0,0"), false, QStringLiteral("レベル 2")},
        BadFileCase{"timing_too_many_records", kTiming, TempInstall::validTimingTable() + QStringLiteral("1,2,3,4,5,6,7,8,9,0,0,0\r\n").repeated(18), false, QStringLiteral("36 件")},
        BadFileCase{"sounds_missing", kSounds, {}, true, QStringLiteral("見つかりません")},
        BadFileCase{"sounds_group_cut_short", kSounds, QStringLiteral("正解音2,a,b"), false, QStringLiteral("正解音2")}),
    testname::ByName());

TEST(Startup, ThirtySixRecordsAreAllowed)
{
    TempInstall install;
    install.writeValidMode1();
    install.writeText(kTiming, TempInstall::validTimingTable()
                                   + QStringLiteral("1,2,3,4,5,6,7,8,9,0,0,0\r\n").repeated(17));
    Installation state;
    runStartup(state, install.programFolder());
    EXPECT_EQ(state.timingTable[35].passTime, 1);
}

// Optional cells left empty, as a spreadsheet saves them, read as 0: for the second window's
// count and points 0 means "not used".
TEST(Startup, BlankOptionalTimingCellsReadAsZero)
{
    TempInstall install;
    install.writeValidMode1();
    install.writeText(kTiming, timingWithLevel(4, QStringLiteral("104,204,300,3,1.5,,,7,30,,\"\",0")));
    Installation state;
    runStartup(state, install.programFolder());
    const LevelTiming &t = state.timingTable[4];
    EXPECT_EQ(t.passTime, 104);
    EXPECT_EQ(t.limitTime, 204);
    EXPECT_DOUBLE_EQ(t.window2Count, 0.0);
    EXPECT_DOUBLE_EQ(t.window2Points, 0.0);
    EXPECT_DOUBLE_EQ(t.window1Days, 7.0);
    EXPECT_EQ(state.timingTable[6].passTime, 106);
}

} // namespace
