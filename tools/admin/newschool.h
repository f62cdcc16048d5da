#pragma once

#include <QString>
#include <QStringList>

// Lays out a school's own installation from the content of an existing one (the shipped demo):
//   ROOT/tavrel/         the program folder: 設定.txt, タイム回数データ.txt, the stored question
//                        file and the help page
//   ROOT/files/          folder mode 1: 共通データ.txt, an empty roster, 新音ファイル.txt and the
//                        sounds; with folder mode 0, 共通データ.txt and the roster are in ROOT
//                        and the sounds in ROOT/音フォルダ
//   ROOT/tavrel.desktop  a launcher that starts the program on ROOT/tavrel
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
};

struct Result
{
    bool created = false;
    QStringList problems;  // why nothing was created
    QString programFolder; // of the new installation
    QString launcherPath;
};

// What is wrong with a school name and site code: the code must split off the site line again
// as the program reads it, and the name must be storable in Shift-JIS in a quoted value.
QStringList checkSite(const QString &schoolName, const QString &siteCode);

// Creates the installation. Refuses, changing nothing, when any file or folder it would write
// already exists (an existing installation is never overwritten), when the request is not
// valid or the template is not a complete installation. A failure part-way removes what was
// created. The new installation is started as the program would before success is reported.
Result create(const Request &request);

// One argument of a launcher's Exec line, quoted and escaped as desktop entries require.
QString desktopExecArgument(const QString &argument);

} // namespace newschool
