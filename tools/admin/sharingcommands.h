#pragma once

#include "admincommand.h"

// Commands that keep a school's installation usable by every account of its group and on every
// PC: check-school (and --fix), pending (the runs this account keeps because a log could not
// take them), register-school (a PC that mounts the share learns where the school is).
// programPath is the executable a launcher starts.
QList<AdminCommand> sharingCommands(const QString &programPath);
