// Entry point of every test program: a QApplication on the offscreen platform, sounds through
// SDL's dummy driver, the print faces the build made, the account's data and configuration folders
// in a temporary folder, the Japanese message catalogue the program always speaks (tests of the
// teachers' tool choose their language themselves), then GoogleTest.
#include "messagecatalogue.h"
#include "printfaces.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>

extern "C" {
// Leaks inside the system's font and graphics libraries are theirs, not ours; nothing of the
// program's own code is suppressed.
const char *__lsan_default_suppressions()
{
    return "leak:libfontconfig\nleak:libfreetype\nleak:libdbus\nleak:libglib\nleak:libSDL2\n"
           "leak:libpulse\nleak:libasound\nleak:libQt6Gui\nleak:libQt6DBus\nleak:libicuuc\n";
}
}

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER"))
        qputenv("SDL_AUDIODRIVER", "dummy");
    // The account's own folders (pending runs, registered schools, the last choice) and the
    // machine's list of schools are folders of this test process: no test reads or writes the
    // user's or the system's. A test that needs them empty or filled uses its own.
    QTemporaryDir home;
    if (!home.isValid())
        return 1;
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.path() + QStringLiteral("/data")));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path() + QStringLiteral("/config")));
    qputenv("XDG_CONFIG_DIRS", QFile::encodeName(home.path() + QStringLiteral("/etc-xdg")));
    QApplication app(argc, argv);
    printfaces::install({QStringLiteral(TAVREL_PRINT_FACES_FOLDER)});
    if (!messagecatalogue::installJapanese())
        return EXIT_FAILURE;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
