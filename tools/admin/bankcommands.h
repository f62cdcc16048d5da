#pragma once

#include "admincommand.h"

// Commands on question files.
QList<AdminCommand> bankCommands();
