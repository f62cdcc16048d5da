#pragma once

#include <QCommandLineParser>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include <functional>
#include <optional>

// The exit status of every command of the teachers' tool.
namespace exitstatus {
inline constexpr int kDone = 0;      // done, or nothing found wrong
inline constexpr int kFailed = 1;    // refused, failed, or problems found
inline constexpr int kWrongCall = 2; // the tool was not called as its help says
} // namespace exitstatus

// What a command says of its call, for its --help and for checking a call.
struct CommandUsage
{
    QString arguments;         // after the options, as the usage line shows them: "INSTALL OUT.csv"
    int fewestArguments = 0;   // how many positional arguments the command takes
    int mostArguments = 0;
    QString done;              // what exit status 0 means
    QString failed;            // what exit status 1 means
};

// A command being run: its parsed call and where it speaks.
class CommandCall
{
public:
    CommandCall(QString name, const QCommandLineParser &parser, QTextStream &toOut, QTextStream &toErr)
        : out(toOut), err(toErr), m_name(std::move(name)), m_parser(parser)
    {
    }

    QTextStream &out; // what the command made or found
    QTextStream &err; // what went wrong

    const QString &name() const { return m_name; }
    QStringList arguments() const { return m_parser.positionalArguments(); }
    QString argument(int i) const { return m_parser.positionalArguments().value(i); }
    bool isSet(const QString &option) const { return m_parser.isSet(option); }
    QString value(const QString &option) const { return m_parser.value(option); }

    // "tavrel-admin NAME: problem" on err; the status to return for a call the help does not allow.
    int wrongCall(const QString &problem) const;
    // "tavrel-admin NAME: problem" on err; the status to return for a refusal or a failure.
    int failed(const QString &problem) const;
    // "tavrel-admin NAME: " for messages of the command's own.
    QString prefix() const;

private:
    QString m_name;
    const QCommandLineParser &m_parser;
};

// "Now" for a command with the option --date YYYY-MM-DD: that day at 23:59:59, or the computer's
// clock without the option. Empty, with the reason on the call's err, when the date is no date.
std::optional<QDateTime> nowOfDateOption(const CommandCall &call);

// A whole number given on the command line (blanks around it allowed), or empty.
std::optional<int> wholeNumber(const QString &text);

// The positional argument most commands take first: the program folder of an installation.
void addProgramFolderArgument(QCommandLineParser &parser, const QString &name);

// One command of the teachers' tool "tavrel-admin".
struct AdminCommand
{
    QString name;    // the words that call it: "stats", "roster import"
    QString summary; // one line for the tool's --help
    // Adds the command's description and options to its parser (the tool adds --help).
    std::function<CommandUsage(QCommandLineParser &parser)> declare;
    // Runs a call that declare()'s options and argument count allow; returns the exit status.
    std::function<int(const CommandCall &call)> run;
};
