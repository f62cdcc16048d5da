// Entry point of every test program: a QApplication on the offscreen platform, sounds through
// SDL's dummy driver, the Japanese message catalogue the program always speaks (tests of the
// teachers' tool choose their language themselves), then GoogleTest.
#include "messagecatalogue.h"

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
    if (!messagecatalogue::installJapanese())
        return EXIT_FAILURE;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
