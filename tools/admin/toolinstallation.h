#pragma once

#include "installation.h"

#include <QString>

#include <optional>

class CommandCall;

// The installation a command works on, started from its program folder as the program starts
// it. When that fails the command's call is told why (the folder, and the data file and line at
// fault) and there is none.
std::optional<Installation> startInstallation(const CommandCall &call, const QString &programFolder);
