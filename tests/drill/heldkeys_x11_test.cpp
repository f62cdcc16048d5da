// One press, one answer, on a real X server: keys are held through XTest (xdotool) while the
// drill plays real sounds that keep the program busy, as on a pupil's PC. The X server sends a
// held key as release and press pairs, and Qt flags only some of them as repeats.
//
// Runs under tests/support/run-under-xvfb.sh, which starts a private Xvfb and selects Qt's xcb
// platform; sounds go through SDL's dummy driver, which takes a clip as long as a sound card.
#include "clock.h"
#include "chime.h"
#include "drillscreen.h"
#include "fakedrillhost.h"
#include "fakes.h"
#include "pupilsession.h"
#include "sdlwavplayer.h"
#include "sjis.h"
#include "soundeffects.h"
#include "soundtable.h"
#include "testinstallation.h"
#include "testnames.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr int kLevel = 2;
constexpr int kYear = 1999;
constexpr double kHoldSeconds = 1.5;

// Counts the plays of each file and passes them to the real player.
class CountingPlayer : public SoundPlayer
{
public:
    explicit CountingPlayer(SoundPlayer &inner) : m_inner(inner) {}
    PlayResult play(const QString &wavPath) override
    {
        played.append(wavPath);
        return m_inner.play(wavPath);
    }
    qsizetype plays(const QString &baseName) const
    {
        return std::count_if(played.cbegin(), played.cend(),
                             [&](const QString &p) { return p.endsWith(u'/' + baseName + QStringLiteral(".wav")); });
    }
    QStringList played;

private:
    SoundPlayer &m_inner;
};

// Writes a sound folder whose three drill sounds last clipMs each: "right" for a right answer,
// "wrongyear" for a wrong year, "wrong" for a wrong choice.
SoundTable writeSounds(const QString &folder, int clipMs)
{
    const QList<qint16> samples(22050 * clipMs / 1000, 800);
    for (const char *name : {"right", "wrongyear", "wrong"}) {
        QFile wav(folder + QStringLiteral("/%1.wav").arg(QLatin1String(name)));
        EXPECT_TRUE(wav.open(QIODevice::WriteOnly));
        wav.write(chime::wavFile(samples, 22050));
    }
    const QString table = folder + QStringLiteral("/新音ファイル.txt");
    QFile list(table);
    EXPECT_TRUE(list.open(QIODevice::WriteOnly));
    list.write(sjis::encode(u"正解音2,right,*\r\n間違い音1,wrongyear,*\r\n間違い音2,wrong,*\r\n"));
    list.close();
    return SoundTable::read(table);
}

// Runs xdotool with the given commands and lets the program handle events until it is done.
void xdotool(const QStringList &commands)
{
    QProcess tool;
    QEventLoop loop;
    QObject::connect(&tool, &QProcess::finished, &loop, &QEventLoop::quit);
    tool.start(QStringLiteral("xdotool"), commands);
    ASSERT_TRUE(tool.waitForStarted()) << tool.errorString().toStdString();
    if (tool.state() != QProcess::NotRunning)
        loop.exec();
    ASSERT_EQ(tool.exitStatus(), QProcess::NormalExit);
    ASSERT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
}

void waitUntil(const std::function<bool()> &done, int milliseconds)
{
    const QDeadlineTimer deadline(milliseconds);
    while (!done() && !deadline.hasExpired())
        QTest::qWait(20);
}

class HeldKeysOnX11 : public testing::TestWithParam<int>
{
};

// A one-question test level whose year is 1999: every wrong year is held for 1.5 s, then the
// right year is pressed once. Each held key costs one penalty, as one press of it does, and the
// run records the time played plus ten seconds per wrong year, whatever the clips' length.
TEST_P(HeldKeysOnX11, AHeldWrongYearCostsOnePenaltyWhateverTheSoundsLength)
{
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"))
        << "run this test through tests/support/run-under-xvfb.sh";
    ASSERT_FALSE(QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty());
    const int clipMs = GetParam();
    QTemporaryDir sounds;
    ASSERT_TRUE(sounds.isValid());
    const SoundTable table = writeSounds(sounds.path(), clipMs);

    Installation install = catalogueInstallation(600, 1000);
    PupilSession session;
    session.runLevel = kLevel;
    session.pupilName = QStringLiteral("山田花子");
    SystemClock clock;
    SeededRandom random(5);
    SdlWavPlayer sdl;
    CountingPlayer player(sdl);
    SeededRandom soundRandom(1);
    SoundEffects effects(table, sounds.path() + u'/', player, soundRandom, [](const QString &, const QString &text) {
        ADD_FAILURE() << "sound failure: " << text.toStdString();
    });
    FakeDrillHost host;
    FakeMessagePresenter messages;
    DrillScreen screen(install, session, clock, random, effects, host, messages);
    screen.setGeometry(0, 0, 1024, 768);
    screen.show();
    screen.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&screen));
    xdotool({QStringLiteral("mousemove"), QStringLiteral("512"), QStringLiteral("384")});

    QList<Question> questions = {Question{}};
    questions[0].group = 1;
    questions[0].year = kYear;
    questions[0].name = QStringLiteral("人物");
    questions[0].explain = QStringLiteral("説明");
    screen.startRun(questions, RunHistory{});
    const DrillRun &run = screen.run();
    waitUntil([&] { return !run.view().coverVisible; }, 6000);
    ASSERT_FALSE(run.view().coverVisible);
    xdotool({QStringLiteral("key"), QString::number(run.answerSlot())});
    waitUntil([&] { return run.view().yearPanelVisible && !run.view().yearCoverVisible; }, 6000);
    ASSERT_TRUE(run.view().yearsVisible);
    ASSERT_FALSE(run.view().yearCoverVisible);

    int right = 0;
    QStringList commands;
    int wrongYears = 0;
    for (int k = 1; k <= DrillView::kYears; ++k) {
        if (run.view().yearTexts[static_cast<std::size_t>(k)].trimmed().toInt() == kYear) {
            right = k;
            continue;
        }
        commands << QStringLiteral("keydown") << QString::number(k) << QStringLiteral("sleep") << QString::number(kHoldSeconds)
                 << QStringLiteral("keyup") << QString::number(k) << QStringLiteral("sleep") << QStringLiteral("0.3");
        ++wrongYears;
    }
    ASSERT_NE(right, 0);
    commands << QStringLiteral("key") << QString::number(right);

    const double startBefore = run.runStartSeconds();
    xdotool(commands);
    waitUntil([&] { return !host.recorded.isEmpty(); }, 5000 + clipMs);
    ASSERT_EQ(host.recorded.size(), 1);
    const double playSeconds = clock.monotonicSeconds() - startBefore;

    const double penalties = (startBefore - run.runStartSeconds()) / DrillRun::kPenaltySeconds;
    std::printf("[ clip %4d ms ] %d wrong years held %.1f s: %.0f penalties, %d s recorded for %.1f s played\n",
                clipMs, wrongYears, kHoldSeconds, penalties, host.recorded[0].seconds, playSeconds);
    EXPECT_EQ(player.plays(QStringLiteral("wrongyear")), wrongYears);
    EXPECT_NEAR(penalties, wrongYears, 1e-6);
    // The recorded time is the clock's last tick, up to a second (and a clip) before the end.
    const double expected = playSeconds + DrillRun::kPenaltySeconds * wrongYears;
    EXPECT_LE(host.recorded[0].seconds, std::lround(expected));
    EXPECT_GE(host.recorded[0].seconds, std::lround(expected - 2.0 - clipMs / 1000.0));
}

INSTANTIATE_TEST_SUITE_P(Clips, HeldKeysOnX11, testing::Values(120, 600, 1600),
                         testname::from([](int clipMs) { return testname::of("clip", clipMs, "ms"); }));

} // namespace
