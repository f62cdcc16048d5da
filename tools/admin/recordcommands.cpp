#include "recordcommands.h"

QList<AdminCommand> recordCommands()
{
    return {};
}
