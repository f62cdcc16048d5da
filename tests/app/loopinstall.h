#pragma once

// The whole program on a small installation, for the tests of the screens' hand-overs.
#include "chime.h"
#include "drillrun.h"
#include "drillscreen.h"
#include "levelscreen.h"
#include "resultscreen.h"
#include "screenflow.h"
#include "questionfile.h"
#include "tempinstall.h"

#include <QList>

#include <gtest/gtest.h>

namespace loopinstall {

// A folder-mode-1 installation with a roster, six questions in group 1 and short sounds.
inline void layOut(TempInstall &install)
{
    install.writeValidMode1();
    install.writeText(QStringLiteral("files/生徒用名簿.txt"),
                      QStringLiteral("1,2014,0,0,\"山田太郎            \",0,\"                    \",\"                    \"\r\n"
                                     "2,2013,0,0,\"佐藤花子            \",0,\"                    \",\"                    \"\r\n"));
    QString plain;
    for (int i = 1; i <= 6; ++i)
        plain += QStringLiteral("%1,1,%2,人物%1,よみ%1,説明%1,補足%1／ｅｎｄ／\n").arg(i).arg(600 + 50 * i);
    const questionfile::Scrambled stored = questionfile::scramble(plain);
    ASSERT_TRUE(stored.problems.isEmpty());
    install.writeBytes(QStringLiteral("drill2/Morvidかな0vv.ccc"), stored.stored);
    const QByteArray blip = chime::wavFile(QList<qint16>(220, 0), 22050);
    for (const char *name : {"ok1", "ok2", "ok3", "year", "wrong", "own", "fail", "最高1", "合格"})
        install.writeBytes(QStringLiteral("files/") + QString::fromUtf8(name) + QStringLiteral(".wav"), blip);
}

inline int correctYearIndex(DrillScreen &drill)
{
    const int year = drill.run().question(drill.run().currentQuestion()).year;
    for (int k = 1; k <= 6; ++k) {
        if (drill.run().view().yearTexts[static_cast<std::size_t>(k)].trimmed().toInt() == year)
            return k;
    }
    return 0;
}

// Answers every question of the drill's test run right, at full speed through its intents,
// until the result screen comes (or 50 rounds passed). Returns the result screen, or null.
inline ResultScreen *answerToTheEnd(ScreenFlow &flow, DrillScreen *drill)
{
    for (int guard = 0; drill && flow.resultScreen() == nullptr && guard < 50; ++guard) {
        drill->run().coverTimerFired();
        drill->run().chooseSlot(drill->run().answerSlot());
        drill->run().yearCoverTimerFired();
        drill->run().chooseYear(correctYearIndex(*drill));
        if (drill->handOverPending())
            drill->handOverNow();
    }
    return flow.resultScreen();
}

// Plays a test run at `level` from the level screen to its result screen, every answer right.
inline ResultScreen *playTestRun(ScreenFlow &flow, int level = 2)
{
    flow.levelScreen()->startLevel(level);
    return answerToTheEnd(flow, flow.drillScreen());
}

} // namespace loopinstall
