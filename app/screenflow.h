#pragma once

#include "clock.h"
#include "drillhost.h"
#include "frmsyuuryou.h"
#include "mainfrm.h"
#include "randomsource.h"
#include "recordcallbacks.h"
#include "recordrun.h"
#include "runstats.h"
#include "sdlwavplayer.h"
#include "soundeffects.h"

#include <QPointer>

#include <functional>
#include <memory>

struct AppState;
class BaseFrm;
class MessagePresenter;
class NameSel;

// Which screen is in front and how one hands over to the next: start screen, drill, result
// screen, and the wait cover between them. Owns the program's clock, random source, sound
// output and run-log figures, and the screens while they are shown.
class ScreenFlow : public DrillHost, public ResultHost
{
public:
    // endProgram never returns in the program; it is called after a fatal message was shown.
    ScreenFlow(AppState &state, MessagePresenter &messages, NameSel &startScreen,
               std::function<void()> endProgram);
    ~ScreenFlow() override;

    // Starts a run at state.runLevel for the current pupil: loads the level's questions and
    // shows the drill screen. A question file that cannot be used is reported and the pupil
    // stays where they were; nothing is written.
    void StartRun();

    // Rebuilds the figures from the run log; false (after the message) when that failed.
    bool refreshStats();

    RunStats &stats() { return m_stats; }
    MainFrm *drillScreen() const { return m_drill.data(); }
    FrmSyuuryou *resultScreen() const { return m_result.data(); }
    BaseFrm *waitScreen() const { return m_wait.get(); }

    // DrillHost: the drill's own rendering is done by MainFrm; these are the hand-overs.
    void letEventsRun() override;
    void waitHandlingEvents(int milliseconds) override;
    void recordRun() override;
    void showWaitScreen() override;
    void finishTestRun() override;
    void finishPractice() override;

    // ResultHost
    bool computeStats() override;
    void closeWaitScreen() override;
    void goToLevels() override;
    void runAgain() override;

    // Shown when the level screen is asked for.
    void showLevelScreen();

private:
    void fatal(const QString &title, const QString &text);

    AppState &m_state;
    MessagePresenter &m_messages;
    NameSel &m_startScreen;
    std::function<void()> m_endProgram;

    SystemClock m_clock;
    SeededRandom m_random;
    SdlWavPlayer m_player;
    SoundEffects m_sounds;
    RecordCallbacks m_callbacks;
    RunStats m_stats;
    RunFlags m_flags;

    std::unique_ptr<BaseFrm> m_wait;
    QPointer<MainFrm> m_drill;
    QPointer<FrmSyuuryou> m_result;
};
