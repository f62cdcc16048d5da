#include "heldkeys.h"

#include "testnames.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// One key event: a press or release of a key at a time (ms, 0 unknown), with the platform's
// repeat flag; or the window losing the keyboard.
struct KeyEvent
{
    enum Kind { Press, Release, Clear } kind;
    int key = 0;
    std::uint64_t time = 0;
    bool autoRepeat = false;
};

KeyEvent press(int key, std::uint64_t time, bool autoRepeat = false)
{
    return {KeyEvent::Press, key, time, autoRepeat};
}
KeyEvent release(int key, std::uint64_t time, bool autoRepeat = false)
{
    return {KeyEvent::Release, key, time, autoRepeat};
}
const KeyEvent kClear{KeyEvent::Clear};

struct HeldCase
{
    std::string name;
    std::vector<KeyEvent> events;
    std::vector<bool> answers; // one per press, in order
};

class HeldKeysTest : public testing::TestWithParam<HeldCase>
{
};

TEST_P(HeldKeysTest, OnlyAPhysicalPressAnswers)
{
    HeldKeys keys;
    std::vector<bool> answers;
    for (const KeyEvent &e : GetParam().events) {
        switch (e.kind) {
        case KeyEvent::Press: answers.push_back(keys.press(e.key, e.time, e.autoRepeat)); break;
        case KeyEvent::Release: keys.release(e.key, e.time, e.autoRepeat); break;
        case KeyEvent::Clear: keys.clear(); break;
        }
    }
    EXPECT_EQ(answers, GetParam().answers);
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, HeldKeysTest,
    testing::Values(
        HeldCase{"two_taps", {press(1, 100), release(1, 180), press(1, 400), release(1, 470)}, {true, true}},
        // As Wayland and Windows send a held key, and X11 when a pair was already queued.
        HeldCase{"flagged_repeats",
                 {press(1, 100), release(1, 760, true), press(1, 760, true), release(1, 800, true), press(1, 800, true),
                  release(1, 900)},
                 {true, false, false}},
        // As X11 sends a held key while the program is idle: Qt sees no repeat in these pairs.
        HeldCase{"unflagged_pairs",
                 {press(1, 100), release(1, 760), press(1, 760), release(1, 804), press(1, 804), release(1, 900),
                  press(1, 1100)},
                 {true, false, false, true}},
        HeldCase{"pair_one_millisecond_apart", {press(1, 100), release(1, 760), press(1, 761)}, {true, false}},
        HeldCase{"fast_second_tap", {press(1, 100), release(1, 150), press(1, 190)}, {true, true}},
        HeldCase{"repeats_without_releases", {press(1, 100), press(1, 760), press(1, 800)}, {true, false, false}},
        // Events the program makes itself carry no time: their releases always end the hold.
        HeldCase{"no_timestamps", {press(1, 0), release(1, 0), press(1, 0), press(1, 0, true)}, {true, true, false}},
        HeldCase{"keys_apart", {press(1, 100), press(2, 300), release(2, 350), press(1, 400), release(1, 450)},
                 {true, true, false}},
        HeldCase{"another_key_between_a_pair", {press(1, 100), release(1, 760), press(2, 760), press(1, 760)},
                 {true, true, false}},
        // The release went to another window: the next press after the focus came back counts.
        HeldCase{"lost_release", {press(1, 100), kClear, press(1, 5000)}, {true, true}},
        HeldCase{"held_through_focus_change", {press(1, 100), kClear, release(1, 900), press(1, 900)}, {true, false}}),
    testname::ByName());

} // namespace
