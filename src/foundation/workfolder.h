#pragma once

#include <QString>

// Folders that are built in private and then either put in place whole or removed: a backup, a
// new installation. A folder shared by a school's accounts may hold anything another account put
// there (a link where the next folder is expected, a link inside a folder being removed), so
// these never follow a link.
namespace workfolder {

// Makes a new folder inside `parent` whose name is `prefix` followed by six random characters,
// in one step of the system (mkdtemp): it is never something that already stood there, nor a
// link's target, and only this account may enter it (mode 0700) until the caller shares it.
// Returns its path, or an empty string with the system's reason in *error.
QString make(const QString &parent, const QString &prefix, QString *error);

// Removes what `path` names and, for a folder, everything below it. Links are removed
// themselves, never followed, so nothing outside the folder is touched whatever was planted in
// it. True when nothing is left (also when nothing was there); otherwise the system's reason in
// *error.
bool removeTree(const QString &path, QString *error);

// Renames the folder `from` to `to` unless something already stands at `to`, in one step of the
// system. False with errno's reason in *error; *taken tells that `to` was there.
bool renameNew(const QString &from, const QString &to, bool *taken, QString *error);

} // namespace workfolder
