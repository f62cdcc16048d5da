#pragma once

#include "admincommand.h"

#include <QDateTime>

#include <functional>

// Commands on an installation's roster: roster import (a class list from a spreadsheet), roster
// export (the roster to a spreadsheet) and roster classes (the class map). now gives the current
// year, up to which birth years are accepted.
QList<AdminCommand> rosterCommands(const std::function<QDateTime()> &now);
