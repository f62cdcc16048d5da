#pragma once

#include <QStringList>
#include <QTextStream>

// The teachers' tool: dispatches to the commands of each part of the program.
// args are the arguments after the program name. Returns the exit status: 0 on success,
// 1 when a command found problems or failed, 2 for a call the tool does not understand.
int runAdmin(const QStringList &args, QTextStream &out, QTextStream &err);
