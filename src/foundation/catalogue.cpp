#include "catalogue.h"

#include "installation.h"

#include <algorithm>
#include <array>

namespace catalogue {

namespace {
const std::array<const char16_t *, kLevelCount> kCaptions = {
    u"政治１練習", u"政治１", u"政治２練習", u"政治２", u"政治３練習", u"政治３",
    u"政治４練習", u"政治４", u"政治５練習", u"政治５", u"宗教練習",   u"宗教",
    u"文化１練習", u"文化１", u"文化２練習", u"文化２", u"文化３練習", u"文化３",
};
} // namespace

void start(Installation &state)
{
    state.productTitle = QStringLiteral("Tavrel");
    state.printEnabled = true;
}

void fillLevels(Installation &state)
{
    state.levelCount = kLevelCount;
    state.finalLevel = kFinalLevel;
    for (int level = 1; level <= kLevelCount; ++level) {
        state.levelName[level] = levelCaption(level);
        state.levelTimed[level] = 1;
    }
}

void applyPracticeTimes(Installation &state)
{
    const int count = std::min<int>(state.levelCount, kLevelSlots - 1);
    for (int level = 1; level <= count; ++level) {
        const auto slot = static_cast<std::size_t>(level);
        if (!isPracticeCaption(state.levelName[slot]))
            continue;
        state.timingTable[slot].passTime = kPracticeSeconds;
        state.timingTable[slot].limitTime = kPracticeSeconds;
    }
}

QString levelCaption(int level)
{
    if (level < 1 || level > kLevelCount)
        return {};
    return QString::fromUtf16(kCaptions[static_cast<std::size_t>(level - 1)]);
}

int questionGroup(int level)
{
    return (level - 1) / 2 + 1;
}

bool isPracticeCaption(const QString &caption)
{
    return caption.contains(u'練');
}

} // namespace catalogue
