#pragma once

#include <QString>

// A school installation of the size the program must stay quick at: 2,000 listed pupils, a run
// log of 1,000,000 records (a tenth of them from today), 18 levels, 17 questions per group and
// short sounds, laid out in folder mode 1 under `root`:
//   <root>/tavrel/  program folder: 設定.txt, タイム回数データ.txt, the question file, the run log
//   <root>/files/   共通データ.txt, 新音ファイル.txt, the roster and the .wav files
// The run log is written only when it is not already there with the expected length, so that
// repeated runs share it.
namespace largeschool {

constexpr int kPupils = 2000;
constexpr int kRecords = 1000000;

// Writes the installation; returns the program folder (ending with '/'), or an empty string
// when a file could not be written.
QString write(const QString &root, int records = kRecords);

} // namespace largeschool
