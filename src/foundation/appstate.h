#pragma once

#include "soundtable.h"

#include <QColor>
#include <QString>

#include <array>
#include <cstdint>

// Slots of the tables indexed by level: levels 1 to 35, slot 0 unused.
inline constexpr int kLevelSlots = 36;
// Pupils are numbered 1 to 5000 in the roster; slot 0 unused.
inline constexpr int kMaxPupil = 5000;

// One record of the per-level timing table "タイム回数データ.txt".
struct LevelTiming
{
    std::int32_t passTime = 0;       // seconds: the "Pass" mark and the reference of the score
    std::int32_t limitTime = 0;      // seconds: the slower mark; a run stops at 5 × limitTime
    std::int32_t requiredPoints = 0; // clearing rule; 9999 = no points target shown
    std::int16_t requiredCount = 0;  // clearing rule
    float levelWeight = 0.0F;        // points multiplier
    double window2Count = 0.0;       // runs needed within the second statistics window
    double window2Points = 0.0;      // points needed within the second statistics window
    double window1Days = 0.0;        // length in days of the first statistics window
    double window2Days = 0.0;        // length in days of the second statistics window
};

// Folders of an installation. Every folder is absolute and ends with '/', so a file's path is
// the folder followed by the file name.
struct Folders
{
    QString appFolder;     // the program's own folder: the question file, 設定.txt
    QString appFolderName; // last component of the program folder, no separator
    QString filesFolder;   // 共通データ.txt, the roster, the home run log
    QString dataFolder;    // タイム回数データ.txt, the run log
    QString soundFolder;   // 新音ファイル.txt and the .wav files
};

// The process-wide state every screen works on. It is filled by start-up before the first
// screen is shown; folders, settings, catalogue and timing table never change afterwards.
// The statistics, roster tables and print hand-over live with the parts that own them.
struct AppState
{
    Folders folders;

    // 設定.txt
    int folderMode = 0;

    // 共通データ.txt
    int yearStartMonth = 0;
    QString siteName;
    QString siteCode; // five characters or empty
    int showStatus2Pupils = 0;

    QColor screenBackColour;
    int homeUse = 0;

    // Catalogue
    QString productTitle;
    int printEnabled = 0;
    std::int16_t levelCount = 0;
    int finalLevel = 0;
    std::array<QString, kLevelSlots> levelName{};
    std::array<std::int16_t, kLevelSlots> levelTimed{};

    std::array<LevelTiming, kLevelSlots> timingTable{};

    SoundTable soundTable;

    // The pupil using the program.
    std::int16_t pupilNo = 0;
    QString pupilName;
    std::int32_t startClock = 0; // seconds since midnight when the pupil was confirmed
    QString pupilGrade;          // full-width grade label of the pupil, such as "小６"

    // Level selection
    int finalCleared = 0;        // 1 when the pupil has cleared the final level
    int todayTotalAttempts = 0;  // the pupil's runs today over all levels
    int firstVisibleLevel = 0;   // level in the leftmost column; kept between visits
    QString gradeFilterText;     // grade filter of the result lists

    // The run about to start or in progress.
    std::int16_t runLevel = 0;
    double runStart = 0.0;
    std::int32_t rawTime = 0;
    std::int32_t runTime = 0;
    std::int16_t endFlag = 0;
    std::int16_t recordingDone = 0;
    std::int16_t answerVerdict = 0;
    std::int32_t barSeconds = 0;
    double barScale = 0.0;
};
