#pragma once

#include "admincommand.h"

// Commands on an installation's run logs.
QList<AdminCommand> recordCommands();
