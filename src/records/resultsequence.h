#pragma once

#include "runoutcome.h"

#include <QString>

struct Installation;
struct PupilSession;
struct RunFlags;
class Clock;
class ResultHost;
class RunStats;
class ScreenPainter;
class SoundEffects;

// Everything the result screen shows.
struct ResultView
{
    QString title;            // the product title
    QString levelName;
    QString pupilName;        // without the blanks that pad it
    QString resultLine;       // "今の成績：52秒" or "記録なし"
    QString pointsLine;       // "獲得ポイント：…"
    QString levelAttemptLine; // " (このレベル　2回目)"
    QString todayAttemptLine; // "（3回目)"
    bool recordShown = false;
    QString recordLine;       // "時間切れ", "！！！最高新記録！！！" or "新記録おめでとう"
    bool progressionShown = false;
    QString progressionLine = QStringLiteral("このレベルクリア");
    bool goalShown = false;   // "目標レベルクリア。おめでとう！"
    bool menuOffered = false; // "メニューへ"
    bool menuEnabled = true;
    bool menuFocused = false; // the menu button holds the keyboard focus once it is offered
    bool againOffered = false; // "もう一度"

    bool operator==(const ResultView &) const = default;
};

// The result screen after a recorded test run, apart from any widget: it rebuilds the figures
// with the run, fills the lines, announces a record or a time-out with its sound, decides whether
// the level is cleared, and offers the way on half a second after it came up. The screen forwards
// intents and renders view(); it runs the button timer for as long as buttonTimerRemainingMs()
// says.
class ResultSequence
{
public:
    static constexpr double kButtonDelaySeconds = 0.5;

    // stats are rebuilt through the host; flags are those RecordRun gave for this run, and the
    // two record flags are cleared once announced. All references must outlive the object.
    ResultSequence(const Installation &install, const PupilSession &session, RunOutcome outcome,
                   const RunStats &stats, RunFlags &flags, SoundEffects &sounds, const Clock &clock,
                   ResultHost &host, ScreenPainter &painter);

    // Fills the screen for the run just recorded, plays its sounds and starts the button timer.
    // The lines are painted before any sound plays, a record's line before its sound.
    void activate();
    // The button timer: offers the way on as the progression rules allow. Once only.
    void buttonTimerFired();
    // "メニューへ" and "もう一度": the first way taken is the one; later clicks do nothing.
    void goToLevels();
    void runAgain();
    // A request to close the screen does what "メニューへ" does, once that button is offered.
    void closeRequest();

    const ResultView &view() const { return m_view; }
    bool buttonTimerRunning() const { return m_buttonTimerOn; }
    // How long the button timer still has to run; 0 when it is due.
    int buttonTimerRemainingMs() const;

private:
    void offerButtons();
    // A sound blocks until it ends: when it outlasted the button delay, the way on is offered
    // as soon as it ends, before the next step.
    void offerButtonsIfDue();
    // The pupil takes a way on that is `offered`; false when it is not, or a way was taken.
    bool takeWayOn(bool offered);

    const Installation &m_install;
    const PupilSession &m_session;
    RunOutcome m_outcome;
    const RunStats &m_stats;
    RunFlags &m_flags;
    SoundEffects &m_sounds;
    const Clock &m_clock;
    ResultHost &m_host;
    ScreenPainter &m_painter;

    bool m_cleared = false;
    bool m_buttonTimerOn = false;
    double m_buttonsDue = 0.0; // monotonic seconds
    bool m_wayTaken = false;
    ResultView m_view;
};
