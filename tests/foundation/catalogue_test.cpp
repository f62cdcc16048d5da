#include "installation.h"
#include "catalogue.h"

#include <gtest/gtest.h>

namespace {

TEST(Catalogue, LevelsKeepTheInvariantsTheDrillReliesOn)
{
    Installation state;
    catalogue::fillLevels(state);
    ASSERT_EQ(state.levelCount, 18);
    EXPECT_EQ(state.finalLevel, 18);
    for (int level = 1; level <= 18; ++level) {
        SCOPED_TRACE(level);
        const bool practice = level % 2 == 1;
        EXPECT_EQ(catalogue::isPracticeCaption(state.levelName[level]), practice);
        EXPECT_EQ(state.levelTimed[level], 1);
        EXPECT_EQ(catalogue::questionGroup(level), (level + 1) / 2);
    }
    EXPECT_EQ(state.levelName[11], QStringLiteral("宗教練習"));
    EXPECT_EQ(state.levelName[12], QStringLiteral("宗教"));
    EXPECT_EQ(catalogue::questionGroup(11), 6);
    EXPECT_EQ(catalogue::questionGroup(12), 6);
    EXPECT_TRUE(state.levelName[19].isEmpty());
}

TEST(Catalogue, FillingTheLevelsAgainLeavesEighteen)
{
    Installation state;
    catalogue::start(state);
    catalogue::fillLevels(state);
    catalogue::fillLevels(state);
    EXPECT_EQ(state.levelCount, 18);
    EXPECT_EQ(state.levelName[18], QStringLiteral("文化３"));
    EXPECT_TRUE(state.levelName[19].isEmpty());
    EXPECT_EQ(state.productTitle.size(), 6);
}

TEST(Catalogue, PracticeLevelsGetSixHundredSecondsAndTestsKeepTheirTimes)
{
    Installation state;
    catalogue::fillLevels(state);
    for (LevelTiming &t : state.timingTable) {
        t.passTime = 100;
        t.limitTime = 300;
    }
    catalogue::applyPracticeTimes(state);
    for (int level = 1; level <= 18; ++level) {
        const LevelTiming &t = state.timingTable[static_cast<std::size_t>(level)];
        const bool practice = level % 2 == 1;
        EXPECT_EQ(t.passTime, practice ? 600 : 100) << level;
        EXPECT_EQ(t.limitTime, practice ? 600 : 300) << level;
    }
    EXPECT_EQ(state.timingTable[19].passTime, 100);
}

} // namespace
