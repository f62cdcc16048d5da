#pragma once

#include <QByteArray>
#include <QString>

// The one way this system writes a file: the file is replaced as a whole or not at all. The
// bytes go to a new file beside the target (never a link's target), every byte is checked to have
// been written, the new file is synced to the disk and closed with its error checked, and only
// then does it take the target's place in one rename. On any failure the new file is removed and
// the target keeps its old content (or stays absent); the outcome carries the system's own
// reason ("No space left on device", "File too large", "Permission denied"), never a vague one.
// A killed writer leaves the target whole; at most a stray "<name>.XXXXXX" file remains beside it.
//
// Buffered writers are not enough: QSaveFile::commit() ignores a failed sync and, after bytes
// that fitted in its buffer, reports a flush that failed on a full disk as "Unknown error".
//
// Ownership and permissions (sharedaccess): a replaced file's owner (when the writer may set
// owners), group and mode pass to the new file, so that a teacher's import leaves the roster
// writable for the pupils' accounts; a file made anew gets the umask's mode, its folder's group
// and, in a group-writable folder, group read and write.
namespace savefile {

struct Outcome
{
    bool saved = false;
    QString error; // the system's description of the failure; empty when saved
};

struct Options
{
    // A file made anew may be run (a launcher): it gets execute permission as the umask allows.
    // A replaced file keeps its own mode.
    bool executable = false;
};

Outcome replace(const QString &path, const QByteArray &bytes, const Options &options);
Outcome replace(const QString &path, const QByteArray &bytes);

// Brings a folder's entries to the disk: a rename inside it survives a power cut once this
// returns. A folder that cannot be synced is left be.
void syncFolder(const QString &folder);

} // namespace savefile
