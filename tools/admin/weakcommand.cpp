#include "weakcommand.h"

#include "catalogue.h"
#include "classmap.h"
#include "clock.h"
#include "datafileerror.h"
#include "installation.h"
#include "questionbank.h"
#include "questionidentity.h"
#include "recordcallbacks.h"
#include "rosternames.h"
#include "savefile.h"
#include "spreadsheetcsv.h"
#include "toolinstallation.h"
#include "weakfigures.h"
#include "weaklist.h"
#include "weakpdf.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <optional>
#include <vector>

namespace {

class Text
{
    Q_DECLARE_TR_FUNCTIONS(WeakCommand)
};

constexpr int kDefaultTop = 20;

CommandUsage declareWeak(QCommandLineParser &parser)
{
    parser.setApplicationDescription(
        Text::tr("Lists the figures missed most in the answer log of the installation whose program folder is "
                 "INSTALL: wrong choices and wrong years on each question, how often it was asked, and how many of "
                 "the pupils who had it missed it. Without OUT the list is printed; OUT ending in .csv is written "
                 "as CSV (UTF-8 with a byte-order mark), OUT ending in .pdf as an A4 page. Every pupil counts "
                 "unless --pupil or --class is given."));
    addProgramFolderArgument(parser, QStringLiteral("INSTALL"));
    parser.addPositionalArgument(QStringLiteral("OUT"), Text::tr("the .csv or .pdf file to write (optional)"),
                                 QStringLiteral("[OUT]"));
    parser.addOption(QCommandLineOption(QStringLiteral("pupil"), Text::tr("only this pupil's answers (roster number)"),
                                        QStringLiteral("N")));
    parser.addOption(QCommandLineOption(QStringLiteral("class"), Text::tr("only the answers of this class's pupils"),
                                        QStringLiteral("LABEL")));
    parser.addOption(QCommandLineOption(QStringLiteral("all"), Text::tr("every pupil's answers (the default)")));
    parser.addOption(QCommandLineOption(QStringLiteral("levels"),
                                        Text::tr("only these levels, comma-separated (default: every level)"),
                                        QStringLiteral("1,2,3")));
    parser.addOption(QCommandLineOption(QStringLiteral("days"),
                                        Text::tr("only the last D days up to today (default: every day)"),
                                        QStringLiteral("D")));
    parser.addOption(QCommandLineOption(QStringLiteral("top"),
                                        Text::tr("how many figures to list (default 20; 0 lists every one)"),
                                        QStringLiteral("K")));
    parser.addOption(QCommandLineOption(QStringLiteral("date"),
                                        Text::tr("\"today\" is this date (default: the computer's clock)"),
                                        QStringLiteral("YYYY-MM-DD")));
    return {QStringLiteral("INSTALL [OUT]"), 1, 2, Text::tr("listed or written"),
            Text::tr("something is missing or wrong (named), or the file cannot be written")};
}

QString csvOf(const WeakList &list)
{
    QStringList header;
    for (const QString &h : weaklist::headers())
        header << spreadsheetcsv::cell(h);
    QString text = header.join(u',') + QStringLiteral("\r\n");
    for (std::size_t i = 0; i < list.entries.size(); ++i) {
        QStringList cells = weaklist::cells(list.entries[i], static_cast<int>(i) + 1);
        cells[1] = spreadsheetcsv::cell(cells[1]);
        cells[6] = spreadsheetcsv::cell(cells[6]);
        text += cells.join(u',') + QStringLiteral("\r\n");
    }
    return text;
}

int runWeak(const CommandCall &call)
{
    const int whoOptions = (call.isSet(QStringLiteral("pupil")) ? 1 : 0) + (call.isSet(QStringLiteral("class")) ? 1 : 0)
                         + (call.isSet(QStringLiteral("all")) ? 1 : 0);
    if (whoOptions > 1)
        return call.wrongCall(Text::tr("give at most one of --pupil, --class and --all"));
    const QString out = call.argument(1);
    const bool toCsv = out.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive);
    const bool toPdf = out.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive);
    if (!out.isEmpty() && !toCsv && !toPdf)
        return call.wrongCall(Text::tr("\"%1\" ends neither in .csv nor in .pdf").arg(out));

    WeakFilter filter;
    int top = kDefaultTop;
    if (call.isSet(QStringLiteral("top"))) {
        const std::optional<int> k = wholeNumber(call.value(QStringLiteral("top")));
        if (!k || *k < 0)
            return call.failed(Text::tr("\"%1\" is not a number of figures").arg(call.value(QStringLiteral("top"))));
        top = *k;
    }
    if (call.isSet(QStringLiteral("days"))) {
        const std::optional<int> d = wholeNumber(call.value(QStringLiteral("days")));
        if (!d || *d < 1)
            return call.failed(Text::tr("\"%1\" is not a number of days").arg(call.value(QStringLiteral("days"))));
        filter.days = *d;
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

    QStringList scope;
    if (call.isSet(QStringLiteral("levels"))) {
        const QString levelsText = call.value(QStringLiteral("levels"));
        for (const QString &part : levelsText.split(u',')) {
            const std::optional<int> level = wholeNumber(part);
            if (!level)
                return call.failed(Text::tr("\"%1\" is not a list of level numbers such as 1,2,3").arg(levelsText));
            if (*level < 1 || *level > state.levelCount)
                return call.failed(
                    Text::tr("there is no level %1; the levels are 1 to %2").arg(*level).arg(state.levelCount));
            filter.levels.push_back(*level);
        }
        scope << Text::tr("levels %1").arg(levelsText);
    } else {
        scope << Text::tr("every level");
    }
    scope << (filter.days > 0 ? Text::tr("the last %1 days to %2").arg(filter.days).arg(now.date().toString(Qt::ISODate))
                              : Text::tr("every day to %1").arg(now.date().toString(Qt::ISODate)));

    QString whom = Text::tr("every pupil");
    if (call.isSet(QStringLiteral("pupil"))) {
        const std::optional<int> pupil = wholeNumber(call.value(QStringLiteral("pupil")));
        if (!pupil || *pupil < 1 || *pupil > kMaxPupil)
            return call.failed(Text::tr("\"%1\" is not a roster number").arg(call.value(QStringLiteral("pupil"))));
        filter = WeakFilter{{*pupil}, filter.levels, filter.days};
        const std::vector<QString> names = rosternames::read(rosternames::rosterPath(state.folders));
        const QString name = names[static_cast<std::size_t>(*pupil)].trimmed();
        whom = name.isEmpty() ? Text::tr("pupil %1").arg(*pupil) : QStringLiteral("%1 %2").arg(*pupil).arg(name);
    } else if (call.isSet(QStringLiteral("class"))) {
        const ClassMap classes = ClassMap::read(ClassMap::path(state.folders));
        const QString label = ClassMap::normalLabel(call.value(QStringLiteral("class")));
        const ClassMap::Class *c = classes.find(label);
        if (!c)
            return call.failed(Text::tr("there is no class \"%1\" in %2").arg(label, classes.filePath()));
        const WeakFilter block = WeakFilter::pupilRange(c->first, c->last);
        filter.pupils = block.pupils;
        whom = Text::tr("class %1").arg(c->label);
    }

    QString problem;
    const RecordCallbacks callbacks{letEventsRunForOneSecond, [&problem](const QString &, const QString &text) {
                                        problem = text;
                                    }};
    const ManualClock clock(now);
    const std::optional<WeakFigures> figures = ReadWeakFigures(state.folders, filter, clock, callbacks, &problem);
    if (!figures)
        return call.failed(problem);

    // Names from the question file; without one, every figure is named by its group and line.
    std::optional<QuestionBank> bank;
    try {
        bank = QuestionBank::load(state.folders.appFolder + QStringLiteral("Morvidかな0.csv"));
    } catch (const DataFileError &e) {
        call.err << call.prefix() << e.text() << '\n'
                 << call.prefix() << Text::tr("figures are named by their group and line in the question file") << '\n';
    }
    WeakList list;
    list.title = QStringLiteral("%1　%2").arg(weaklist::heading(), whom);
    list.scope = scope.join(QStringLiteral("、"));
    list.rowsCounted = figures->rowsCounted();
    list.pupilsCounted = figures->pupilsCounted();
    for (const WeakFigure &f : figures->missedMost(top)) {
        std::optional<Question> q;
        if (bank)
            q = questionidentity::find(*bank, f.key.group, f.key.line, f.key.nameHash);
        list.entries.push_back({q ? q->name : weaklist::unknownName(f.key), f});
    }

    if (toCsv) {
        const savefile::Outcome written =
            savefile::replace(out, QByteArray("\xEF\xBB\xBF") + csvOf(list).toUtf8());
        if (!written.saved)
            return call.failed(Text::tr("cannot write %1: %2").arg(out, written.error));
        return exitstatus::kDone;
    }
    if (toPdf) {
        QString error;
        if (!weakpdf::write(out, list, state.productTitle, &error))
            return call.failed(Text::tr("cannot write %1").arg(error));
        return exitstatus::kDone;
    }
    call.out << list.title << '\n' << list.scope << '\n';
    call.out << Text::tr("%1 answers of %2 pupils counted").arg(list.rowsCounted).arg(list.pupilsCounted) << '\n';
    if (list.entries.empty())
        call.out << Text::tr("No answer was missed in the records counted.") << '\n';
    else
        for (const QString &line : weaklist::tableLines(list))
            call.out << line << '\n';
    return exitstatus::kDone;
}

} // namespace

QList<AdminCommand> weakCommands()
{
    return {
        {QStringLiteral("weak"), Text::tr("the figures pupils miss most, from the answer log"), declareWeak, runWeak},
    };
}
