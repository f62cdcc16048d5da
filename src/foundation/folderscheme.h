#pragma once

#include "installation.h"

#include <QString>

// Where an installation keeps its files. Several drill programs may stand side by side, each in
// its own folder, sharing either a sibling "files" folder (mode 1) or their common parent with
// a sibling sound folder "音フォルダ" (any other mode).
namespace folderscheme {

// programFolder is the folder of the executable, with or without a trailing separator.
Folders compute(const QString &programFolder, int folderMode);

// The last component of a folder path, without separators.
QString lastComponent(const QString &folder);

// Sixteen hexadecimal digits that stand for a program folder on this machine, whichever way its
// path is spelt (links resolved when the folder exists): names the files that belong to one
// installation outside it, such as its instance lock and a pupil's pending runs.
QString key(const QString &programFolder);

} // namespace folderscheme
