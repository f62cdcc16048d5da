#include "reportcommand.h"

#include "installation.h"
#include "catalogue.h"
#include "classmap.h"
#include "classoverview.h"
#include "classoverviewpdf.h"
#include "clock.h"
#include "computestats.h"
#include "pupildirectory.h"
#include "recordcallbacks.h"
#include "reportlayout.h"
#include "reportpdf.h"
#include "roster.h"
#include "rosterfile.h"
#include "runlog.h"
#include "runstats.h"
#include "savefile.h"
#include "toolinstallation.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <optional>
#include <vector>

namespace {

class Text
{
    Q_DECLARE_TR_FUNCTIONS(ReportCommand)
};

CommandUsage declareReport(QCommandLineParser &parser)
{
    parser.setApplicationDescription(
        Text::tr("Writes the printed report of a pupil of the installation whose program folder is INSTALL as a PDF "
                 "of A4 pages: for each level, the pupil's record curve and the table of runs, ranks, best and "
                 "average times and points, three levels to a page. Runs of the 3650 days before \"now\" count. "
                 "Nothing is written when anything is missing or wrong."));
    addProgramFolderArgument(parser, QStringLiteral("INSTALL"));
    parser.addPositionalArgument(QStringLiteral("OUT.pdf"), Text::tr("the PDF file to write"));
    parser.addOption(QCommandLineOption(QStringLiteral("pupil"), Text::tr("the pupil's roster number (required)"),
                                        QStringLiteral("N")));
    parser.addOption(QCommandLineOption(QStringLiteral("levels"), Text::tr("the levels, comma-separated; default 1,2,3"),
                                        QStringLiteral("1,2,3")));
    parser.addOption(QCommandLineOption(QStringLiteral("date"),
                                        Text::tr("\"now\" is this date at 23:59:59 (default: the computer's clock)"),
                                        QStringLiteral("YYYY-MM-DD")));
    return {QStringLiteral("INSTALL OUT.pdf --pupil N"), 2, 2, Text::tr("written"),
            Text::tr("something is missing or wrong (named), or the PDF cannot be written")};
}

int runReport(const CommandCall &call)
{
    if (!call.isSet(QStringLiteral("pupil")))
        return call.wrongCall(Text::tr("give the pupil with --pupil N"));
    const QString pupilText = call.value(QStringLiteral("pupil"));
    const QString levelsText =
        call.isSet(QStringLiteral("levels")) ? call.value(QStringLiteral("levels")) : QStringLiteral("1,2,3");
    const std::optional<int> pupil = wholeNumber(pupilText);
    if (!pupil)
        return call.failed(Text::tr("\"%1\" is not a roster number").arg(pupilText));
    std::vector<int> levels;
    for (const QString &part : levelsText.split(u',')) {
        const std::optional<int> level = wholeNumber(part);
        if (!level)
            return call.failed(Text::tr("\"%1\" is not a list of level numbers such as 1,2,3").arg(levelsText));
        levels.push_back(*level);
    }

    const std::optional<QDateTime> chosenNow = nowOfDateOption(call);
    if (!chosenNow)
        return exitstatus::kFailed;
    const QDateTime now = *chosenNow;

    std::optional<Installation> started = startInstallation(call, call.argument(0));
    if (!started)
        return exitstatus::kFailed;
    Installation &state = *started;
    catalogue::fillLevels(state);
    for (const int level : levels) {
        if (level < 1 || level > state.levelCount)
            return call.failed(Text::tr("there is no level %1; the levels are 1 to %2").arg(level).arg(state.levelCount));
    }

    const QString logPath = runlog::runLogPath(state.folders);
    if (!QFileInfo::exists(logPath))
        return call.failed(Text::tr("there is no run log at %1").arg(logPath));
    const RosterFile rosterFile = RosterFile::read(RosterFile::path(state.folders));
    if (!rosterFile.found())
        return call.failed(Text::tr("there is no roster at %1").arg(RosterFile::path(state.folders)));

    QString failure;
    const RecordCallbacks callbacks{letEventsRunForOneSecond,
                                    [&failure](const QString &, const QString &text) { failure = text; }};
    RunStats stats;
    if (!ComputeStats(state, stats, now, callbacks))
        return call.failed(failure);

    Roster roster;
    roster.build(rosterFile, state, now.date(), stats, kStartFigureMode);
    if (!roster.knowsPupil(*pupil))
        return call.failed(Text::tr("pupil %1 is not in the roster %2").arg(*pupil).arg(rosterFile.filePath()));

    PupilDirectory pupils(roster.schoolYear());
    for (int p = 1; p <= kMaxPupil; ++p) {
        if (roster.knowsPupil(p))
            pupils.setPupil(p, roster.pupilName(p), roster.pupilBirthYear(p), roster.pupilGradeLabel(p));
    }
    pupils.setListed(roster.listedPupils());

    const ListSources sources{state, *pupil, stats, pupils, QStringLiteral("全学年"), now};
    ReportRuns runs(now, {*pupil}, levels);
    if (!ReadEveryRun(state, [&runs](const RunRow &row) { runs.add(row); }, callbacks))
        return call.failed(failure);
    QString error;
    if (!writeReportPdf(call.argument(1), reportPages(sources, runs, *pupil, levels), state.productTitle, &error))
        return call.failed(Text::tr("cannot write %1").arg(error));
    return exitstatus::kDone;
}

CommandUsage declareClassReport(QCommandLineParser &parser)
{
    parser.setApplicationDescription(
        Text::tr("Writes the overview of a class of the installation whose program folder is INSTALL: one row per "
                 "pupil listed on the start screen (of the class LABEL of the class map, or every listed pupil), "
                 "and for each test level the best time, the number of runs that count and whether the level is "
                 "cleared, as the program computes them; the class's median per level last (of the best times of "
                 "the pupils who have one, and of the run counts of all). OUT.pdf is A4 landscape with the header "
                 "on every page; OUT.xlsx an Excel workbook; OUT.csv CSV (UTF-8 with a byte-order mark). The file "
                 "appears whole or not at all."));
    addProgramFolderArgument(parser, QStringLiteral("INSTALL"));
    parser.addPositionalArgument(QStringLiteral("OUT.pdf|OUT.xlsx|OUT.csv"),
                                 Text::tr("the file to write; its ending chooses the kind"));
    parser.addOption(QCommandLineOption(QStringLiteral("class"),
                                        Text::tr("only the pupils of this class (roster classes lists them)"),
                                        QStringLiteral("LABEL")));
    parser.addOption(QCommandLineOption(QStringLiteral("date"),
                                        Text::tr("\"today\" and \"now\" are this date at 23:59:59 (default: the "
                                                 "computer's clock)"),
                                        QStringLiteral("YYYY-MM-DD")));
    return {QStringLiteral("INSTALL OUT.pdf|OUT.xlsx|OUT.csv"), 2, 2, Text::tr("written"),
            Text::tr("something is missing or wrong (named), or the file cannot be written")};
}

int runClassReport(const CommandCall &call)
{
    const QString outPath = call.argument(1);
    enum class Kind { Pdf, Xlsx, Csv } kind = Kind::Pdf;
    if (outPath.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        kind = Kind::Pdf;
    else if (outPath.endsWith(QStringLiteral(".xlsx"), Qt::CaseInsensitive))
        kind = Kind::Xlsx;
    else if (outPath.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive))
        kind = Kind::Csv;
    else
        return call.wrongCall(Text::tr("%1 does not end in .pdf, .xlsx or .csv").arg(outPath));

    const std::optional<QDateTime> chosenNow = nowOfDateOption(call);
    if (!chosenNow)
        return exitstatus::kFailed;
    const QDateTime now = *chosenNow;

    std::optional<Installation> started = startInstallation(call, call.argument(0));
    if (!started)
        return exitstatus::kFailed;
    Installation &state = *started;
    catalogue::fillLevels(state);

    const RosterFile rosterFile = RosterFile::read(RosterFile::path(state.folders));
    if (!rosterFile.found())
        return call.failed(Text::tr("there is no roster at %1").arg(RosterFile::path(state.folders)));
    const ClassMap classes = ClassMap::read(ClassMap::path(state.folders));
    for (const DataFileError &p : classes.problems())
        call.failed(p.text());
    QString classLabel;
    if (call.isSet(QStringLiteral("class"))) {
        classLabel = ClassMap::normalLabel(call.value(QStringLiteral("class")));
        if (!classes.find(classLabel)) {
            QStringList known;
            for (const ClassMap::Class &c : classes.classes())
                known << c.label;
            if (known.isEmpty())
                return call.failed(Text::tr("there is no class \"%1\": %2 holds no classes")
                                       .arg(classLabel, classes.filePath()));
            return call.failed(Text::tr("there is no class \"%1\" in %2; the classes are %3")
                                   .arg(classLabel, classes.filePath(), known.join(QStringLiteral(", "))));
        }
    }

    QString failure;
    const RecordCallbacks callbacks{letEventsRunForOneSecond,
                                    [&failure](const QString &, const QString &text) { failure = text; }};
    RunStats stats;
    if (!ComputeStats(state, stats, now, callbacks))
        return call.failed(failure);
    Roster roster;
    roster.build(rosterFile, state, now.date(), stats, kStartFigureMode);

    const classoverview::Overview overview = classoverview::build(state, roster, classes, stats, classLabel);
    QString error;
    QByteArray bytes;
    switch (kind) {
    case Kind::Pdf: {
        const QString title = Text::tr("%1 class overview: %2")
                                  .arg(state.productTitle.trimmed(),
                                       classLabel.isEmpty() ? Text::tr("all pupils") : classLabel);
        if (!classoverviewpdf::write(outPath, overview, title, now.date().toString(QStringLiteral("yyyy-MM-dd")),
                                     &error))
            return call.failed(Text::tr("cannot write %1").arg(error));
        break;
    }
    case Kind::Xlsx:
        bytes = classoverview::xlsx(overview, &error);
        if (bytes.isEmpty())
            return call.failed(Text::tr("cannot write %1: %2").arg(outPath, error));
        break;
    case Kind::Csv:
        bytes = classoverview::csv(overview);
        break;
    }
    if (kind != Kind::Pdf) {
        const savefile::Outcome written = savefile::replace(outPath, bytes);
        if (!written.saved)
            return call.failed(Text::tr("cannot write %1: %2").arg(outPath, written.error));
    }
    call.out << Text::tr("wrote %1: %2 pupils, %3 test levels")
                    .arg(outPath)
                    .arg(overview.rows.size())
                    .arg(overview.levels.size())
             << '\n';
    return exitstatus::kDone;
}

} // namespace

QList<AdminCommand> reportCommands()
{
    return {
        {QStringLiteral("report"), Text::tr("a pupil's printed report as a PDF file"), declareReport, runReport},
        {QStringLiteral("class-report"),
         Text::tr("a class's best times, runs and cleared levels as a PDF, Excel or CSV file"), declareClassReport,
         runClassReport},
    };
}
