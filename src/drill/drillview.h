#pragma once

#include <QString>

#include <array>

// One answer slot of the test panel: a large label with a small label above it.
struct ChoiceSlot
{
    QString main;
    QString sub;
    // Explanation style (18 pt / 8 pt, left-aligned) instead of name style (36 pt / 18 pt, centred).
    bool explanationStyle = false;
    bool enabled = true;
    bool visible = true;
    bool subVisible = true;
};

// Everything the drill screen shows, as the run logic leaves it. The screen renders this after
// each event it forwards; it keeps no state of its own. Lengths are in twips.
struct DrillView
{
    static constexpr int kBlocks = 40; // countdown blocks 10-19 Best, 20-29 YourBest, 30-39 Pass
    static constexpr int kYears = 6;

    // Status strip
    QString title;
    double titlePoints = 16.8;
    QString pupilName;
    QString levelName;
    QString siteName;
    QString minutes;
    QString todayRun;
    QString levelRun;
    QString remaining;
    QString time;
    double barFrameWidth = 14985.0;
    double barElapsedWidth = 0.0;
    double barPassWidth = 0.0;
    double barLimitWidth = 0.0;
    std::array<bool, kBlocks> blockHidden{};

    bool practice = false; // which panel is shown

    // Test panel
    QString clue;
    QString clueSub;
    double cluePoints = 24.0;
    QString progress;
    std::array<ChoiceSlot, 11> choices{}; // 0 prompt, 1-9 choices, 10 the answer again in the year panel
    QString yearCaption = QStringLiteral("年代");
    bool yearCaptionVisible = false;
    bool ruleVisible = false; // "年代間違いは１０秒追加のみ"
    bool coverVisible = false;
    bool yearPanelVisible = false;
    bool yearCoverVisible = false;
    std::array<QString, kYears + 1> yearTexts{}; // 1-6
    bool yearsVisible = false;
    std::array<int, kYears + 1> markerYears{};  // 1-6
    bool markersVisible = false;

    // Practice panel: three sections, each a heading, a second line and a main text.
    struct PracticeSection
    {
        QString heading;
        QString second;
        QString main;
    };
    std::array<PracticeSection, 3> sections{};
    int displayOrder = 1;      // 1-6
    int speed = 2000;          // speed bar, 1000 (slow) to 3000 (fast)
    bool practiceMarkerVisible = false;
    int practiceMarkerYear = 0;

    // End-of-run notice
    bool noticeVisible = false;
    bool noticeRecording = false; // "成績記録中"
    bool noticeTimeUp = false;    // "時間切れ"
};
