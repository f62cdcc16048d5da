#pragma once

#include <QString>

struct AppState;

// Fills the shared state before the first screen is shown, in this order: 設定.txt from the
// program folder, the folders, 共通データ.txt, the site line, the catalogue's title, the timing
// table and the sound table. Throws DataFileError, naming the file, when a file is missing, cut
// short or unusable, or naming the folder when the program folder does not exist; nothing is
// written in any case.
void runStartup(AppState &state, const QString &programFolder);
