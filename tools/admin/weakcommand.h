#pragma once

#include "admincommand.h"

// The figures a pupil, a class or the whole school misses most, from the answer log.
QList<AdminCommand> weakCommands();
