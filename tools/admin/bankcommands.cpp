#include "bankcommands.h"

QList<AdminCommand> bankCommands()
{
    return {};
}
