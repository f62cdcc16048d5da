#include "schoolcommands.h"

#include "newschool.h"
#include "schoolbackup.h"
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
        Text::tr("Creates a school's installation in DIR: the program folder DIR/tavrel (設定.txt, タイム回数データ.txt, "
                 "the stored question file, the help page) and the shared folder, DIR/files with folder mode 1 (the "
                 "default) or DIR itself with folder mode 0 (sounds then in DIR/音フォルダ), holding 共通データ.txt "
                 "with the school's name and five-character code, the sound table and sounds, and an empty roster; "
                 "and DIR/tavrel.desktop, a launcher that starts tavrel on DIR/tavrel. The content is copied from the "
                 "installation whose program folder is PROGRAM_FOLDER (default: the demo that comes with the "
                 "program). An existing installation is never overwritten."));
    parser.addPositionalArgument(QStringLiteral("DIR"), Text::tr("the folder to create the installation in"));
    parser.addOption(QCommandLineOption(QStringLiteral("name"), Text::tr("the school's name (required)"),
                                        QStringLiteral("NAME")));
    parser.addOption(QCommandLineOption(QStringLiteral("code"),
                                        Text::tr("the school's five-character code (required)"), QStringLiteral("CODE")));
    parser.addOption(QCommandLineOption(QStringLiteral("folder-mode"), Text::tr("1 (default) or 0, as above"),
                                        QStringLiteral("1|0")));
    parser.addOption(QCommandLineOption(QStringLiteral("from"), Text::tr("the installation whose content is copied"),
                                        QStringLiteral("PROGRAM_FOLDER")));
    return {QStringLiteral("DIR --name NAME --code CODE"), 1, 1, Text::tr("created"),
            Text::tr("refused or failed (nothing is left behind)")};
}

CommandUsage declareBackup(QCommandLineParser &parser)
{
    parser.setApplicationDescription(
        Text::tr("Copies the run log, the home run log, the roster (and its backup and its classes) and the settings "
                 "files (設定.txt, 共通データ.txt, タイム回数データ.txt, 新音ファイル.txt) of the installation whose "
                 "program folder is PROGRAM_FOLDER into a new folder DEST/tavrel-YYYY-MM-DD_HHMMSS, keeping their "
                 "places relative to the installation. The run logs are read under the lock that recording programs "
                 "respect, so a copy never holds half a run. Every copy is read back and checked; manifest.txt lists "
                 "each file's size and SHA-256 checksum (\"sha256sum -c manifest.txt\" inside the backup verifies "
                 "it too). The backup is built in a hidden working folder that only takes its name when complete; a "
                 "failed backup leaves nothing, and working folders of backups that were stopped are removed. The "
                 "installation is only read; a file of it that is a link, a pipe or a device is not followed and "
                 "fails the backup.\n\n"
                 "With --check, verifies every file of the backup folder BACKUP_FOLDER against its manifest.txt; it "
                 "reads only regular files inside the backup folder, never through a link."));
    parser.addPositionalArgument(QStringLiteral("PROGRAM_FOLDER"), Text::tr("the installation's program folder"));
    parser.addPositionalArgument(QStringLiteral("DEST"), Text::tr("the folder the backup is made in"));
    parser.addOption(QCommandLineOption(QStringLiteral("check"), Text::tr("check the backup BACKUP_FOLDER instead"),
                                        QStringLiteral("BACKUP_FOLDER")));
    return {QStringLiteral("PROGRAM_FOLDER DEST"), 0, 2, Text::tr("done (or the backup is intact)"),
            Text::tr("failed (or a file differs)")};
}

int runNewSchool(const CommandCall &call, const QString &contentFolder, const QString &programPath)
{
    newschool::Request request;
    request.templateProgramFolder = contentFolder;
    request.programPath = programPath;
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
    if (request.templateProgramFolder.isEmpty())
        return call.failed(Text::tr("the demo that comes with the program was not found; give --from"));
    request.root = call.argument(0);

    const newschool::Result result = newschool::create(request);
    if (!result.created) {
        for (const QString &p : result.problems)
            call.failed(p);
        return exitstatus::kFailed;
    }
    call.out << Text::tr("created the installation %1").arg(QDir::toNativeSeparators(result.programFolder)) << '\n'
             << Text::tr("start it with: %1 %2")
                    .arg(QDir::toNativeSeparators(programPath), QDir::toNativeSeparators(result.programFolder))
             << '\n'
             << Text::tr("or with the launcher %1").arg(QDir::toNativeSeparators(result.launcherPath)) << '\n';
    return exitstatus::kDone;
}

int runBackup(const CommandCall &call, const QDateTime &now)
{
    if (call.isSet(QStringLiteral("check"))) {
        if (!call.arguments().isEmpty())
            return call.wrongCall(Text::tr("--check takes the backup folder alone"));
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
    };
}
