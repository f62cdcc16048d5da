#pragma once

#include "drillview.h"
#include "question.h"
#include "runoutcome.h"

#include <QList>

#include <array>

struct Installation;
struct PupilSession;
class Clock;
class DrillHost;
class RandomSource;
class SoundEffects;

// What the drill needs to know about the pupil's earlier runs when a run starts.
struct RunHistory
{
    std::array<int, 36> attemptsToday{}; // this pupil's runs today, per level
    int levelBestTime = 0;               // best time of all pupils at this level; 0 = none
    int ownBestTime = 0;                 // this pupil's best time at this level; 0 = none
};

// One timed run of a test level, apart from any widget. The screen forwards intents (a slot or a
// year chosen, a timer fired) and renders view(); the logic plays sounds, moves the clock and
// hands the finished run to the host. Run time is measured on the monotonic clock, so a run across
// midnight or a change of the wall clock is timed correctly; a wrong year moves the start back.
class DrillRun
{
public:
    static constexpr int kCoverMs = 3500;     // clue cover
    static constexpr int kYearCoverMs = 3000; // timeline cover
    static constexpr int kClockMs = 1000;
    static constexpr int kMinutesMs = 10000;
    static constexpr int kPenaltySeconds = 10;
    static constexpr double kTimelineHeight = 7950.0; // twips: year 0 at the top, 2000 at the bottom
    static constexpr double kMarkerHeight = 120.0;

    DrillRun(const Installation &install, const PupilSession &session, const Clock &clock, RandomSource &random,
             SoundEffects &sounds, DrillHost &host);

    // Sets the screen up for session.runLevel with the level's questions and starts the clock.
    // Every flag of an earlier run is cleared here, so the object serves run after run.
    // A test level shows its first question. The caller has checked that there are questions.
    void activate(QList<Question> questions, const RunHistory &history);

    // Intents of the screen.
    void chooseSlot(int slot);  // 0-10; a click on either label of a slot
    void chooseYear(int index); // 1-6
    void pressDigit(int digit); // keyboard: 1-9 a slot, 1-6 a year in the year stage or a practice order
    void coverTimerFired();     // the clue cover goes
    void yearCoverTimerFired(); // the timeline cover goes
    void clockTick();           // every second
    void minutesTick();         // every ten seconds

    // Practice intents.
    void practiceTimerFired();           // the step timer that is running
    void chooseDisplayOrder(int order);  // 1-6
    void markMemorised();                // "この問題を覚えたら押しなさい"
    void setSpeed(int value);            // the speed bar, 1000 to 3000
    void endPractice();                  // "練習終わり"

    // What a request to close the drill window means at this moment: nothing once the run has
    // ended (its hand-over is under way), the end of a practice, or the question whether to give
    // a running test up.
    enum class CloseRequest { Ignore, EndPractice, AskAbandon };
    CloseRequest closeRequest() const;
    static QString abandonQuestion();
    // Gives a running test up: the clock and the covers stop, nothing is recorded and the host
    // takes the pupil back to level selection. Does nothing once the run has ended.
    void abandon();
    // The program is ending behind a message: the run stands still (clock, covers and practice
    // steps stop) and nothing may answer, end or record it any more. Nothing is handed over.
    void halt();

    const DrillView &view() const { return m_view; }

    // Timers the screen must run. A timer's start count changes each time it is switched on, so
    // the screen knows to restart it.
    bool clockRunning() const { return m_clockOn; }
    bool coverTimerRunning() const { return m_coverTimerOn; }
    bool yearCoverTimerRunning() const { return m_yearCoverTimerOn; }
    int coverTimerStarts() const { return m_coverTimerStarts; }
    int yearCoverTimerStarts() const { return m_yearCoverTimerStarts; }

    // The practice's three step timers run one after another: step 1, step 2
    // and step 3. nextPracticeStep() is the step the running timer leads to, 0 when none.
    enum class PracticeStep { None, Step1, Step2, Step3 };
    PracticeStep nextPracticeStep() const { return m_nextStep; }
    int practiceTimerStarts() const { return m_practiceTimerStarts; }
    int practiceIntervalMs() const { return 3500 - m_view.speed; }
    int practiceCursor() const { return m_cursor; }
    bool memorised(int question) const { return m_memorized.at(question); }

    // Run state, for the screen and for tests.
    int questionCount() const { return static_cast<int>(m_questions.size()); }
    int currentQuestion() const { return m_current; }
    int questionKind() const { return m_kind; }
    int answerSlot() const { return m_answerSlot; }
    int clearCounter(int question) const { return m_clearCounter.at(question); }
    const Question &question(int number) const { return m_questions.at(number - 1); }
    // Monotonic seconds at which the run counts as started; each wrong year moves it back.
    double runStartSeconds() const { return m_runStart; }
    int elapsedSeconds() const { return m_rawTime; }
    int barSeconds() const { return m_barSeconds; }
    bool timedOut() const { return m_timedOut; }
    bool ended() const { return m_recordingDone; }
    // The run as it ended (or would end now): level, time, and whether it hit its limit.
    RunOutcome outcome() const;

private:
    void initialSettings(const RunHistory &history);
    void start();
    void makeQuestion();
    void afterJudging();
    void endRun();
    void practice();
    void practiceStep1();
    void practiceStep2();
    void practiceStep3();
    void showPart(int section);
    void clearSections();
    void switchPracticeTimer(PracticeStep next);
    void showAnswer(ChoiceSlot &large);
    void updateMinutes();
    void updateBlocks(int rawTime);
    void hideCountdown(int firstBlock, int reference, int rawTime);
    int rawTimeNow() const;
    QString progressText(int counter) const;

    enum class AnswerVerdict { None, Right, Wrong };

    const Installation &m_install;
    const PupilSession &m_session;
    const Clock &m_clock;
    RandomSource &m_random;
    SoundEffects &m_sounds;
    DrillHost &m_host;

    QList<Question> m_questions;
    QList<int> m_clearCounter; // index 0 unused
    int m_current = 0;
    int m_kind = 1;
    int m_answerSlot = 0;
    int m_levelBestTime = 0;
    int m_ownBestTime = 0;
    bool m_practice = false;
    int m_cursor = 0;
    QList<bool> m_memorized; // index 0 unused; sized to the group
    PracticeStep m_nextStep = PracticeStep::None;
    int m_practiceTimerStarts = 0;

    bool m_clockOn = false;
    bool m_coverTimerOn = false;
    bool m_yearCoverTimerOn = false;
    int m_coverTimerStarts = 0;
    int m_yearCoverTimerStarts = 0;

    double m_runStart = 0.0; // monotonic seconds
    int m_rawTime = 0;       // whole seconds at the last clock tick
    int m_barSeconds = 0;    // the time bar's full length: five limit times
    double m_barScale = 0.0; // bar width per second
    bool m_timedOut = false;
    bool m_recordingDone = false; // the run has ended; nothing may answer or end it again
    AnswerVerdict m_verdict = AnswerVerdict::None;

    DrillView m_view;
};
