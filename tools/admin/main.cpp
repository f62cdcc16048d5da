#include "admin.h"
#include "printfaces.h"

#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char *argv[])
{
    // The worksheet and report commands lay text out with the system's fonts, which needs a GUI
    // application; the tool never opens a window, so it runs on the offscreen platform even
    // without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    printfaces::install(printfaces::folders(QCoreApplication::applicationDirPath()));
    QTextStream out(stdout);
    QTextStream err(stderr);
    const int status = runAdmin(QGuiApplication::arguments().mid(1), out, err);
    out.flush();
    err.flush();
    return status;
}
