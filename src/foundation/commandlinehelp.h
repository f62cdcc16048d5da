#pragma once

#include <QString>

class QCommandLineParser;

// What both programs answer to --help and --version, in the language of the installed message
// catalogue and in the shape help2man reads to make their manual pages: a "Usage:" line, the
// description, "Options:" and "Arguments:" as QCommandLineParser lays them out, then sections of
// our own ("Exit status:"). Neither needs a display.
namespace commandlinehelp {

// Help is laid out for a terminal this many columns wide.
inline constexpr int kWidth = 79;

// Text broken into lines of at most `width` columns (a Japanese character takes two): between
// words, and between Japanese characters. Lines that start with a space are left as they are.
QString wrap(const QString &text, int width);

// "tavrel-admin (Tavrel) 1.0.5" and a line end.
QString versionText(const QString &program);

// The parser's help with its first line naming the call as `call` says ("tavrel-admin roster
// import [options] INSTALL FILE"); the parser itself names the path the executable was started
// by. `sections` follow, each already ending in a line end.
QString helpText(const QCommandLineParser &parser, const QString &call, const QString &sections = {});

// "Usage: " and the call, translated as the parser translates it.
QString usageLine(const QString &call);

// An "Exit status:" section listing what 0, 1 and 2 mean for one command.
QString exitStatusSection(const QString &done, const QString &failed);

} // namespace commandlinehelp
