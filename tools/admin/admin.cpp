#include "admin.h"

#include "admincommand.h"
#include "bankcommands.h"
#include "clock.h"
#include "recordcommands.h"
#include "schoolcommands.h"
#include "sharingcommands.h"
#include "worksheetcommand.h"
#include "reportcommand.h"

namespace {

QList<AdminCommand> allCommands()
{
    QList<AdminCommand> commands = bankCommands();
    commands += recordCommands();
    commands += schoolCommands(shippedContentFolder(), installedProgramPath(), [] { return SystemClock().now(); });
    commands += sharingCommands(installedProgramPath());
    commands += worksheetCommands();
    commands += reportCommands();
    return commands;
}

void printHelp(const QList<AdminCommand> &commands, QTextStream &out)
{
    out << "usage: tavrel-admin COMMAND [ARGUMENTS...]\n"
           "       tavrel-admin COMMAND --help\n\n"
           "Commands:\n";
    for (const AdminCommand &c : commands)
        out << "  " << c.name.leftJustified(16) << c.summary << '\n';
}

} // namespace

int runAdmin(const QStringList &args, QTextStream &out, QTextStream &err)
{
    const QList<AdminCommand> commands = allCommands();
    if (args.isEmpty()) {
        printHelp(commands, err);
        return 2;
    }
    if (args.first() == u"--help" || args.first() == u"-h" || args.first() == u"help") {
        printHelp(commands, out);
        return 0;
    }
    for (const AdminCommand &c : commands) {
        if (c.name != args.first())
            continue;
        const QStringList rest = args.mid(1);
        if (rest.contains(QStringLiteral("--help")) || rest.contains(QStringLiteral("-h"))) {
            out << c.usage;
            if (!c.usage.endsWith(u'\n'))
                out << '\n';
            return 0;
        }
        return c.run(rest, out, err);
    }
    err << "tavrel-admin: there is no command \"" << args.first() << "\"; see tavrel-admin --help\n";
    return 2;
}
