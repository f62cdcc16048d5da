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

} // namespace folderscheme
