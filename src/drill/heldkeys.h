#pragma once

#include <cstdint>
#include <map>

// Tells a key's physical press from the presses that follow while it is held, so that one press
// is one answer on every platform. Qt flags a repeat as it sees it: on X11 a held key arrives as
// release and press pairs with one timestamp, and only a pair whose press was already queued when
// its release was handled is flagged. So a pair that comes while the program is busy (a sound
// playing) is flagged and one that comes when it is idle is not. Here a key counts again only
// after a release that is not followed by a press of the same key at the same moment.
//
// Timestamps are the platform's event times in milliseconds; 0 means unknown (an event the
// program made itself), and a release without a time always ends the hold.
class HeldKeys
{
public:
    // A press and a release of one repeat come together; a person lifts and presses again in
    // tens of milliseconds at the fastest.
    static constexpr std::uint64_t kRepeatPairMs = 1;

    // Whether this press begins a new hold (and so may answer); autoRepeat is the platform's flag.
    bool press(int key, std::uint64_t timestamp, bool autoRepeat);
    void release(int key, std::uint64_t timestamp, bool autoRepeat);
    // Forgets every hold: the window lost the keyboard, and releases may go elsewhere.
    void clear() { m_keys.clear(); }

private:
    struct Key
    {
        bool held = false;
        std::uint64_t releasedAt = 0; // of the last release while not held; 0 = none or unknown
    };
    std::map<int, Key> m_keys;
};
