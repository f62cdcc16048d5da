#include "commandsupport.h"

#include "datafileerror.h"
#include "startup.h"

#include <QFileInfo>

namespace commandsupport {

int usageError(const QString &command, const QString &problem, const QString &usage, QTextStream &err)
{
    err << "tavrel-admin " << command << ": " << problem << "\n\n" << usage;
    return 2;
}

std::optional<Installation> startInstallation(const QString &command, const QString &programFolder, QTextStream &err)
{
    Installation state;
    try {
        runStartup(state, QFileInfo(programFolder).absoluteFilePath());
    } catch (const DataFileError &e) {
        err << "tavrel-admin " << command << ": " << programFolder << " is not a usable installation: " << e.text()
            << '\n';
        return std::nullopt;
    }
    return state;
}

} // namespace commandsupport
