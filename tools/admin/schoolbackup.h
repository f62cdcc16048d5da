#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <functional>

struct Folders;

// Copies of an installation's records and settings: the run log, the home run log, the roster
// and its backup, 設定.txt, 共通データ.txt, タイム回数データ.txt and 新音ファイル.txt. A backup is
// a folder named for its date and time; inside, each file keeps its path relative to the
// installation (the program folder's parent), so copying the folder back restores it, and
// kManifest lists the size and SHA-256 checksum of every copy.
namespace schoolbackup {

inline const QString kManifest = QStringLiteral("manifest.txt");
// How long a run log held by a recording program is waited for before the backup gives up.
inline constexpr int kLockWaitSeconds = 60;

struct Made
{
    bool made = false;
    QString folder;       // the backup folder, when made
    QStringList copied;   // relative paths, in copy order
    QStringList absent;   // relative paths of files the installation does not have (yet)
    QStringList problems; // why no backup was made
};

// Makes a backup of the installation with these folders in a new folder under dest named
// "tavrel-YYYY-MM-DD_HHMMSS" after `now`. The run logs are read under the shared whole-file lock
// that keeps a recording program from appending meanwhile, so a copy never holds half a record;
// while another program holds the lock, waitASecond is called and the lock tried again, for at
// most kLockWaitSeconds. Every copy is read back and compared with what was read (size and
// checksum) before the folder gets its name; a failed backup leaves nothing under dest. The
// installation is only read.
Made make(const Folders &folders, const QString &dest, const QDateTime &now,
          const std::function<void()> &waitASecond);

struct Checked
{
    int verified = 0;
    QStringList problems; // a missing manifest, a missing file, a size or checksum that differs
};

// Verifies a backup folder against its manifest.
Checked check(const QString &backupFolder);

} // namespace schoolbackup
