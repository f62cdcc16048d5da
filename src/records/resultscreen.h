#pragma once

#include "runrecording.h"

#include <QTimer>
#include <QWidget>

struct AppState;
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
    ResultScreen(AppState &state, const RunStats &stats, RunFlags &flags, bool finalCleared,
                SoundEffects &sounds, ResultHost &host, QWidget *parent = nullptr);

    // Fills the screen for the run just recorded, plays its sound and starts the button timer.
    void activate();
    // The button timer's tick: shows the buttons as the progression rules allow.
    void showButtons();

    QLabel *label(int number) const;
    QWidget *goalPanel() const { return m_picture1; }
    QPushButton *menuButton() const { return m_command4; }
    QPushButton *againButton() const { return m_command5; }
    bool buttonTimerRunning() const { return m_timer1.isActive(); }

private:
    void Command4_Click();
    void Command5_Click();

    AppState &m_state;
    const RunStats &m_stats;
    RunFlags &m_flags;
    bool m_finalCleared = false;
    SoundEffects &m_sounds;
    ResultHost &m_host;
    TwipLayout *m_layout = nullptr;
    QTimer m_timer1;
    bool m_cleared = false;

    QLabel *m_label2 = nullptr;
    QLabel *m_label13 = nullptr;
    QLabel *m_label14 = nullptr;
    QLabel *m_label15 = nullptr;
    QLabel *m_label16 = nullptr;
    QLabel *m_label17 = nullptr;
    QLabel *m_label18 = nullptr;
    QLabel *m_label19 = nullptr;
    QLabel *m_label20 = nullptr;
    QWidget *m_picture1 = nullptr;
    QPushButton *m_command4 = nullptr;
    QPushButton *m_command5 = nullptr;
};
