#pragma once

#include "drillview.h"
#include "question.h"
#include "runhistory.h"
#include "runoutcome.h"

#include <QList>

#include <vector>

struct Installation;
struct PupilSession;
class Clock;
class DrillHost;
class RandomSource;
class ScreenPainter;
class SoundEffects;

// One timed run of a test level, apart from any widget. The screen forwards intents (a choice or
// a year chosen, a timer fired) and renders view(); the logic plays sounds, moves the clock and
// hands the finished run to the host. Run time is measured on the monotonic clock, so a run across
// midnight or a change of the wall clock is timed correctly; a wrong year moves the start back.
// Every intent runs to its end before the next one is handled: nothing here lets screen events
// run, and the one screen update inside a procedure (the end notice before the run is recorded)
// goes through the painter, which handles no input.
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
             SoundEffects &sounds, DrillHost &host, ScreenPainter &painter);

    // Sets the screen up for session.runLevel with the level's questions and starts the clock.
    // Every flag of an earlier run is cleared here, so the object serves run after run.
    // A test level shows its first question. The caller has checked that there are questions.
    void activate(QList<Question> questions, const RunHistory &history);

    // Intents of the screen: a click on either label of the prompt, of a choice (0-8, as the
    // grid is read) or of the answer repeated in the year panel; a year (0-5, top to bottom).
    void choosePrompt();
    void chooseChoice(int choice);
    void chooseAnswerInYearPanel();
    void chooseYear(int index);
    void pressDigit(int digit); // keyboard 1-9: a choice, a year in the year stage (1-6), or a practice order
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
    // The question on show in the practice, -1 before the first.
    int practiceCursor() const { return m_cursor; }
    bool memorised(int question) const { return m_memorized.at(question); }

    // What a test question asks for: the clue explains and the pupil picks the figure's name, or
    // the clue names and the pupil picks what the figure did.
    enum class QuestionKind { PickName, PickExplanation };

    // Run state, for the screen and for tests. Questions are numbered from 0 in the order the
    // level's questions were handed to activate().
    int questionCount() const { return static_cast<int>(m_questions.size()); }
    int currentQuestion() const { return m_current; }
    QuestionKind questionKind() const { return m_kind; }
    int answerChoice() const { return m_answerChoice; }
    int clearCounter(int question) const { return m_clearCounter.at(question); }
    const Question &question(int index) const { return m_questions.at(index); }
    // Monotonic seconds at which the run counts as started; each wrong year moves it back.
    double runStartSeconds() const { return m_runStart; }
    int elapsedSeconds() const { return m_rawTime; }
    int barSeconds() const { return m_barSeconds; }
    bool timedOut() const { return m_timedOut; }
    bool ended() const { return m_ended; }
    // The run as it ended (or would end now): level, time, whether it hit its limit, and how each
    // question went (a test only; a practice hands over no answers).
    RunOutcome outcome() const;
    // How the question went so far: times asked, wrong choices, wrong years.
    const QuestionAnswers &answers(int question) const { return m_answers.at(static_cast<std::size_t>(question)); }

private:
    void initialSettings(const RunHistory &history);
    void start();
    void makeQuestion();
    // A click on one of the answer labels; `right` when it is the answer, `reachable` when the
    // pupil can see and reach it at this moment.
    void judge(ChoiceSlot &slot, bool right, bool reachable);
    void afterJudging(bool right);
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
    static void hideCountdown(CountdownRow &row, int reference, int rawTime);
    int rawTimeNow() const;
    QString progressText(int counter) const;
    QuestionAnswers &answersOf(int question) { return m_answers.at(static_cast<std::size_t>(question)); }

    const Installation &m_install;
    const PupilSession &m_session;
    const Clock &m_clock;
    RandomSource &m_random;
    SoundEffects &m_sounds;
    DrillHost &m_host;
    ScreenPainter &m_painter;

    QList<Question> m_questions;
    QList<int> m_clearCounter; // by question
    std::vector<QuestionAnswers> m_answers; // by question
    int m_current = 0;
    QuestionKind m_kind = QuestionKind::PickName;
    int m_answerChoice = 0;
    int m_levelBestTime = 0;
    int m_ownBestTime = 0;
    bool m_practice = false;
    int m_cursor = -1;
    QList<bool> m_memorized; // by question
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
    bool m_ended = false; // the run has ended or was given up: nothing answers or ends it again

    DrillView m_view;
};
