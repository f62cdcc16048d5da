#pragma once

#include <QString>

struct Installation;

// What this program teaches: its title and its fixed list of 18 levels. Odd levels are
// practices (their captions, and only theirs, contain "練"), even levels timed tests; a practice
// and the test after it share one question group.
namespace catalogue {

inline constexpr int kLevelCount = 18;
inline constexpr int kFinalLevel = 18;

// Start-up step: the title and the print-button flag.
void start(Installation &state);

// Start-up step: the level list (slots 19 to 35 are left as they are).
void fillLevels(Installation &state);

// Start-up step, after the timing table is read: practice levels have no real time target, so
// their pass and limit times become kPracticeSeconds whatever the table says.
inline constexpr int kPracticeSeconds = 600;
void applyPracticeTimes(Installation &state);

// Caption of a catalogue level, empty outside 1 to 18.
QString levelCaption(int level);

// Question group asked by a level: (level - 1) div 2 + 1.
int questionGroup(int level);

// A level is a practice when its caption contains "練".
bool isPracticeCaption(const QString &caption);

} // namespace catalogue
