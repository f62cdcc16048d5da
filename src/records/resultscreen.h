#pragma once

#include "resulthost.h"
#include "resultsequence.h"
#include "screenpainter.h"

#include <QTimer>
#include <QWidget>

struct Installation;
struct PupilSession;
struct RunFlags;
class Clock;
class QLabel;
class QPushButton;
class RunStats;
class SoundEffects;
class TwipLayout;

// The result screen after a recorded test run: the time, the points, today's counts, a record or
// time-out message with its sound, whether the level is cleared, and the way on. A thin widget
// over a ResultSequence: it forwards clicks and the button timer and renders the view.
class ResultScreen : public QWidget, private ScreenPainter
{
public:
    ResultScreen(const Installation &install, const PupilSession &session, RunOutcome outcome, const RunStats &stats,
                 RunFlags &flags, SoundEffects &sounds, const Clock &clock, ResultHost &host, QWidget *parent = nullptr);

    // Fills the screen for the run just recorded, plays its sound and starts the button timer.
    void activate();
    // The button timer's tick: shows the buttons as the progression rules allow.
    void showButtons();

    const ResultSequence &sequence() const { return m_sequence; }

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

    // Hidden, the window gives back its native window and back buffer (releaseHiddenScreen).
    void setVisible(bool visible) override;

protected:
    // A close request does what "メニューへ" does, once that button is offered; before, it is
    // ignored.
    void closeEvent(QCloseEvent *event) override;

private:
    void paintNow() override;
    // Renders the view and runs the button timer as the sequence asks.
    void render();

    ResultSequence m_sequence;
    TwipLayout *m_layout = nullptr;
    QTimer m_buttonTimer;

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
