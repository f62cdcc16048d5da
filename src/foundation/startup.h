#pragma once

#include <QString>

struct Installation;

// Reads the installation before the first screen is shown, in this order: 設定.txt from the
// program folder, the folders, 共通データ.txt, the site line, the catalogue's title and levels,
// the timing table (with the practice times applied) and the sound table. Throws DataFileError,
// naming the file, when a file is missing, cut short or unusable, or naming the folder when the
// program folder does not exist; nothing is written in any case.
void runStartup(Installation &state, const QString &programFolder);
