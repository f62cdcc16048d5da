#include "admin.h"
#include "messagecatalogue.h"
#include "printfaces.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLocale>
#include <QTextStream>

#include <cstdio>
#include <memory>

namespace {

// A call that only asks for help or the version, answered by a plain application: the manual
// pages are made from them on machines without a display or fonts.
bool asksForHelpOrVersion(int argc, char *argv[])
{
    if (argc < 2)
        return true;
    for (int i = 1; i < argc; ++i) {
        const QByteArray a(argv[i]);
        if (a == "--help" || a == "-h" || a == "--version" || a == "-v" || (i == 1 && a == "help"))
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    std::unique_ptr<QCoreApplication> app;
    if (asksForHelpOrVersion(argc, argv)) {
        app = std::make_unique<QCoreApplication>(argc, argv);
    } else {
        // The worksheet and report commands lay text out with the system's fonts, which needs a GUI
        // application; the tool never opens a window, so it runs on the offscreen platform even
        // without a display.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
        printfaces::install(printfaces::folders(QCoreApplication::applicationDirPath()));
    }
    if (messagecatalogue::isJapanese(QLocale::system()) && !messagecatalogue::installJapanese())
        std::fputs("tavrel-admin: the Japanese messages cannot be loaded; messages follow in English\n", stderr);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const int status = runAdmin(QCoreApplication::arguments().mid(1), out, err);
    out.flush();
    err.flush();
    return status;
}
