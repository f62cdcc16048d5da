#pragma once

#include <QString>

#include <vector>

struct Installation;
class RunStats;

// The texts of one level column for the current pupil. A practice column (its caption contains
// "練") shows only its number, caption and start button: its other texts are empty and the screen
// hides those parts.
struct LevelColumnTexts
{
    int level = 0;
    bool practice = false;
    QString number;       // the level number
    QString caption;      // the level's name; also its tooltip
    QString startCaption; // "ｽﾀｰﾄ(&7)": '&' marks the access key
    QString todayHeading; // "今日"
    QString allHeading;   // "今まで"
    QString todayCounts;  // "2回/31点", or "-----" without a run today
    QString allCounts;    // "14回/210点", or "------" without any run
    QString recentLine;   // "最近7日=3回 / 45点"; empty for a level not scored by time
    QString targetLine;   // "目標=60秒 3回/100点(×1.5)", "目標=60秒 --------" or "◎=60点以上"

    bool operator==(const LevelColumnTexts &) const = default;
};

// The column of one level (1 to install.levelCount) for the given pupil.
LevelColumnTexts levelColumnTexts(const Installation &install, const RunStats &stats, int pupil, int level);

// Columns 1 to levelCount, in level order.
std::vector<LevelColumnTexts> levelColumns(const Installation &install, const RunStats &stats, int pupil);

// A number in its shortest plain decimal form: 1.5, 3, 120 (never an exponent).
QString plainNumber(double value);
QString plainNumber(float value);
