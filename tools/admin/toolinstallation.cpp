#include "toolinstallation.h"

#include "admincommand.h"
#include "datafileerror.h"
#include "startup.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

class Text
{
    Q_DECLARE_TR_FUNCTIONS(ToolInstallation)
};

} // namespace

std::optional<Installation> startInstallation(const CommandCall &call, const QString &programFolder)
{
    const QString shown = QDir::toNativeSeparators(programFolder);
    if (!QFileInfo(programFolder).isDir()) {
        call.failed(Text::tr("there is no installation at %1").arg(shown));
        return std::nullopt;
    }
    Installation state;
    try {
        runStartup(state, QFileInfo(programFolder).absoluteFilePath());
    } catch (const DataFileError &e) {
        call.failed(Text::tr("%1 is not a usable installation: %2").arg(shown, e.text()));
        return std::nullopt;
    }
    return state;
}
