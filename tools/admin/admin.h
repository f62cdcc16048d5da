#pragma once

#include <QStringList>
#include <QTextStream>

// The teachers' tool: dispatches to the commands of each part of the program, each with a
// command-line parser of its own. args are the arguments after the program name. Returns the exit
// status (exitstatus): 0 done, 1 when a command refused, failed or found problems, 2 for a call
// the tool does not understand. --help and --version are answered without a display.
int runAdmin(const QStringList &args, QTextStream &out, QTextStream &err);
