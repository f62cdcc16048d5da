#pragma once

#include <QString>

#include <array>

// How a choice label shows its texts: a figure's name (36 pt over 18 pt, centred) or what the
// figure did (18 pt over 8 pt, left-aligned).
enum class ChoiceStyle {
    Name,
    Explanation,
};

// One answer label of the test panel: a large label with a small label above it.
struct ChoiceSlot
{
    QString main;
    QString sub;
    ChoiceStyle style = ChoiceStyle::Name;
    bool enabled = true;
    bool visible = true;
    bool subVisible = true;
};

// One row of ten countdown blocks in the status strip. A block goes each second over the last
// ten seconds up to the row's reference time, left to right.
struct CountdownRow
{
    static constexpr int kBlocks = 10;
    std::array<bool, kBlocks> hidden{};
};

// Everything the drill screen shows, as the run logic leaves it. The screen renders this after
// each event it forwards; it keeps no state of its own. Lengths are in twips.
struct DrillView
{
    static constexpr int kChoices = 9;
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
    CountdownRow bestRow;     // "Best": the best time of all pupils at the level
    CountdownRow yourBestRow; // "YourBest": the pupil's own best time at the level
    CountdownRow passRow;     // "Pass": the pass time; the limit time also takes its blocks, from the right

    bool practice = false; // which panel is shown

    // Test panel
    QString clue;
    QString clueSub;
    double cluePoints = 24.0;
    QString progress;
    ChoiceSlot prompt;                           // above the grid: "誰ですか", then the answer
    std::array<ChoiceSlot, kChoices> choices{}; // the grid, left to right and top to bottom
    ChoiceSlot answerInYearPanel;                // the answer again, beside the timeline
    QString yearCaption = QStringLiteral("年代");
    bool yearCaptionVisible = false;
    bool ruleVisible = false; // "年代間違いは１０秒追加のみ"
    bool coverVisible = false;
    bool yearPanelVisible = false;
    bool yearCoverVisible = false;
    std::array<QString, kYears> yearTexts{}; // top to bottom
    bool yearsVisible = false;
    std::array<int, kYears> markerYears{}; // the years the timeline marks, in the order of yearTexts
    bool markersVisible = false;

    // Practice panel: three sections, each a heading, a second line and a main text.
    struct PracticeSection
    {
        QString heading;
        QString second;
        QString main;
    };
    std::array<PracticeSection, 3> sections{};
    int displayOrder = 1;      // the order the pupil chose, 1-6
    int speed = 2000;          // speed bar, 1000 (slow) to 3000 (fast)
    bool practiceMarkerVisible = false;
    int practiceMarkerYear = 0;

    // End-of-run notice
    bool noticeVisible = false;
    bool noticeRecording = false; // "成績記録中"
    bool noticeTimeUp = false;    // "時間切れ"
};
