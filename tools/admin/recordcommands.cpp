#include "recordcommands.h"

#include "installation.h"
#include "catalogue.h"
#include "clock.h"
#include "oadate.h"
#include "recordcallbacks.h"
#include "rosternames.h"
#include "runscore.h"
#include "runstats.h"
#include "spreadsheetcsv.h"
#include "savefile.h"
#include "toolinstallation.h"
#include "computestats.h"

#include <QCoreApplication>

#include <optional>
#include <vector>

namespace {

class Text
{
    Q_DECLARE_TR_FUNCTIONS(RecordCommands)
};

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

std::optional<RunStats> loadStats(const CommandCall &call, const Installation &state, const QDateTime &now)
{
    ToolCallbacks tool;
    // The export lists every row, not only the newest the program's lists show.
    RunStats stats(RunStats::kEveryRow);
    if (!ComputeStats(state, stats, now, tool.callbacks())) {
        call.failed(tool.failure);
        return std::nullopt;
    }
    return stats;
}

CommandUsage declareStats(QCommandLineParser &parser)
{
    parser.setApplicationDescription(
        Text::tr("Prints the run-log figures of the installation whose program folder is INSTALL, one tab-separated "
                 "line per pupil and level with at least one run, in pupil then level order, as the program's "
                 "screens compute them: the pupil's number and name (from the roster; empty for a number the "
                 "roster does not hold), the level and its caption, the best time (empty without one), and the "
                 "runs and points of all time, of the level's two rolling windows of days (window 1 and 2, their "
                 "lengths set per level in タイム回数データ.txt) and of today. With --csv the same table is "
                 "written to a CSV file (UTF-8 with a byte-order mark, as export and roster export write it) for a "
                 "spreadsheet instead."));
    addProgramFolderArgument(parser, QStringLiteral("INSTALL"));
    parser.addOption(QCommandLineOption(
        QStringLiteral("date"),
        Text::tr("\"today\" and \"now\" are this date at 23:59:59 (default: the computer's clock)"),
        QStringLiteral("YYYY-MM-DD")));
    parser.addOption(QCommandLineOption(QStringLiteral("csv"), Text::tr("write the table to the CSV file OUT.csv instead"),
                                        QStringLiteral("OUT.csv")));
    return {QStringLiteral("INSTALL"), 1, 1, Text::tr("printed (or written)"),
            Text::tr("the installation or its run log cannot be read, or the file cannot be written")};
}

CommandUsage declareExport(QCommandLineParser &parser)
{
    parser.setApplicationDescription(
        Text::tr("Writes the run log of the installation whose program folder is INSTALL as CSV (UTF-8 with a "
                 "byte-order mark): date, time of day, pupil number, pupil name from the roster, level, level "
                 "caption, result time (empty after a time-out), score and points."));
    addProgramFolderArgument(parser, QStringLiteral("INSTALL"));
    parser.addPositionalArgument(QStringLiteral("OUT.csv"), Text::tr("the CSV file to write"));
    return {QStringLiteral("INSTALL OUT.csv"), 2, 2, Text::tr("written"),
            Text::tr("the installation or its run log cannot be read, or the file cannot be written")};
}

int runStats(const CommandCall &call)
{
    const std::optional<QDateTime> chosenNow = nowOfDateOption(call);
    if (!chosenNow)
        return exitstatus::kFailed;
    const QDateTime now = *chosenNow;

    const std::optional<Installation> state = startInstallation(call, call.argument(0));
    if (!state)
        return exitstatus::kFailed;
    const std::optional<RunStats> stats = loadStats(call, *state, now);
    if (!stats)
        return exitstatus::kFailed;

    std::vector<bool> hasRun(static_cast<std::size_t>(kLevelSlots) * RunStats::kPupilSlots, false);
    for (const RunRow &row : stats->rows())
        hasRun[static_cast<std::size_t>(row.pupil) * kLevelSlots + static_cast<std::size_t>(row.level)] = true;

    const std::vector<QString> names = rosternames::read(rosternames::rosterPath(state->folders));
    const bool csv = call.isSet(QStringLiteral("csv"));
    const QStringList header{Text::tr("number"),           Text::tr("name"),           Text::tr("level"),
                             Text::tr("level name"),       Text::tr("best time"),      Text::tr("runs"),
                             Text::tr("points"),           Text::tr("runs (window 1)"), Text::tr("points (window 1)"),
                             Text::tr("runs (window 2)"),   Text::tr("points (window 2)"), Text::tr("runs today"),
                             Text::tr("points today")};
    // A name or caption in a CSV cell is quoted and kept from being taken for a formula.
    const auto text = [csv](const QString &t) { return csv ? spreadsheetcsv::cell(t) : t; };
    const QChar separator = csv ? u',' : u'\t';
    const QString lineEnd = csv ? QStringLiteral("\r\n") : QStringLiteral("\n");
    QString table = header.join(separator) + lineEnd;
    for (int pupil = 1; pupil <= kMaxPupil; ++pupil) {
        for (int level = 1; level < kLevelSlots; ++level) {
            if (!hasRun[static_cast<std::size_t>(pupil) * kLevelSlots + static_cast<std::size_t>(level)])
                continue;
            const LevelStats &s = stats->at(pupil, level);
            const QList<QString> cells{QString::number(pupil),
                                       text(names[static_cast<std::size_t>(pupil)]),
                                       QString::number(level),
                                       text(catalogue::levelCaption(level)),
                                       s.bestTime == RunStats::kNoTime ? QString() : QString::number(s.bestTime),
                                       QString::number(s.attemptsAll),
                                       QString::number(s.pointsAll),
                                       QString::number(s.attemptsRecent),
                                       QString::number(s.pointsRecent),
                                       QString::number(s.attemptsRecent2),
                                       QString::number(s.pointsRecent2),
                                       QString::number(s.attemptsToday),
                                       QString::number(s.pointsToday)};
            table += cells.join(separator) + lineEnd;
        }
    }
    if (!csv) {
        call.out << table;
        return exitstatus::kDone;
    }
    const QString file = call.value(QStringLiteral("csv"));
    const savefile::Outcome written = savefile::replace(file, QByteArray("\xEF\xBB\xBF") + table.toUtf8());
    if (!written.saved)
        return call.failed(Text::tr("cannot write %1: %2").arg(file, written.error));
    return exitstatus::kDone;
}

int runExport(const CommandCall &call)
{
    const std::optional<Installation> state = startInstallation(call, call.argument(0));
    if (!state)
        return exitstatus::kFailed;
    // The figures are not needed, only the rows; "now" does not change them.
    const std::optional<RunStats> stats = loadStats(call, *state, SystemClock().now());
    if (!stats)
        return exitstatus::kFailed;
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

    const savefile::Outcome written = savefile::replace(call.argument(1), QByteArray("\xEF\xBB\xBF") + text.toUtf8());
    if (!written.saved)
        return call.failed(Text::tr("cannot write %1: %2").arg(call.argument(1), written.error));
    return exitstatus::kDone;
}

} // namespace

QList<AdminCommand> recordCommands()
{
    return {
        {QStringLiteral("stats"), Text::tr("per-pupil, per-level figures of an installation's run log"), declareStats,
         runStats},
        {QStringLiteral("export"), Text::tr("the run log of an installation as a CSV file"), declareExport, runExport},
    };
}
