#include "personaltimes.h"
#include "pupilreport.h"
#include "reportlayout.h"

#include "levelsfixture.h"

#include <gtest/gtest.h>

namespace {

using namespace levelsfixture;

// Level 2: Yamada's runs in log order 120, 95, a run of 1800 s, a time-out, 130, 80, and one run
// of 50 s eleven years ago; Sato 60 s and Suzuki 200 s. Level 4: Yamada only timed out.
std::vector<LoggedRun> reportRuns()
{
    return {
        {4000, QTime(9, 0), kYamada, 2, 50},
        {20, QTime(9, 0), kYamada, 2, 120},
        {15, QTime(9, 0), kSato, 2, 60},
        {10, QTime(9, 30), kYamada, 2, 95},
        {9, QTime(9, 0), kYamada, 2, 1800},
        {8, QTime(9, 0), kYamada, 2, 99999},
        {5, QTime(9, 0), kYamada, 2, 130},
        {3, QTime(14, 5, 30), kYamada, 2, 80},
        {1, QTime(9, 0), kSuzuki, 2, 200},
        {0, QTime(9, 0), kYamada, 4, 99999},
    };
}

class ReportTest : public testing::Test
{
protected:
    ListSources sources(const QString &filter = QStringLiteral("全学年")) const
    {
        return {m_state, kYamada, m_log->stats, m_pupils, filter, now()};
    }
    // Every row of a log, oldest first, as the screen reads the newest ones afresh.
    static std::vector<RunRow> rowsOf(const LogStats &log)
    {
        std::vector<RunRow> runs;
        for (const RunRow row : log.stats.rows())
            runs.push_back(row);
        return runs;
    }

    Installation m_state = [] {
        Installation s = state();
        s.productTitle = QStringLiteral("Tavrel");
        return s;
    }();
    PupilDirectory m_pupils = pupils();
    std::unique_ptr<LogStats> m_log = logStats(m_state, reportRuns());
};

TEST_F(ReportTest, BlockCountsRunsUnder1800SecondsOfTheWindowAndPlotsTheRecordCurve)
{
    const ReportBlockFigures f = gatherReportBlock(sources(), reportRunsOf(*m_log, {kYamada}, {2}), kYamada, 2);
    EXPECT_EQ(f.title, QStringLiteral("Tavrel 政治１"));
    EXPECT_EQ(f.runCount, 4); // 120, 95, 130, 80: not the 1800 s run, the time-out or the old run
    EXPECT_EQ(f.timeSum, 425);
    EXPECT_EQ(f.axisMaximum, 140);
    const std::vector<RecordPoint> record{
        {1, 120, oadate::fromDate(now().date().addDays(-20))},
        {2, 95, oadate::fromDate(now().date().addDays(-10))},
        {4, 80, oadate::fromDate(now().date().addDays(-3))},
    };
    EXPECT_EQ(f.record, record);
    EXPECT_EQ(f.allRunCount, 6);
    EXPECT_EQ(f.allBest, 60);

    // The old run of 50 s is outside the window but still Yamada's best time, ranked first.
    const std::vector<ReportTableLine> lines = reportTableLines(f);
    QStringList texts;
    for (const ReportTableLine &l : lines)
        texts << l.text;
    EXPECT_EQ(texts, (QStringList{
                         QStringLiteral("回数　　　　　　　  4回"),
                         QStringLiteral("タイム  　　 　    本人 / 全体"),
                         QStringLiteral("　　順位　　　　    1位"),
                         QStringLiteral("　　最高　　　　   80秒 /   60秒"),
                         QStringLiteral("　　平均　　　　  106秒 /  114秒"),
                         QStringLiteral("ポイント  　　　"),
                         QStringLiteral("　　順位　　　　    1位"),
                         QString(QStringLiteral("　　獲得ポイント%1点")).arg(f.points, 5),
                         QString(QStringLiteral("　　　　　　　　　　　　/%1点"))
                             .arg(qRound(static_cast<double>(f.pointsSum) / f.pointsPupilCount), 5),
                         QStringLiteral("　　　　　　　　　　　　 (全平均)"),
                     }));
    EXPECT_EQ(f.pointsPupilCount, 3);
    for (std::size_t i = 0; i + 1 < lines.size(); ++i)
        EXPECT_EQ(lines[i].line, static_cast<double>(i)) << lines[i].text.toStdString();
    // "(全平均)" stands half a line below the average points.
    EXPECT_EQ(lines.back().line, 8.5);
}

TEST_F(ReportTest, WithoutCountedRunsThereIsNoAverageLineAndNoCurve)
{
    const ReportBlockFigures f = gatherReportBlock(sources(), reportRunsOf(*m_log, {kYamada}, {4}), kYamada, 4);
    EXPECT_EQ(f.runCount, 0);
    EXPECT_EQ(f.axisMaximum, 10);
    EXPECT_TRUE(f.record.empty());
    EXPECT_EQ(f.timeRank, QStringLiteral("---")); // a time-out leaves no best time to rank
    bool average = false;
    for (const ReportTableLine &l : reportTableLines(f))
        average = average || l.text.contains(QStringLiteral("平均　"));
    EXPECT_FALSE(average);
    EXPECT_EQ(reportTableLines(f)[0].text, QStringLiteral("回数　　　　　　　  0回"));
    EXPECT_EQ(reportTableLines(f)[3].text, QStringLiteral("　　最高　　　　   --- /  ---秒"));
}

// A pupil without a row in the rankings shows no one else's figures.
TEST_F(ReportTest, PupilOutsideTheRankingsGetsDashesAndNoPoints)
{
    PupilDirectory notListed = m_pupils;
    notListed.setListed({kSato, kSuzuki});
    const ListSources s{m_state, kYamada, m_log->stats, notListed, QStringLiteral("全学年"), now()};
    const ReportBlockFigures f = gatherReportBlock(s, reportRunsOf(*m_log, {kYamada}, {2}), kYamada, 2);
    EXPECT_EQ(f.timeRank, QStringLiteral("---"));
    EXPECT_EQ(f.pointsRank, QStringLiteral("---"));
    EXPECT_EQ(f.points, 0);
    EXPECT_EQ(f.runCount, 4);

    const ReportBlockFigures filtered = gatherReportBlock(sources(QStringLiteral("中学生全体")), reportRunsOf(*m_log, {kYamada}, {2}), kYamada, 2);
    EXPECT_EQ(filtered.timeRank, QStringLiteral("---"));
    EXPECT_EQ(filtered.pointsRank, QStringLiteral("---"));
    EXPECT_TRUE(filtered.record.empty()); // the grade filter leaves the pupil's curve out
    EXPECT_EQ(filtered.pointsPupilCount, 1); // Suzuki, the only pupil of grades 7 to 9
}

TEST_F(ReportTest, FourLevelsPutThreeBlocksOnTheFirstPageAndOneOnTheSecond)
{
    const std::vector<ReportPage> pages = reportPages(sources(), reportRunsOf(*m_log, {kYamada, kSato}, {1, 2, 3, 4}), std::vector<int>{kYamada, kSato}, {1, 2, 3, 4});
    ASSERT_EQ(pages.size(), 4u);
    for (std::size_t i = 0; i < pages.size(); i += 2) {
        ASSERT_EQ(pages[i].blocks.size(), 3u);
        ASSERT_EQ(pages[i + 1].blocks.size(), 1u);
        EXPECT_EQ(pages[i].blocks[0].top, 500.0);
        EXPECT_EQ(pages[i].blocks[1].top, 3500.0);
        EXPECT_EQ(pages[i].blocks[2].top, 6500.0);
        EXPECT_EQ(pages[i + 1].blocks[0].top, 500.0);
        EXPECT_EQ(pages[i + 1].blocks[0].figures.level, 4);
        EXPECT_TRUE(pages[i].blocks[0].firstOnPage);
        EXPECT_FALSE(pages[i].blocks[1].firstOnPage);
        EXPECT_TRUE(pages[i + 1].blocks[0].firstOnPage);
    }
    EXPECT_EQ(pages[0].pupilName, QStringLiteral("山田太郎"));
    EXPECT_EQ(pages[2].pupilName, QStringLiteral("佐藤花子"));

    // A level past the catalogue ends the report.
    EXPECT_EQ(reportPages(sources(), reportRunsOf(*m_log, {kYamada}, {1, 19, 2}), kYamada, {1, 19, 2}).front().blocks.size(), 1u);
    EXPECT_TRUE(reportPages(sources(), reportRunsOf(*m_log, {kYamada}, {}), kYamada, {}).empty());
}

TEST_F(ReportTest, PersonalTimesListThePupilsOwnRunsOfTheWindow)
{
    const PersonalTimesView view = personalTimeLists(sources(), rowsOf(*m_log));
    EXPECT_EQ(view.heading, QStringLiteral("個人別ﾀｲﾑ"));
    EXPECT_EQ(view.lists[2].lines, (QStringList{
                                       QStringLiteral("2024/02/17 09:00:00 120秒"),
                                       QStringLiteral("2024/02/27 09:30:00  95秒"),
                                       QStringLiteral("2024/02/28 09:00:001800秒"),
                                       QStringLiteral("2024/02/29 09:00:00"),
                                       QStringLiteral("2024/03/03 09:00:00 130秒"),
                                       QStringLiteral("2024/03/05 14:05:30  80秒"),
                                   }));
    EXPECT_EQ(view.lists[4].lines, QStringList{QStringLiteral("2024/03/08 09:00:00")});
    EXPECT_TRUE(personalTimeLists(sources(QStringLiteral("中学生全体")), rowsOf(*m_log)).lists[2].lines.isEmpty());
}

// The list comes from the runs read when the mode is chosen, not from the figures of the
// screen's activation: a run recorded since (here or on another PC) is listed.
TEST_F(ReportTest, PersonalTimesListARunRecordedSinceTheFiguresWereRead)
{
    std::vector<LoggedRun> since = reportRuns();
    since.push_back({0, QTime(14, 30), kYamada, 2, 77});
    const auto newest = logStats(m_state, since);
    const QStringList lines = personalTimeLists(sources(), rowsOf(*newest)).lists[2].lines;
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_EQ(lines.last(), QStringLiteral("2024/03/08 14:30:00  77秒"));
    EXPECT_EQ(lines.size(), personalTimeLists(sources(), rowsOf(*m_log)).lists[2].lines.size() + 1);
}

struct PrintRuleCase
{
    const char *name;
    bool printVisible;
};

class PrintRuleTest : public testing::TestWithParam<PrintRuleCase>
{
};

TEST_P(PrintRuleTest, PrintIsOfferedOnlyToNamesContainingSensei)
{
    PupilReport report;
    report.open(pupils(), 18, kYamada, QString::fromUtf8(GetParam().name));
    EXPECT_EQ(report.view().printVisible, GetParam().printVisible);
}

INSTANTIATE_TEST_SUITE_P(Names, PrintRuleTest,
                         testing::Values(PrintRuleCase{"山田太郎            ", false},
                                         PrintRuleCase{"先生　               ", true},
                                         PrintRuleCase{"田中先生", true}, PrintRuleCase{"先", false},
                                         PrintRuleCase{"", false}));

TEST(PupilReport, GraphShowsTheCurrentPupilForLevelsOneToThreeAndSelectedPupilsOtherwise)
{
    PupilDirectory directory = pupils();
    directory.setReportPupils({kSato, kSuzuki, kTaka});
    PupilReport report;
    report.open(directory, 18, kYamada, QStringLiteral("山田太郎"));
    EXPECT_EQ(report.view().pupilRows.first(), QStringLiteral("小６ /  佐藤花子/2"));
    EXPECT_EQ(report.view().pupilRows.last(), QStringLiteral(" /  高橋/4"));
    EXPECT_FALSE(report.view().panelVisible);

    EXPECT_EQ(report.showGraph(), (ReportRequest{{kYamada}, {1, 2, 3}}));
    EXPECT_TRUE(report.view().panelVisible);
    EXPECT_FALSE(report.view().pupilListVisible);

    report.showOthers();
    EXPECT_TRUE(report.view().pupilListVisible);
    EXPECT_FALSE(report.view().othersButtonVisible);
    report.selectPupilRows({2, 0, 7});
    report.selectLevels({4, 2, 40});
    EXPECT_EQ(report.request(), (ReportRequest{{kSato, kTaka}, {2, 4}}));
    EXPECT_EQ(report.view().reportPupil, kTaka);

    // Without a selected pupil the last one drawn stays the report's pupil.
    report.selectPupilRows({});
    EXPECT_EQ(report.request().pupils, std::vector<int>{kTaka});
    report.hide();
    EXPECT_FALSE(report.view().panelVisible);
    EXPECT_EQ(report.showGraph().pupils, std::vector<int>{kYamada});
}

} // namespace
