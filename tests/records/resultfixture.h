#pragma once

#include "catalogue.h"
#include "clock.h"
#include "corefakes.h"
#include "fakeresulthost.h"
#include "installation.h"
#include "oadate.h"
#include "pupilsession.h"
#include "runlogrecord.h"
#include "runoutcome.h"
#include "runrecording.h"
#include "runstats.h"
#include "soundeffects.h"
#include "soundtable.h"
#include "tempinstall.h"
#include "testinstallation.h"

#include <gtest/gtest.h>

// What the result screen of pupil 3 sees after a run at level 4 (pass 100 s, limit 200 s, weight
// 1.5): the figures come from the runs added to the host's log, the sounds of records and
// failures are the table's.
class ResultFixture : public ::testing::Test
{
protected:
    ResultFixture()
    {
        for (int level = 1; level <= 18; ++level) {
            LevelTiming &t = state.timingTable[static_cast<std::size_t>(level)];
            t.levelWeight = 1.5F;
            t.requiredPoints = 30;
            t.requiredCount = 3;
            t.window1Days = 7;
            t.window2Days = 30;
            t.window2Count = 5;
            t.window2Points = 0;
        }
        session.pupilNo = 3;
        session.pupilName = QStringLiteral("  佐藤一郎 ");
        session.runLevel = 4;
        host.state = &state;
        host.stats = &stats;
        host.now = QDateTime(QDate(2026, 12, 9), QTime(15, 0));
    }

    void addRun(int level, int time, int daysAgo = 0, int pupil = 3)
    {
        const double day = oadate::fromDate(host.now.date().addDays(-daysAgo));
        host.log += RunRecord::forRun(day, 0.5, static_cast<std::int16_t>(pupil), static_cast<std::int16_t>(level),
                                      time, QStringLiteral("01234"))
                        .encode();
    }

    // Records the run at the session's level as the end of a run does, and gives its outcome.
    RunOutcome recordRun(int runTime)
    {
        RunOutcome outcome;
        outcome.level = session.runLevel;
        outcome.seconds = runTime;
        outcome.timedOut = runTime == RunOutcome::kTimedOutSeconds;
        addRun(outcome.level, runTime);
        return outcome;
    }

    Installation state = catalogueInstallation(100, 200);
    PupilSession session;
    RunStats stats;
    RunFlags flags;
    SoundTable table = [] {
        TempInstall install;
        install.writeText(QStringLiteral("files/新音ファイル.txt"),
                          QStringLiteral("自己最高音2,own,*\r\n不合格音1,fail,*\r\n"));
        return SoundTable::read(install.filesFolder() + QStringLiteral("新音ファイル.txt"));
    }();
    FakeSoundPlayer player;
    ScriptedRandom random{{0.0}};
    SoundEffects sounds{table, QStringLiteral("/snd/"), player, random, [](const QString &, const QString &) {}};
    ManualClock clock{QDateTime(QDate(2026, 12, 9), QTime(15, 0))};
    FakeResultHost host;
};
