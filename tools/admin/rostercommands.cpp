#include "rostercommands.h"

#include "classlist.h"
#include "classlistfile.h"
#include "classmap.h"
#include "computestats.h"
#include "recordcallbacks.h"
#include "rosterexport.h"
#include "rosterfile.h"
#include "rosterimport.h"
#include "runstats.h"
#include "savefile.h"
#include "toolinstallation.h"
#include "systemerror.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <cerrno>
#include <optional>
#include <vector>

namespace {

class Text
{
    Q_DECLARE_TR_FUNCTIONS(RosterCommands)
};

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

CommandUsage declareImport(QCommandLineParser &parser)
{
    parser.setApplicationDescription(
        Text::tr("Brings a class list into the roster 生徒用名簿.txt of the installation whose program folder is "
                 "INSTALL.\n\n"
                 "FILE is an Excel workbook (.xlsx; its first sheet, or the one --sheet names) or CSV or tab text "
                 "as a spreadsheet saves it: UTF-8 with or without a byte-order mark, UTF-16 (\"Unicode text\") or "
                 "Shift-JIS, separated by commas, tabs or semicolons. The header row, which may stand below a title "
                 "and blank rows, names the columns: the number (出席番号, 番号, No, 学籍番号), the name (氏名, "
                 "名前, 児童名, 生徒名; or 姓 and 名) and the birth (生年月日, 誕生日, 生年), and where the list holds "
                 "several classes, the class (クラス, or 学年 and 組). Other columns (ふりがな, ...) are ignored.\n\n"
                 "The birth is a full date, Western or of a Japanese era (2013/4/5, 2013-04-05, 2013年4月5日, "
                 "平成25年4月5日, H25.4.5, R2.4.1; full-width digits too), or a bare year. From a date the roster's "
                 "birth year is worked out: a pupil born before the second day of the month the school year starts "
                 "in (共通データ.txt; from 1 January to 1 April when it starts in April) is entered with the year "
                 "before, so that pupils of one grade share a year. A bare year is taken as the roster keeps it: for "
                 "a pupil born from 1 January to 1 April give the year before, or give the date.\n\n"
                 "A class (--class, or the class columns) holds a block of roster numbers, kept in 生徒用名簿クラス.txt "
                 "beside the roster: its list number 1 is the first number of its block. A new class starts at "
                 "--number-from (default 1), the further new classes of one list one after the other, and may not "
                 "meet the block of another class; a later list of the same class uses its block again. Without a class, the list's numbers are roster numbers (from "
                 "--number-from on, when given).\n\n"
                 "A new number is added. A number whose pupil has the list's name gets the list's birth year (an "
                 "update). A number whose pupil has another name is a conflict: every conflict is listed (the "
                 "number, the name now and in the list, and the runs the number has in the run log) and nothing is "
                 "changed, unless --rename says that these pupils did change their names. Every row is checked "
                 "first; any bad row is listed with its line and nothing is changed. Otherwise, while no other "
                 "writer of the roster may work, the roster is read again, the import is made and the roster is "
                 "replaced whole; only then is the old roster kept as 生徒用名簿temp.txt. A write that fails leaves "
                 "its file as it was."));
    addProgramFolderArgument(parser, QStringLiteral("INSTALL"));
    parser.addPositionalArgument(QStringLiteral("FILE"), Text::tr("the class list (.xlsx, .csv, .txt)"));
    parser.addOption(QCommandLineOption(QStringLiteral("class"),
                                        Text::tr("the class of the list's rows that name none (such as 6-1)"),
                                        QStringLiteral("LABEL")));
    parser.addOption(QCommandLineOption(QStringLiteral("number-from"),
                                        Text::tr("the roster number of list number 1 of a new class, or of a list "
                                                 "without class"),
                                        QStringLiteral("N")));
    parser.addOption(QCommandLineOption(QStringLiteral("rename"),
                                        Text::tr("a number whose pupil has another name takes the list's name")));
    parser.addOption(QCommandLineOption(QStringLiteral("sheet"), Text::tr("the workbook's sheet to read"),
                                        QStringLiteral("NAME")));
    parser.addOption(QCommandLineOption(QStringLiteral("dry-run"),
                                        Text::tr("print what the import would add, update, rename and refuse, and "
                                                 "write nothing")));
    return {QStringLiteral("INSTALL FILE"), 2, 2, Text::tr("imported (or nothing to change)"),
            Text::tr("refused (bad rows, conflicts, classes that meet) or failed; the roster is unchanged")};
}

CommandUsage declareExport(QCommandLineParser &parser)
{
    parser.setApplicationDescription(
        Text::tr("Writes the roster's pupils with the columns クラス, 番号, 氏名 and 生年, which roster import reads "
                 "back without a change: a pupil of a class with its class and list number, any other with its "
                 "roster number. OUT ending in .xlsx is an Excel workbook; any other name gets CSV (UTF-8 with a "
                 "byte-order mark), in which a name that starts with =, +, - or @ is written after an apostrophe, so "
                 "that a spreadsheet shows it rather than running it."));
    addProgramFolderArgument(parser, QStringLiteral("INSTALL"));
    parser.addPositionalArgument(QStringLiteral("OUT"), Text::tr("the file to write (.csv or .xlsx)"));
    return {QStringLiteral("INSTALL OUT"), 2, 2, Text::tr("written"),
            Text::tr("the roster cannot be read or the file cannot be written")};
}

CommandUsage declareClasses(QCommandLineParser &parser)
{
    parser.setApplicationDescription(
        Text::tr("Lists the classes of the installation whose program folder is INSTALL (生徒用名簿クラス.txt beside "
                 "the roster), each with its block of roster numbers and how many pupils of the roster it holds."));
    addProgramFolderArgument(parser, QStringLiteral("INSTALL"));
    return {QStringLiteral("INSTALL"), 1, 1, Text::tr("listed"), Text::tr("the class map cannot be read or is damaged")};
}

// Runs of each roster number in the run log; nothing when the log cannot be read.
std::optional<std::vector<int>> countRuns(const CommandCall &call, const Installation &state)
{
    std::vector<int> counts(kMaxPupil + 1, 0);
    QString failure;
    const RecordCallbacks callbacks{letEventsRunForOneSecond,
                                    [&failure](const QString &, const QString &text) { failure = text; }};
    const bool read = ReadEveryRun(
        state,
        [&counts](const RunRow &row) {
            if (row.pupil >= 0 && row.pupil <= kMaxPupil)
                ++counts[static_cast<std::size_t>(row.pupil)];
        },
        callbacks);
    if (!read) {
        call.err << call.prefix() << Text::tr("the runs in the run log cannot be counted: %1").arg(failure) << '\n';
        return std::nullopt;
    }
    return counts;
}

QString runsText(int runs)
{
    if (runs == rosterimport::kRunsUnknown)
        return Text::tr("runs in the run log not known");
    return runs == 1 ? Text::tr("1 run in the run log") : Text::tr("%1 runs in the run log").arg(runs);
}

QString placeOf(const rosterimport::Change &c)
{
    if (c.classLabel.isEmpty())
        return QString::number(c.rosterNo);
    return Text::tr("%1 (%2 no. %3)").arg(c.rosterNo).arg(c.classLabel).arg(c.listNumber);
}

QString birthText(const rosterimport::Change &c)
{
    if (!c.born)
        return QString::number(c.birthYear);
    return Text::tr("%1 (born %2)").arg(c.birthYear).arg(c.born->toString(QStringLiteral("yyyy/MM/dd")));
}

void printPlan(const rosterimport::Plan &plan, QTextStream &out)
{
    for (const ClassMap::Class &c : plan.placed) {
        const int size = c.last - c.first + 1;
        if (c.label.isEmpty())
            out << Text::tr("the list without class: roster numbers %1 to %2").arg(c.first).arg(c.last) << '\n';
        else
            out << Text::tr("class %1: list numbers 1 to %2 are roster numbers %3 to %4")
                       .arg(c.label)
                       .arg(size)
                       .arg(c.first)
                       .arg(c.last)
                << '\n';
    }
    for (const rosterimport::Change &c : plan.added)
        out << Text::tr("add %1: %2, birth year %3").arg(placeOf(c), c.name, birthText(c)) << '\n';
    for (const rosterimport::Change &c : plan.updated) {
        if (c.nameNow.isEmpty())
            out << Text::tr("update %1: name %2, birth year %3").arg(placeOf(c), c.name, birthText(c)) << '\n';
        else
            out << Text::tr("update %1: %2, birth year %3 → %4")
                       .arg(placeOf(c), c.nameNow)
                       .arg(c.birthYearNow)
                       .arg(birthText(c))
                << '\n';
    }
    for (const rosterimport::Change &c : plan.renamed)
        out << Text::tr("rename %1: %2 → %3, birth year %4 (%5)")
                   .arg(placeOf(c), c.nameNow, c.name, birthText(c), runsText(c.runs))
            << '\n';
}

void printBlocks(const rosterimport::Plan &plan, const CommandCall &call)
{
    for (const rosterimport::Change &c : plan.conflicts)
        call.err << Text::tr("conflict %1: %2 in the roster, %3 in the list (%4)")
                        .arg(placeOf(c), c.nameNow, c.name, runsText(c.runs))
                 << '\n';
    for (const QString &r : plan.refusals)
        call.failed(r);
    if (plan.conflicts.empty())
        return;
    const qsizetype n = static_cast<qsizetype>(plan.conflicts.size());
    call.err << call.prefix()
             << (n == 1 ? Text::tr("the roster is unchanged: 1 number of the list belongs to another pupil.")
                        : Text::tr("the roster is unchanged: %1 numbers of the list belong to other pupils.").arg(n))
             ;
    if (plan.firstFree > 0)
        call.err << Text::tr(" If the list is another class, give it numbers of its own with --class LABEL and "
                             "--number-from %1 (the first free number); if these pupils did change their names, "
                             "give --rename.")
                        .arg(plan.firstFree);
    else
        call.err << Text::tr(" If these pupils did change their names, give --rename.");
    call.err << '\n';
}

QString summary(const rosterimport::Plan &plan)
{
    return Text::tr("%1 added, %2 updated, %3 renamed, %4 unchanged")
        .arg(plan.added.size())
        .arg(plan.updated.size())
        .arg(plan.renamed.size())
        .arg(plan.unchanged);
}

int runImport(const CommandCall &call, int currentYear)
{
    rosterimport::Options options;
    options.rename = call.isSet(QStringLiteral("rename"));
    if (call.isSet(QStringLiteral("class"))) {
        options.classLabel = ClassMap::normalLabel(call.value(QStringLiteral("class")));
        if (const QString why = ClassMap::labelProblem(options.classLabel); !why.isEmpty())
            return call.wrongCall(Text::tr("--class: %1").arg(why));
    }
    if (call.isSet(QStringLiteral("number-from"))) {
        bool ok = false;
        const int first = call.value(QStringLiteral("number-from")).toInt(&ok);
        if (!ok || first < 1 || first > kMaxPupil)
            return call.wrongCall(Text::tr("--number-from needs a whole number from 1 to %1").arg(kMaxPupil));
        options.numberFrom = first;
    }
    const bool dryRun = call.isSet(QStringLiteral("dry-run"));
    const QString listPath = call.argument(1);

    const std::optional<Installation> state = startInstallation(call, call.argument(0));
    if (!state)
        return exitstatus::kFailed;
    QFile file(listPath);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly))
        return call.failed(Text::tr("cannot read %1: %2").arg(shown(listPath), systemerror::describe(file, errno)));
    const classlistfile::Read read =
        classlistfile::read(file.readAll(), shown(listPath), call.value(QStringLiteral("sheet")));
    if (!read.table)
        return call.failed(read.refusal);
    const classlist::ClassList list =
        classlist::read(*read.table, {state->yearStartMonth, currentYear, !read.fromWorkbook});
    if (list.headerLine > 0)
        call.out << Text::tr("%1: %2; header on line %3: %4; %5 pupils")
                        .arg(shown(listPath), read.kind)
                        .arg(list.headerLine)
                        .arg(list.columns.join(QStringLiteral(", ")))
                        .arg(list.entries.size())
                 << '\n';
    if (!list.problems.empty()) {
        for (const classlist::Problem &p : list.problems) {
            call.err << shown(listPath);
            if (p.line > 0)
                call.err << ':' << p.line;
            call.err << ": " << p.text << '\n';
        }
        const int bad = list.badLines();
        return call.failed(bad == 1 ? Text::tr("the roster is unchanged (1 bad line)")
                                    : Text::tr("the roster is unchanged (%1 bad lines)").arg(bad));
    }

    const std::optional<std::vector<int>> runs = countRuns(call, *state);
    const rosterimport::RunCounts runCounts = [&runs](int rosterNo) {
        return runs ? (*runs)[static_cast<std::size_t>(rosterNo)] : rosterimport::kRunsUnknown;
    };
    const QString rosterPath = RosterFile::path(state->folders);
    rosterimport::Imported imported;
    if (dryRun) {
        RosterFile roster = RosterFile::read(rosterPath);
        imported.plan =
            rosterimport::plan(roster, ClassMap::read(ClassMap::path(state->folders)), list.entries, options, runCounts);
    } else {
        imported = rosterimport::importInto(rosterPath, RosterFile::backupPath(state->folders), list.entries, options,
                                            runCounts, [] { QThread::msleep(rosterimport::kLockWaitMilliseconds); });
    }
    const rosterimport::Plan &plan = imported.plan;
    printPlan(plan, call.out);
    if (plan.blocked()) {
        printBlocks(plan, call);
        if (dryRun)
            call.out << Text::tr("dry run: nothing was written") << '\n';
        return exitstatus::kFailed;
    }
    if (dryRun) {
        call.out << Text::tr("%1: would be %2").arg(shown(rosterPath), summary(plan)) << '\n'
                 << Text::tr("dry run: nothing was written") << '\n';
        return exitstatus::kDone;
    }
    if (!imported.message.isEmpty()) {
        call.failed(imported.message);
        if (!imported.written)
            return exitstatus::kFailed;
    }
    if (!imported.written && imported.message.isEmpty()) {
        call.out << Text::tr("the roster already holds these %1 pupils; nothing to change").arg(plan.unchanged) << '\n';
        return exitstatus::kDone;
    }
    if (plan.classesChanged)
        call.out << Text::tr("classes kept in %1").arg(shown(ClassMap::path(state->folders))) << '\n';
    call.out << shown(rosterPath) << ": " << summary(plan) << '\n';
    return imported.message.isEmpty() ? exitstatus::kDone : exitstatus::kFailed;
}

int runExport(const CommandCall &call)
{
    const std::optional<Installation> state = startInstallation(call, call.argument(0));
    if (!state)
        return exitstatus::kFailed;
    const RosterFile roster = RosterFile::read(RosterFile::path(state->folders));
    if (!roster.found())
        return call.failed(Text::tr("there is no roster %1").arg(shown(RosterFile::path(state->folders))));
    for (const DataFileError &p : roster.problems())
        call.failed(p.text());
    const ClassMap classes = ClassMap::read(ClassMap::path(state->folders));
    for (const DataFileError &p : classes.problems())
        call.failed(p.text());
    const std::vector<rosterexport::Row> rows = rosterexport::rows(roster, classes);
    const QString outPath = call.argument(1);
    QByteArray bytes;
    if (outPath.endsWith(QStringLiteral(".xlsx"), Qt::CaseInsensitive)) {
        QString error;
        bytes = rosterexport::xlsx(rows, &error);
        if (bytes.isEmpty())
            return call.failed(Text::tr("cannot write %1: %2").arg(shown(outPath), error));
    } else {
        bytes = rosterexport::csv(rows);
    }
    const savefile::Outcome written = savefile::replace(outPath, bytes);
    if (!written.saved)
        return call.failed(Text::tr("cannot write %1: %2").arg(shown(outPath), written.error));
    call.out << Text::tr("wrote %1 pupils to %2").arg(rows.size()).arg(shown(outPath)) << '\n';
    return exitstatus::kDone;
}

int runClasses(const CommandCall &call)
{
    const std::optional<Installation> state = startInstallation(call, call.argument(0));
    if (!state)
        return exitstatus::kFailed;
    const ClassMap classes = ClassMap::read(ClassMap::path(state->folders));
    for (const DataFileError &p : classes.problems())
        call.failed(p.text());
    if (!classes.found()) {
        call.out << Text::tr("no classes yet: %1 is not there; roster import --class makes it")
                        .arg(shown(classes.filePath()))
                 << '\n';
        return exitstatus::kDone;
    }
    const RosterFile roster = RosterFile::read(RosterFile::path(state->folders));
    for (const ClassMap::Class &c : classes.classes()) {
        QSet<int> pupils;
        for (const RosterFile::Line &line : roster.lines()) {
            if (line.entry && c.holds(line.entry->rosterNo))
                pupils.insert(line.entry->rosterNo);
        }
        call.out << Text::tr("%1: roster numbers %2 to %3, %4 pupils in the roster")
                        .arg(c.label)
                        .arg(c.first)
                        .arg(c.last)
                        .arg(pupils.size())
                 << '\n';
    }
    return classes.problems().empty() ? exitstatus::kDone : exitstatus::kFailed;
}

} // namespace

QList<AdminCommand> rosterCommands(const std::function<QDateTime()> &now)
{
    return {
        {QStringLiteral("roster import"), Text::tr("bring a class list (Excel or CSV) into an installation's roster"),
         declareImport, [now](const CommandCall &call) { return runImport(call, now().date().year()); }},
        {QStringLiteral("roster export"), Text::tr("write an installation's roster as CSV or an Excel workbook"),
         declareExport, runExport},
        {QStringLiteral("roster classes"), Text::tr("list the classes of an installation's roster and their numbers"),
         declareClasses, runClasses},
    };
}
