// Entry point of the test programs of screen logic, which has no widgets: a QCoreApplication and
// no platform at all, so they run without any display, the account's folders in a temporary
// folder, the Japanese message catalogue the program always speaks, then GoogleTest.
#include "messagecatalogue.h"
#include "testprocess.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char **argv)
{
    QTemporaryDir home;
    if (!home.isValid())
        return 1;
    testprocess::useOwnAccountFolders(home);
    QCoreApplication app(argc, argv);
    if (!messagecatalogue::installJapanese())
        return EXIT_FAILURE;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
