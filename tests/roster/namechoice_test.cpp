#include "namechoice.h"

#include <gtest/gtest.h>

namespace {

TEST(NameChoiceTest, CaptionsOfAClickAndADoubleClick)
{
    struct Case
    {
        QString line;
        QString click;
        QString doubleClick;
    };
    const Case cases[] = {
        {QStringLiteral("小4 山田太郎　　  42/    812"), QStringLiteral("小4 山田太郎"), QStringLiteral("小4 山田太郎　　  42")},
        {QStringLiteral("中2 勅使河原由紀子様  　/       "), QStringLiteral("中2 勅使河原由紀子"),
         QStringLiteral("中2 勅使河原由紀子様")},
        {QStringLiteral("幼3 林　　　　　　　     /     　"), QStringLiteral("幼3 林"), QStringLiteral("幼3 林")},
        {QStringLiteral("no figures"), QStringLiteral("no figures"), QStringLiteral("no figures")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.line.toStdString());
        EXPECT_EQ(NameChoice::clickCaption(c.line), c.click);
        EXPECT_EQ(NameChoice::doubleClickCaption(c.line), c.doubleClick);
    }
}

TEST(NameChoiceTest, OnlyARealChoiceCanBeConfirmed)
{
    EXPECT_FALSE(NameChoice::none().confirmable());
    EXPECT_EQ(NameChoice::none().caption, QStringLiteral("名前を選びなさい"));
    EXPECT_FALSE((NameChoice{QString(), 3}).confirmable());
    EXPECT_FALSE((NameChoice{QStringLiteral("名前を選びなさい"), 3}).confirmable());
    EXPECT_FALSE((NameChoice{QStringLiteral("小1 林"), 0}).confirmable());
    EXPECT_FALSE((NameChoice{QStringLiteral("小1 林"), 5001}).confirmable());
    EXPECT_TRUE((NameChoice{QStringLiteral("小1 林"), 1}).confirmable());
    EXPECT_TRUE((NameChoice{QStringLiteral("小1 林"), 5000}).confirmable());
}

TEST(StartScreenKeyTest, KeysOfTheStartScreen)
{
    struct Case
    {
        QChar key;
        bool listHasFocus;
        bool confirmShown;
        bool leaveShown;
        StartKeyAction action;
    };
    const Case cases[] = {
        {u'1', false, true, true, StartKeyAction::Confirm},
        {u'1', true, false, true, StartKeyAction::None},
        {u'0', false, true, true, StartKeyAction::Leave},
        {u'0', false, true, false, StartKeyAction::None},
        {u'\r', true, true, true, StartKeyAction::Confirm},
        {u' ', true, true, true, StartKeyAction::Confirm},
        {u'\r', false, true, true, StartKeyAction::None},
        {u' ', true, false, true, StartKeyAction::None},
        {u'2', true, true, true, StartKeyAction::None},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(QString(c.key).toStdString() + (c.listHasFocus ? " list" : "") + (c.confirmShown ? " ok" : "") +
                     (c.leaveShown ? " leave" : ""));
        EXPECT_EQ(startScreenKey(c.key, c.listHasFocus, c.confirmShown, c.leaveShown), c.action);
    }
}

} // namespace
