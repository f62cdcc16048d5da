#include "worksheetcommand.h"

#include "classmap.h"
#include "clock.h"
#include "datafileerror.h"
#include "installation.h"
#include "questionbank.h"
#include "randomsource.h"
#include "recordcallbacks.h"
#include "rosterfile.h"
#include "sheetoutput.h"
#include "toolinstallation.h"
#include "weakfigures.h"
#include "weaksheet.h"
#include "worksheettable.h"

#include <QCoreApplication>
#include <QDir>

#include <optional>

namespace {

class Text
{
    Q_DECLARE_TR_FUNCTIONS(WorksheetCommand)
};

CommandUsage declareWorksheet(QCommandLineParser &parser)
{
    parser.setApplicationDescription(
        Text::tr("Writes the one-page A4 question worksheet the program's print preview shows for these settings, "
                 "from the question file Morvidかな0vv.ccc in PROGRAM_FOLDER. OUT.pdf appears whole or not at all; a "
                 "missing or broken question file is reported with its name and line, and nothing is written."));
    addProgramFolderArgument(parser, QStringLiteral("PROGRAM_FOLDER"));
    parser.addPositionalArgument(QStringLiteral("OUT.pdf"), Text::tr("the PDF file to write"));
    parser.addOption(QCommandLineOption(QStringLiteral("groups"),
                                        Text::tr("the question groups (levels of the list, 1 to 10), comma-separated; "
                                                 "default 1"),
                                        QStringLiteral("1,3")));
    parser.addOption(QCommandLineOption(QStringLiteral("mode"),
                                        Text::tr("all: print everything (default); name: hide the name; year: hide "
                                                 "the year; random: hide the year or the name of each row; the "
                                                 "hidden text goes to 答え"),
                                        QStringLiteral("all|name|year|random")));
    parser.addOption(QCommandLineOption(QStringLiteral("keep-order"),
                                        Text::tr("the rows in the order of the question file; by default they are "
                                                 "shuffled and 20 of the chosen questions reach the sheet")));
    parser.addOption(QCommandLineOption(QStringLiteral("seed"),
                                        Text::tr("shuffle with a fixed seed, so the same call gives the same sheet"),
                                        QStringLiteral("N")));
    parser.addOption(QCommandLineOption(QStringLiteral("weak"),
                                        Text::tr("instead of the groups, the 20 figures this pupil (roster number) "
                                                 "missed most in the answer log, missed most first unless shuffled"),
                                        QStringLiteral("PUPIL")));
    parser.addOption(QCommandLineOption(QStringLiteral("weak-class"),
                                        Text::tr("the same for the pupils of a class of the class map"),
                                        QStringLiteral("LABEL")));
    return {QStringLiteral("PROGRAM_FOLDER OUT.pdf"), 2, 2, Text::tr("written"),
            Text::tr("the question file, the answer log or OUT.pdf failed, or there is nothing to print")};
}

std::optional<HideMode> modeNamed(const QString &name)
{
    if (name == u"all")
        return HideMode::ShowAll;
    if (name == u"name")
        return HideMode::HideName;
    if (name == u"year")
        return HideMode::HideYear;
    if (name == u"random")
        return HideMode::HideRandom;
    return std::nullopt;
}

int runWorksheet(const CommandCall &call)
{
    WorksheetChoice choice;
    choice.shuffle = !call.isSet(QStringLiteral("keep-order"));
    if (call.isSet(QStringLiteral("groups"))) {
        choice.groups.clear();
        for (const QString &part : call.value(QStringLiteral("groups")).split(u',')) {
            bool ok = false;
            const int group = part.trimmed().toInt(&ok);
            if (!ok || group < 1 || group > worksheettable::kGroupEntries)
                return call.wrongCall(Text::tr("\"%1\" is not a group from 1 to 10").arg(part));
            choice.groups.append(group);
        }
    }
    if (call.isSet(QStringLiteral("mode"))) {
        const std::optional<HideMode> mode = modeNamed(call.value(QStringLiteral("mode")));
        if (!mode)
            return call.wrongCall(Text::tr("--mode is one of all, name, year, random"));
        choice.mode = *mode;
    }
    std::optional<quint64> seed;
    if (call.isSet(QStringLiteral("seed"))) {
        bool ok = false;
        seed = call.value(QStringLiteral("seed")).toULongLong(&ok);
        if (!ok)
            return call.wrongCall(Text::tr("--seed needs a whole number"));
    }

    const bool weakPupil = call.isSet(QStringLiteral("weak"));
    const bool weakClass = call.isSet(QStringLiteral("weak-class"));
    if (weakPupil && weakClass)
        return call.wrongCall(Text::tr("give --weak or --weak-class, not both"));
    if ((weakPupil || weakClass) && call.isSet(QStringLiteral("groups")))
        return call.wrongCall(Text::tr("--groups does not go with --weak or --weak-class"));
    std::optional<int> weakNo;
    if (weakPupil) {
        bool ok = false;
        weakNo = call.value(QStringLiteral("weak")).trimmed().toInt(&ok);
        if (!ok || *weakNo < 1 || *weakNo > kMaxPupil)
            return call.wrongCall(Text::tr("--weak needs a roster number from 1 to %1").arg(kMaxPupil));
    }

    const QString programFolder = QDir(call.argument(0)).absolutePath() + u'/';
    const QString outPath = call.argument(1);
    QuestionBank bank;
    try {
        bank = QuestionBank::load(programFolder + QStringLiteral("Morvidかな0.csv"));
    } catch (const DataFileError &e) {
        return call.failed(e.text());
    }
    SeededRandom random;
    if (seed)
        random = SeededRandom(*seed);

    Worksheet sheet;
    if (weakPupil || weakClass) {
        const std::optional<Installation> state = startInstallation(call, call.argument(0));
        if (!state)
            return exitstatus::kFailed;
        WeakFilter filter;
        QString who;
        if (weakPupil) {
            filter = WeakFilter::pupil(*weakNo);
            who = Text::tr("pupil %1").arg(*weakNo);
        } else {
            const ClassMap classes = ClassMap::read(ClassMap::path(state->folders));
            const QString label = ClassMap::normalLabel(call.value(QStringLiteral("weak-class")));
            const ClassMap::Class *c = classes.find(label);
            if (!c)
                return call.failed(Text::tr("there is no class \"%1\" in %2").arg(label, classes.filePath()));
            filter = WeakFilter::pupilRange(c->first, c->last);
            who = Text::tr("class %1").arg(label);
        }
        QString problem;
        const RecordCallbacks callbacks{letEventsRunForOneSecond, {}};
        const std::optional<WeakFigures> figures =
            ReadWeakFigures(state->folders, filter, SystemClock(), callbacks, &problem);
        if (!figures)
            return call.failed(problem);
        const QList<int> rows = weaksheet::topRows(bank, *figures);
        if (rows.isEmpty()) {
            if (figures->rowsCounted() == 0)
                return call.failed(Text::tr("there are no answer records of %1 yet; without --weak and "
                                            "--weak-class the ordinary worksheet of the groups is written")
                                       .arg(who));
            return call.failed(Text::tr("%1 missed no question of the question file; without --weak and "
                                        "--weak-class the ordinary worksheet of the groups is written")
                                   .arg(who));
        }
        sheet = worksheettable::buildOfRows(bank, rows, choice, random);
    } else {
        sheet = worksheettable::build(bank, choice, random);
    }
    if (const QString error = sheetoutput::writePdf(sheet.table, outPath); !error.isEmpty())
        return call.failed(error);
    call.out << Text::tr("wrote %1: %2 of %3 questions")
                    .arg(outPath)
                    .arg(std::min(sheet.selectedCount, PrintHandover::kSheetRows))
                    .arg(sheet.selectedCount)
             << '\n';
    return exitstatus::kDone;
}

} // namespace

QList<AdminCommand> worksheetCommands()
{
    return {{QStringLiteral("worksheet"), Text::tr("write a question worksheet as an A4 PDF"), declareWorksheet,
             runWorksheet}};
}
