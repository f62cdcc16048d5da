#include "admin.h"

#include "admincommand.h"
#include "bankcommands.h"
#include "clock.h"
#include "commandlinehelp.h"
#include "recordcommands.h"
#include "reportcommand.h"
#include "weakcommand.h"
#include "rostercommands.h"
#include "schoolcommands.h"
#include "sharingcommands.h"
#include "worksheetcommand.h"

#include <QCoreApplication>

namespace {

class Text
{
    Q_DECLARE_TR_FUNCTIONS(Admin)
};

const QString kProgram = QStringLiteral("tavrel-admin");

QList<AdminCommand> allCommands()
{
    QList<AdminCommand> commands = bankCommands();
    commands += recordCommands();
    commands += schoolCommands(shippedContentFolder(), installedProgramPath(), [] { return SystemClock().now(); });
    commands += rosterCommands([] { return SystemClock().now(); });
    commands += sharingCommands(installedProgramPath());
    commands += worksheetCommands();
    commands += reportCommands();
    commands += weakCommands();
    return commands;
}

QCommandLineOption helpOption()
{
    return QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")}, Text::tr("Show this help and exit."));
}

QString hint(const QString &command)
{
    return Text::tr("Run \"%1 --help\" for how to call it.").arg(command);
}

QString toolHelp(const QList<AdminCommand> &commands)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        Text::tr("The teachers' tool of Tavrel: sets up a school's installation, imports class lists into its roster, "
                 "backs up its records, lists and exports its runs, writes worksheets and pupils' reports, and "
                 "makes and checks question files."));
    parser.addOption(helpOption());
    parser.addOption(QCommandLineOption({QStringLiteral("v"), QStringLiteral("version")},
                                        Text::tr("Show the version and exit.")));
    parser.addPositionalArgument(Text::tr("COMMAND"),
                                 Text::tr("one of the commands below; \"%1 COMMAND --help\" shows its own help")
                                     .arg(kProgram));
    qsizetype width = 0;
    for (const AdminCommand &c : commands)
        width = std::max(width, c.name.size());
    QString sections = Text::tr("Commands:") + u'\n';
    for (const AdminCommand &c : commands)
        sections += QStringLiteral("  ") + c.name.leftJustified(width + 2) + c.summary + u'\n';
    sections += u'\n'
                + Text::tr("Messages are in Japanese when the locale (LC_ALL, LC_MESSAGES or LANG) is Japanese, and in "
                           "English otherwise.")
                + QStringLiteral("\n\n")
                + commandlinehelp::exitStatusSection(Text::tr("done"),
                                                     Text::tr("refused, failed or problems found (each is named)"));
    return commandlinehelp::helpText(parser, Text::tr("%1 [options] COMMAND [ARGUMENTS...]").arg(kProgram), sections);
}

// The command that args start with: the longest name whose words they begin with.
const AdminCommand *commandOf(const QList<AdminCommand> &commands, const QStringList &args, qsizetype *words)
{
    const AdminCommand *found = nullptr;
    *words = 0;
    for (const AdminCommand &c : commands) {
        const QStringList name = c.name.split(u' ');
        if (name.size() > *words && args.mid(0, name.size()) == name) {
            found = &c;
            *words = name.size();
        }
    }
    return found;
}

int runCommand(const AdminCommand &command, const QStringList &rest, QTextStream &out, QTextStream &err)
{
    const QString call = kProgram + u' ' + command.name;
    QCommandLineParser parser;
    parser.addOption(helpOption());
    const CommandUsage usage = command.declare(parser);
    QString line = call + u' ' + QCoreApplication::translate("QCommandLineParser", "[options]");
    if (!usage.arguments.isEmpty())
        line += u' ' + usage.arguments;
    if (!parser.parse(QStringList{call} + rest)) {
        err << call << ": " << parser.errorText() << '\n' << commandlinehelp::usageLine(line) << '\n' << hint(call) << '\n';
        return exitstatus::kWrongCall;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        out << commandlinehelp::helpText(parser, line, commandlinehelp::exitStatusSection(usage.done, usage.failed));
        return exitstatus::kDone;
    }
    const qsizetype given = parser.positionalArguments().size();
    if (given < usage.fewestArguments || given > usage.mostArguments) {
        err << call << ": " << Text::tr("wrong number of arguments (%1)").arg(given) << '\n'
            << commandlinehelp::usageLine(line) << '\n' << hint(call) << '\n';
        return exitstatus::kWrongCall;
    }
    return command.run(CommandCall(command.name, parser, out, err));
}

} // namespace

void addProgramFolderArgument(QCommandLineParser &parser, const QString &name)
{
    parser.addPositionalArgument(name, Text::tr("the installation's program folder"));
}

QString CommandCall::prefix() const
{
    return kProgram + u' ' + m_name + QStringLiteral(": ");
}

int CommandCall::wrongCall(const QString &problem) const
{
    err << prefix() << problem << '\n' << hint(kProgram + u' ' + m_name) << '\n';
    return exitstatus::kWrongCall;
}

int CommandCall::failed(const QString &problem) const
{
    err << prefix() << problem << '\n';
    return exitstatus::kFailed;
}

std::optional<QDateTime> nowOfDateOption(const CommandCall &call)
{
    if (!call.isSet(QStringLiteral("date")))
        return SystemClock().now();
    const QString dateText = call.value(QStringLiteral("date"));
    const QDate date = QDate::fromString(dateText, QStringLiteral("yyyy-MM-dd"));
    if (!date.isValid()) {
        call.failed(Text::tr("\"%1\" is not a date of the form YYYY-MM-DD").arg(dateText));
        return std::nullopt;
    }
    return QDateTime(date, QTime(23, 59, 59));
}

std::optional<int> wholeNumber(const QString &text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

int runAdmin(const QStringList &args, QTextStream &out, QTextStream &err)
{
    const QList<AdminCommand> commands = allCommands();
    if (args.isEmpty()) {
        err << toolHelp(commands);
        return exitstatus::kWrongCall;
    }
    const QString &first = args.first();
    if (first == u"--help" || first == u"-h" || first == u"help") {
        out << toolHelp(commands);
        return exitstatus::kDone;
    }
    if (first == u"--version" || first == u"-v") {
        out << commandlinehelp::versionText(kProgram);
        return exitstatus::kDone;
    }
    qsizetype words = 0;
    if (const AdminCommand *command = commandOf(commands, args, &words))
        return runCommand(*command, args.mid(words), out, err);

    // A group of commands named without one of them ("roster"), or a word that is none.
    QStringList group;
    for (const AdminCommand &c : commands) {
        if (c.name.startsWith(first + u' '))
            group << kProgram + u' ' + c.name;
    }
    if (!group.isEmpty() && (args.contains(QStringLiteral("--help")) || args.contains(QStringLiteral("-h")))) {
        out << Text::tr("\"%1\" needs one of: %2").arg(first, group.join(QStringLiteral(", "))) << '\n';
        return exitstatus::kDone;
    }
    if (!group.isEmpty())
        err << kProgram << ": " << Text::tr("\"%1\" needs one of: %2").arg(first, group.join(QStringLiteral(", ")))
            << '\n';
    else
        err << kProgram << ": " << Text::tr("there is no command \"%1\"").arg(first) << '\n' << hint(kProgram) << '\n';
    return exitstatus::kWrongCall;
}
