#include "heldkeys.h"

bool HeldKeys::press(int key, std::uint64_t timestamp, bool autoRepeat)
{
    Key &k = m_keys[key];
    const bool pairedWithRelease = k.releasedAt != 0 && timestamp >= k.releasedAt
        && timestamp - k.releasedAt <= kRepeatPairMs;
    const bool first = !autoRepeat && !k.held && !pairedWithRelease;
    k.held = true;
    k.releasedAt = 0;
    return first;
}

void HeldKeys::release(int key, std::uint64_t timestamp, bool autoRepeat)
{
    if (autoRepeat)
        return;
    Key &k = m_keys[key];
    k.held = false;
    k.releasedAt = timestamp;
}
