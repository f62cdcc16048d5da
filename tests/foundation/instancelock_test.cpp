#include "instancelock.h"

#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(InstanceLock, ASecondCopyOnTheSameFolderIsRefusedUntilTheFirstEnds)
{
    QTemporaryDir dir;
    {
        InstanceLock first(dir.path());
        ASSERT_TRUE(first.acquire());
        InstanceLock second(dir.path() + QStringLiteral("/"));
        EXPECT_FALSE(second.acquire());

        QTemporaryDir other;
        InstanceLock elsewhere(other.path());
        EXPECT_TRUE(elsewhere.acquire());
    }
    InstanceLock again(dir.path());
    EXPECT_TRUE(again.acquire());
}

TEST(InstanceLock, ALockLeftByACrashedCopyIsTakenOver)
{
    QTemporaryDir dir;
    const QString path = InstanceLock::lockFilePathFor(dir.path());
    {
        // The lock file as a copy leaves it when it is killed: its process no longer exists.
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write("4194000\ntavrel\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    }
    InstanceLock lock(dir.path());
    EXPECT_TRUE(lock.acquire());
}

TEST(InstanceLock, AnUnreadableLockFileDoesNotLockPupilsOut)
{
    QTemporaryDir dir;
    const QString path = InstanceLock::lockFilePathFor(dir.path());
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    }
    InstanceLock lock(dir.path());
    EXPECT_TRUE(lock.acquire());
}

} // namespace
