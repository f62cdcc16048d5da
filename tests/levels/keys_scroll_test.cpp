#include "levelkeys.h"
#include "levelscroll.h"

#include "qtprinters.h"
#include "testnames.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Kind = LevelKeyAction::Kind;

struct KeyCase
{
    const char *typed;
    int levelCount;
    bool keysActive;
    bool backEnabled;
    LevelKeyAction action;

    friend void PrintTo(const KeyCase &c, std::ostream *os)
    {
        *os << "typed " << testprint::quoted(c.typed) << " with " << c.levelCount << " levels, keys "
            << (c.keysActive ? "active" : "inactive") << ", back " << (c.backEnabled ? "enabled" : "disabled") << " -> ";
        switch (c.action.kind) {
        case Kind::None: *os << "nothing"; break;
        case Kind::StartLevel: *os << "start level " << c.action.level; break;
        case Kind::Back: *os << "back"; break;
        }
    }
};

std::string keyName(const KeyCase &c)
{
    std::string name = testname::of("key", *c.typed == '\0' ? "none" : c.typed, "of", c.levelCount);
    if (!c.keysActive)
        name += "_keys_inactive";
    if (!c.backEnabled)
        name += "_back_disabled";
    return name;
}

class LevelKeysTest : public testing::TestWithParam<KeyCase>
{
};

TEST_P(LevelKeysTest, MapsTheTypedCharacter)
{
    const KeyCase &c = GetParam();
    EXPECT_EQ(levelKeyAction(QString::fromUtf8(c.typed), c.levelCount, c.keysActive, c.backEnabled), c.action)
        << c.typed << " with " << c.levelCount << " levels";
}

INSTANTIATE_TEST_SUITE_P(
    Keys, LevelKeysTest,
    testing::Values(KeyCase{"1", 18, true, true, {Kind::StartLevel, 1}},
                    KeyCase{"9", 18, true, true, {Kind::StartLevel, 9}},
                    KeyCase{"9", 8, true, true, {}},
                    KeyCase{"a", 18, true, true, {Kind::StartLevel, 10}},
                    KeyCase{"b", 11, true, true, {Kind::StartLevel, 11}},
                    KeyCase{"b", 10, true, true, {}},
                    KeyCase{"B", 18, true, true, {}},
                    KeyCase{"c", 18, true, true, {Kind::StartLevel, 12}},
                    KeyCase{"d", 18, true, true, {Kind::StartLevel, 13}},
                    KeyCase{"e", 18, true, true, {}},
                    KeyCase{"１", 18, true, true, {}},
                    KeyCase{"0", 18, true, true, {Kind::Back, 0}},
                    KeyCase{"0", 18, true, false, {}},
                    KeyCase{"1", 18, false, true, {}},
                    KeyCase{"0", 18, false, true, {}},
                    KeyCase{"", 18, true, true, {}},
                    KeyCase{"12", 18, true, true, {}}),
    testname::from(keyName));

TEST(LevelScroll, ColumnWidthAndScrollBar)
{
    const std::vector<std::tuple<int, int, bool, int>> table{
        // levels, column width, scroll bar shown, scroll maximum
        {1, 14592, false, 1}, {4, 3648, false, 1}, {5, 3456, true, 2}, {18, 3456, true, 15}, {35, 3456, true, 32},
    };
    for (const auto &[levels, width, shown, maximum] : table) {
        EXPECT_EQ(levelscroll::columnWidth(levels), width) << levels;
        EXPECT_EQ(levelscroll::scrollBarShown(levels), shown) << levels;
        EXPECT_EQ(levelscroll::scrollMaximum(levels), maximum) << levels;
    }
    EXPECT_EQ(levelscroll::columnWidth(0), 14592);
}

TEST(LevelScroll, FirstVisibleLevelOnActivation)
{
    const std::vector<std::tuple<int, int, int>> table{
        // kept, levels, first visible
        {0, 18, 1}, {-3, 18, 1}, {1, 18, 1}, {7, 18, 7}, {15, 18, 15}, {16, 18, 1}, {3, 4, 1}, {1, 4, 1},
    };
    for (const auto &[kept, levels, first] : table)
        EXPECT_EQ(levelscroll::activationFirstVisible(kept, levels), first) << kept << " of " << levels;
}

TEST(LevelScroll, ScrollingBeyondTheLevelsResetsToLevelOne)
{
    EXPECT_EQ(levelscroll::scrolledFirstVisible(5, 18), 5);
    EXPECT_EQ(levelscroll::scrolledFirstVisible(18, 18), 18);
    EXPECT_EQ(levelscroll::scrolledFirstVisible(19, 18), 1);
}

TEST(LevelScroll, ColumnsLeftOfTheFirstVisibleAreParkedOffScreen)
{
    const int origin = 300;
    const int formWidth = 15360;
    EXPECT_EQ(levelscroll::columnLeft(1, 1, 3456, origin, formWidth), 300);
    EXPECT_EQ(levelscroll::columnLeft(3, 1, 3456, origin, formWidth), 300 + 2 * 3456);
    EXPECT_EQ(levelscroll::columnLeft(5, 5, 3456, origin, formWidth), 300);
    EXPECT_EQ(levelscroll::columnLeft(4, 5, 3456, origin, formWidth), formWidth);
    EXPECT_EQ(levelscroll::columnLeft(1, 15, 3456, origin, formWidth), formWidth);
}

} // namespace
