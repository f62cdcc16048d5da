#pragma once

// Arithmetic of the level columns' placement, in twips. With fewer than 5 levels the columns
// share the screen width; with 5 or more each column has a fixed width and a scroll bar chooses
// the first visible level.
namespace levelscroll {

inline constexpr int kSharedWidth = 14592;
inline constexpr int kScrolledColumnWidth = 3456;
inline constexpr int kFewestScrolledLevels = 5;

int columnWidth(int levelCount);
bool scrollBarShown(int levelCount);
// The scroll bar runs from 1 to levelCount − 3; without a scroll bar it is 1.
int scrollMaximum(int levelCount);

// firstVisibleLevel when the screen becomes active: the kept value, or 1 when that is unset (0 or
// below) or beyond the scroll bar's maximum.
int activationFirstVisible(int kept, int levelCount);
// firstVisibleLevel after the scroll bar moved to value: value, or 1 when it is beyond levelCount.
int scrolledFirstVisible(int value, int levelCount);

// Left edge of a level's column: origin (the left of the first column) plus one column width per
// level after firstVisible; a column left of the first visible one is parked at formWidth, off
// the screen.
int columnLeft(int level, int firstVisible, int width, int origin, int formWidth);

} // namespace levelscroll
