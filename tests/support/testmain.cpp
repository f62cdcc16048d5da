// Entry point of the test programs of widgets: a QApplication on the offscreen platform, sounds
// through SDL's dummy driver, the print faces the build made, the account's data and configuration
// folders in a temporary folder, the Japanese message catalogue the program always speaks (tests
// of the teachers' tool choose their language themselves), then GoogleTest.
#include "messagecatalogue.h"
#include "printfaces.h"
#include "testprocess.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER"))
        qputenv("SDL_AUDIODRIVER", "dummy");
    QTemporaryDir home;
    if (!home.isValid())
        return 1;
    testprocess::useOwnAccountFolders(home);
    QApplication app(argc, argv);
    printfaces::install({QStringLiteral(TAVREL_PRINT_FACES_FOLDER)});
    if (!messagecatalogue::installJapanese())
        return EXIT_FAILURE;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
