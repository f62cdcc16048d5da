#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <functional>

struct Folders;

// Puts a backup (schoolbackup::make) back into the installation it was made of.
//
// Nothing is replaced unless the whole backup verifies against its manifest and lists only files
// a backup holds at their places in this installation, and unless no run log of the installation
// holds runs the backup lacks: a log is replaced only when its bytes are the start of the
// backup's (the backup holds every run the installation has, and perhaps more), or when the
// caller allows replacing newer runs. Before anything is replaced, what is about to be replaced
// is itself backed up (schoolbackup::make, folder "tavrel-before-restore-…" in keepIn), so that
// a restore can always be undone by restoring that copy.
//
// While files are replaced, the roster's lock (RosterLock) and the whole-file lock of each run
// log being replaced are held, and each file is compared once more with the copy just kept: a
// file that changed meanwhile stops the restore before anything is written. Settings, the
// roster files and the question file are replaced whole through savefile (group and mode kept).
// A run log is rewritten in place under its lock instead, as the program appends to it: a
// program waiting for the lock holds the log open, and would append its run to a replaced file
// that nobody reads again; in place, its run lands after the restored runs. When the backup's
// log only extends the installation's, only the missing runs are appended.
namespace schoolrestore {

struct Options
{
    bool replaceNewerRuns = false; // replace run logs holding runs the backup lacks
    QString keepIn;                // the folder the copy of what is replaced is made in
    QDateTime now;                 // names that copy
    std::function<void()> waitASecond; // between two attempts on a lock another program holds
};

struct Restored
{
    bool restored = false;  // every file of the backup is in place
    QString kept;           // the copy of what was replaced, when one was made
    QStringList written;    // relative paths replaced from the backup, in order
    QStringList unchanged;  // relative paths already as in the backup
    QStringList notInBackup; // relative paths of files the backup does not hold: left as they are
    QStringList problems;   // why it was refused or stopped
    bool newerRuns = false; // refused because a run log holds runs the backup lacks
};

Restored restore(const Folders &folders, const QString &backupFolder, const Options &options);

} // namespace schoolrestore
