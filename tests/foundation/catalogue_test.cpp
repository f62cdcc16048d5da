#include "appstate.h"
#include "catalogue.h"

#include <gtest/gtest.h>

namespace {

TEST(Catalogue, LevelsKeepTheInvariantsTheDrillReliesOn)
{
    AppState state;
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

TEST(Catalogue, ConfirmingASecondPupilLeavesEighteenLevels)
{
    AppState state;
    catalogue::start(state);
    catalogue::fillLevels(state);
    catalogue::fillLevels(state);
    EXPECT_EQ(state.levelCount, 18);
    EXPECT_EQ(state.levelName[18], QStringLiteral("文化３"));
    EXPECT_TRUE(state.levelName[19].isEmpty());
    EXPECT_EQ(state.productTitle.size(), 6);
}

} // namespace
