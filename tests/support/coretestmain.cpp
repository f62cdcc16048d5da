// Entry point of the test programs of screen logic, which has no widgets: a QCoreApplication and
// no platform at all, so they run without any display, then GoogleTest.
#include "lsansuppressions.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
