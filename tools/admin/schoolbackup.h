#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

struct Folders;

// Copies of an installation's records and settings: the run log, the home run log, the answer
// log, the roster and its backup, 設定.txt, 共通データ.txt, タイム回数データ.txt and 新音ファイル.txt. A backup is
// a folder named for its date and time; inside, each file keeps its path relative to the
// installation (the program folder's parent), so copying the folder back restores it, and
// kManifest lists the size and SHA-256 checksum of every copy.
namespace schoolbackup {

inline const QString kManifest = QStringLiteral("manifest.txt");
// How long a run log held by a recording program is waited for before the backup gives up.
inline constexpr int kLockWaitSeconds = 60;
// A manifest lists a few files; anything larger is not one.
inline constexpr qint64 kManifestLimit = 1024 * 1024;
// The file in a backup's working folder that says whose it is: a backup holds a lock on it for
// as long as it runs, so a later backup can tell a working folder left by a killed one.
inline const QString kOwnerFile = QStringLiteral(".tavrel-backup-owner");
// A working folder whose owner file is unlocked but was never filled in (a backup killed in its
// first moment) counts as left behind once it is this old.
inline constexpr int kUnfinishedAfterSeconds = 3600;

// What a backup names its folders with: "tavrel-YYYY-MM-DD_HHMMSS", and the copy a restore
// keeps of what it replaces ("tavrel-before-restore-…"), which rotation never removes.
inline const QString kNamePrefix = QStringLiteral("tavrel-");
inline const QString kBeforeRestorePrefix = QStringLiteral("tavrel-before-restore-");

// How a file of the installation is guarded while it is read or replaced.
enum class Guard {
    RunLog, // a log appended in place under its whole-file lock (RecordFile): the run logs, the answer log
    Roster, // rewritten under the roster's lock (RosterLock)
    None,   // settings and the question file: written by teachers only
};

struct Item
{
    QString path;     // in the installation
    QString relative; // to the installation (the program folder's parent): the path in a backup
    Guard guard = Guard::None;
};

// The files a backup holds, in copy order: the run log, the home run log, the answer log
// (解答累積データ.dat, guarded and restored as the run logs are), the roster, its backup
// and its class map, 設定.txt, 共通データ.txt, タイム回数データ.txt, 新音ファイル.txt and the
// stored question file (Morvidかな0vv.ccc).
std::vector<Item> items(const Folders &folders);

struct Made
{
    bool made = false;
    QString folder;       // the backup folder, when made
    QStringList copied;   // relative paths, in copy order
    QStringList absent;   // relative paths of files the installation does not have (yet)
    QStringList cleared;  // working folders of backups that were stopped, removed before this one
    QStringList problems; // why no backup was made
};

// Makes a backup of the installation with these folders in a new folder under dest named
// namePrefix + "YYYY-MM-DD_HHMMSS" after `now` (with "-2", "-3", … when taken). The run logs are read under the shared whole-file lock
// that keeps a recording program from appending meanwhile, so a copy never holds half a record;
// while another program holds the lock, waitASecond is called and the lock tried again, for at
// most kLockWaitSeconds. A file of the installation that is a link, a pipe or a device is not
// read: the backup fails and says so.
//
// The copies are made in a working folder under dest with a random name (workfolder::make),
// which only this account may enter until it is complete; a link planted where a working folder
// might go is never followed. Every copy is read back and compared with what was read (size and
// checksum), the manifest is written (kManifest: for each file its size in a "# size" comment,
// then its SHA-256 checksum in the format of sha256sum, so that "sha256sum -c manifest.txt"
// inside the backup verifies it too), the folder is given dest's group and sharing and only
// then gets its name. A failed backup removes its working folder, without following links, and
// leaves nothing under dest. Working folders that killed backups of this account left under
// dest (their owner file unlocked) are removed first. The installation is only read.
Made make(const Folders &folders, const QString &dest, const QDateTime &now,
          const std::function<void()> &waitASecond, const QString &namePrefix = kNamePrefix);

struct Content
{
    QString relative;
    QByteArray bytes;
};

struct Checked
{
    int verified = 0;
    QStringList problems; // a missing manifest, a missing file, a size or checksum that differs
    std::vector<Content> files; // load() only: each verified file's bytes, as they were verified
};

// Verifies a backup folder against its manifest (as make() writes it, or as earlier versions
// wrote it: size, checksum and path separated by tabs), whatever its line ends. Only regular
// files that lie inside the backup are read, each no further than the size the manifest gives:
// a listed path that leaves the folder, passes through a link or names a link, a pipe or a
// device is reported and not opened.
Checked check(const QString &backupFolder);

// check(), keeping the bytes of each file as they were read and verified: what a restore
// writes is exactly what matched the manifest, whatever happens to the backup meanwhile.
Checked load(const QString &backupFolder);

// Whether a folder name is one make() gives with kNamePrefix.
bool isRotatedName(const QString &name);

struct Rotated
{
    QStringList removed;  // old backups removed
    QStringList damaged;  // backups by their name that fail check(): left alone
    QStringList problems; // removals that failed
};

// Keeps the `keep` (at least 1) newest intact backups in dest, justMade among them whatever its
// name says, and removes the older intact ones: only real folders (never a link) named as
// make() names them (kNamePrefix) whose content passes check(). A backup that fails the check is
// left for a person to look at and does not count; kept copies of restores are never removed.
// Removal never follows a link.
Rotated rotate(const QString &dest, const QString &justMade, int keep);

} // namespace schoolbackup
