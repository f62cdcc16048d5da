#pragma once

#include "admincommand.h"

// The pupil report as a PDF, for handing to parents.
QList<AdminCommand> reportCommands();
