#pragma once

#include "drillhost.h"
#include "drillrun.h"

#include <QTimer>
#include <QWidget>

#include <array>

class ClickLabel;
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
    DrillScreen(AppState &state, const Clock &clock, RandomSource &random, SoundEffects &sounds,
            DrillHost &handOver, QWidget *parent = nullptr);
    ~DrillScreen() override;

    // Activates the screen for state.runLevel with the level's questions.
    void startRun(QList<Question> questions, const RunHistory &history);

    DrillRun &run() { return m_run; }

    // Controls, for tests: slot 0-10 large and small labels, year labels 1-6.
    ClickLabel *choiceLabel(int slot) const { return m_label2[static_cast<std::size_t>(slot)]; }
    ClickLabel *choiceSubLabel(int slot) const { return m_label3[static_cast<std::size_t>(slot)]; }
    ClickLabel *yearLabel(int index) const { return m_label14[static_cast<std::size_t>(index)]; }
    QLabel *clueLabel() const { return m_label1; }
    QLabel *progressLabel() const { return m_label5; }
    QLabel *timeLabel() const { return m_sLabel10; }
    QWidget *cover() const { return m_picture1; }
    QWidget *yearPanel() const { return m_picture14; }
    QWidget *notice() const { return m_sPicture2; }
    QWidget *practicePanel() const { return m_picture3; }
    QLabel *practiceMain(int section) const { return m_practiceMain[static_cast<std::size_t>(section)]; }
    QLabel *practiceHeading(int section) const { return m_practiceHeading[static_cast<std::size_t>(section)]; }
    QPushButton *memorisedButton() const { return m_command5; }
    QPushButton *endPracticeButton() const { return m_command6; }
    QScrollBar *speedBar() const { return m_hScroll1; }
    QButtonGroup *orderButtons() const { return m_option1; }

    // Renders the run's view and brings the timers in line with it.
    void render();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    class Host;

    void buildStatusStrip();
    void buildTestPanel();
    void buildYearPanel();
    void buildNotice();
    void buildPracticePanel();
    void renderPractice();
    void renderSlot(int slot);
    void syncTimers();
    void afterEvent();

    AppState &m_state;
    std::unique_ptr<Host> m_host;
    DrillRun m_run;
    TwipLayout *m_layout = nullptr;

    QTimer m_sTimer1;
    QTimer m_sTimer2;
    QTimer m_timer1;
    QTimer m_timer6;
    int m_coverStartsSeen = 0;
    int m_yearCoverStartsSeen = 0;
    QTimer m_practiceTimer;
    int m_practiceStartsSeen = 0;

    // Status strip
    QWidget *m_sPicture1 = nullptr;
    QLabel *m_sLabel2 = nullptr;
    QLabel *m_sLabel7 = nullptr;
    QLabel *m_sLabel8 = nullptr;
    QLabel *m_sLabel14 = nullptr;
    QLabel *m_sLabel13 = nullptr;
    QLabel *m_sLabel12 = nullptr;
    QLabel *m_sLabel11 = nullptr;
    QLabel *m_sLabel9 = nullptr;
    QLabel *m_sLabel10 = nullptr;
    QFrame *m_sShape2 = nullptr;
    QFrame *m_sShape3 = nullptr;
    QFrame *m_sShape4 = nullptr;
    QFrame *m_sShape5 = nullptr;
    std::array<QFrame *, DrillView::kBlocks> m_sPicture3{};
    double m_titlePoints = 0.0;

    // Test panel
    QWidget *m_picture2 = nullptr;
    QLabel *m_label1 = nullptr;
    QLabel *m_label4 = nullptr;
    QLabel *m_label5 = nullptr;
    QLabel *m_label12 = nullptr;
    std::array<ClickLabel *, 11> m_label2{};
    std::array<ClickLabel *, 11> m_label3{};
    std::array<int, 11> m_slotStyle{}; // 0 unset, 1 names, 2 explanations
    double m_cluePoints = 0.0;
    QWidget *m_picture1 = nullptr;

    // Year panel
    QWidget *m_picture14 = nullptr;
    QLabel *m_label15 = nullptr;
    TimelineWidget *m_picture17 = nullptr;
    std::array<ClickLabel *, 7> m_label14{};
    QWidget *m_picture9 = nullptr;

    // Practice panel
    QWidget *m_picture3 = nullptr;
    QWidget *m_picture5 = nullptr;
    QFrame *m_picture7 = nullptr;
    QButtonGroup *m_option1 = nullptr;
    std::array<QLabel *, 3> m_practiceHeading{}; // Label18, Label19, Label20
    std::array<QLabel *, 3> m_practiceSecond{};  // Label17, Label8, Label10
    std::array<QLabel *, 3> m_practiceMain{};    // Label13, Label7, Label9
    QPushButton *m_command5 = nullptr;
    QPushButton *m_command6 = nullptr;
    QScrollBar *m_hScroll1 = nullptr;

    // End-of-run notice
    QWidget *m_sPicture2 = nullptr;
    QLabel *m_lblsss1 = nullptr;
    QLabel *m_lblsss2 = nullptr;
};
