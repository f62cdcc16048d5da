#include "sharingcommands.h"

#include "commandsupport.h"
#include "folderscheme.h"
#include "homerunrecord.h"
#include "installation.h"
#include "newschool.h"
#include "oadate.h"
#include "pendingruns.h"
#include "runlog.h"
#include "runlogrecord.h"
#include "savefile.h"
#include "schoolcheck.h"
#include "schoolregistry.h"

#include <QDir>
#include <QFileInfo>

#include <optional>

namespace {

constexpr int kDone = 0;
constexpr int kFailed = 1;

const QString kCheckUsage = QStringLiteral(
    "usage: tavrel-admin check-school PROGRAM_FOLDER [--group GROUP] [--fix]\n\n"
    "Names every file and folder of the installation whose program folder is PROGRAM_FOLDER that a\n"
    "member of the school's group could not use: read the settings, questions and sounds, write\n"
    "the run logs, the roster and its backup, make files in the program and shared folders, pass\n"
    "through the folders above. GROUP is a group's name or number (default: the group of the\n"
    "program folder). A member is judged as an account that owns none of the files.\n\n"
    "--fix gives each of them the group and the rights a member needs (and the set-group-ID bit\n"
    "on the folders the program writes in), and makes a missing run log or roster backup empty;\n"
    "it changes nothing above the installation and follows no link. Run it as root, or as the\n"
    "owner of the files.\n\n"
    "Exit status: 0 every account of the group can use the installation (after --fix), 1 some\n"
    "file or folder is still not usable, 2 wrong call.\n");

const QString kPendingUsage = QStringLiteral(
    "usage: tavrel-admin pending PROGRAM_FOLDER\n\n"
    "Lists the records that this account keeps for the installation whose program folder is\n"
    "PROGRAM_FOLDER, because a run log could not take them when the run ended (no permission,\n"
    "the share gone, a full disk). The program appends them by itself at its next start, and\n"
    "after every run it records, once the log takes them again; they are kept in\n"
    "$XDG_DATA_HOME/tavrel/pending (~/.local/share/tavrel/pending). Run it as the pupil's account.\n\n"
    "Exit status: 0 listed (or nothing is waiting), 1 the pending file cannot be read, 2 wrong call.\n");

const QString kRegisterUsage = QStringLiteral(
    "usage: tavrel-admin register-school PROGRAM_FOLDER [--name NAME] [--menu]\n\n"
    "Tells this machine where the installation whose program folder is PROGRAM_FOLDER is, under\n"
    "NAME (default: the school's name in its 共通データ.txt, the name new-school registered it\n"
    "by): in /etc/xdg/tavrel/schools when run as root, else in ~/.config/tavrel/schools. The\n"
    "school's launcher (DIR/tavrel.desktop) starts tavrel by that name, so on a second PC that\n"
    "mounts the share, wherever it mounts it, this is the one step that makes the launcher work.\n"
    "tavrel without a folder lists the registered schools. --menu also puts the launcher into the\n"
    "applications menu (every account's as root, else this account's).\n\n"
    "Exit status: 0 registered, 1 not an installation or a list that cannot be written, 2 wrong call.\n");

using commandsupport::startInstallation;
using commandsupport::usageError;

// The arguments of a command: the one folder, and the options, each either a flag or followed by
// its value.
struct Parsed
{
    QStringList positional;
    QStringList flags;
    QMap<QString, QString> values;
    QString problem;
};

Parsed parse(const QStringList &args, const QStringList &flags, const QStringList &valued)
{
    Parsed p;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        if (flags.contains(a))
            p.flags << a;
        else if (valued.contains(a) && i + 1 < args.size() && !args[i + 1].isEmpty())
            p.values[a] = args[++i];
        else if (valued.contains(a))
            p.problem = a + QStringLiteral(" needs a value");
        else if (a.startsWith(u'-'))
            p.problem = QStringLiteral("unknown option ") + a;
        else
            p.positional << a;
    }
    if (p.problem.isEmpty() && p.positional.size() != 1)
        p.problem = QStringLiteral("give the program folder");
    return p;
}

// A command's arguments parsed and the installation they name started; `status` is the exit
// status when either failed (the reason already on err).
struct Call
{
    Parsed args;
    std::optional<Installation> state;
    int status = kDone;
};

Call begin(const QString &command, const QString &usage, const QStringList &args, const QStringList &flags,
           const QStringList &valued, QTextStream &err)
{
    Call call{parse(args, flags, valued), std::nullopt, kDone};
    if (!call.args.problem.isEmpty())
        call.status = usageError(command, call.args.problem, usage, err);
    else if (!(call.state = startInstallation(command, call.args.positional.first(), err)))
        call.status = kFailed;
    return call;
}

int runCheck(const QStringList &args, QTextStream &out, QTextStream &err)
{
    const Call call = begin(QStringLiteral("check-school"), kCheckUsage, args, {QStringLiteral("--fix")},
                            {QStringLiteral("--group")}, err);
    if (!call.state)
        return call.status;
    const Parsed &p = call.args;
    const std::optional<Installation> &state = call.state;
    const bool fix = p.flags.contains(QStringLiteral("--fix"));
    const schoolcheck::Report report = schoolcheck::check(*state, p.values.value(QStringLiteral("--group")), fix);
    for (const schoolcheck::Finding &f : report.findings) {
        QTextStream &to = f.fixed ? out : err;
        to << f.path << ": " << f.problem;
        if (f.fixed)
            to << " - fixed";
        else if (fix || !f.notFixed.isEmpty())
            to << " - not fixed: " << (f.notFixed.isEmpty() ? QStringLiteral("--fix leaves it") : f.notFixed);
        to << '\n';
    }
    const bool well = report.allWell();
    out << QDir::toNativeSeparators(QDir::cleanPath(state->folders.appFolder)) << ": " << report.checked
        << " files and folders checked for the group " << report.groupName << "; "
        << (well ? QStringLiteral("every member can use them") : QStringLiteral("some are not usable"))
        << (!fix && !well ? QStringLiteral(" (--fix mends what it can)") : QString()) << '\n';
    return well ? kDone : kFailed;
}

// A kept record as a line: when the run was, whose and at which level, its time.
QString describe(const PendingEntry &e)
{
    std::optional<RunRow> run;
    if (e.log == runlog::runLog().name && e.record.size() == RunRecord::kSize) {
        run = RunRecord::decodeRow(e.record.constData());
    } else if (e.log == runlog::homeRunLog().name && e.record.size() == HomeRunRecord::kSize) {
        const HomeRunRecord r = HomeRunRecord::decode(e.record);
        run = RunRow{r.runDate, r.runClock, r.pupilNo, r.level, r.resultTime};
    }
    const QString what =
        run ? QStringLiteral("%1 %2 pupil %3 level %4 %5")
                  .arg(oadate::toDate(run->date).toString(Qt::ISODate), oadate::toTime(run->clock).toString(Qt::ISODate))
                  .arg(run->pupil)
                  .arg(run->level)
                  .arg(run->time == 99999 ? QStringLiteral("timed out") : QStringLiteral("%1 s").arg(run->time))
            : QStringLiteral("%1 bytes").arg(e.record.size());
    QString line = e.log + QStringLiteral(": ") + what;
    if (e.keptAt.isValid())
        line += QStringLiteral(", kept %1").arg(e.keptAt.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
    if (!e.reason.isEmpty())
        line += QStringLiteral(" (") + e.reason + u')';
    if (e.placedAt >= 0)
        line += QStringLiteral(", an append at byte %1 was begun").arg(e.placedAt);
    return line;
}

int runPending(const QStringList &args, QTextStream &out, QTextStream &err)
{
    const Call call = begin(QStringLiteral("pending"), kPendingUsage, args, {}, {}, err);
    if (!call.state)
        return call.status;
    const std::optional<Installation> &state = call.state;
    const PendingRuns pending(*state, PendingRuns::defaultFolder());
    const PendingRuns::Contents contents = pending.read();
    const QString file = QDir::toNativeSeparators(pending.filePath());
    if (!contents.found) {
        out << "nothing is waiting on this account for " << QDir::toNativeSeparators(state->folders.appFolder)
            << " (" << file << " does not exist)\n";
        return kDone;
    }
    if (!contents.file) {
        err << "tavrel-admin pending: " << file << " cannot be read: " << contents.problem << '\n';
        return kFailed;
    }
    out << file << ": " << contents.file->entries.size() << " records waiting for "
        << contents.file->programFolder << '\n';
    for (const PendingEntry &e : contents.file->entries)
        out << "  " << describe(e) << '\n';
    return kDone;
}

int runRegister(const QStringList &args, QTextStream &out, QTextStream &err, const QString &programPath)
{
    const Call call = begin(QStringLiteral("register-school"), kRegisterUsage, args, {QStringLiteral("--menu")},
                            {QStringLiteral("--name")}, err);
    if (!call.state)
        return call.status;
    const Parsed &p = call.args;
    const std::optional<Installation> &state = call.state;
    const QString name = p.values.value(QStringLiteral("--name"), state->siteName).trimmed();
    const QString folder = QDir::cleanPath(state->folders.appFolder);
    const QString list = schoolregistry::ownFile();
    if (const QString problem = schoolregistry::add(list, {name, folder}); !problem.isEmpty()) {
        err << "tavrel-admin register-school: " << problem << '\n';
        return kFailed;
    }
    out << "registered \"" << name << "\" as " << QDir::toNativeSeparators(folder) << " in "
        << QDir::toNativeSeparators(list) << '\n';
    if (p.flags.contains(QStringLiteral("--menu"))) {
        const QString menu = newschool::menuFolder();
        const QString entry = menu + u'/'
                              + newschool::menuLauncherName(state->siteCode.isEmpty() ? folderscheme::key(folder)
                                                                                      : state->siteCode);
        const savefile::Outcome written = QDir().mkpath(menu) ? savefile::replace(entry, newschool::launcher(programPath, name))
                                                              : savefile::Outcome{false, QStringLiteral("cannot make the folder")};
        if (!written.saved) {
            err << "tavrel-admin register-school: cannot write " << QDir::toNativeSeparators(entry) << ": "
                << written.error << '\n';
            return kFailed;
        }
        out << "menu entry: " << QDir::toNativeSeparators(entry) << '\n';
    }
    return kDone;
}

} // namespace

QList<AdminCommand> sharingCommands(const QString &programPath)
{
    return {
        {QStringLiteral("check-school"),
         QStringLiteral("name (and --fix) what a member of the school's group could not read or write"), kCheckUsage,
         runCheck},
        {QStringLiteral("pending"), QStringLiteral("list the runs this account keeps until the logs take them"),
         kPendingUsage, runPending},
        {QStringLiteral("register-school"), QStringLiteral("tell this PC where a school's installation is"),
         kRegisterUsage,
         [programPath](const QStringList &args, QTextStream &out, QTextStream &err) {
             return runRegister(args, out, err, programPath);
         }},
    };
}
