#include "schoolcommands.h"

#include "newschool.h"
#include "schoolbackup.h"
#include "schoolrestore.h"
#include "schoolregistry.h"
#include "toolinstallation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QThread>

#include <optional>

namespace {

class Text
{
    Q_DECLARE_TR_FUNCTIONS(SchoolCommands)
};

CommandUsage declareNewSchool(QCommandLineParser &parser)
{
    parser.setApplicationDescription(
        Text::tr("Creates a school's installation in DIR (a new folder, or an empty one): the program folder "
                 "DIR/tavrel (設定.txt, タイム回数データ.txt, the stored question file, the help page, the run log) and "
                 "the shared folder, DIR/files with folder mode 1 (the default) or DIR itself with folder mode 0 "
                 "(sounds then in DIR/音フォルダ), holding 共通データ.txt with the school's name and five-character "
                 "code, the sound table and sounds, the roster and its backup and the home run log. The run logs, the "
                 "roster and its backup are made empty, so that every pupil's account can write them from the first "
                 "run on.\n\n"
                 "Everything belongs to GROUP (a group's name or number; default: the group of DIR, or of the folder "
                 "DIR is made in): folders are group-writable with the set-group-ID bit, files group-writable. Put the "
                 "pupils' and teachers' accounts in that group.\n\n"
                 "The school is registered under NAME in /etc/xdg/tavrel/schools when run as root (else in "
                 "~/.config/tavrel/schools), and DIR/tavrel.desktop is a launcher that starts tavrel by that name, so "
                 "that it works on every PC that registered the school, wherever that PC mounts the share (see "
                 "register-school). --menu also puts the launcher into the applications menu of every account (as "
                 "root; otherwise only this account's).\n\n"
                 "The content is copied from the installation whose program folder is PROGRAM_FOLDER (default: the "
                 "demo that comes with the program). The installation is built beside DIR and takes its place only "
                 "when complete: a failure or an interruption leaves nothing. An existing installation is never "
                 "overwritten."));
    parser.addPositionalArgument(QStringLiteral("DIR"), Text::tr("the folder to create the installation in"));
    parser.addOption(QCommandLineOption(QStringLiteral("name"), Text::tr("the school's name (required)"),
                                        QStringLiteral("NAME")));
    parser.addOption(QCommandLineOption(QStringLiteral("code"),
                                        Text::tr("the school's five-character code (required)"), QStringLiteral("CODE")));
    parser.addOption(QCommandLineOption(QStringLiteral("folder-mode"), Text::tr("1 (default) or 0, as above"),
                                        QStringLiteral("1|0")));
    parser.addOption(QCommandLineOption(QStringLiteral("from"), Text::tr("the installation whose content is copied"),
                                        QStringLiteral("PROGRAM_FOLDER")));
    parser.addOption(QCommandLineOption(QStringLiteral("group"),
                                        Text::tr("the group every file and folder belongs to, by name or number"),
                                        QStringLiteral("GROUP")));
    parser.addOption(QCommandLineOption(QStringLiteral("menu"), Text::tr("also put the launcher into the applications menu")));
    return {QStringLiteral("DIR --name NAME --code CODE"), 1, 1, Text::tr("created"),
            Text::tr("refused or failed (nothing is left behind)")};
}

CommandUsage declareBackup(QCommandLineParser &parser)
{
    parser.setApplicationDescription(
        Text::tr("Copies the run log, the home run log, the roster (and its backup and its classes) and the settings "
                 "files (設定.txt, 共通データ.txt, タイム回数データ.txt, 新音ファイル.txt) and the question file "
                 "(Morvidかな0vv.ccc) of the installation whose "
                 "program folder is PROGRAM_FOLDER into a new folder DEST/tavrel-YYYY-MM-DD_HHMMSS, keeping their "
                 "places relative to the installation. The run logs are read under the lock that recording programs "
                 "respect, so a copy never holds half a run. Every copy is read back and checked; manifest.txt lists "
                 "each file's size and SHA-256 checksum (\"sha256sum -c manifest.txt\" inside the backup verifies "
                 "it too). The backup is built in a hidden working folder that only takes its name when complete; a "
                 "failed backup leaves nothing, and working folders of backups that were stopped are removed. The "
                 "installation is only read; a file of it that is a link, a pipe or a device is not followed and "
                 "fails the backup.\n\n"
                 "With --keep N (1 or more), once the backup is made, the oldest backups in DEST beyond the N newest "
                 "are removed: only folders named as this command names them that pass the check (a damaged one is "
                 "left alone and named), never through a link, never the backup just made. Copies that restore "
                 "keeps of what it replaced are never removed.\n\n"
                 "With --check, verifies every file of the backup folder BACKUP_FOLDER against its manifest.txt; it "
                 "reads only regular files inside the backup folder, never through a link."));
    addProgramFolderArgument(parser, QStringLiteral("PROGRAM_FOLDER"));
    parser.addPositionalArgument(QStringLiteral("DEST"), Text::tr("the folder the backup is made in"));
    parser.addOption(QCommandLineOption(QStringLiteral("check"), Text::tr("check the backup BACKUP_FOLDER instead"),
                                        QStringLiteral("BACKUP_FOLDER")));
    parser.addOption(QCommandLineOption(QStringLiteral("keep"),
                                        Text::tr("keep only the N newest intact backups in DEST, removing older ones"),
                                        QStringLiteral("N")));
    return {QStringLiteral("PROGRAM_FOLDER DEST"), 0, 2, Text::tr("done (or the backup is intact)"),
            Text::tr("failed (or a file differs)")};
}

CommandUsage declareRestore(QCommandLineParser &parser)
{
    parser.setApplicationDescription(
        Text::tr("Puts the backup BACKUP_FOLDER (made by backup) back into the installation whose program folder is "
                 "PROGRAM_FOLDER, file by file, and says what it restored. The backup is verified against its "
                 "manifest.txt first; a backup that is damaged, or lists a file that a backup of this installation "
                 "does not hold, is refused. A run log (or home run log) of the installation that holds runs the "
                 "backup lacks (it is longer than the backup's, or does not start as the backup's does) is not "
                 "replaced, and nothing is restored, unless --force is given.\n\n"
                 "Before anything is replaced, what is about to be replaced is backed up as by backup, into a folder "
                 "tavrel-before-restore-YYYY-MM-DD_HHMMSS beside BACKUP_FOLDER, which backup --keep never removes: "
                 "restoring that folder undoes the restore. While it replaces files, restore holds the roster's lock "
                 "and the lock of each run log it replaces, so that no pupil's run or name change is lost meanwhile. "
                 "Settings, the roster and the question file are replaced whole or not at all, keeping their group "
                 "and permissions; a run log is rewritten in place under its lock, as the program appends to it "
                 "(only the missing runs are appended when the backup's log extends the installation's). Files the "
                 "backup does not hold are left as they are."));
    parser.addPositionalArgument(QStringLiteral("BACKUP_FOLDER"), Text::tr("the backup to restore"));
    addProgramFolderArgument(parser, QStringLiteral("PROGRAM_FOLDER"));
    parser.addOption(QCommandLineOption(
        QStringLiteral("force"),
        Text::tr("replace run logs that hold runs the backup lacks (those runs stay in the copy kept before)")));
    return {QStringLiteral("BACKUP_FOLDER PROGRAM_FOLDER"), 2, 2, Text::tr("restored (or already as in the backup)"),
            Text::tr("refused (nothing changed) or failed")};
}

int runNewSchool(const CommandCall &call, const QString &contentFolder, const QString &programPath)
{
    newschool::Request request;
    request.templateProgramFolder = contentFolder;
    request.programPath = programPath;
    request.registryFile = schoolregistry::ownFile();
    if (!call.isSet(QStringLiteral("name")) || !call.isSet(QStringLiteral("code")))
        return call.wrongCall(Text::tr("give DIR, --name and --code"));
    request.schoolName = call.value(QStringLiteral("name"));
    request.siteCode = call.value(QStringLiteral("code"));
    if (call.isSet(QStringLiteral("from")))
        request.templateProgramFolder = call.value(QStringLiteral("from"));
    if (call.isSet(QStringLiteral("folder-mode"))) {
        const QString mode = call.value(QStringLiteral("folder-mode"));
        if (mode != u"1" && mode != u"0")
            return call.wrongCall(Text::tr("--folder-mode is 1 or 0"));
        request.folderMode = mode.toInt();
    }
    if (call.isSet(QStringLiteral("group"))) {
        request.group = call.value(QStringLiteral("group"));
        if (request.group.isEmpty())
            return call.wrongCall(Text::tr("--group needs a group's name or number"));
    }
    if (call.isSet(QStringLiteral("menu")))
        request.menuFolder = newschool::menuFolder();
    if (request.templateProgramFolder.isEmpty())
        return call.failed(Text::tr("the demo that comes with the program was not found; give --from"));
    request.root = call.argument(0);

    const newschool::Result result = newschool::create(request);
    if (!result.created) {
        for (const QString &p : result.problems)
            call.failed(p);
        return exitstatus::kFailed;
    }
    const QString name = request.schoolName.trimmed();
    const QString program = QDir::toNativeSeparators(programPath);
    call.out << Text::tr("created the installation %1 for the group %2")
                    .arg(QDir::toNativeSeparators(result.programFolder), result.groupName)
             << '\n'
             << Text::tr("registered as \"%1\" in %2").arg(name, QDir::toNativeSeparators(request.registryFile)) << '\n'
             << Text::tr("start it with: %1 --school %2 (or %1 %3)")
                    .arg(program, newschool::desktopExecArgument(name), QDir::toNativeSeparators(result.programFolder))
             << '\n'
             << Text::tr("or with the launcher %1").arg(QDir::toNativeSeparators(result.launcherPath)) << '\n';
    if (!result.menuLauncherPath.isEmpty())
        call.out << Text::tr("and from the applications menu: %1").arg(QDir::toNativeSeparators(result.menuLauncherPath))
                 << '\n';
    return exitstatus::kDone;
}

int runBackup(const CommandCall &call, const QDateTime &now)
{
    if (call.isSet(QStringLiteral("check"))) {
        if (!call.arguments().isEmpty())
            return call.wrongCall(Text::tr("--check takes the backup folder alone"));
        if (call.isSet(QStringLiteral("keep")))
            return call.wrongCall(Text::tr("--keep goes with making a backup, not with --check"));
        const QString backupFolder = call.value(QStringLiteral("check"));
        const schoolbackup::Checked checked = schoolbackup::check(backupFolder);
        for (const QString &p : checked.problems)
            call.failed(p);
        if (!checked.problems.isEmpty())
            return exitstatus::kFailed;
        call.out << Text::tr("%1: %2 files intact").arg(backupFolder).arg(checked.verified) << '\n';
        return exitstatus::kDone;
    }
    if (call.arguments().size() != 2)
        return call.wrongCall(Text::tr("give the program folder and the destination folder"));
    std::optional<int> keep;
    if (call.isSet(QStringLiteral("keep"))) {
        bool number = false;
        const QString text = call.value(QStringLiteral("keep"));
        const int n = text.toInt(&number);
        if (!number || n < 1)
            return call.wrongCall(Text::tr("--keep takes a number of backups, 1 or more, not \"%1\"").arg(text));
        keep = n;
    }
    const std::optional<Installation> state = startInstallation(call, call.argument(0));
    if (!state)
        return exitstatus::kFailed;
    const schoolbackup::Made made =
        schoolbackup::make(state->folders, call.argument(1), now, [] { QThread::sleep(1); });
    if (!made.made) {
        for (const QString &p : made.problems)
            call.failed(p);
        return exitstatus::kFailed;
    }
    for (const QString &f : made.cleared)
        call.out << Text::tr("removed %1, left by a backup that was stopped").arg(QDir::toNativeSeparators(f)) << '\n';
    for (const QString &f : made.copied)
        call.out << Text::tr("copied and verified %1").arg(f) << '\n';
    for (const QString &f : made.absent)
        call.out << Text::tr("not in the installation (yet): %1").arg(f) << '\n';
    call.out << Text::tr("backup in %1").arg(QDir::toNativeSeparators(made.folder)) << '\n';
    if (!keep)
        return exitstatus::kDone;
    const schoolbackup::Rotated rotated = schoolbackup::rotate(call.argument(1), made.folder, *keep);
    for (const QString &f : rotated.removed)
        call.out << Text::tr("removed the old backup %1").arg(QDir::toNativeSeparators(f)) << '\n';
    for (const QString &f : rotated.damaged)
        call.out << Text::tr("left alone, as it fails the check: %1").arg(QDir::toNativeSeparators(f)) << '\n';
    for (const QString &p : rotated.problems)
        call.failed(p);
    return rotated.problems.isEmpty() ? exitstatus::kDone : exitstatus::kFailed;
}

int runRestore(const CommandCall &call, const QDateTime &now)
{
    const QString backupFolder = QDir(call.argument(0)).absolutePath();
    const std::optional<Installation> state = startInstallation(call, call.argument(1));
    if (!state)
        return exitstatus::kFailed;
    schoolrestore::Options options;
    options.replaceNewerRuns = call.isSet(QStringLiteral("force"));
    options.keepIn = QFileInfo(backupFolder).absolutePath();
    options.now = now;
    options.waitASecond = [] { QThread::sleep(1); };
    const schoolrestore::Restored restored = schoolrestore::restore(state->folders, backupFolder, options);
    if (!restored.kept.isEmpty())
        call.out << Text::tr("kept the files as they were in %1").arg(QDir::toNativeSeparators(restored.kept)) << '\n';
    for (const QString &f : restored.written)
        call.out << Text::tr("restored %1").arg(f) << '\n';
    for (const QString &p : restored.problems)
        call.failed(p);
    if (!restored.restored)
        return exitstatus::kFailed;
    for (const QString &f : restored.unchanged)
        call.out << Text::tr("already as in the backup: %1").arg(f) << '\n';
    for (const QString &f : restored.notInBackup)
        call.out << Text::tr("not in the backup, left as it is: %1").arg(f) << '\n';
    call.out << Text::tr("restored %1 files from %2").arg(restored.written.size()).arg(QDir::toNativeSeparators(backupFolder))
             << '\n';
    return exitstatus::kDone;
}

} // namespace

QString shippedContentFolder()
{
    const QString here = QCoreApplication::applicationDirPath();
    for (const QString &candidate : {here + QStringLiteral("/../share/tavrel/demo/tavrel"), here}) {
        if (QFileInfo(candidate + QStringLiteral("/設定.txt")).isFile())
            return QDir::cleanPath(candidate);
    }
    return QString();
}

QString installedProgramPath()
{
    const QString beside = QCoreApplication::applicationDirPath() + QStringLiteral("/tavrel");
    return QFileInfo(beside).isExecutable() ? QDir::cleanPath(beside) : QStringLiteral("tavrel");
}

QList<AdminCommand> schoolCommands(const QString &contentFolder, const QString &programPath,
                                   const std::function<QDateTime()> &now)
{
    return {
        {QStringLiteral("new-school"), Text::tr("create a school's own installation"), declareNewSchool,
         [contentFolder, programPath](const CommandCall &call) { return runNewSchool(call, contentFolder, programPath); }},
        {QStringLiteral("backup"), Text::tr("copy an installation's records and settings, or --check a copy"),
         declareBackup, [now](const CommandCall &call) { return runBackup(call, now()); }},
        {QStringLiteral("restore"), Text::tr("put a backup back into an installation"), declareRestore,
         [now](const CommandCall &call) { return runRestore(call, now()); }},
    };
}
