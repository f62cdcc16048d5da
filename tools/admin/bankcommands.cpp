#include "bankcommands.h"

#include "questionfile.h"
#include "questionline.h"
#include "savefile.h"
#include "scramblekey.h"

#include <QFile>
#include <QStringDecoder>

#include <optional>

namespace {

constexpr int kDone = 0;
constexpr int kFailed = 1;
constexpr int kUsageError = 2;

int usageError(const QString &command, const QString &usage, QTextStream &err)
{
    err << "tavrel-admin " << command << ": wrong number of arguments\n" << usage;
    return kUsageError;
}

std::optional<QByteArray> readAll(const QString &path, QTextStream &err)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        err << "tavrel-admin: cannot read " << path << ": " << file.errorString() << '\n';
        return std::nullopt;
    }
    return file.readAll();
}

// The file at path is either replaced whole or left as it was.
bool writeAll(const QString &path, const QByteArray &bytes, QTextStream &err)
{
    const savefile::Outcome written = savefile::replace(path, bytes);
    if (!written.saved) {
        err << "tavrel-admin: cannot write " << path << ": " << written.error << '\n';
        return false;
    }
    return true;
}

QString problemCount(qsizetype n)
{
    return n == 1 ? QStringLiteral("1 problem") : QStringLiteral("%1 problems").arg(n);
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

QString scrambleUsage()
{
    return QStringLiteral(
               "usage: tavrel-admin scramble PLAIN OUT\n\n"
               "Writes the stored question file OUT from PLAIN, a UTF-8 text file with one question per line:\n"
               "  serial,group,year,name,name line 2,explanation,explanation line 2%1\n"
               "Fields hold no commas. A line shorter than %2 characters is padded with \"%3\" after the\n"
               "end marker; the padding stays in OUT and comes back with unscramble. OUT is Shift-JIS with\n"
               "CR LF line ends, as the program reads it: install it as Morvidかな0vv.ccc in the program folder.\n"
               "OUT is written only when every line can be stored; otherwise each problem is listed with\n"
               "its line number and OUT is left as it was. Run check on OUT to check its questions.\n\n"
               "Exit status: 0 written, 1 problems or a file that cannot be read or written, 2 wrong call.\n")
        .arg(questionline::kEndMarker)
        .arg(ScrambleKey::program().requiredLength())
        .arg(questionline::kFiller);
}

QString unscrambleUsage()
{
    return QStringLiteral(
        "usage: tavrel-admin unscramble STORED OUT\n\n"
        "Writes OUT, a UTF-8 text file with one plain line per line of the stored question file\n"
        "STORED (such as Morvidかな0vv.ccc), filler included, for editing and scrambling again.\n"
        "Scrambling OUT gives STORED back. OUT is written only when every line can be unscrambled.\n\n"
        "Exit status: 0 written, 1 problems or a file that cannot be read or written, 2 wrong call.\n");
}

QString checkUsage()
{
    return QStringLiteral(
               "usage: tavrel-admin check STORED\n\n"
               "Reads the stored question file STORED (such as Morvidかな0vv.ccc) as the program does and\n"
               "lists every problem with its line number: more than %1 lines, bytes that are not\n"
               "Shift-JIS, a line too short to unscramble, no end marker, more than %2 fields or fewer\n"
               "than %3, a group that is not a whole number from 1 to %4, a year that is not a whole number\n"
               "or lies outside %5 to %6, and a group with fewer than %7 questions.\n\n"
               "Exit status: 0 no problems, 1 problems or a file that cannot be read, 2 wrong call.\n")
        .arg(questionline::kMaxLines)
        .arg(questionline::kMaxFields)
        .arg(questionline::kQuestionFields)
        .arg(questionfile::kGroupCount)
        .arg(questionfile::kFirstYear)
        .arg(questionfile::kLastYear)
        .arg(questionfile::kMinimumGroupSize);
}

int runScramble(const QStringList &args, QTextStream &out, QTextStream &err)
{
    if (args.size() != 2)
        return usageError(QStringLiteral("scramble"), scrambleUsage(), err);
    const std::optional<QByteArray> bytes = readAll(args[0], err);
    if (!bytes)
        return kFailed;
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString plain = utf8(*bytes);
    if (utf8.hasError()) {
        err << "tavrel-admin scramble: " << args[0] << " is not UTF-8 text\n";
        return kFailed;
    }
    const questionfile::Scrambled result = questionfile::scramble(plain);
    if (!result.problems.isEmpty()) {
        printProblems(args[0], result.problems, err);
        err << "tavrel-admin scramble: " << args[1] << " not written (" << problemCount(result.problems.size())
            << ")\n";
        return kFailed;
    }
    if (!writeAll(args[1], result.stored, err))
        return kFailed;
    out << "wrote " << result.lineCount << " lines to " << args[1] << '\n';
    return kDone;
}

int runUnscramble(const QStringList &args, QTextStream &out, QTextStream &err)
{
    if (args.size() != 2)
        return usageError(QStringLiteral("unscramble"), unscrambleUsage(), err);
    const std::optional<QByteArray> bytes = readAll(args[0], err);
    if (!bytes)
        return kFailed;
    const questionfile::Unscrambled result = questionfile::unscramble(*bytes);
    if (!result.problems.isEmpty()) {
        printProblems(args[0], result.problems, err);
        err << "tavrel-admin unscramble: " << args[1] << " not written (" << problemCount(result.problems.size())
            << ")\n";
        return kFailed;
    }
    if (!writeAll(args[1], result.plain.toUtf8(), err))
        return kFailed;
    out << "wrote " << result.lineCount << " lines to " << args[1] << '\n';
    return kDone;
}

int runCheck(const QStringList &args, QTextStream &out, QTextStream &err)
{
    if (args.size() != 1)
        return usageError(QStringLiteral("check"), checkUsage(), err);
    const std::optional<QByteArray> bytes = readAll(args[0], err);
    if (!bytes)
        return kFailed;
    const QList<questionfile::Problem> problems = questionfile::check(*bytes);
    if (problems.isEmpty()) {
        out << args[0] << ": no problems\n";
        return kDone;
    }
    printProblems(args[0], problems, out);
    out << args[0] << ": " << problemCount(problems.size()) << '\n';
    return kFailed;
}

} // namespace

QList<AdminCommand> bankCommands()
{
    return {
        AdminCommand{QStringLiteral("scramble"), QStringLiteral("make a stored question file from plain UTF-8 lines"),
                     scrambleUsage(), runScramble},
        AdminCommand{QStringLiteral("unscramble"), QStringLiteral("turn a stored question file back into plain lines"),
                     unscrambleUsage(), runUnscramble},
        AdminCommand{QStringLiteral("check"), QStringLiteral("list every problem of a stored question file"),
                     checkUsage(), runCheck},
    };
}
