#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Lays out a school's own installation from the content of an existing one (the shipped demo):
//   ROOT/tavrel/         the program folder: 設定.txt, タイム回数データ.txt, the stored question
//                        file, the help page, the run log and the
//                        answer log (解答累積データ.dat)
//   ROOT/files/          folder mode 1: 共通データ.txt, the roster and its backup copy, the home
//                        run log, 新音ファイル.txt and the sounds; with folder mode 0, these are in
//                        ROOT and the sounds in ROOT/音フォルダ
//   ROOT/tavrel.desktop  a launcher that starts the program on the school by its registered name
//
// Every file the program appends to or rewrites (the two run logs, the answer log, the roster
// and its backup) is made up front, empty and valid, so that no pupil's copy ever has to create
// one. Everything belongs to the school's group: folders group-writable with the set-group-ID
// bit, files group-writable, on top of what the umask leaves for others.
namespace newschool {

inline const QString kProgramFolderName = QStringLiteral("tavrel");
inline const QString kLauncherName = QStringLiteral("tavrel.desktop");

struct Request
{
    QString root;
    QString schoolName;
    QString siteCode;  // five characters whose leading number is not zero, such as 01234
    int folderMode = 1; // 1 or 0
    QString templateProgramFolder; // program folder of the installation whose content is copied
    QString programPath;           // the executable the launcher starts
    QString group;        // a group's name or number; empty: the group of ROOT, or of the folder it is made in
    QString registryFile; // the list of schools the school is added to (schoolregistry::ownFile())
    QString menuFolder;   // where the launcher goes into the applications menu; empty: not at all
};

struct Result
{
    bool created = false;
    QStringList problems;  // why nothing was created
    QString programFolder; // of the new installation
    QString launcherPath;
    QString menuLauncherPath; // empty without a menu entry
    QString groupName;        // the school's group, by name where it has one
};

// What is wrong with a school name and site code: the code must split off the site line again
// as the program reads it, and the name must be storable in Shift-JIS in a quoted value and
// registrable (no tab).
QStringList checkSite(const QString &schoolName, const QString &siteCode);

// Creates the installation, whole or not at all: it is built in a hidden sibling of ROOT and
// renamed into place once complete and started as the program would (StagedFolder), after the
// school was registered and its menu entry written; any failure undoes those two and leaves
// nothing. Refuses, changing nothing, an empty ROOT, "/", a ROOT that is a file, holds an
// installation or is a folder that is not empty, a name registered for another installation,
// a request that is not valid and a template that is not a complete installation.
Result create(const Request &request);

// One argument of a launcher's Exec line, quoted and escaped as desktop entries require.
QString desktopExecArgument(const QString &argument);

// A launcher that starts the program on the school registered as `schoolName`: the same file
// serves every PC that registered the school, wherever it mounts the share.
QByteArray launcher(const QString &programPath, const QString &schoolName);

// The applications menu for every account (the first folder of $XDG_DATA_DIRS, else
// /usr/share, followed by /applications) when running as root; this account's own menu
// ($XDG_DATA_HOME/applications) otherwise.
QString menuFolder();
// The name a school's launcher takes in the menu: "tavrel-<site code>.desktop".
QString menuLauncherName(const QString &siteCode);

} // namespace newschool
