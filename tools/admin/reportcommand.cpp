#include "reportcommand.h"

#include "installation.h"
#include "catalogue.h"
#include "clock.h"
#include "computestats.h"
#include "datafileerror.h"
#include "pupildirectory.h"
#include "recordcallbacks.h"
#include "reportlayout.h"
#include "reportpdf.h"
#include "roster.h"
#include "rosterfile.h"
#include "runlog.h"
#include "runstats.h"
#include "startup.h"

#include <QDir>
#include <QFileInfo>

#include <optional>
#include <vector>

namespace {

const QString kReportUsage = QStringLiteral(
    "usage: tavrel-admin report INSTALL OUT.pdf --pupil N [--levels 1,2,3] [--date YYYY-MM-DD]\n\n"
    "Writes the printed report of pupil N (roster number) of the installation whose program folder\n"
    "is INSTALL as a PDF of A4 pages: for each level, the pupil's record curve and the table of\n"
    "runs, ranks, best and average times and points, three levels to a page. Levels default to\n"
    "1,2,3. \"Now\" is the given date at 23:59:59 (default: the computer's clock); runs of the\n"
    "3650 days before it count. Nothing is written when anything is missing or wrong.\n");

int fail(const QString &text, QTextStream &err)
{
    err << "tavrel-admin report: " << text << '\n';
    return 1;
}

int usageError(const QString &problem, QTextStream &err)
{
    err << "tavrel-admin report: " << problem << "\n\n" << kReportUsage;
    return 2;
}

std::optional<int> wholeNumber(const QString &text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

struct ReportArgs
{
    QStringList positional;
    QString pupilText;
    QString levelsText = QStringLiteral("1,2,3");
    QString dateText;
};

int runReport(const QStringList &args, QTextStream &, QTextStream &err)
{
    ReportArgs a;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        if (arg == u"--pupil" || arg == u"--levels" || arg == u"--date") {
            if (i + 1 >= args.size())
                return usageError(arg + QStringLiteral(" needs a value"), err);
            QString &target = arg == u"--pupil" ? a.pupilText : arg == u"--levels" ? a.levelsText : a.dateText;
            target = args[++i];
        } else if (arg.startsWith(u'-')) {
            return usageError(QStringLiteral("unknown option ") + arg, err);
        } else {
            a.positional << arg;
        }
    }
    if (a.positional.size() != 2)
        return usageError(QStringLiteral("give the installation folder and the PDF file"), err);
    if (a.pupilText.isEmpty())
        return usageError(QStringLiteral("give the pupil with --pupil N"), err);
    const std::optional<int> pupil = wholeNumber(a.pupilText);
    if (!pupil)
        return fail(QStringLiteral("\"%1\" is not a roster number").arg(a.pupilText), err);
    std::vector<int> levels;
    for (const QString &part : a.levelsText.split(u',')) {
        const std::optional<int> level = wholeNumber(part);
        if (!level)
            return fail(QStringLiteral("\"%1\" is not a list of level numbers such as 1,2,3").arg(a.levelsText), err);
        levels.push_back(*level);
    }

    QDateTime now = SystemClock().now();
    if (!a.dateText.isEmpty()) {
        const QDate date = QDate::fromString(a.dateText, QStringLiteral("yyyy-MM-dd"));
        if (!date.isValid())
            return fail(QStringLiteral("\"%1\" is not a date of the form YYYY-MM-DD").arg(a.dateText), err);
        now = QDateTime(date, QTime(23, 59, 59));
    }

    const QString &programFolder = a.positional[0];
    if (!QFileInfo(programFolder).isDir())
        return fail(QStringLiteral("there is no installation at ") + programFolder, err);
    Installation state;
    try {
        runStartup(state, QDir(programFolder).absolutePath());
    } catch (const DataFileError &e) {
        return fail(e.text(), err);
    }
    catalogue::fillLevels(state);
    for (const int level : levels) {
        if (level < 1 || level > state.levelCount)
            return fail(QStringLiteral("there is no level %1; the levels are 1 to %2").arg(level).arg(state.levelCount),
                        err);
    }

    const QString logPath = runlog::runLogPath(state.folders);
    if (!QFileInfo::exists(logPath))
        return fail(QStringLiteral("there is no run log at ") + logPath, err);
    const RosterFile rosterFile = RosterFile::read(RosterFile::path(state.folders));
    if (!rosterFile.found())
        return fail(QStringLiteral("there is no roster at ") + RosterFile::path(state.folders), err);

    QString failure;
    const RecordCallbacks callbacks{letEventsRunForOneSecond,
                                    [&failure](const QString &, const QString &text) { failure = text; }};
    RunStats stats;
    if (!ComputeStats(state, stats, now, callbacks))
        return fail(failure, err);

    Roster roster;
    roster.build(rosterFile, state, now.date(), stats, kStartFigureMode);
    if (!roster.knowsPupil(*pupil))
        return fail(QStringLiteral("pupil %1 is not in the roster %2").arg(*pupil).arg(rosterFile.filePath()), err);

    PupilDirectory pupils(roster.schoolYear());
    for (int p = 1; p <= kMaxPupil; ++p) {
        if (roster.knowsPupil(p))
            pupils.setPupil(p, roster.pupilName(p), roster.pupilBirthYear(p), roster.pupilGradeLabel(p));
    }
    pupils.setListed(roster.listedPupils());

    const ListSources sources{state, *pupil, stats, pupils, QStringLiteral("全学年"), now};
    ReportRuns runs(now, {*pupil}, levels);
    if (!ReadEveryRun(state, [&runs](const RunRow &row) { runs.add(row); }, callbacks))
        return fail(failure, err);
    QString error;
    if (!writeReportPdf(a.positional[1], reportPages(sources, runs, *pupil, levels), state.productTitle, &error))
        return fail(QStringLiteral("cannot write ") + error, err);
    return 0;
}

} // namespace

QList<AdminCommand> reportCommands()
{
    return {
        {QStringLiteral("report"), QStringLiteral("a pupil's printed report as a PDF file"), kReportUsage, runReport},
    };
}
