#include "pupilhistory.h"

#include "catalogue.h"
#include "oadate.h"
#include "runlogrecord.h"
#include "runstats.h"
#include "testinstallation.h"

#include <gtest/gtest.h>

namespace {

// A run starts from the pupil's runs today at every level and the level's best times; a best
// time that does not exist reaches the drill as 0.
TEST(PupilHistory, HoldsTodaysRunsAndTheBestTimesOfTheLevel)
{
    const Installation state = catalogueInstallation(100, 200);
    const QDateTime now(QDate(2026, 12, 9), QTime(15, 0));
    const auto run = [&](int daysAgo, int pupil, int level, int time) {
        return RunRecord::forRun(oadate::fromDate(now.date().addDays(-daysAgo)), 0.5, static_cast<std::int16_t>(pupil),
                                 static_cast<std::int16_t>(level), time, QStringLiteral("01234"))
            .encode();
    };
    const QByteArray log = run(0, 3, 4, 90) + run(0, 3, 4, 70) + run(0, 3, 6, 120) + run(2, 3, 6, 60) + run(0, 8, 4, 50);
    RunStats stats;
    ASSERT_FALSE(stats.countRecords(log, state.timingTable, now).has_value());

    const RunHistory atFour = pupilHistory(stats, 3, 4);
    EXPECT_EQ(atFour.runsToday, 3);
    EXPECT_EQ(atFour.runsTodayAtLevel, 2);
    EXPECT_EQ(atFour.ownBestTime, 70);
    EXPECT_EQ(atFour.levelBestTime, 50);

    const RunHistory newcomer = pupilHistory(stats, 9, 8);
    EXPECT_EQ(newcomer.runsToday, 0);
    EXPECT_EQ(newcomer.runsTodayAtLevel, 0);
    EXPECT_EQ(newcomer.ownBestTime, 0);
    EXPECT_EQ(newcomer.levelBestTime, 0);
}

} // namespace
