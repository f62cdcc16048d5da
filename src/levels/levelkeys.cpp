#include "levelkeys.h"

namespace {
constexpr int kLastKeyedLevel = 13;
} // namespace

LevelKeyAction levelKeyAction(const QString &typed, int levelCount, bool keysActive, bool backEnabled)
{
    if (!keysActive || typed.size() != 1)
        return {};
    const char16_t key = typed.at(0).unicode();
    if (key == u'0')
        return backEnabled ? LevelKeyAction{LevelKeyAction::Kind::Back, 0} : LevelKeyAction{};

    int level = 0;
    if (key >= u'1' && key <= u'9')
        level = key - u'0';
    else if (key >= u'a' && key <= u'd')
        level = key - u'a' + 10;
    if (level < 1 || level > kLastKeyedLevel || level > levelCount)
        return {};
    return {LevelKeyAction::Kind::StartLevel, level};
}
