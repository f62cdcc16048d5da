#pragma once

#include <QString>

#include <cstdint>

struct Installation;
struct LevelStats;

// The rules and lines of the result screen, as pure functions of the shared state and the
// pupil's figures at the level (recomputed with the run just recorded).
namespace resultrules {

// Cleared: the points and the runs of the first statistics window reach the level's targets.
bool levelCleared(const Installation &state, int level, const LevelStats &figures);

// Enough done: the runs or the points of the second statistics window reach a target that is set.
bool enoughDone(const Installation &state, int level, const LevelStats &figures);

// The goal panel is shown only while no level carries the count 9999.
bool goalPanelAllowed(const Installation &state);

// "今の成績：<t>秒", or "記録なし" after a time-out.
QString resultLine(std::int32_t runTime);

// "獲得ポイント：<score>点×<weight>→<points>点" with the weight in its shortest decimal form.
QString pointsLine(int score, float weight, std::int32_t points);

} // namespace resultrules
