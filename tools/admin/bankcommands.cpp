#include "bankcommands.h"

#include "questionfile.h"
#include "questionline.h"
#include "savefile.h"
#include "scramblekey.h"
#include "systemerror.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringDecoder>

#include <cerrno>
#include <optional>

namespace {

class Text
{
    Q_DECLARE_TR_FUNCTIONS(BankCommands)
};

std::optional<QByteArray> readAll(const CommandCall &call, const QString &path)
{
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly)) {
        call.failed(Text::tr("cannot read %1: %2").arg(path, systemerror::describe(file, errno)));
        return std::nullopt;
    }
    return file.readAll();
}

// The file at path is either replaced whole or left as it was.
bool writeAll(const CommandCall &call, const QString &path, const QByteArray &bytes)
{
    const savefile::Outcome written = savefile::replace(path, bytes);
    if (!written.saved) {
        call.failed(Text::tr("cannot write %1: %2").arg(path, written.error));
        return false;
    }
    return true;
}

QString problemCount(qsizetype n)
{
    return n == 1 ? Text::tr("1 problem") : Text::tr("%1 problems").arg(n);
}

void printProblems(const QString &path, const QList<questionfile::Problem> &problems, QTextStream &to)
{
    for (const questionfile::Problem &p : problems) {
        to << path;
        if (p.line > 0)
            to << ':' << p.line;
        to << ": " << p.text << '\n';
    }
}

CommandUsage declareScramble(QCommandLineParser &parser)
{
    parser.setApplicationDescription(
        Text::tr("Writes the stored question file OUT from PLAIN, a UTF-8 text file with one question per line:\n"
                 "  serial,group,year,name,name line 2,explanation,explanation line 2%1\n"
                 "Fields hold no commas. A line shorter than %2 characters is padded with \"%3\" after the end "
                 "marker; the padding stays in OUT and comes back with unscramble. OUT is Shift-JIS with CR LF line "
                 "ends, as the program reads it: install it as Morvidかな0vv.ccc in the program folder. OUT is "
                 "written only when every line can be stored; otherwise each problem is listed with its line number "
                 "and OUT is left as it was. Run check on OUT to check its questions.")
            .arg(questionline::kEndMarker)
            .arg(ScrambleKey::program().requiredLength())
            .arg(questionline::kFiller));
    parser.addPositionalArgument(QStringLiteral("PLAIN"), Text::tr("the plain question lines (UTF-8)"));
    parser.addPositionalArgument(QStringLiteral("OUT"), Text::tr("the stored question file to write"));
    return {QStringLiteral("PLAIN OUT"), 2, 2, Text::tr("written"),
            Text::tr("problems, or a file that cannot be read or written")};
}

CommandUsage declareUnscramble(QCommandLineParser &parser)
{
    parser.setApplicationDescription(
        Text::tr("Writes OUT, a UTF-8 text file with one plain line per line of the stored question file STORED "
                 "(such as Morvidかな0vv.ccc), filler included, for editing and scrambling again. Scrambling OUT "
                 "gives STORED back. OUT is written only when every line can be unscrambled."));
    parser.addPositionalArgument(QStringLiteral("STORED"), Text::tr("the stored question file"));
    parser.addPositionalArgument(QStringLiteral("OUT"), Text::tr("the plain lines to write (UTF-8)"));
    return {QStringLiteral("STORED OUT"), 2, 2, Text::tr("written"),
            Text::tr("problems, or a file that cannot be read or written")};
}

CommandUsage declareCheck(QCommandLineParser &parser)
{
    parser.setApplicationDescription(
        Text::tr("Reads the stored question file STORED (such as Morvidかな0vv.ccc) as the program does and lists "
                 "every problem with its line number: more than %1 lines, bytes that are not Shift-JIS, a line too "
                 "short to unscramble, no end marker, more than %2 fields or fewer than %3, a group that is not a "
                 "whole number from 1 to %4, a year that is not a whole number or lies outside %5 to %6, and a "
                 "group with fewer than %7 questions.")
            .arg(questionline::kMaxLines)
            .arg(questionline::kMaxFields)
            .arg(questionline::kQuestionFields)
            .arg(questionfile::kGroupCount)
            .arg(questionfile::kFirstYear)
            .arg(questionfile::kLastYear)
            .arg(questionfile::kMinimumGroupSize));
    parser.addPositionalArgument(QStringLiteral("STORED"), Text::tr("the stored question file"));
    return {QStringLiteral("STORED"), 1, 1, Text::tr("no problems"), Text::tr("problems, or a file that cannot be read")};
}

int runScramble(const CommandCall &call)
{
    const QString plainPath = call.argument(0);
    const QString outPath = call.argument(1);
    const std::optional<QByteArray> bytes = readAll(call, plainPath);
    if (!bytes)
        return exitstatus::kFailed;
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString plain = utf8(*bytes);
    if (utf8.hasError())
        return call.failed(Text::tr("%1 is not UTF-8 text").arg(plainPath));
    const questionfile::Scrambled result = questionfile::scramble(plain);
    if (!result.problems.isEmpty()) {
        printProblems(plainPath, result.problems, call.err);
        return call.failed(Text::tr("%1 not written (%2)").arg(outPath, problemCount(result.problems.size())));
    }
    if (!writeAll(call, outPath, result.stored))
        return exitstatus::kFailed;
    call.out << Text::tr("wrote %1 lines to %2").arg(result.lineCount).arg(outPath) << '\n';
    return exitstatus::kDone;
}

int runUnscramble(const CommandCall &call)
{
    const QString storedPath = call.argument(0);
    const QString outPath = call.argument(1);
    const std::optional<QByteArray> bytes = readAll(call, storedPath);
    if (!bytes)
        return exitstatus::kFailed;
    const questionfile::Unscrambled result = questionfile::unscramble(*bytes);
    if (!result.problems.isEmpty()) {
        printProblems(storedPath, result.problems, call.err);
        return call.failed(Text::tr("%1 not written (%2)").arg(outPath, problemCount(result.problems.size())));
    }
    if (!writeAll(call, outPath, result.plain.toUtf8()))
        return exitstatus::kFailed;
    call.out << Text::tr("wrote %1 lines to %2").arg(result.lineCount).arg(outPath) << '\n';
    return exitstatus::kDone;
}

int runCheck(const CommandCall &call)
{
    const QString path = call.argument(0);
    const std::optional<QByteArray> bytes = readAll(call, path);
    if (!bytes)
        return exitstatus::kFailed;
    const QList<questionfile::Problem> problems = questionfile::check(*bytes);
    if (problems.isEmpty()) {
        call.out << Text::tr("%1: no problems").arg(path) << '\n';
        return exitstatus::kDone;
    }
    printProblems(path, problems, call.out);
    call.out << path << ": " << problemCount(problems.size()) << '\n';
    return exitstatus::kFailed;
}

} // namespace

QList<AdminCommand> bankCommands()
{
    return {
        {QStringLiteral("scramble"), Text::tr("make a stored question file from plain UTF-8 lines"), declareScramble,
         runScramble},
        {QStringLiteral("unscramble"), Text::tr("turn a stored question file back into plain lines"), declareUnscramble,
         runUnscramble},
        {QStringLiteral("check"), Text::tr("list every problem of a stored question file"), declareCheck, runCheck},
    };
}
