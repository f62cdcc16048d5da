// SIGTERM (a logout) must end the program whatever has happened before, sounds included.
#include "chime.h"
#include "sdlwavplayer.h"
#include "terminationwatch.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

#include <gtest/gtest.h>

namespace {

void (*sigtermHandler())(int)
{
    struct sigaction current
    {
    };
    sigaction(SIGTERM, nullptr, &current);
    return current.sa_handler;
}

TEST(Termination, PlayingASoundLeavesSigtermToTheProgram)
{
    ASSERT_EQ(sigtermHandler(), SIG_DFL);
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/音.wav");
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(chime::wavFile(QList<qint16>(441, 0), 22050));
    }
    SdlWavPlayer player;
    ASSERT_EQ(player.play(path).code, 0);
    EXPECT_EQ(sigtermHandler(), SIG_DFL);
}

TEST(Termination, SigtermIsHandedToTheEventLoopAndTheHandlerGoesWithTheWatch)
{
    int calls = 0;
    {
        TerminationWatch watch([&] { ++calls; });
        ASSERT_TRUE(watch.active());
        EXPECT_NE(sigtermHandler(), SIG_DFL);
        ASSERT_EQ(std::raise(SIGTERM), 0);
        // The signal itself calls nothing; the event loop does.
        EXPECT_EQ(calls, 0);
        EXPECT_TRUE(QTest::qWaitFor([&] { return calls > 0; }, 5000));
        EXPECT_EQ(calls, 1);
    }
    EXPECT_EQ(sigtermHandler(), SIG_DFL);
}

} // namespace
