// Entry point of the test programs of widgets: a QApplication on the offscreen platform, sounds
// through SDL's dummy driver, the print faces the build made, the account's data and configuration
// folders in a temporary folder, then GoogleTest.
#include "printfaces.h"
#include "testprocess.h"

#include <QApplication>

#include <gtest/gtest.h>

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
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
