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
                 "screens compute them."));
    addProgramFolderArgument(parser, QStringLiteral("INSTALL"));
    parser.addOption(QCommandLineOption(
        QStringLiteral("date"),
        Text::tr("\"today\" and \"now\" are this date at 23:59:59 (default: the computer's clock)"),
        QStringLiteral("YYYY-MM-DD")));
    return {QStringLiteral("INSTALL"), 1, 1, Text::tr("printed"),
            Text::tr("the installation or its run log cannot be read")};
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
    QDateTime now = SystemClock().now();
    if (call.isSet(QStringLiteral("date"))) {
        const QString dateText = call.value(QStringLiteral("date"));
        const QDate date = QDate::fromString(dateText, QStringLiteral("yyyy-MM-dd"));
        if (!date.isValid())
            return call.failed(Text::tr("\"%1\" is not a date of the form YYYY-MM-DD").arg(dateText));
        now = QDateTime(date, QTime(23, 59, 59));
    }

    const std::optional<Installation> state = startInstallation(call, call.argument(0));
    if (!state)
        return exitstatus::kFailed;
    const std::optional<RunStats> stats = loadStats(call, *state, now);
    if (!stats)
        return exitstatus::kFailed;

    std::vector<bool> hasRun(static_cast<std::size_t>(kLevelSlots) * RunStats::kPupilSlots, false);
    for (const RunRow &row : stats->rows())
        hasRun[static_cast<std::size_t>(row.pupil) * kLevelSlots + static_cast<std::size_t>(row.level)] = true;

    QTextStream &out = call.out;
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
