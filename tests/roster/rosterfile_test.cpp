#include "rosterfile.h"

#include "installation.h"
#include "qtprinters.h"
#include "rosterfixture.h"
#include "testnames.h"

#include <gtest/gtest.h>

namespace {

const QString kPath = QStringLiteral("/school/files/生徒用名簿.txt");

RosterFile parseLines(const QStringList &lines)
{
    return RosterFile::parse(RosterFixture::rosterBytes(lines), kPath);
}

TEST(RosterFileTest, ReadsTheEightValuesOfEachLine)
{
    const RosterFile roster = parseLines({QStringLiteral("12,2014,3,\"x\",\"山田 太郎           \",2,\"四組, 二班\",\"\"")});
    ASSERT_EQ(roster.lines().size(), 1U);
    EXPECT_TRUE(roster.problems().empty());
    const RosterEntry *e = roster.entry(0);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(*e, (RosterEntry{1, 12, 2014, QStringLiteral("3"), QStringLiteral("x"),
                               QStringLiteral("山田 太郎           "), 2, QStringLiteral("四組, 二班"), QString()}));
    EXPECT_EQ(e->trimmedName(), QStringLiteral("山田 太郎"));
    EXPECT_EQ(roster.entry(1), nullptr);
}

TEST(RosterFileTest, QuotedNumbersAndSpacesReadAsNumbers)
{
    const RosterFile roster = parseLines({QStringLiteral(" \"7\" , 2013 ,0,0,\"林\",\"0\",\"\",\"\"")});
    ASSERT_NE(roster.entry(0), nullptr);
    EXPECT_EQ(roster.entry(0)->rosterNo, 7);
    EXPECT_EQ(roster.entry(0)->birthYear, 2013);
    EXPECT_EQ(roster.entry(0)->listFlag, 0);
}

struct BadLineCase
{
    const char *what;
    const char *line;
    const char *problemPart;

    friend void PrintTo(const BadLineCase &c, std::ostream *os)
    {
        *os << c.what << ": line " << testprint::quoted(c.line) << ", problem mentions "
            << testprint::quoted(c.problemPart);
    }
};

class BadLineTest : public ::testing::TestWithParam<BadLineCase>
{
};

// A damaged second line is reported with the file and its line number; the lines around it are
// still read.
TEST_P(BadLineTest, IsReportedAndSkippedWithoutLosingTheRest)
{
    const BadLineCase &c = GetParam();
    const RosterFile roster = parseLines({RosterFixture::line(1, 2014, QStringLiteral("一郎")),
                                          QString::fromUtf8(c.line),
                                          RosterFixture::line(3, 2015, QStringLiteral("三郎"))});
    ASSERT_EQ(roster.problems().size(), 1U);
    const DataFileError &problem = roster.problems().front();
    EXPECT_EQ(problem.line(), 2);
    EXPECT_EQ(problem.filePath(), kPath);
    EXPECT_TRUE(problem.problem().contains(QString::fromUtf8(c.problemPart))) << problem.text().toStdString();
    EXPECT_TRUE(problem.text().contains(QStringLiteral("2 行目"))) << problem.text().toStdString();
    ASSERT_NE(roster.entry(1), nullptr);
    EXPECT_EQ(roster.entry(0)->rosterNo, 1);
    EXPECT_EQ(roster.entry(1)->rosterNo, 3);
    EXPECT_EQ(roster.entry(2), nullptr);
    // The damaged line is still held, for a rewrite to keep.
    ASSERT_EQ(roster.lines().size(), 3U);
    EXPECT_FALSE(roster.lines()[1].entry.has_value());
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, BadLineTest,
    ::testing::Values(BadLineCase{"too few values", "2,2014,0,0,\"次郎\",0,\"\"", "8 個必要ですが、7 個"},
                      BadLineCase{"too many values", "2,2014,0,0,次郎,花子,0,\"\",\"\"", "8 個必要ですが、9 個"},
                      BadLineCase{"number 0", "0,2014,0,0,\"次郎\",0,\"\",\"\"", "番号「0」"},
                      BadLineCase{"number 5001", "5001,2014,0,0,\"次郎\",0,\"\",\"\"", "番号「5001」"},
                      BadLineCase{"number not a number", "abc,2014,0,0,\"次郎\",0,\"\",\"\"", "番号「abc」"},
                      BadLineCase{"number with a fraction", "2.5,2014,0,0,\"次郎\",0,\"\",\"\"", "番号「2.5」"},
                      BadLineCase{"year not a number", "2,二〇一四,0,0,\"次郎\",0,\"\",\"\"", "生まれた年「二〇一四」"},
                      BadLineCase{"year beyond 16 bits", "2,40000,0,0,\"次郎\",0,\"\",\"\"", "生まれた年「40000」"},
                      BadLineCase{"list flag not a number", "2,2014,0,0,\"次郎\",x,\"\",\"\"", "表示の区分「x」"},
                      BadLineCase{"unclosed quote", "2,2014,0,0,\"次郎,0,x,y", "引用符"}),
    testname::from([](const BadLineCase &c) { return std::string(c.what); }));

TEST(RosterFileTest, AnyLineEndWorksAndBlankLinesHoldNoPupil)
{
    const QByteArray a = sjis::encode(RosterFixture::line(1, 2014, QStringLiteral("一郎")));
    const QByteArray b = sjis::encode(RosterFixture::line(2, 2015, QStringLiteral("二郎")));
    // Written back, every line ends in CR LF and blank lines stay where they were.
    const std::pair<QByteArray, QByteArray> variants[] = {
        {a + "\r\n" + b + "\r\n", a + "\r\n" + b + "\r\n"},
        {a + "\n" + b, a + "\r\n" + b + "\r\n"},
        {a + "\r" + b + "\r", a + "\r\n" + b + "\r\n"},
        {"\r\n" + a + "\r\n  \r\n\r\n" + b + "\r\n\r\n", "\r\n" + a + "\r\n  \r\n\r\n" + b + "\r\n\r\n"}};
    for (const auto &[bytes, written] : variants) {
        SCOPED_TRACE(bytes.toStdString());
        const RosterFile roster = RosterFile::parse(bytes, kPath);
        EXPECT_TRUE(roster.problems().empty());
        ASSERT_NE(roster.entry(1), nullptr);
        EXPECT_EQ(roster.entry(0)->trimmedName(), QStringLiteral("一郎"));
        EXPECT_EQ(roster.entry(1)->trimmedName(), QStringLiteral("二郎"));
        EXPECT_EQ(roster.encode(), written);
    }
}

TEST(RosterFileTest, LineNumbersCountBlankLines)
{
    const RosterFile roster = RosterFile::parse(
        "\r\n\r\n" + sjis::encode(RosterFixture::line(1, 2014, QStringLiteral("一郎"))) + "\r\nbad\r\n", kPath);
    ASSERT_NE(roster.entry(0), nullptr);
    EXPECT_EQ(roster.entry(0)->line, 3);
    ASSERT_EQ(roster.problems().size(), 1U);
    EXPECT_EQ(roster.problems().front().line(), 4);
}

TEST(RosterFileTest, UntouchedLinesAreWrittenWithTheirOwnBytes)
{
    const QStringList lines = {QStringLiteral("1,2014,0,0,\"一郎\",0,\"note that runs well past twenty characters\",\"\""),
                               QStringLiteral("2 , 2015,\"a\",,\"二郎\",1,\"\",\"\""), QStringLiteral("damaged")};
    const RosterFile roster = parseLines(lines);
    EXPECT_EQ(roster.encode(), RosterFixture::rosterBytes(lines));
}

TEST(RosterFileTest, AnEditedLineIsWrittenInTheRosterFormat)
{
    RosterFile roster = parseLines({QStringLiteral("1,2014,0,0,\"一郎\",0,\"\",\"\""),
                                    QStringLiteral("2,2015,\"a\", ,二郎,2,\"四組, 二班\",\"note that runs well past twenty\"")});
    RosterEntry changed = *roster.entry(1);
    changed.name = QStringLiteral("二郎丸");
    ASSERT_TRUE(roster.replaceEntry(1, changed));
    EXPECT_FALSE(roster.replaceEntry(2, changed));
    // Numbers bare; texts quoted and padded to 20, longer ones whole; a carried value that is not
    // a number is quoted so that it reads back the same.
    const QString expected = QStringLiteral("1,2014,0,0,\"一郎\",0,\"\",\"\"\r\n"
                                            "2,2015,\"a\",\"\",\"二郎丸                 \",2,"
                                            "\"四組, 二班              \",\"note that runs well past twenty\"\r\n");
    EXPECT_EQ(roster.encode(), sjis::encode(expected));
    const RosterFile reread = RosterFile::parse(roster.encode(), kPath);
    ASSERT_NE(reread.entry(1), nullptr);
    EXPECT_EQ(reread.entry(1)->trimmedName(), QStringLiteral("二郎丸"));
    EXPECT_EQ(reread.entry(1)->note1.trimmed(), QStringLiteral("四組, 二班"));
    EXPECT_EQ(reread.entry(1)->extra1, QStringLiteral("a"));
}

TEST(RosterFileTest, AMissingFileReadsEmptyWithoutAProblem)
{
    RosterFixture fx;
    const RosterFile roster = RosterFile::read(fx.rosterPath());
    EXPECT_FALSE(roster.found());
    EXPECT_TRUE(roster.lines().empty());
    EXPECT_TRUE(roster.problems().empty());
}

TEST(RosterFileTest, PathsFollowTheFilesFolder)
{
    Folders folders;
    folders.filesFolder = QStringLiteral("/school/files/");
    EXPECT_EQ(RosterFile::path(folders), kPath);
    EXPECT_EQ(RosterFile::backupPath(folders), QStringLiteral("/school/files/生徒用名簿temp.txt"));
}

} // namespace
