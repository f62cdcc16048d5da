// The result screen's logic played without widgets: what it announces, with which sounds and in
// which order, and the way on it offers.
#include "resultfixture.h"
#include "resultsequence.h"
#include "testnames.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class ResultSequenceTest : public ResultFixture
{
protected:
    ResultSequence &show(int runTime)
    {
        sequence = std::make_unique<ResultSequence>(state, session, recordRun(runTime), stats, flags, sounds, clock,
                                                    host, painter);
        sequence->activate();
        return *sequence;
    }

    FakeScreenPainter painter;
    std::unique_ptr<ResultSequence> sequence;
};

struct AnnouncementCase
{
    const char *name;
    int runTime;
    bool newBest;
    bool newLevelBest;
    QString record; // empty: none shown
    QStringList sounds;

    friend void PrintTo(const AnnouncementCase &c, std::ostream *os)
    {
        *os << c.name << ": run time " << c.runTime << ", new best " << testing::PrintToString(c.newBest)
            << ", new level best " << testing::PrintToString(c.newLevelBest) << " -> " << testprint::quoted(c.record)
            << ", sounds " << testprint::quoted(c.sounds);
    }
};

class Announcements : public ResultSequenceTest, public ::testing::WithParamInterface<AnnouncementCase> {};

// The lines are on the screen before any sound plays, and a record's line before its sound.
TEST_P(Announcements, ShowTheirLineBeforeTheirSound)
{
    const AnnouncementCase &c = GetParam();
    flags.newBest = c.newBest;
    flags.newLevelBest = c.newLevelBest;
    // What the screen showed when it was last painted before the first sound.
    const auto shown = [&] {
        const ResultView &v = sequence->view();
        return v.resultLine + u'|' + (v.recordShown ? v.recordLine : QString());
    };
    QString paintedBeforeSound = QStringLiteral("(nothing painted)");
    painter.duringPaint = [&] {
        if (player.played.isEmpty())
            paintedBeforeSound = shown();
    };
    show(c.runTime);

    EXPECT_EQ(player.played, c.sounds);
    EXPECT_EQ(sequence->view().recordShown, !c.record.isEmpty());
    EXPECT_EQ(sequence->view().recordLine, c.record);
    if (!c.sounds.isEmpty()) {
        EXPECT_EQ(paintedBeforeSound, sequence->view().resultLine + u'|' + c.record);
    }
    // Announced once: the record flags are spent.
    EXPECT_FALSE(flags.newBest);
    EXPECT_FALSE(flags.newLevelBest);
    EXPECT_EQ(host.waitClosed, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Announcements,
    ::testing::Values(
        AnnouncementCase{"time_out", RunOutcome::kTimedOutSeconds, false, false, QStringLiteral("時間切れ"), {}},
        AnnouncementCase{"both_records", 50, true, true, QStringLiteral("！！！最高新記録！！！"), {QStringLiteral("/snd/最高1.wav")}},
        AnnouncementCase{"own_record", 50, true, false, QStringLiteral("新記録おめでとう"), {QStringLiteral("/snd/own.wav")}},
        AnnouncementCase{"no_record_at_the_limit", 200, false, false, QString(), {QStringLiteral("/snd/fail.wav")}},
        AnnouncementCase{"no_record_past_the_limit", 201, false, false, QString(), {}}),
    testname::ByName());

struct WayOnCase
{
    const char *name;
    int level;
    int earlierRuns; // of 60 s each, today
    bool finalCleared;
    bool progressionShown;
    QString progressionLine;
    bool againOffered;

    friend void PrintTo(const WayOnCase &c, std::ostream *os)
    {
        *os << c.name << ": level " << c.level << ", " << c.earlierRuns << " earlier runs, final cleared "
            << testing::PrintToString(c.finalCleared) << " -> progression " << testing::PrintToString(c.progressionShown)
            << " " << testprint::quoted(c.progressionLine) << ", again " << testing::PrintToString(c.againOffered);
    }
};

class WayOn : public ResultSequenceTest, public ::testing::WithParamInterface<WayOnCase> {};

TEST_P(WayOn, FollowsTheProgressionRules)
{
    const WayOnCase &c = GetParam();
    session.runLevel = static_cast<std::int16_t>(c.level);
    session.finalCleared = c.finalCleared;
    for (int i = 0; i < c.earlierRuns; ++i)
        addRun(c.level, 60);
    show(60);
    EXPECT_FALSE(sequence->view().menuOffered);
    EXPECT_FALSE(sequence->view().againOffered);
    EXPECT_TRUE(sequence->buttonTimerRunning());
    EXPECT_EQ(sequence->buttonTimerRemainingMs(), 500);

    sequence->buttonTimerFired();
    const ResultView &v = sequence->view();
    EXPECT_FALSE(sequence->buttonTimerRunning());
    EXPECT_TRUE(v.menuOffered);
    EXPECT_TRUE(v.menuFocused);
    EXPECT_EQ(v.againOffered, c.againOffered);
    EXPECT_EQ(v.progressionShown, c.progressionShown);
    EXPECT_EQ(v.progressionLine, c.progressionLine);
    EXPECT_FALSE(v.goalShown);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WayOn,
    ::testing::Values(
        WayOnCase{"beginner", 4, 0, false, false, QStringLiteral("このレベルクリア"), true},
        WayOnCase{"cleared_but_not_enough_done", 4, 2, false, true, QStringLiteral("このレベルクリア"), true},
        WayOnCase{"cleared_and_enough_done", 4, 5, false, true, QStringLiteral("次のレベルへ進みましょう"), false},
        WayOnCase{"cleared_and_enough_after_the_final_level", 4, 5, true, true, QStringLiteral("このレベルクリア"), true},
        WayOnCase{"the_final_level_cleared_and_enough_done", 18, 5, false, false, QString(), true}),
    testname::ByName());

// A sound blocks. When the record's sound outlasts the half second before the way on is
// offered, the buttons come as soon as it ends, before the final level's pass sound.
TEST_F(ResultSequenceTest, TheButtonsComeAsSoonAsALongSoundEnds)
{
    session.runLevel = 18;
    for (int i = 0; i < 5; ++i)
        addRun(18, 60);
    flags.newBest = true;
    bool offeredDuringPassSound = false;
    player.whilePlaying = [&](const QString &wav) {
        if (wav.endsWith(QStringLiteral("合格.wav")))
            offeredDuringPassSound = sequence->view().menuOffered;
        clock.advance(2.0);
    };
    show(50);
    EXPECT_EQ(player.played, (QStringList{QStringLiteral("/snd/own.wav"), QStringLiteral("/snd/合格.wav")}));
    EXPECT_TRUE(offeredDuringPassSound);
    EXPECT_FALSE(sequence->buttonTimerRunning());
    EXPECT_TRUE(sequence->view().againOffered);
    EXPECT_FALSE(sequence->view().goalShown);
}

TEST_F(ResultSequenceTest, TheFirstWayOnTakenIsTheOne)
{
    show(60);
    // Nothing is offered yet: a close request is ignored.
    sequence->closeRequest();
    sequence->goToLevels();
    EXPECT_EQ(host.toLevels, 0);

    sequence->buttonTimerFired();
    sequence->closeRequest();
    EXPECT_EQ(host.toLevels, 1);
    EXPECT_FALSE(sequence->view().menuEnabled);
    sequence->goToLevels();
    sequence->runAgain();
    sequence->closeRequest();
    EXPECT_EQ(host.toLevels, 1);
    EXPECT_EQ(host.again, 0);
    EXPECT_EQ(host.waitShown, 0);
}

TEST_F(ResultSequenceTest, RunningAgainPutsTheWaitCoverUpFirst)
{
    show(60);
    sequence->buttonTimerFired();
    ASSERT_TRUE(sequence->view().againOffered);
    sequence->runAgain();
    sequence->runAgain();
    EXPECT_EQ(host.waitShown, 1);
    EXPECT_EQ(host.again, 1);
    EXPECT_FALSE(sequence->view().menuEnabled);
    sequence->goToLevels();
    EXPECT_EQ(host.toLevels, 0);
}

} // namespace
