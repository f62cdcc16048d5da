#pragma once

#include "drillhost.h"
#include "helpwindow.h"
#include "namechangescreen.h"
#include "resultscreen.h"
#include "levelhost.h"
#include "pendingruns.h"
#include "drillscreen.h"
#include "pupildirectory.h"
#include "pupilsession.h"
#include "recordcallbacks.h"
#include "runrecording.h"
#include "roster.h"
#include "runoutcome.h"
#include "runstats.h"
#include "levelscreen.h"
#include "services.h"
#include "soundeffects.h"
#include "starthost.h"
#include "systemprintplatform.h"

#include <QPointer>

#include <functional>
#include <memory>

struct Installation;
class WaitCover;
class MessagePresenter;
class StartScreen;
class PrintSettingsScreen;

// Which screen is in front and how one hands over to the next: the start screen, the name
// change, the level screen, the drill, the result screen, the worksheet screens, and the wait
// cover between them. It implements the hosts the screens' logic asks, and is the only writer of
// the pupil's session, from what those intents hand it. Owns the session, the roster and run-log
// figures, and the screens; the installation and the services (clock, random source, sound
// output) are lent to it by the program.
//
// Screens: the flow makes each screen it opens and holds it in a std::unique_ptr; a screen that is
// done is retired, hidden at once and deleted once control is back in the event loop (the call
// that ends it may still be running inside it). No screen deletes itself, except the two windows
// that close themselves over the start screen (the print settings and help), which are its Qt
// children, delete themselves on close and are only watched here (QPointer).
class ScreenFlow : public StartHost, public LevelHost, public DrillHost, public ResultHost
{
public:
    // endProgram never returns in the program; it is called after a fatal message was shown.
    ScreenFlow(const Installation &install, Services services, MessagePresenter &messages,
               std::function<void()> endProgram);
    ~ScreenFlow() override;

    // Shows the start screen and runs its activation.
    void showStartScreen();

    // Starts a run at the session's level for the current pupil: loads the level's questions and
    // shows the drill screen. A question file that cannot be used is reported and the pupil
    // returns to level selection; nothing is written.
    void startRun();

    // Rebuilds the figures from the run log; false (after the message) when that failed.
    bool refreshStats();

    // Appends the runs this account kept for the installation when their logs could not take
    // them; those that the logs still cannot take stay kept, silently.
    void appendPendingRuns();
    const PendingRuns &pendingRuns() const { return m_pending; }

    RunStats &stats() { return m_stats; }
    Roster &roster() { return m_roster; }
    const PupilSession &session() const { return m_session; }
    StartScreen *startScreen() const { return m_startScreen.get(); }
    LevelScreen *levelScreen() const { return m_levelsOpen ? m_levels.get() : nullptr; }
    NameChangeScreen *nameChangeScreen() const { return m_nameChange.get(); }
    DrillScreen *drillScreen() const { return m_drill.get(); }
    ResultScreen *resultScreen() const { return m_result.get(); }
    WaitCover *waitScreen();
    PrintSettingsScreen *printSettingsScreen() const;
    HelpWindow *helpWindow() const { return m_help.data(); }

    // Shared by the hosts.
    bool computeStats() override;

    // StartHost
    bool showRoster(FigureMode mode) override;
    void wrongAnswerSound() override;
    bool confirmPupil(const NameChoice &choice) override;
    void pupilConfirmed() override;
    void leaveProgram() override;
    void showNameChange() override;
    void showPrintSelection(const NameChoice &choice) override;
    void showHelp() override;
    void showVersion(bool overStartScreen) override;
    void nameChangeDone() override;

    // LevelHost
    bool readNewestRuns(std::int64_t count, std::vector<RunRow> &runs) override;
    bool readEveryRun(const std::function<void(const RunRow &)> &visit) override;
    std::optional<std::vector<WeakListEntry>> pupilWeakFigures(int pupil, int top) override;
    const PupilDirectory &pupils() override;
    void keep(const LevelVisit &visit) override;
    void startLevel(int level, bool closeLevels) override;
    void backToStart() override;

    // DrillHost
    void recordRun(const RunOutcome &outcome) override;
    void showWaitScreen() override;
    void finishTestRun() override;
    void finishPractice() override;
    void abandonRun() override;

    // ResultHost
    void closeWaitScreen() override;
    void goToLevels() override;
    void runAgain() override;

    // Shows the level screen (built anew when it is not open) and runs its activation.
    void showLevelScreen();

private:
    void fatal(const QString &title, const QString &text);
    void closeWaitCover();
    // Hides every window of the program without a close request, as the program ends.
    static void hideAllWindows();
    void closeLevelScreen();

    const Installation &m_install;
    Services m_services;
    MessagePresenter &m_messages;
    std::function<void()> m_endProgram;

    PupilSession m_session;
    RunOutcome m_outcome;
    SoundEffects m_sounds;
    RecordCallbacks m_callbacks;
    RunStats m_stats;
    RunFlags m_flags;
    PendingRuns m_pending;
    Roster m_roster;
    PupilDirectory m_directory;

    SystemPrintPlatform m_printPlatform;
    std::unique_ptr<WaitCover> m_wait;
    std::unique_ptr<StartScreen> m_startScreen;
    std::unique_ptr<NameChangeScreen> m_nameChange;
    std::unique_ptr<LevelScreen> m_levels;
    bool m_levelsOpen = false; // m_levels is in use, not put away until the next visit
    std::unique_ptr<DrillScreen> m_drill;
    std::unique_ptr<ResultScreen> m_result;
    QPointer<PrintSettingsScreen> m_printSettings; // a child of the start screen
    bool m_printSettingsForTeacher = false;        // whether it was opened for a teacher's name
    QPointer<HelpWindow> m_help;                   // a child of the start screen
};
