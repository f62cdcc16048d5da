#pragma once

#include "runoutcome.h"
#include "runrecording.h"

#include <QTimer>
#include <QWidget>

struct Installation;
struct PupilSession;
class QLabel;
class QPushButton;
class RunStats;
class SoundEffects;
class TwipLayout;

// What the result screen asks of the program around it.
class ResultHost
{
public:
    virtual ~ResultHost() = default;
    virtual void letEventsRun() = 0;
    // Rebuilds the figures so that they include the run just recorded; false when that failed.
    virtual bool computeStats() = 0;
    virtual void showWaitScreen() = 0;
    virtual void closeWaitScreen() = 0;
    // "メニューへ": back to level selection.
    virtual void goToLevels() = 0;
    // "もう一度": another run at the same level.
    virtual void runAgain() = 0;
};

// The result screen after a recorded test run: the time, the points, today's counts, a record or
// time-out message with its sound, whether the level is cleared, and the way on.
class ResultScreen : public QWidget
{
public:
    ResultScreen(const Installation &install, const PupilSession &session, RunOutcome outcome, const RunStats &stats,
                 RunFlags &flags, SoundEffects &sounds, ResultHost &host, QWidget *parent = nullptr);

    // Fills the screen for the run just recorded, plays its sound and starts the button timer.
    void activate();
    // The button timer's tick: shows the buttons as the progression rules allow.
    void showButtons();

    QLabel *titleLine() const { return m_titleLine; }
    QLabel *levelLine() const { return m_levelLine; }
    QLabel *nameLine() const { return m_nameLine; }
    QLabel *resultLine() const { return m_resultLine; }
    QLabel *pointsLine() const { return m_pointsLine; }
    QLabel *recordLine() const { return m_recordLine; }
    QLabel *progressionLine() const { return m_progressionLine; }
    QLabel *levelAttemptLine() const { return m_levelAttemptLine; }
    QLabel *todayAttemptLine() const { return m_todayAttemptLine; }
    QWidget *goalPanel() const { return m_goalPanel; }
    QPushButton *menuButton() const { return m_menuButton; }
    QPushButton *againButton() const { return m_againButton; }
    bool buttonTimerRunning() const { return m_buttonTimer.isActive(); }

protected:
    // A close request does what "メニューへ" does, once that button is offered; before, it is
    // ignored.
    void closeEvent(QCloseEvent *event) override;

private:
    void backToLevels();
    void runAgain();

    const Installation &m_install;
    const PupilSession &m_session;
    RunOutcome m_outcome;
    const RunStats &m_stats;
    RunFlags &m_flags;
    SoundEffects &m_sounds;
    ResultHost &m_host;
    TwipLayout *m_layout = nullptr;
    QTimer m_buttonTimer;
    bool m_cleared = false;

    QLabel *m_progressionLine = nullptr;
    QLabel *m_levelAttemptLine = nullptr;
    QLabel *m_todayAttemptLine = nullptr;
    QLabel *m_titleLine = nullptr;
    QLabel *m_levelLine = nullptr;
    QLabel *m_nameLine = nullptr;
    QLabel *m_resultLine = nullptr;
    QLabel *m_pointsLine = nullptr;
    QLabel *m_recordLine = nullptr;
    QWidget *m_goalPanel = nullptr;
    QPushButton *m_menuButton = nullptr;
    QPushButton *m_againButton = nullptr;
};
