#include "recordcommands.h"

#include "installation.h"
#include "catalogue.h"
#include "clock.h"
#include "datafileerror.h"
#include "oadate.h"
#include "recordcallbacks.h"
#include "rosternames.h"
#include "runscore.h"
#include "runstats.h"
#include "spreadsheetcsv.h"
#include "savefile.h"
#include "startup.h"
#include "computestats.h"

#include <QDir>
#include <QFileInfo>

#include <optional>
#include <vector>

namespace {

const QString kStatsUsage = QStringLiteral(
    "usage: tavrel-admin stats INSTALL [--date YYYY-MM-DD]\n\n"
    "Prints the run-log figures of the installation whose program folder is INSTALL, one\n"
    "tab-separated line per pupil and level with at least one run, in pupil then level order,\n"
    "as the program's screens compute them. \"Today\" and \"now\" are the given date at 23:59:59\n"
    "(default: the computer's clock).\n");

const QString kExportUsage = QStringLiteral(
    "usage: tavrel-admin export INSTALL OUT.csv\n\n"
    "Writes the run log of the installation whose program folder is INSTALL as CSV (UTF-8 with a\n"
    "byte-order mark): date, time of day, pupil number, pupil name from the roster, level, level\n"
    "caption, result time (empty after a time-out), score and points.\n");

// The record procedures' callbacks for a command-line tool: a locked log is waited for, and a
// fatal failure is kept as the command's error instead of ending the process.
struct ToolCallbacks
{
    QString failure;

    RecordCallbacks callbacks()
    {
        return {letEventsRunForOneSecond, [this](const QString &, const QString &text) { failure = text; }};
    }
};

// Starts the installation as the program does. Reports why not on err.
std::optional<Installation> startInstallation(const QString &command, const QString &programFolder, QTextStream &err)
{
    if (!QFileInfo(programFolder).isDir()) {
        err << "tavrel-admin " << command << ": there is no installation at " << programFolder << '\n';
        return std::nullopt;
    }
    Installation state;
    try {
        runStartup(state, QDir(programFolder).absolutePath());
    } catch (const DataFileError &e) {
        err << "tavrel-admin " << command << ": " << e.text() << '\n';
        return std::nullopt;
    }
    return state;
}

std::optional<RunStats> loadStats(const QString &command, const Installation &state, const QDateTime &now,
                                  QTextStream &err)
{
    ToolCallbacks tool;
    // The export lists every row, not only the newest the program's lists show.
    RunStats stats(RunStats::kEveryRow);
    if (!ComputeStats(state, stats, now, tool.callbacks())) {
        err << "tavrel-admin " << command << ": " << tool.failure << '\n';
        return std::nullopt;
    }
    return stats;
}

int usageError(const QString &usage, const QString &problem, QTextStream &err)
{
    err << problem << "\n\n" << usage;
    return 2;
}

int runStats(const QStringList &args, QTextStream &out, QTextStream &err)
{
    QStringList positional;
    std::optional<QString> dateText;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == u"--date") {
            if (i + 1 >= args.size())
                return usageError(kStatsUsage, QStringLiteral("tavrel-admin stats: --date needs a date"), err);
            dateText = args[++i];
        } else if (args[i].startsWith(u'-')) {
            return usageError(kStatsUsage, QStringLiteral("tavrel-admin stats: unknown option ") + args[i], err);
        } else {
            positional << args[i];
        }
    }
    if (positional.size() != 1)
        return usageError(kStatsUsage, QStringLiteral("tavrel-admin stats: give one installation folder"), err);

    QDateTime now = SystemClock().now();
    if (dateText) {
        const QDate date = QDate::fromString(*dateText, QStringLiteral("yyyy-MM-dd"));
        if (!date.isValid()) {
            err << "tavrel-admin stats: \"" << *dateText << "\" is not a date of the form YYYY-MM-DD\n";
            return 1;
        }
        now = QDateTime(date, QTime(23, 59, 59));
    }

    const std::optional<Installation> state = startInstallation(QStringLiteral("stats"), positional.first(), err);
    if (!state)
        return 1;
    const std::optional<RunStats> stats = loadStats(QStringLiteral("stats"), *state, now, err);
    if (!stats)
        return 1;

    std::vector<bool> hasRun(static_cast<std::size_t>(kLevelSlots) * RunStats::kPupilSlots, false);
    for (const RunRow &row : stats->rows())
        hasRun[static_cast<std::size_t>(row.pupil) * kLevelSlots + static_cast<std::size_t>(row.level)] = true;

    out << "pupil\tlevel\tbestTime\tattemptsAll\tpointsAll\tattemptsRecent\tpointsRecent\tattemptsRecent2"
           "\tpointsRecent2\tattemptsToday\tpointsToday\n";
    for (int pupil = 1; pupil <= kMaxPupil; ++pupil) {
        for (int level = 1; level < kLevelSlots; ++level) {
            if (!hasRun[static_cast<std::size_t>(pupil) * kLevelSlots + static_cast<std::size_t>(level)])
                continue;
            const LevelStats &s = stats->at(pupil, level);
            out << pupil << '\t' << level << '\t' << s.bestTime << '\t' << s.attemptsAll << '\t' << s.pointsAll
                << '\t' << s.attemptsRecent << '\t' << s.pointsRecent << '\t' << s.attemptsRecent2 << '\t'
                << s.pointsRecent2 << '\t' << s.attemptsToday << '\t' << s.pointsToday << '\n';
        }
    }
    return 0;
}

int runExport(const QStringList &args, QTextStream &, QTextStream &err)
{
    for (const QString &a : args) {
        if (a.startsWith(u'-'))
            return usageError(kExportUsage, QStringLiteral("tavrel-admin export: unknown option ") + a, err);
    }
    if (args.size() != 2)
        return usageError(kExportUsage, QStringLiteral("tavrel-admin export: give the installation folder and the CSV file"),
                          err);

    const std::optional<Installation> state = startInstallation(QStringLiteral("export"), args[0], err);
    if (!state)
        return 1;
    // The figures are not needed, only the rows; "now" does not change them.
    const std::optional<RunStats> stats = loadStats(QStringLiteral("export"), *state, SystemClock().now(), err);
    if (!stats)
        return 1;
    const std::vector<QString> names = rosternames::read(rosternames::rosterPath(state->folders));

    QString text = QStringLiteral("日付,時刻,番号,名前,レベル,レベル名,タイム,得点,ポイント\r\n");
    for (const RunRow &row : stats->rows()) {
        const LevelTiming &timing = state->timingTable[static_cast<std::size_t>(row.level)];
        const int score = RunScore(row.time, timing.passTime);
        const QDate date = oadate::toDate(row.date);
        const QTime clock = oadate::toTime(row.clock);
        text += date.toString(QStringLiteral("yyyy-MM-dd")) + u',' + clock.toString(QStringLiteral("HH:mm:ss")) + u','
                + QString::number(row.pupil) + u',' + spreadsheetcsv::cell(names[static_cast<std::size_t>(row.pupil)]) + u','
                + QString::number(row.level) + u',' + spreadsheetcsv::cell(catalogue::levelCaption(row.level)) + u','
                + (row.time == RunStats::kNoTime ? QString() : QString::number(row.time)) + u','
                + QString::number(score) + u',' + QString::number(RunPoints(score, timing.levelWeight)) + QStringLiteral("\r\n");
    }

    const savefile::Outcome written = savefile::replace(args[1], QByteArray("\xEF\xBB\xBF") + text.toUtf8());
    if (!written.saved) {
        err << "tavrel-admin export: cannot write " << args[1] << ": " << written.error << '\n';
        return 1;
    }
    return 0;
}

} // namespace

QList<AdminCommand> recordCommands()
{
    return {
        {QStringLiteral("stats"), QStringLiteral("per-pupil, per-level figures of an installation's run log"),
         kStatsUsage, runStats},
        {QStringLiteral("export"), QStringLiteral("the run log of an installation as a CSV file"), kExportUsage,
         runExport},
    };
}
