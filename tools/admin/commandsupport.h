#pragma once

#include "installation.h"

#include <QString>
#include <QTextStream>

#include <optional>

// What the school commands share: the wrong call said with the command's usage, and the
// installation a command works on, started as the program starts it.
namespace commandsupport {

// Writes "tavrel-admin COMMAND: PROBLEM", then the usage, to err; returns the wrong-call status 2.
int usageError(const QString &command, const QString &problem, const QString &usage, QTextStream &err);

// The installation whose program folder is `programFolder`, or nothing after saying on err why
// it is not usable.
std::optional<Installation> startInstallation(const QString &command, const QString &programFolder, QTextStream &err);

} // namespace commandsupport
