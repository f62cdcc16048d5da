#include "instancelock.h"

#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>

#include <functional>

#include <gtest/gtest.h>

#ifdef Q_OS_LINUX
#include <sys/wait.h>
#include <unistd.h>
#endif

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

#ifdef Q_OS_LINUX
// Runs `body` in a child process under the given account and returns its exit status; the child
// ends without unwinding, as a killed copy does, so nothing is released by hand.
int inChild(uid_t account, const std::function<int()> &body)
{
    const pid_t pid = fork();
    if (pid == 0) {
        if (setgid(account) != 0 || setuid(account) != 0)
            _exit(99);
        _exit(body());
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// A school PC with several accounts: a copy that died under one account leaves its lock file in
// the shared temporary folder, where other accounts cannot remove it.
TEST(InstanceLock, ADeadOwnersLockFromAnotherAccountIsTakenOverWhileALiveOneStillCounts)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "needs root to start copies under two accounts";
    constexpr uid_t kNobody = 65534;
    QTemporaryDir dir;
    InstanceLock lock(dir.path()); // the path is worked out before the child changes account

    ASSERT_EQ(inChild(0, [&] { return lock.acquire() ? 0 : 1; }), 0);
    EXPECT_TRUE(QFile::exists(lock.lockFilePath()));
    EXPECT_EQ(inChild(kNobody, [&] { return lock.acquire() ? 0 : 1; }), 0);

    // The other way round: the lock file now belongs to root and a copy under "nobody" runs.
    int ready[2];
    int finish[2];
    ASSERT_EQ(pipe(ready), 0);
    ASSERT_EQ(pipe(finish), 0);
    const pid_t running = fork();
    if (running == 0) {
        if (setgid(kNobody) != 0 || setuid(kNobody) != 0 || !lock.acquire())
            _exit(1);
        char c = 1;
        if (write(ready[1], &c, 1) != 1 || read(finish[0], &c, 1) < 0)
            _exit(2);
        _exit(0);
    }
    char c = 0;
    ASSERT_EQ(read(ready[0], &c, 1), 1);
    InstanceLock second(dir.path());
    EXPECT_FALSE(second.acquire());
    ASSERT_EQ(write(finish[1], &c, 1), 1);
    int status = 0;
    waitpid(running, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_TRUE(second.acquire());
    for (int fd : {ready[0], ready[1], finish[0], finish[1]})
        close(fd);
}
#endif

} // namespace
