#pragma once

#include "installation.h"

#include <array>

// Reads タイム回数データ.txt: twelve values per level, records in level order starting with
// level 0 (read and ignored), until the end of the file.
//
// An empty value reads as 0 (for the second window's count and points, 0 means "not used").
// Throws DataFileError when the file is missing, a record is cut short, a value is not a number,
// the file holds more than 36 records (levels 0 to 35: further levels cannot exist), or a level
// of the catalogue (1 to runnableLevels) has a pass or limit time of 0 or less: the time bar and
// the score are scaled by them, so such a level cannot be run.
std::array<LevelTiming, kLevelSlots> readTimingTable(const QString &filePath, int runnableLevels);
