#pragma once

#include <QString>

#include <optional>

// An installation's files are written by every account of the school's group, on several PCs: a
// file that one pupil's copy creates must stay writable for the next pupil. The usual umask (022)
// takes group write away from whatever a program creates, so every file or folder this system
// creates is given its folder's group and, where that folder is group-writable, group read and
// write (and, for a folder, search and the folder's set-group-ID bit), whatever the umask. A file
// written anew in place of another keeps the group and permission bits of the file it replaces
// (and its owner, when the writer may set owners).
//
// The adjustments are made on what this process has just created. A system that refuses them (a
// share without POSIX ownership, a group the account does not belong to) leaves the file as it
// was created and the caller's write still stands; each function returns the system's reason
// then, for callers that report it, and an empty string when all went well. Links are never
// followed. On systems without POSIX ownership the functions do nothing.
namespace sharedaccess {

// `fd` is open on a file or folder this process has just created directly inside `folder`.
QString shareNewFile(int fd, const QString &folder);

// The same for a file or folder named by its path (created through Qt, for example).
QString shareNewPath(const QString &path);

// `newPath` is about to take `oldPath`'s place: it gets the replaced file's group and permission
// bits. Without a file at `oldPath`, it is shared as a new file of `oldPath`'s folder.
QString inheritFrom(const QString &oldPath, const QString &newPath);

// Gives what `path` names (never a link's target) the group `gid` and adds `bits` to its
// permission bits: how the teachers' tool hands an installation to the school's group. The group
// is set first, since setting it may clear the set-group-ID bit.
QString grant(const QString &path, unsigned gid, unsigned bits);

// The number of the group named `group` (a name, or a number as it stands), or nothing when
// this machine has no group of that name.
std::optional<unsigned> groupId(const QString &group);
// The group's name, or its number where it has none on this machine.
QString groupName(unsigned gid);

} // namespace sharedaccess
