#pragma once

#include "drillhost.h"
#include "drillrun.h"
#include "heldkeys.h"

#include <QTimer>
#include <QWidget>

#include <array>
#include <optional>

class ClickLabel;
class MessagePresenter;
class QButtonGroup;
class QFrame;
class QLabel;
class QPushButton;
class QScrollBar;
class TimelineWidget;
class TwipLayout;

// The drill screen "Quenda": the status strip with the time bar and the countdown blocks, the
// test panel with its clue, nine choices and cover, and the year panel with the timeline. It
// forwards clicks, keys and timer ticks to a DrillRun and renders what the run shows. Recording
// and the hand-over to the next screen go to the host given to it.
class DrillScreen : public QWidget
{
public:
    // How long the end-of-run notice stays up before the result screen comes.
    static constexpr int kNoticeMs = 1000;

    DrillScreen(const Installation &install, const PupilSession &session, const Clock &clock, RandomSource &random,
                SoundEffects &sounds, DrillHost &handOver, MessagePresenter &messages, QWidget *parent = nullptr);
    ~DrillScreen() override;

    // Activates the screen for the session's level with the level's questions.
    void startRun(QList<Question> questions, const RunHistory &history);

    DrillRun &run() { return m_run; }

    // After a test run: whether the end notice is up and the result screen still to come, and
    // the hand-over at once (what the notice's timer does when it fires).
    bool handOverPending() const { return m_handOverTimer.isActive(); }
    void handOverNow();

    // The program is ending behind a message: the run and every timer of the screen stop, so
    // that nothing is answered, timed out, recorded or handed over under the message.
    void haltRun();

    // Controls, for tests: the large and small labels of the prompt, of the choices (0-8) and of
    // the answer in the year panel; the year labels (0-5).
    ClickLabel *promptLabel() const { return m_prompt.large; }
    ClickLabel *choiceLabel(int choice) const { return m_choices.at(choice).large; }
    ClickLabel *choiceSubLabel(int choice) const { return m_choices.at(choice).small; }
    ClickLabel *answerInYearPanelLabel() const { return m_answerInYearPanel.large; }
    ClickLabel *yearLabel(int index) const { return m_yearLabels.at(index); }
    QLabel *clueLabel() const { return m_clueLabel; }
    QLabel *progressLabel() const { return m_progressLabel; }
    QLabel *timeLabel() const { return m_timeLabel; }
    QWidget *cover() const { return m_cover; }
    QWidget *yearPanel() const { return m_yearPanel; }
    QWidget *notice() const { return m_notice; }
    QWidget *practicePanel() const { return m_practicePanel; }
    QLabel *practiceMain(int section) const { return m_practiceMain[section]; }
    QLabel *practiceHeading(int section) const { return m_practiceHeading[section]; }
    QPushButton *memorisedButton() const { return m_memorisedButton; }
    QPushButton *endPracticeButton() const { return m_endPracticeButton; }
    QScrollBar *speedBar() const { return m_speedBar; }
    QButtonGroup *orderButtons() const { return m_orderButtons; }

    // Renders the run's view and brings the timers in line with it.
    void render();

    // Hidden, the window gives back its native window and back buffer (releaseHiddenScreen).
    void setVisible(bool visible) override;

protected:
    // A key answers on its press, once however long it is held (HeldKeys).
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    // Holds end when the window loses the keyboard: their releases go to another window.
    void changeEvent(QEvent *event) override;
    // Space and Return on the memorised button go through keyPressEvent and answer on the press:
    // a button clicks on each release, and X11 sends a held key as releases and presses.
    bool eventFilter(QObject *watched, QEvent *event) override;
    // A close request (the window's close button, Alt+F4) never closes the window itself: a test
    // run asks whether to give the run up, a practice ends as with "練習終わり", and after the
    // end of a run the request is ignored.
    void closeEvent(QCloseEvent *event) override;

private:
    class Host;

    // The two labels of one answer, and the style they were last given.
    struct SlotLabels
    {
        ClickLabel *large = nullptr;
        ClickLabel *small = nullptr;
        std::optional<ChoiceStyle> style;
    };
    using CountdownBlocks = std::array<QFrame *, CountdownRow::kBlocks>;

    void buildStatusStrip();
    void buildTestPanel();
    void buildYearPanel();
    void buildNotice();
    void buildPracticePanel();
    void renderPractice();
    void renderSlot(SlotLabels &labels, const ChoiceSlot &slot);
    static void renderCountdown(const CountdownBlocks &blocks, const CountdownRow &row);
    void syncTimers();
    void stopRunTimers();
    void afterEvent();

    DrillHost &m_handOver;
    MessagePresenter &m_messages;
    std::unique_ptr<Host> m_host;
    DrillRun m_run;
    HeldKeys m_heldKeys;
    TwipLayout *m_layout = nullptr;

    QTimer m_clockTimer;
    QTimer m_minutesTimer;
    QTimer m_coverTimer;
    QTimer m_yearCoverTimer;
    int m_coverStartsSeen = 0;
    int m_yearCoverStartsSeen = 0;
    QTimer m_practiceTimer;
    QTimer m_handOverTimer;
    int m_practiceStartsSeen = 0;

    // Status strip
    QWidget *m_statusStrip = nullptr;
    QLabel *m_titleLabel = nullptr;
    QLabel *m_pupilNameLabel = nullptr;
    QLabel *m_levelNameLabel = nullptr;
    QLabel *m_siteLabel = nullptr;
    QLabel *m_minutesLabel = nullptr;
    QLabel *m_todayRunLabel = nullptr;
    QLabel *m_levelRunLabel = nullptr;
    QLabel *m_remainingLabel = nullptr;
    QLabel *m_timeLabel = nullptr;
    QFrame *m_elapsedBar = nullptr;
    QFrame *m_passBar = nullptr;
    QFrame *m_limitBar = nullptr;
    QFrame *m_barTrack = nullptr;
    CountdownBlocks m_bestBlocks{};
    CountdownBlocks m_yourBestBlocks{};
    CountdownBlocks m_passBlocks{};
    double m_titlePoints = 0.0;

    // Test panel
    QWidget *m_testPanel = nullptr;
    QLabel *m_clueLabel = nullptr;
    QLabel *m_clueSubLabel = nullptr;
    QLabel *m_progressLabel = nullptr;
    QLabel *m_yearTag = nullptr;
    SlotLabels m_prompt;
    std::array<SlotLabels, DrillView::kChoices> m_choices{};
    SlotLabels m_answerInYearPanel;
    double m_cluePoints = 0.0;
    QWidget *m_cover = nullptr;

    // Year panel
    QWidget *m_yearPanel = nullptr;
    QLabel *m_penaltyNote = nullptr;
    TimelineWidget *m_timeline = nullptr;
    std::array<ClickLabel *, DrillView::kYears> m_yearLabels{};
    QWidget *m_yearCover = nullptr;

    // Practice panel
    QWidget *m_practicePanel = nullptr;
    QWidget *m_practiceTimelinePanel = nullptr;
    QFrame *m_practiceMarker = nullptr;
    QButtonGroup *m_orderButtons = nullptr;
    std::array<QLabel *, 3> m_practiceHeading{};
    std::array<QLabel *, 3> m_practiceSecond{};
    std::array<QLabel *, 3> m_practiceMain{};
    QPushButton *m_memorisedButton = nullptr;
    QPushButton *m_endPracticeButton = nullptr;
    QScrollBar *m_speedBar = nullptr;

    // End-of-run notice
    QWidget *m_notice = nullptr;
    QLabel *m_recordingNotice = nullptr;
    QLabel *m_timeOutNotice = nullptr;
};
