#include "worksheetcommand.h"

#include "datafileerror.h"
#include "questionbank.h"
#include "randomsource.h"
#include "sheetoutput.h"
#include "worksheettable.h"

#include <QDir>
#include <QFileInfo>

#include <optional>

namespace {

constexpr int kDone = 0;
constexpr int kFailed = 1;
constexpr int kUsageError = 2;

QString worksheetUsage()
{
    return QStringLiteral(
        "usage: tavrel-admin worksheet PROGRAM_FOLDER OUT.pdf [--groups 1,3] [--mode all|name|year|random]\n"
        "                              [--keep-order] [--seed N]\n\n"
        "Writes the one-page A4 question worksheet the program's print preview shows for these settings,\n"
        "from the question file Morvidかな0vv.ccc in PROGRAM_FOLDER:\n"
        "  --groups    the question groups (levels of the list, 1 to 10), comma-separated; default 1\n"
        "  --mode      all: print everything (default); name: hide the name; year: hide the year;\n"
        "              random: hide the year or the name of each row; the hidden text goes to 答え\n"
        "  --keep-order  the rows in the order of the question file; by default they are shuffled\n"
        "              and 20 of the chosen questions reach the sheet\n"
        "  --seed N    shuffle with a fixed seed, so the same call gives the same sheet\n"
        "OUT.pdf appears whole or not at all; a missing or broken question file is reported with its\n"
        "name and line, and nothing is written.\n\n"
        "Exit status: 0 written, 1 the question file or OUT.pdf failed, 2 wrong call.\n");
}

int usageError(const QString &why, QTextStream &err)
{
    err << "tavrel-admin worksheet: " << why << '\n' << worksheetUsage();
    return kUsageError;
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

int runWorksheet(const QStringList &args, QTextStream &out, QTextStream &err)
{
    QStringList positional;
    WorksheetChoice choice;
    std::optional<quint64> seed;
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args.at(i);
        const bool hasValue = i + 1 < args.size();
        if (a == u"--keep-order") {
            choice.shuffle = false;
        } else if (a == u"--groups") {
            if (!hasValue)
                return usageError(QStringLiteral("--groups needs a list such as 1,3"), err);
            choice.groups.clear();
            for (const QString &part : args.at(++i).split(u',')) {
                bool ok = false;
                const int group = part.trimmed().toInt(&ok);
                if (!ok || group < 1 || group > worksheettable::kGroupEntries)
                    return usageError(QStringLiteral("\"%1\" is not a group from 1 to 10").arg(part), err);
                choice.groups.append(group);
            }
        } else if (a == u"--mode") {
            const std::optional<HideMode> mode = hasValue ? modeNamed(args.at(i + 1)) : std::nullopt;
            if (!mode)
                return usageError(QStringLiteral("--mode is one of all, name, year, random"), err);
            choice.mode = *mode;
            ++i;
        } else if (a == u"--seed") {
            bool ok = false;
            const quint64 value = hasValue ? args.at(i + 1).toULongLong(&ok) : 0;
            if (!ok)
                return usageError(QStringLiteral("--seed needs a whole number"), err);
            seed = value;
            ++i;
        } else if (a.startsWith(u"--")) {
            return usageError(QStringLiteral("unknown option %1").arg(a), err);
        } else {
            positional.append(a);
        }
    }
    if (positional.size() != 2)
        return usageError(QStringLiteral("wrong number of arguments"), err);

    const QString programFolder = QDir(positional.at(0)).absolutePath() + u'/';
    const QString outPath = positional.at(1);
    QuestionBank bank;
    try {
        bank = QuestionBank::load(programFolder + QStringLiteral("Morvidかな0.csv"));
    } catch (const DataFileError &e) {
        err << "tavrel-admin worksheet: " << e.text() << '\n';
        return kFailed;
    }
    SeededRandom random;
    if (seed)
        random = SeededRandom(*seed);
    const Worksheet sheet = worksheettable::build(bank, choice, random);
    if (const QString error = sheetoutput::writePdf(sheet.table, outPath); !error.isEmpty()) {
        err << "tavrel-admin worksheet: " << error << '\n';
        return kFailed;
    }
    out << "wrote " << outPath << ": " << std::min(sheet.selectedCount, PrintHandover::kSheetRows) << " of "
        << sheet.selectedCount << " questions\n";
    return kDone;
}

} // namespace

QList<AdminCommand> worksheetCommands()
{
    return {{QStringLiteral("worksheet"), QStringLiteral("write a question worksheet as an A4 PDF"),
             worksheetUsage(), runWorksheet}};
}
