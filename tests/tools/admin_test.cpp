#include "adminrun.h"

#include <gtest/gtest.h>

namespace {

TEST(Admin, HelpAndUnknownCommands)
{
    const AdminRun help = admin({QStringLiteral("--help")});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.contains(QStringLiteral("usage: tavrel-admin")));

    const AdminRun none = admin({});
    EXPECT_EQ(none.status, 2);
    EXPECT_TRUE(none.err.contains(QStringLiteral("usage")));

    const AdminRun unknown = admin({QStringLiteral("frobnicate")});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_TRUE(unknown.err.contains(QStringLiteral("frobnicate")));
}

} // namespace
