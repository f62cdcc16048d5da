#include "schoolcommands.h"

#include "installation.h"
#include "commandsupport.h"
#include "datafileerror.h"
#include "newschool.h"
#include "rosterfile.h"
#include "rosterimport.h"
#include "savefile.h"
#include "schoolbackup.h"
#include "schoolregistry.h"
#include "startup.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <optional>

namespace {

constexpr int kDone = 0;
constexpr int kFailed = 1;

const QString kNewSchoolUsage = QStringLiteral(
    "usage: tavrel-admin new-school DIR --name NAME --code CODE [--folder-mode 1|0] [--from PROGRAM_FOLDER]\n"
    "                               [--group GROUP] [--menu]\n\n"
    "Creates a school's installation in DIR (a new folder, or an empty one): the program folder\n"
    "DIR/tavrel (設定.txt, タイム回数データ.txt, the stored question file, the help page, the run log)\n"
    "and the shared folder, DIR/files with folder mode 1 (the default) or DIR itself with folder\n"
    "mode 0 (sounds then in DIR/音フォルダ), holding 共通データ.txt with the school's name and\n"
    "five-character code, the sound table and sounds, the roster and its backup and the home run\n"
    "log. The run logs, the roster and its backup are made empty, so that every pupil's account\n"
    "can write them from the first run on.\n\n"
    "Everything belongs to GROUP (a group's name or number; default: the group of DIR, or of the\n"
    "folder DIR is made in): folders are group-writable with the set-group-ID bit, files\n"
    "group-writable. Put the pupils' and teachers' accounts in that group.\n\n"
    "The school is registered under NAME in /etc/xdg/tavrel/schools when run as root (else in\n"
    "~/.config/tavrel/schools), and DIR/tavrel.desktop is a launcher that starts tavrel by that\n"
    "name, so that it works on every PC that registered the school, wherever that PC mounts the\n"
    "share (see register-school). --menu also puts the launcher into the applications menu of\n"
    "every account (as root; otherwise only this account's).\n\n"
    "The content is copied from the installation whose program folder is PROGRAM_FOLDER (default:\n"
    "the demo that comes with the program). The installation is built beside DIR and takes its\n"
    "place only when complete: a failure or an interruption leaves nothing. An existing\n"
    "installation is never overwritten.\n\n"
    "Exit status: 0 created, 1 refused or failed (nothing is left behind), 2 wrong call.\n");

const QString kRosterUsage = QStringLiteral(
    "usage: tavrel-admin roster import PROGRAM_FOLDER CLASS.csv\n"
    "       tavrel-admin roster export PROGRAM_FOLDER OUT.csv\n\n"
    "import merges a class list saved by a spreadsheet into the roster 生徒用名簿.txt of the\n"
    "installation whose program folder is PROGRAM_FOLDER. The CSV is UTF-8 (with or without a\n"
    "byte-order mark) or Shift-JIS, separated by commas or tabs, with a header row naming the\n"
    "columns 番号, 氏名 and 生年 in any order (other columns are ignored). A new 番号 is added; a\n"
    "番号 the roster holds gets the new name and birth year; every other pupil and value is kept.\n"
    "Every row is checked first: 番号 a whole number from 1 to 5000 used once, 氏名 present, at\n"
    "most 20 characters, storable in Shift-JIS and without control characters, 生年 a year from\n"
    "100 years ago to this year. Any bad row: each is listed with its line number and the roster\n"
    "is not touched. Otherwise, while no other writer of the roster (a name change, another\n"
    "import) may work, the roster is read again, merged and replaced whole; only then is the old\n"
    "roster kept as 生徒用名簿temp.txt. A write that fails leaves its file as it was.\n\n"
    "export writes the roster's pupils as CSV (UTF-8 with a byte-order mark) with the columns\n"
    "番号, 氏名, 生年, which import reads back (a name that starts with =, +, - or @ is written\n"
    "after an apostrophe, so that a spreadsheet shows it rather than running it).\n\n"
    "Exit status: 0 done, 1 bad rows or a file that cannot be read or written, 2 wrong call.\n");

const QString kBackupUsage = QStringLiteral(
    "usage: tavrel-admin backup PROGRAM_FOLDER DEST\n"
    "       tavrel-admin backup --check BACKUP_FOLDER\n\n"
    "Copies the run log, the home run log, the roster (and its backup) and the settings files\n"
    "(設定.txt, 共通データ.txt, タイム回数データ.txt, 新音ファイル.txt) of the installation whose\n"
    "program folder is PROGRAM_FOLDER into a new folder DEST/tavrel-YYYY-MM-DD_HHMMSS, keeping\n"
    "their places relative to the installation. The run logs are read under the lock that\n"
    "recording programs respect, so a copy never holds half a run. Every copy is read back and\n"
    "checked; manifest.txt lists each file's size and SHA-256 checksum (\"sha256sum -c\n"
    "manifest.txt\" inside the backup verifies it too). The backup is built in a hidden working\n"
    "folder that only takes its name when complete; a failed backup leaves nothing, and working\n"
    "folders of backups that were stopped are removed. The installation is only read; a file\n"
    "of it that is a link, a pipe or a device is not followed and fails the backup.\n\n"
    "--check verifies every file of a backup folder against its manifest.txt; it reads only\n"
    "regular files inside the backup folder, never through a link.\n\n"
    "Exit status: 0 done (or the backup is intact), 1 failed (or a file differs), 2 wrong call.\n");

using commandsupport::startInstallation;
using commandsupport::usageError;

int runNewSchool(const QStringList &args, QTextStream &out, QTextStream &err, const QString &contentFolder,
                 const QString &programPath)
{
    const QString command = QStringLiteral("new-school");
    newschool::Request request;
    request.templateProgramFolder = contentFolder;
    request.programPath = programPath;
    request.registryFile = schoolregistry::ownFile();
    QStringList positional;
    bool haveName = false;
    bool haveCode = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        if (a == u"--menu") {
            request.menuFolder = newschool::menuFolder();
        } else if (a == u"--name" || a == u"--code" || a == u"--folder-mode" || a == u"--from" || a == u"--group") {
            if (i + 1 >= args.size())
                return usageError(command, a + QStringLiteral(" needs a value"), kNewSchoolUsage, err);
            const QString value = args[++i];
            if (a == u"--name") {
                request.schoolName = value;
                haveName = true;
            } else if (a == u"--code") {
                request.siteCode = value;
                haveCode = true;
            } else if (a == u"--from") {
                request.templateProgramFolder = value;
            } else if (a == u"--group") {
                if (value.isEmpty())
                    return usageError(command, QStringLiteral("--group needs a group's name or number"), kNewSchoolUsage, err);
                request.group = value;
            } else if (value == u"1" || value == u"0") {
                request.folderMode = value.toInt();
            } else {
                return usageError(command, QStringLiteral("--folder-mode is 1 or 0"), kNewSchoolUsage, err);
            }
        } else if (a.startsWith(u'-')) {
            return usageError(command, QStringLiteral("unknown option ") + a, kNewSchoolUsage, err);
        } else {
            positional << a;
        }
    }
    if (positional.size() != 1 || !haveName || !haveCode)
        return usageError(command, QStringLiteral("give DIR, --name and --code"), kNewSchoolUsage, err);
    if (request.templateProgramFolder.isEmpty()) {
        err << "tavrel-admin new-school: the demo that comes with the program was not found; give --from\n";
        return kFailed;
    }
    request.root = positional.first();

    const newschool::Result result = newschool::create(request);
    if (!result.created) {
        for (const QString &p : result.problems)
            err << "tavrel-admin new-school: " << p << '\n';
        return kFailed;
    }
    const QString name = request.schoolName.trimmed();
    out << "created the installation " << QDir::toNativeSeparators(result.programFolder) << " for the group "
        << result.groupName << '\n'
        << "registered as \"" << name << "\" in " << QDir::toNativeSeparators(request.registryFile) << '\n'
        << "start it with: " << QDir::toNativeSeparators(programPath) << " --school " << newschool::desktopExecArgument(name)
        << " (or " << QDir::toNativeSeparators(programPath) << ' ' << QDir::toNativeSeparators(result.programFolder)
        << ")\n"
        << "or with the launcher " << QDir::toNativeSeparators(result.launcherPath) << '\n';
    if (!result.menuLauncherPath.isEmpty())
        out << "and from the applications menu: " << QDir::toNativeSeparators(result.menuLauncherPath) << '\n';
    return kDone;
}

int runRosterImport(const QString &programFolder, const QString &csvPath, QTextStream &out, QTextStream &err,
                    int currentYear)
{
    const QString command = QStringLiteral("roster import");
    QFile csv(csvPath);
    if (!csv.open(QIODevice::ReadOnly)) {
        err << "tavrel-admin roster import: cannot read " << csvPath << ": " << csv.errorString() << '\n';
        return kFailed;
    }
    const rosterimport::Checked checked = rosterimport::check(csv.readAll(), currentYear);
    if (!checked.problems.empty()) {
        for (const rosterimport::Problem &p : checked.problems) {
            err << csvPath;
            if (p.line > 0)
                err << ':' << p.line;
            err << ": " << p.text << '\n';
        }
        err << "tavrel-admin roster import: the roster is unchanged (" << checked.problems.size()
            << (checked.problems.size() == 1 ? " bad line" : " bad lines") << ")\n";
        return kFailed;
    }

    const std::optional<Installation> state = startInstallation(command, programFolder, err);
    if (!state)
        return kFailed;
    const QString rosterPath = RosterFile::path(state->folders);
    const rosterimport::Imported imported =
        rosterimport::importInto(rosterPath, RosterFile::backupPath(state->folders), checked.pupils,
                                 [] { QThread::msleep(rosterimport::kLockWaitMilliseconds); });
    const rosterimport::Merged &merged = imported.merged;
    if (!imported.written && imported.message.isEmpty()) {
        out << "the roster already holds these " << merged.unchanged << " pupils; nothing to change\n";
        return kDone;
    }
    if (!imported.message.isEmpty()) {
        err << "tavrel-admin roster import: " << imported.message << '\n';
        if (!imported.written)
            return kFailed;
    }
    out << QDir::toNativeSeparators(rosterPath) << ": " << merged.added << " added, " << merged.updated
        << " updated, " << merged.unchanged << " unchanged\n";
    return imported.message.isEmpty() ? kDone : kFailed;
}

int runRosterExport(const QString &programFolder, const QString &csvPath, QTextStream &out, QTextStream &err)
{
    const std::optional<Installation> state = startInstallation(QStringLiteral("roster export"), programFolder, err);
    if (!state)
        return kFailed;
    const RosterFile roster = RosterFile::read(RosterFile::path(state->folders));
    if (!roster.found()) {
        err << "tavrel-admin roster export: there is no roster "
            << QDir::toNativeSeparators(RosterFile::path(state->folders)) << '\n';
        return kFailed;
    }
    for (const DataFileError &p : roster.problems())
        err << "tavrel-admin roster export: " << p.text() << '\n';
    const QByteArray bytes = rosterimport::exportCsv(roster);
    const savefile::Outcome written = savefile::replace(csvPath, bytes);
    if (!written.saved) {
        err << "tavrel-admin roster export: cannot write " << csvPath << ": " << written.error << '\n';
        return kFailed;
    }
    out << "wrote " << csvPath << '\n';
    return kDone;
}

int runRoster(const QStringList &args, QTextStream &out, QTextStream &err, int currentYear)
{
    const QString command = QStringLiteral("roster");
    for (const QString &a : args) {
        if (a.startsWith(u'-'))
            return usageError(command, QStringLiteral("unknown option ") + a, kRosterUsage, err);
    }
    if (args.size() != 3 || (args[0] != u"import" && args[0] != u"export"))
        return usageError(command, QStringLiteral("give import or export, the program folder and the CSV file"),
                          kRosterUsage, err);
    if (args[0] == u"import")
        return runRosterImport(args[1], args[2], out, err, currentYear);
    return runRosterExport(args[1], args[2], out, err);
}

int runBackup(const QStringList &args, QTextStream &out, QTextStream &err, const QDateTime &now)
{
    const QString command = QStringLiteral("backup");
    if (args.size() == 2 && args[0] == u"--check") {
        const schoolbackup::Checked checked = schoolbackup::check(args[1]);
        for (const QString &p : checked.problems)
            err << "tavrel-admin backup --check: " << p << '\n';
        if (!checked.problems.isEmpty())
            return kFailed;
        out << args[1] << ": " << checked.verified << " files intact\n";
        return kDone;
    }
    for (const QString &a : args) {
        if (a.startsWith(u'-'))
            return usageError(command, QStringLiteral("unknown option ") + a, kBackupUsage, err);
    }
    if (args.size() != 2)
        return usageError(command, QStringLiteral("give the program folder and the destination folder"), kBackupUsage,
                          err);
    const std::optional<Installation> state = startInstallation(command, args[0], err);
    if (!state)
        return kFailed;
    const schoolbackup::Made made =
        schoolbackup::make(state->folders, args[1], now, [] { QThread::sleep(1); });
    if (!made.made) {
        for (const QString &p : made.problems)
            err << "tavrel-admin backup: " << p << '\n';
        return kFailed;
    }
    for (const QString &f : made.cleared)
        out << "removed " << QDir::toNativeSeparators(f) << ", left by a backup that was stopped\n";
    for (const QString &f : made.copied)
        out << "copied and verified " << f << '\n';
    for (const QString &f : made.absent)
        out << "not in the installation (yet): " << f << '\n';
    out << "backup in " << QDir::toNativeSeparators(made.folder) << '\n';
    return kDone;
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
        {QStringLiteral("new-school"), QStringLiteral("create a school's own installation"), kNewSchoolUsage,
         [contentFolder, programPath](const QStringList &args, QTextStream &out, QTextStream &err) {
             return runNewSchool(args, out, err, contentFolder, programPath);
         }},
        {QStringLiteral("roster"), QStringLiteral("import a class list from a spreadsheet, or export the roster"),
         kRosterUsage,
         [now](const QStringList &args, QTextStream &out, QTextStream &err) {
             return runRoster(args, out, err, now().date().year());
         }},
        {QStringLiteral("backup"), QStringLiteral("copy an installation's records and settings, or --check a copy"),
         kBackupUsage,
         [now](const QStringList &args, QTextStream &out, QTextStream &err) { return runBackup(args, out, err, now()); }},
    };
}
