#pragma once

#include "admincommand.h"

// The worksheet command: the preview's sheet written as a PDF without a window.
QList<AdminCommand> worksheetCommands();
