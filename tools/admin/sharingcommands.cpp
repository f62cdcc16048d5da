#include "sharingcommands.h"

#include "answerlog.h"
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
#include "toolinstallation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace {

class Text
{
    Q_DECLARE_TR_FUNCTIONS(SharingCommands)
};

CommandUsage declareCheck(QCommandLineParser &parser)
{
    parser.setApplicationDescription(
        Text::tr("Names every file and folder of the installation whose program folder is PROGRAM_FOLDER that a "
                 "member of the school's group could not use: read the settings, questions and sounds, write the run "
                 "logs, the answer log, the roster and its backup, make files in the program and shared folders, pass through the "
                 "folders above. A member is judged as an account that owns none of the files.\n\n"
                 "--fix gives each of them the group and the rights a member needs (and the set-group-ID bit on the "
                 "folders the program writes in), and makes a missing run log, answer log or roster backup empty; it changes "
                 "nothing above the installation and follows no link. Run it as root, or as the owner of the files."));
    addProgramFolderArgument(parser, QStringLiteral("PROGRAM_FOLDER"));
    parser.addOption(QCommandLineOption(QStringLiteral("group"),
                                        Text::tr("the school's group, by name or number (default: the group of the "
                                                 "program folder)"),
                                        QStringLiteral("GROUP")));
    parser.addOption(QCommandLineOption(QStringLiteral("fix"), Text::tr("mend what can be mended")));
    return {QStringLiteral("PROGRAM_FOLDER"), 1, 1,
            Text::tr("every account of the group can use the installation (after --fix)"),
            Text::tr("some file or folder is still not usable")};
}

CommandUsage declarePending(QCommandLineParser &parser)
{
    parser.setApplicationDescription(
        Text::tr("Lists the records that this account keeps for the installation whose program folder is "
                 "PROGRAM_FOLDER, because a run log or the answer log could not take them when the run ended (no permission, the share "
                 "gone, a full disk). The program appends them by itself at its next start, and after every run it "
                 "records, once the log takes them again; they are kept in $XDG_DATA_HOME/tavrel/pending "
                 "(~/.local/share/tavrel/pending). Run it as the pupil's account."));
    addProgramFolderArgument(parser, QStringLiteral("PROGRAM_FOLDER"));
    return {QStringLiteral("PROGRAM_FOLDER"), 1, 1, Text::tr("listed (or nothing is waiting)"),
            Text::tr("the pending file cannot be read")};
}

CommandUsage declareRegister(QCommandLineParser &parser)
{
    parser.setApplicationDescription(
        Text::tr("Tells this machine where the installation whose program folder is PROGRAM_FOLDER is, under NAME "
                 "(default: the school's name in its 共通データ.txt, the name new-school registered it by): in "
                 "/etc/xdg/tavrel/schools when run as root, else in ~/.config/tavrel/schools. The school's launcher "
                 "(DIR/tavrel.desktop) starts tavrel by that name, so on a second PC that mounts the share, wherever "
                 "it mounts it, this is the one step that makes the launcher work. tavrel without a folder lists the "
                 "registered schools."));
    addProgramFolderArgument(parser, QStringLiteral("PROGRAM_FOLDER"));
    parser.addOption(QCommandLineOption(QStringLiteral("name"), Text::tr("the name to register the school by"),
                                        QStringLiteral("NAME")));
    parser.addOption(QCommandLineOption(
        QStringLiteral("menu"),
        Text::tr("also put the launcher into the applications menu (every account's as root, else this account's)")));
    return {QStringLiteral("PROGRAM_FOLDER"), 1, 1, Text::tr("registered"),
            Text::tr("not an installation, or a list that cannot be written")};
}

int runCheck(const CommandCall &call)
{
    const std::optional<Installation> state = startInstallation(call, call.argument(0));
    if (!state)
        return exitstatus::kFailed;
    const bool fix = call.isSet(QStringLiteral("fix"));
    const schoolcheck::Report report = schoolcheck::check(*state, call.value(QStringLiteral("group")), fix);
    for (const schoolcheck::Finding &f : report.findings) {
        QTextStream &to = f.fixed ? call.out : call.err;
        to << f.path << ": " << f.problem;
        if (f.fixed)
            to << Text::tr(" - fixed");
        else if (fix || !f.notFixed.isEmpty())
            to << Text::tr(" - not fixed: %1").arg(f.notFixed.isEmpty() ? Text::tr("--fix leaves it") : f.notFixed);
        to << '\n';
    }
    const bool well = report.allWell();
    const QString folder = QDir::toNativeSeparators(QDir::cleanPath(state->folders.appFolder));
    if (well)
        call.out << Text::tr("%1: %2 files and folders checked for the group %3; every member can use them")
                        .arg(folder)
                        .arg(report.checked)
                        .arg(report.groupName);
    else
        call.out << Text::tr("%1: %2 files and folders checked for the group %3; some are not usable%4")
                        .arg(folder)
                        .arg(report.checked)
                        .arg(report.groupName, fix ? QString() : Text::tr(" (--fix mends what it can)"));
    call.out << '\n';
    return well ? exitstatus::kDone : exitstatus::kFailed;
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
        run ? Text::tr("%1 %2 pupil %3 level %4 %5")
                  .arg(oadate::toDate(run->date).toString(Qt::ISODate), oadate::toTime(run->clock).toString(Qt::ISODate))
                  .arg(run->pupil)
                  .arg(run->level)
                  .arg(run->time == 99999 ? Text::tr("timed out") : Text::tr("%1 s").arg(run->time))
            : Text::tr("%1 bytes").arg(e.record.size());
    QString line = e.log + QStringLiteral(": ") + what;
    if (e.keptAt.isValid())
        line += Text::tr(", kept %1").arg(e.keptAt.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
    if (!e.reason.isEmpty())
        line += QStringLiteral(" (") + e.reason + u')';
    if (e.placedAt >= 0)
        line += Text::tr(", an append at byte %1 was begun").arg(e.placedAt);
    return line;
}

bool isAnswerRecord(const PendingEntry &e)
{
    return e.log == answerlog::answerLog().name && e.record.size() == AnswerRecord::kSize;
}

// Whether two kept answer records belong to the same run (and were kept for the same reason).
bool sameRun(const PendingEntry &a, const PendingEntry &b)
{
    const AnswerRow x = AnswerRecord::decodeRow(a.record.constData());
    const AnswerRow y = AnswerRecord::decodeRow(b.record.constData());
    return x.date == y.date && x.clock == y.clock && x.pupil == y.pupil && x.level == y.level
           && a.keptAt == b.keptAt && a.reason == b.reason;
}

// The kept answer records of one run as one line: the log, how many records,
// whose run at which level, and how many wrong choices and years they hold.
QString describeAnswers(std::span<const PendingEntry> run)
{
    const AnswerRow first = AnswerRecord::decodeRow(run.front().record.constData());
    int wrongChoices = 0;
    int wrongYears = 0;
    std::int64_t placedAt = -1;
    for (const PendingEntry &e : run) {
        const AnswerRow row = AnswerRecord::decodeRow(e.record.constData());
        wrongChoices += row.wrongChoices;
        wrongYears += row.wrongYears;
        if (placedAt < 0 && e.placedAt >= 0)
            placedAt = e.placedAt;
    }
    QString line = run.front().log + QStringLiteral(": ")
                   + Text::tr("%1 answer records of the run %2 %3 pupil %4 level %5")
                         .arg(run.size())
                         .arg(oadate::toDate(first.date).toString(Qt::ISODate),
                              oadate::toTime(first.clock).toString(Qt::ISODate))
                         .arg(first.pupil)
                         .arg(first.level)
                   + Text::tr(", %1 wrong choices and %2 wrong years").arg(wrongChoices).arg(wrongYears);
    const PendingEntry &e = run.front();
    if (e.keptAt.isValid())
        line += Text::tr(", kept %1").arg(e.keptAt.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
    if (!e.reason.isEmpty())
        line += QStringLiteral(" (") + e.reason + u')';
    if (placedAt >= 0)
        line += Text::tr(", an append at byte %1 was begun").arg(placedAt);
    return line;
}

int runPending(const CommandCall &call)
{
    const std::optional<Installation> state = startInstallation(call, call.argument(0));
    if (!state)
        return exitstatus::kFailed;
    const PendingRuns pending(*state, PendingRuns::defaultFolder());
    const PendingRuns::Contents contents = pending.read();
    const QString file = QDir::toNativeSeparators(pending.filePath());
    if (!contents.found) {
        call.out << Text::tr("nothing is waiting on this account for %1 (%2 does not exist)")
                        .arg(QDir::toNativeSeparators(state->folders.appFolder), file)
                 << '\n';
        return exitstatus::kDone;
    }
    if (!contents.file)
        return call.failed(Text::tr("%1 cannot be read: %2").arg(file, contents.problem));
    call.out << Text::tr("%1: %2 records waiting for %3")
                    .arg(file)
                    .arg(contents.file->entries.size())
                    .arg(contents.file->programFolder)
             << '\n';
    const std::vector<PendingEntry> &entries = contents.file->entries;
    for (std::size_t i = 0; i < entries.size();) {
        if (!isAnswerRecord(entries[i])) {
            call.out << "  " << describe(entries[i]) << '\n';
            ++i;
            continue;
        }
        std::size_t end = i + 1;
        while (end < entries.size() && isAnswerRecord(entries[end]) && sameRun(entries[i], entries[end]))
            ++end;
        call.out << "  " << describeAnswers(std::span(entries).subspan(i, end - i)) << '\n';
        i = end;
    }
    return exitstatus::kDone;
}

int runRegister(const CommandCall &call, const QString &programPath)
{
    const std::optional<Installation> state = startInstallation(call, call.argument(0));
    if (!state)
        return exitstatus::kFailed;
    const QString name =
        (call.isSet(QStringLiteral("name")) ? call.value(QStringLiteral("name")) : state->siteName).trimmed();
    const QString folder = QDir::cleanPath(state->folders.appFolder);
    const QString list = schoolregistry::ownFile();
    if (const QString problem = schoolregistry::add(list, {name, folder}); !problem.isEmpty())
        return call.failed(problem);
    call.out << Text::tr("registered \"%1\" as %2 in %3")
                    .arg(name, QDir::toNativeSeparators(folder), QDir::toNativeSeparators(list))
             << '\n';
    if (call.isSet(QStringLiteral("menu"))) {
        const QString menu = newschool::menuFolder();
        const QString entry = menu + u'/'
                              + newschool::menuLauncherName(state->siteCode.isEmpty() ? folderscheme::key(folder)
                                                                                      : state->siteCode);
        const savefile::Outcome written = QDir().mkpath(menu)
                                              ? savefile::replace(entry, newschool::launcher(programPath, name))
                                              : savefile::Outcome{false, Text::tr("cannot make the folder")};
        if (!written.saved)
            return call.failed(Text::tr("cannot write %1: %2").arg(QDir::toNativeSeparators(entry), written.error));
        call.out << Text::tr("menu entry: %1").arg(QDir::toNativeSeparators(entry)) << '\n';
    }
    return exitstatus::kDone;
}

} // namespace

QList<AdminCommand> sharingCommands(const QString &programPath)
{
    return {
        {QStringLiteral("check-school"), Text::tr("name (and --fix) what a member of the school's group could not read or write"),
         declareCheck, runCheck},
        {QStringLiteral("pending"), Text::tr("list the runs this account keeps until the logs take them"), declarePending,
         runPending},
        {QStringLiteral("register-school"), Text::tr("tell this PC where a school's installation is"), declareRegister,
         [programPath](const CommandCall &call) { return runRegister(call, programPath); }},
    };
}
