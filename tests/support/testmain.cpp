// Entry point of every test program: a QApplication on the offscreen platform, sounds through
// SDL's dummy driver, the print faces the build made, then GoogleTest.
#include "printfaces.h"

#include <QApplication>

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
    QApplication app(argc, argv);
    printfaces::install({QStringLiteral(TAVREL_PRINT_FACES_FOLDER)});
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
