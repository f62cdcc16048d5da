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

// An installation as start-up finds it: its folders, the site, the catalogue of levels, the
// timing table and the sounds. Start-up fills it once; afterwards every part of the program reads
// it through a const reference, so nothing can change it behind another screen's back.
struct Installation
{
    Folders folders;

    // 設定.txt
    int folderMode = 0; // 1: data in the sibling files folder (the value read was 1); 0: any other value

    // 共通データ.txt
    int yearStartMonth = 0;
    QString siteName;
    QString siteCode; // five characters or empty
    bool showStatus2Pupils = false; // pupils with list flag 2 are listed too (the value read was 1)

    QColor screenBackColour;
    bool homeUse = false; // runs also go to the home run log

    // Catalogue
    QString productTitle;
    bool printEnabled = false; // the start screen offers worksheets
    std::int16_t levelCount = 0;
    int finalLevel = 0;
    std::array<QString, kLevelSlots> levelName{};
    std::array<std::int16_t, kLevelSlots> levelTimed{};

    // Practice levels carry the practice time in place of the file's pass and limit times.
    std::array<LevelTiming, kLevelSlots> timingTable{};

    SoundTable soundTable;
};
