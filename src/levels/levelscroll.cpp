#include "levelscroll.h"

namespace levelscroll {

int columnWidth(int levelCount)
{
    if (levelCount >= kFewestScrolledLevels)
        return kScrolledColumnWidth;
    return levelCount > 0 ? kSharedWidth / levelCount : kSharedWidth;
}

bool scrollBarShown(int levelCount)
{
    return levelCount >= kFewestScrolledLevels;
}

int scrollMaximum(int levelCount)
{
    return scrollBarShown(levelCount) ? levelCount - 3 : 1;
}

int activationFirstVisible(int kept, int levelCount)
{
    if (kept <= 0 || kept > scrollMaximum(levelCount))
        return 1;
    return kept;
}

int scrolledFirstVisible(int value, int levelCount)
{
    return value > levelCount ? 1 : value;
}

int columnLeft(int level, int firstVisible, int width, int origin, int formWidth)
{
    const int x = (level - firstVisible) * width + origin;
    return x < 0 ? formWidth : x;
}

} // namespace levelscroll
