#pragma once

#include "admincommand.h"

#include <QDateTime>
#include <QString>

// Commands that set up a school's installation and keep its data: new-school, backup, restore.
// contentFolder is the program folder whose content new-school copies when no --from is given,
// programPath the executable its launcher starts; now gives backups their date.
QList<AdminCommand> schoolCommands(const QString &contentFolder, const QString &programPath,
                                   const std::function<QDateTime()> &now);

// The defaults of the installed tool: the shipped demo installation (…/share/tavrel/demo/tavrel
// beside the tool's bin folder, or the demo the build lays out around the tool) and the program
// beside the tool.
QString shippedContentFolder();
QString installedProgramPath();
