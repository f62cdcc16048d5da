#include "drillscreen.h"

#include "screenshow.h"
#include "installation.h"
#include "clicklabel.h"
#include "fitlabel.h"
#include "fontfaces.h"
#include "messagepresenter.h"
#include "screenpainter.h"
#include "timelinewidget.h"
#include "twiplayout.h"
#include "windowpaint.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include <functional>

namespace {

constexpr int kStripHeight = 1695;
constexpr int kPanelHeight = 11520 - kStripHeight;
constexpr int kLabel1Bottom = 480 + 885;

// The era caption "明治大正昭和" on one line at 8.25 pt bold, reaching past the band of its era
// into the light part of the timeline picture.
constexpr int kLongEraCaptionWidth = 1080;

const QColor kFormBack(0, 192, 192);
const QColor kLightYellow(255, 255, 192);
const QColor kOrange(255, 128, 0);
const QColor kLightOrange(255, 224, 192);

QString boxStyle(const QColor &back, bool border, const QColor &text = Qt::black)
{
    return QStringLiteral("QLabel { background: %1; color: %2; %3 } QLabel:disabled { color: #a0a0a0; }")
        .arg(back.name(), text.name(), border ? QStringLiteral("border: 1px solid black;") : QString());
}

void fill(QWidget *w, const QColor &colour)
{
    w->setAutoFillBackground(true);
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, colour);
    w->setPalette(pal);
}

QFont pGothic(double points, bool bold = false)
{
    return fontfaces::make(fontfaces::pGothic(), points, bold);
}

} // namespace

// Paints the run's view when the run asks, and passes recording and hand-overs on.
class DrillScreen::Host : public DrillHost, public ScreenPainter
{
public:
    Host(DrillScreen &screen, DrillHost &handOver) : m_screen(screen), m_handOver(handOver) {}

    void paintNow() override
    {
        m_screen.render();
        paintWindowNow(&m_screen);
    }
    void recordRun(const RunOutcome &outcome) override { m_handOver.recordRun(outcome); }
    void showWaitScreen() override { m_handOver.showWaitScreen(); }
    // The end notice stays up for a moment before the result screen replaces it.
    void finishTestRun() override { m_screen.m_handOverTimer.start(); }
    void finishPractice() override { m_handOver.finishPractice(); }
    void abandonRun() override { m_handOver.abandonRun(); }

private:
    DrillScreen &m_screen;
    DrillHost &m_handOver;
};

DrillScreen::DrillScreen(const Installation &install, const PupilSession &session, const Clock &clock,
                         RandomSource &random, SoundEffects &sounds, DrillHost &handOver, MessagePresenter &messages,
                         QWidget *parent)
    : QWidget(parent)
    , m_handOver(handOver)
    , m_messages(messages)
    , m_host(std::make_unique<Host>(*this, handOver))
    , m_run(install, session, clock, random, sounds, *m_host, *m_host)
{
    setWindowTitle(QStringLiteral("Quenda"));
    setFocusPolicy(Qt::StrongFocus);
    m_layout = new TwipLayout(this);
    m_layout->setBackground(kFormBack);

    buildStatusStrip();
    buildTestPanel();
    buildYearPanel();
    buildPracticePanel();
    buildNotice();

    m_clockTimer.setInterval(DrillRun::kClockMs);
    m_minutesTimer.setInterval(DrillRun::kMinutesMs);
    m_coverTimer.setInterval(DrillRun::kCoverMs);
    m_yearCoverTimer.setInterval(DrillRun::kYearCoverMs);
    connect(&m_clockTimer, &QTimer::timeout, this, [this] {
        m_run.clockTick();
        afterEvent();
    });
    connect(&m_minutesTimer, &QTimer::timeout, this, [this] {
        m_run.minutesTick();
        afterEvent();
    });
    connect(&m_coverTimer, &QTimer::timeout, this, [this] {
        m_run.coverTimerFired();
        afterEvent();
    });
    connect(&m_yearCoverTimer, &QTimer::timeout, this, [this] {
        m_run.yearCoverTimerFired();
        afterEvent();
    });
    connect(&m_practiceTimer, &QTimer::timeout, this, [this] {
        m_run.practiceTimerFired();
        afterEvent();
    });
    m_handOverTimer.setSingleShot(true);
    m_handOverTimer.setInterval(kNoticeMs);
    connect(&m_handOverTimer, &QTimer::timeout, this, &DrillScreen::handOverNow);
}

void DrillScreen::handOverNow()
{
    m_handOverTimer.stop();
    m_handOver.finishTestRun();
}

void DrillScreen::haltRun()
{
    m_run.halt();
    stopRunTimers();
    m_minutesTimer.stop();
    m_handOverTimer.stop();
}

DrillScreen::~DrillScreen() = default;

void DrillScreen::buildStatusStrip()
{
    QWidget *canvas = m_layout->canvas();
    m_statusStrip = new QWidget(canvas);
    fill(m_statusStrip, QColor(0, 128, 128));
    m_layout->place(m_statusStrip, QRect(0, 0, 15360, kStripHeight));

    const auto label = [&](const QRect &r, double points, const QString &text = QString(),
                           Qt::Alignment align = Qt::AlignCenter, bool bold = true) {
        auto *l = new FitLabel(text, m_statusStrip);
        l->setAlignment(align);
        l->setStyleSheet(QStringLiteral("color: white;"));
        m_layout->place(l, r, pGothic(points, bold));
        return l;
    };
    const auto valueBox = [&](const QRect &r, double points) {
        auto *l = new FitLabel(m_statusStrip);
        l->setAlignment(Qt::AlignCenter);
        l->setStyleSheet(boxStyle(Qt::white, true));
        m_layout->place(l, r, pGothic(points, true));
        return l;
    };

    // First line: who, what and where, then the minutes and the run counters.
    m_titleLabel = label(QRect(60, 60, 2100, 480), 16.8);
    m_titleLabel->setStyleSheet(QStringLiteral("color: rgb(255,255,128);"));
    m_pupilNameLabel = valueBox(QRect(2220, 60, 2700, 480), 14.25);
    m_levelNameLabel = valueBox(QRect(4980, 60, 2100, 480), 14.25);
    m_siteLabel = label(QRect(7140, 60, 2760, 480), 10.5, QString(), Qt::AlignCenter, false);
    label(QRect(9960, 120, 690, 360), 10.5, QStringLiteral("起動後"));
    m_minutesLabel = valueBox(QRect(10650, 120, 540, 360), 10.5);
    label(QRect(11190, 120, 300, 360), 10.5, QStringLiteral("分"));
    label(QRect(11520, 120, 510, 360), 10.5, QStringLiteral("本日"));
    m_todayRunLabel = valueBox(QRect(12030, 120, 480, 360), 10.5);
    label(QRect(12510, 120, 480, 360), 10.5, QStringLiteral("回目"));
    label(QRect(13050, 120, 1140, 360), 10.5, QStringLiteral("このレベル"));
    m_levelRunLabel = valueBox(QRect(14190, 120, 480, 360), 10.5);
    label(QRect(14670, 120, 480, 360), 10.5, QStringLiteral("回目"));

    // Second line: remaining questions, elapsed time and the three countdown rows.
    label(QRect(60, 630, 600, 390), 12, QStringLiteral("残り"));
    m_remainingLabel = valueBox(QRect(660, 630, 660, 390), 12);
    label(QRect(1320, 630, 360, 390), 12, QStringLiteral("問"));
    label(QRect(1800, 630, 900, 390), 12, QStringLiteral("タイム"));
    m_timeLabel = valueBox(QRect(2700, 630, 900, 390), 12);

    struct Row
    {
        QString caption;
        QColor colour;
        CountdownBlocks &blocks;
    };
    const std::array<Row, 3> rows{{{QStringLiteral("Best"), QColor(255, 96, 96), m_bestBlocks},
                                   {QStringLiteral("YourBest"), QColor(255, 160, 64), m_yourBestBlocks},
                                   {QStringLiteral("Pass"), QColor(255, 255, 0), m_passBlocks}}};
    int left = 3840;
    for (const Row &row : rows) {
        label(QRect(left, 630, 1080, 390), 9.75, row.caption, Qt::AlignRight | Qt::AlignVCenter);
        left += 1140;
        for (int i = 0; i < CountdownRow::kBlocks; ++i) {
            auto *block = new QFrame(m_statusStrip);
            block->setFrameShape(QFrame::Box);
            fill(block, row.colour);
            m_layout->place(block, QRect(left + i * 195, 660, 165, 330));
            row.blocks.at(i) = block;
        }
        left += CountdownRow::kBlocks * 195 + 90;
    }

    // Third line: the time bar. Back to front: frame, limit mark, pass mark, elapsed time.
    const auto bar = [&](const QColor &colour) {
        auto *f = new QFrame(m_statusStrip);
        fill(f, colour);
        return f;
    };
    m_barTrack = bar(Qt::white);
    m_limitBar = bar(QColor(128, 255, 128));
    m_passBar = bar(QColor(0, 255, 0));
    m_elapsedBar = bar(QColor(0, 0, 255));
    m_layout->place(m_barTrack, QRect(180, 1140, 14985, 390));
    for (QFrame *f : {m_limitBar, m_passBar, m_elapsedBar})
        m_layout->place(f, QRect(180, 1140, 0, 390));
}

void DrillScreen::buildTestPanel()
{
    QWidget *canvas = m_layout->canvas();
    m_testPanel = new QWidget(canvas);
    m_layout->place(m_testPanel, QRect(0, kStripHeight, 15360, kPanelHeight));

    const auto box = [&](QLabel *l, const QRect &r, const QColor &back, double points, bool bold) {
        l->setAlignment(Qt::AlignCenter);
        l->setWordWrap(true);
        l->setStyleSheet(boxStyle(back, true));
        m_layout->place(l, r, pGothic(points, bold));
    };
    m_clueSubLabel = new FitLabel(m_testPanel);
    box(m_clueSubLabel, QRect(360, 90, 14715, 405), kLightYellow, 18, false);
    m_clueLabel = new FitLabel(m_testPanel);
    box(m_clueLabel, QRect(360, 480, 14715, 885), kLightYellow, 24, true);
    m_progressLabel = new FitLabel(m_testPanel);
    box(m_progressLabel, QRect(13350, 1080, 1725, 315), Qt::white, 9, true);

    // The prompt above the grid, then the nine choices: a small label above a large one.
    const auto slotLabels = [&](SlotLabels &labels, const QRect &smallRect, const QRect &largeRect, const QColor &back) {
        labels.large = new ClickLabel(m_testPanel);
        labels.small = new ClickLabel(m_testPanel);
        box(labels.small, smallRect, back, 18, false);
        box(labels.large, largeRect, back, 36, true);
    };
    slotLabels(m_prompt, QRect(5370, 1500, 4755, 420), QRect(5370, 1905, 4755, 1125), kOrange);
    const std::array<int, 3> columns{360, 5370, 10410};
    const std::array<int, 3> smallTops{3270, 5340, 7470};
    const std::array<int, 3> largeTops{3690, 5760, 7890};
    for (std::size_t choice = 0; choice < m_choices.size(); ++choice) {
        const int left = columns.at(choice % 3);
        const std::size_t row = choice / 3;
        slotLabels(m_choices.at(choice), QRect(left, smallTops.at(row), 4755, 420),
                   QRect(left, largeTops.at(row), 4755, 1125), kLightOrange);
    }
    m_yearTag = new FitLabel(QStringLiteral("年代"), m_testPanel);
    box(m_yearTag, QRect(5370, 3285, 4755, 420), kOrange, 18, true);
    m_yearTag->hide();

    // The cover over everything below the clue while the pupil reads it.
    m_cover = new QWidget(m_testPanel);
    fill(m_cover, QColor(192, 64, 0));
    m_layout->place(m_cover, QRect(0, kLabel1Bottom, 15360, kPanelHeight - kLabel1Bottom));
    auto *think = new FitLabel(QStringLiteral("考えなさい"), m_cover);
    think->setAlignment(Qt::AlignCenter);
    think->setStyleSheet(QStringLiteral("color: white;"));
    m_layout->place(think, QRect(4950, 1860, 5445, 645), pGothic(27.75, true));
    auto *question = new FitLabel(QStringLiteral("?"), m_cover);
    question->setAlignment(Qt::AlignCenter);
    question->setStyleSheet(QStringLiteral("color: white;"));
    m_layout->place(question, QRect(6900, 420, 1545, 1575), pGothic(72, true));
}

void DrillScreen::buildYearPanel()
{
    m_yearPanel = new QWidget(m_testPanel);
    fill(m_yearPanel, QColor(0, 128, 0));
    m_layout->place(m_yearPanel, QRect(360, kLabel1Bottom, 14715, kPanelHeight - kLabel1Bottom));
    m_yearPanel->hide();

    auto *heading = new FitLabel(QStringLiteral("年代を選びなさい"), m_yearPanel);
    heading->setAlignment(Qt::AlignCenter);
    heading->setStyleSheet(boxStyle(QColor(192, 255, 192), true));
    // At the designed 36 points the heading does not fit the installed faces, which are wider.
    m_layout->place(heading, QRect(585, 135, 5505, 915), pGothic(30));
    m_penaltyNote = new FitLabel(QStringLiteral("年代間違いは１０秒追加のみ"), m_yearPanel);
    m_penaltyNote->setAlignment(Qt::AlignCenter);
    m_penaltyNote->setStyleSheet(boxStyle(Qt::white, true));
    m_layout->place(m_penaltyNote, QRect(585, 1080, 5505, 300), pGothic(12, true));

    auto *small = new ClickLabel(m_yearPanel);
    auto *large = new ClickLabel(m_yearPanel);
    for (QLabel *l : {static_cast<QLabel *>(small), static_cast<QLabel *>(large)}) {
        l->setAlignment(Qt::AlignCenter);
        l->setWordWrap(true);
        l->setStyleSheet(boxStyle(kOrange, true));
    }
    m_layout->place(small, QRect(1035, 1530, 4755, 420), pGothic(18));
    m_layout->place(large, QRect(1035, 1935, 4755, 1125), pGothic(36, true));
    m_answerInYearPanel.small = small;
    m_answerInYearPanel.large = large;

    m_timeline = new TimelineWidget(m_yearPanel);
    m_layout->place(m_timeline, QRect(7290, 135, 7080, 7950));

    // Era captions on the timeline picture, at the height of their era.
    const std::array<std::pair<int, QString>, 9> eras{{{1035, QStringLiteral("弥生")},
                                                       {2385, QStringLiteral("飛鳥")},
                                                       {2835, QStringLiteral("奈良")},
                                                       {3735, QStringLiteral("平安")},
                                                       {4905, QStringLiteral("鎌倉")},
                                                       {5625, QStringLiteral("室町")},
                                                       {6075, QStringLiteral("戦国")},
                                                       {6705, QStringLiteral("江戸")},
                                                       {7515, QStringLiteral("明治大正昭和")}}};
    for (const auto &[top, name] : eras) {
        auto *caption = new FitLabel(name, m_timeline);
        caption->setStyleSheet(QStringLiteral("color: rgb(64,32,0);"));
        // One line each: the long caption reaches past its band rather than breaking in two.
        const bool longName = name.size() > 2;
        caption->setAlignment(longName ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
        m_layout->place(caption, QRect(15, top, longName ? kLongEraCaptionWidth : 765, 240), pGothic(8.25, true));
    }

    for (int k = 0; k < DrillView::kYears; ++k) {
        auto *year = new ClickLabel(m_timeline);
        year->setAlignment(Qt::AlignCenter);
        year->setStyleSheet(boxStyle(kOrange, true));
        m_layout->place(year, QRect(3465, TimelineWidget::kYearLabelTops.at(k), 2955, 585),
                        fontfaces::make(fontfaces::gothic(), 24, true));
        m_yearLabels.at(k) = year;
        connect(year, &ClickLabel::clicked, this, [this, k] {
            m_run.chooseYear(k);
            afterEvent();
        });
    }

    m_yearCover = new QWidget(m_timeline);
    fill(m_yearCover, QColor(192, 255, 192));
    m_layout->place(m_yearCover, QRect(2025, -90, 5055, 8025));
    auto *think = new FitLabel(QStringLiteral("考えなさい"), m_yearCover);
    think->setAlignment(Qt::AlignCenter);
    m_layout->place(think, QRect(1395, 4275, 2445, 420), pGothic(18, true));

    const auto onClick = [this](const SlotLabels &labels, const std::function<void()> &intent) {
        for (ClickLabel *l : {labels.large, labels.small}) {
            connect(l, &ClickLabel::clicked, this, [this, intent] {
                intent();
                afterEvent();
            });
        }
    };
    onClick(m_prompt, [this] { m_run.choosePrompt(); });
    for (int choice = 0; choice < DrillView::kChoices; ++choice)
        onClick(m_choices.at(choice), [this, choice] { m_run.chooseChoice(choice); });
    onClick(m_answerInYearPanel, [this] { m_run.chooseAnswerInYearPanel(); });
}

void DrillScreen::buildPracticePanel()
{
    m_practicePanel = new QWidget(m_layout->canvas());
    fill(m_practicePanel, QColor(0, 48, 48));
    m_layout->place(m_practicePanel, QRect(0, kStripHeight, 15360, kPanelHeight));
    m_practicePanel->hide();

    // The timeline column with the red bar of the item's year.
    m_practiceTimelinePanel = new QWidget(m_practicePanel);
    fill(m_practiceTimelinePanel, QColor(0, 128, 0));
    m_layout->place(m_practiceTimelinePanel, QRect(120, 240, 2535, 9135));
    auto *practiceTimeline = new TimelineWidget(QSizeF(2175, 8535), m_practiceTimelinePanel);
    m_layout->place(practiceTimeline, QRect(135, 240, 2175, 8535));
    const std::array<std::pair<int, QString>, 9> eras{{{630, QStringLiteral("弥生")},
                                                       {2880, QStringLiteral("飛鳥")},
                                                       {3060, QStringLiteral("奈良")},
                                                       {4125, QStringLiteral("平安")},
                                                       {5250, QStringLiteral("鎌倉")},
                                                       {6165, QStringLiteral("室町")},
                                                       {6615, QStringLiteral("戦国")},
                                                       {7245, QStringLiteral("江戸")},
                                                       {8070, QStringLiteral("明治大正昭和")}}};
    for (const auto &[top, name] : eras) {
        auto *caption = new FitLabel(name, practiceTimeline);
        caption->setStyleSheet(QStringLiteral("color: rgb(64,32,0);"));
        // 飛鳥 lies close to 奈良: its caption sits a little higher so that the two stay apart.
        const int shifted = name == u"飛鳥" ? top - 180 : top;
        const bool longName = name.size() > 2;
        caption->setAlignment(longName ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
        m_layout->place(caption, QRect(15, shifted, longName ? kLongEraCaptionWidth : 660, 210), pGothic(8.25, true));
    }
    m_practiceMarker = new QFrame(m_practiceTimelinePanel);
    fill(m_practiceMarker, Qt::red);
    m_layout->place(m_practiceMarker, QRect(1005, 2400, 1290, 120));
    m_practiceMarker->hide();

    // Display order.
    auto *orderStrip = new QWidget(m_practicePanel);
    fill(orderStrip, QColor(0, 192, 192));
    m_layout->place(orderStrip, QRect(7200, 120, 5535, 495));
    auto *orderCaption = new FitLabel(QStringLiteral("表示順"), orderStrip);
    m_layout->place(orderCaption, QRect(240, 80, 900, 375), pGothic(11.25, true));
    m_orderButtons = new QButtonGroup(this);
    for (int k = 0; k < 6; ++k) {
        auto *option = new QRadioButton(QString::number(k + 1), orderStrip);
        option->setFocusPolicy(Qt::NoFocus);
        m_layout->place(option, QRect(1200 + 720 * k, 60, 735, 375), pGothic(11.25, true));
        m_orderButtons->addButton(option, k + 1);
    }
    m_orderButtons->button(1)->setChecked(true);
    connect(m_orderButtons, &QButtonGroup::idClicked, this, [this](int order) {
        m_run.chooseDisplayOrder(order);
        afterEvent();
    });

    m_endPracticeButton = new QPushButton(QStringLiteral("練習終わり"), m_practicePanel);
    // Only the memorised button takes the keyboard, so Space never ends the practice by mistake.
    m_endPracticeButton->setFocusPolicy(Qt::NoFocus);
    m_layout->place(m_endPracticeButton, QRect(12720, 120, 2145, 495), pGothic(12, true));
    connect(m_endPracticeButton, &QPushButton::clicked, this, [this] {
        m_run.endPractice();
        afterEvent();
    });

    // The three sections.
    const std::array<int, 3> headingTops{360, 2880, 5400};
    const std::array<int, 3> secondTops{735, 3255, 5775};
    const std::array<int, 3> mainTops{1170, 3690, 6210};
    const std::array<int, 3> mainHeights{1515, 1515, 1395};
    for (std::size_t i = 0; i < 3; ++i) {
        auto *headingLabel = new FitLabel(m_practicePanel);
        headingLabel->setAlignment(Qt::AlignCenter);
        headingLabel->setStyleSheet(QStringLiteral("color: white; background: rgb(0,96,96); border: 1px solid white;"));
        m_layout->place(headingLabel, QRect(2880, headingTops[i], 1215, 375), pGothic(14.25, true));
        auto *second = new FitLabel(m_practicePanel);
        second->setAlignment(Qt::AlignCenter);
        second->setStyleSheet(QStringLiteral("color: rgb(192,255,192);"));
        m_layout->place(second, QRect(2880, secondTops[i], 11955, 435), pGothic(14.25, true));
        auto *main = new FitLabel(m_practicePanel);
        main->setAlignment(Qt::AlignCenter);
        main->setWordWrap(true);
        main->setStyleSheet(QStringLiteral("color: rgb(0,192,0); background: rgb(0,24,24);"));
        m_layout->place(main, QRect(2880, mainTops[i], 11955, mainHeights[i]), pGothic(26.25, true));
        m_practiceHeading[i] = headingLabel;
        m_practiceSecond[i] = second;
        m_practiceMain[i] = main;
    }

    m_memorisedButton = new QPushButton(QStringLiteral("この問題を覚えたら押しなさい"), m_practicePanel);
    m_memorisedButton->installEventFilter(this);
    m_layout->place(m_memorisedButton, QRect(2880, 7650, 11955, 765), pGothic(24, true));
    connect(m_memorisedButton, &QPushButton::clicked, this, [this] {
        m_run.markMemorised();
        afterEvent();
    });

    m_speedBar = new QScrollBar(Qt::Horizontal, m_practicePanel);
    m_speedBar->setRange(1000, 3000);
    m_speedBar->setSingleStep(200);
    m_speedBar->setPageStep(2000);
    m_speedBar->setFocusPolicy(Qt::NoFocus);
    m_layout->place(m_speedBar, QRect(2880, 8640, 11955, 375));
    connect(m_speedBar, &QScrollBar::valueChanged, this, [this](int value) {
        m_memorisedButton->setFocus();
        m_run.setSpeed(value);
        afterEvent();
    });
    auto *slow = new FitLabel(QStringLiteral("slow"), m_practicePanel);
    slow->setStyleSheet(QStringLiteral("color: white;"));
    m_layout->place(slow, QRect(2880, 9000, 900, 330), pGothic(10.5, true));
    auto *fast = new FitLabel(QStringLiteral("fast"), m_practicePanel);
    fast->setStyleSheet(QStringLiteral("color: white;"));
    fast->setAlignment(Qt::AlignRight | Qt::AlignTop);
    m_layout->place(fast, QRect(13935, 9000, 900, 330), pGothic(10.5, true));
}

void DrillScreen::buildNotice()
{
    m_notice = new QWidget(m_layout->canvas());
    fill(m_notice, QColor(255, 255, 192));
    m_layout->place(m_notice, QRect(0, 0, 5400, 1200));
    m_recordingNotice = new FitLabel(QStringLiteral("成績記録中"), m_notice);
    m_timeOutNotice = new FitLabel(QStringLiteral("時間切れ"), m_notice);
    for (QLabel *l : {m_recordingNotice, m_timeOutNotice}) {
        l->setAlignment(Qt::AlignCenter);
        l->setStyleSheet(QStringLiteral("color: rgb(192,0,0);"));
        m_layout->place(l, QRect(120, 120, 5160, 960), pGothic(36, true));
    }
    m_notice->hide();
}

void DrillScreen::startRun(QList<Question> questions, const RunHistory &history)
{
    m_run.activate(std::move(questions), history);
    m_minutesTimer.start();
    afterEvent();
}

void DrillScreen::afterEvent()
{
    render();
    syncTimers();
}

void DrillScreen::syncTimers()
{
    const auto sync = [](QTimer &timer, bool running, int starts, int &seen) {
        if (!running) {
            timer.stop();
        } else if (starts != seen || !timer.isActive()) {
            timer.start();
        }
        seen = starts;
    };
    int clockStarts = 0;
    sync(m_clockTimer, m_run.clockRunning(), 0, clockStarts);
    sync(m_coverTimer, m_run.coverTimerRunning(), m_run.coverTimerStarts(), m_coverStartsSeen);
    sync(m_yearCoverTimer, m_run.yearCoverTimerRunning(), m_run.yearCoverTimerStarts(), m_yearCoverStartsSeen);
    const int interval = m_run.practiceIntervalMs();
    if (m_practiceTimer.interval() != interval) {
        // A new interval restarts a running step, so a pupil who moves the speed bar sees the
        // new pace at once rather than after a long step of the old one.
        m_practiceTimer.setInterval(interval);
        if (m_practiceTimer.isActive())
            m_practiceTimer.start();
    }
    sync(m_practiceTimer, m_run.nextPracticeStep() != DrillRun::PracticeStep::None, m_run.practiceTimerStarts(),
         m_practiceStartsSeen);
}

void DrillScreen::renderPractice()
{
    const DrillView &v = m_run.view();
    for (std::size_t i = 0; i < 3; ++i) {
        m_practiceHeading[i]->setText(v.sections[i].heading);
        m_practiceSecond[i]->setText(v.sections[i].second);
        m_practiceMain[i]->setText(v.sections[i].main);
    }
    if (v.practiceMarkerVisible) {
        const int top = static_cast<int>(v.practiceMarkerYear * 8535.0 / 2000.0 + 240.0 - 60.0);
        m_layout->move(m_practiceMarker, QRect(1005, top, 1290, 120));
    }
    m_practiceMarker->setVisible(v.practiceMarkerVisible);
    if (QAbstractButton *option = m_orderButtons->button(v.displayOrder))
        option->setChecked(true);
    if (m_speedBar->value() != v.speed) {
        const QSignalBlocker quiet(m_speedBar);
        m_speedBar->setValue(v.speed);
    }
}

void DrillScreen::renderSlot(SlotLabels &labels, const ChoiceSlot &s)
{
    if (labels.style != s.style) {
        labels.style = s.style;
        const bool explanation = s.style == ChoiceStyle::Explanation;
        const Qt::Alignment align = explanation ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter;
        labels.large->setAlignment(align);
        labels.small->setAlignment(align);
        m_layout->setDesignFont(labels.large, pGothic(explanation ? 18 : 36, true));
        m_layout->setDesignFont(labels.small, pGothic(explanation ? 8 : 18));
    }
    labels.large->setText(s.main);
    labels.small->setText(s.sub);
    labels.large->setEnabled(s.enabled);
    labels.small->setEnabled(s.enabled);
    labels.large->setVisible(s.visible);
    labels.small->setVisible(s.visible && s.subVisible);
}

void DrillScreen::renderCountdown(const CountdownBlocks &blocks, const CountdownRow &row)
{
    for (std::size_t i = 0; i < blocks.size(); ++i)
        blocks[i]->setVisible(!row.hidden[i]);
}

void DrillScreen::render()
{
    const DrillView &v = m_run.view();
    if (v.titlePoints != m_titlePoints) {
        m_titlePoints = v.titlePoints;
        m_layout->setDesignFont(m_titleLabel, pGothic(v.titlePoints, true));
    }
    m_titleLabel->setText(v.title);
    m_pupilNameLabel->setText(v.pupilName);
    m_levelNameLabel->setText(v.levelName);
    m_siteLabel->setText(v.siteName);
    m_minutesLabel->setText(v.minutes);
    m_todayRunLabel->setText(v.todayRun);
    m_levelRunLabel->setText(v.levelRun);
    m_remainingLabel->setText(v.remaining);
    m_timeLabel->setText(v.time);
    const auto barRect = [](double width) { return QRect(180, 1140, static_cast<int>(width), 390); };
    m_layout->move(m_limitBar, barRect(v.barLimitWidth));
    m_layout->move(m_passBar, barRect(v.barPassWidth));
    m_layout->move(m_elapsedBar, barRect(v.barElapsedWidth));
    renderCountdown(m_bestBlocks, v.bestRow);
    renderCountdown(m_yourBestBlocks, v.yourBestRow);
    renderCountdown(m_passBlocks, v.passRow);

    m_testPanel->setVisible(!v.practice);
    m_practicePanel->setVisible(v.practice);
    if (v.practice)
        renderPractice();

    if (v.cluePoints != m_cluePoints) {
        m_cluePoints = v.cluePoints;
        m_layout->setDesignFont(m_clueLabel, pGothic(v.cluePoints, true));
    }
    m_clueLabel->setText(v.clue);
    m_clueSubLabel->setText(v.clueSub);
    m_progressLabel->setText(v.progress);
    renderSlot(m_prompt, v.prompt);
    for (std::size_t choice = 0; choice < m_choices.size(); ++choice)
        renderSlot(m_choices[choice], v.choices[choice]);
    renderSlot(m_answerInYearPanel, v.answerInYearPanel);
    m_yearTag->setText(v.yearCaption);
    m_yearTag->setVisible(v.yearCaptionVisible);
    m_cover->setVisible(v.coverVisible);

    m_yearPanel->setVisible(v.yearPanelVisible);
    m_penaltyNote->setVisible(v.ruleVisible);
    for (std::size_t k = 0; k < m_yearLabels.size(); ++k) {
        m_yearLabels[k]->setText(v.yearTexts[k]);
        m_yearLabels[k]->setVisible(v.yearsVisible);
    }
    m_timeline->setMarkers(v.markerYears, v.markersVisible);
    m_yearCover->setVisible(v.yearCoverVisible);

    m_notice->setVisible(v.noticeVisible);
    m_recordingNotice->setVisible(v.noticeRecording);
    m_timeOutNotice->setVisible(v.noticeTimeUp);
    m_notice->raise();
}

void DrillScreen::keyPressEvent(QKeyEvent *event)
{
    // A held key repeats; only its first press answers, as only the first press of a mouse
    // button does.
    if (!m_heldKeys.press(event->key(), event->timestamp(), event->isAutoRepeat())) {
        event->accept();
        return;
    }
    const int key = event->key();
    if (m_run.view().practice && (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)) {
        m_run.markMemorised();
        afterEvent();
        event->accept();
        return;
    }
    if (key >= Qt::Key_1 && key <= Qt::Key_9) {
        m_run.pressDigit(key - Qt::Key_0);
        afterEvent();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void DrillScreen::keyReleaseEvent(QKeyEvent *event)
{
    m_heldKeys.release(event->key(), event->timestamp(), event->isAutoRepeat());
    QWidget::keyReleaseEvent(event);
}

void DrillScreen::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange && !isActiveWindow())
        m_heldKeys.clear();
    QWidget::changeEvent(event);
}

bool DrillScreen::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_memorisedButton || (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease))
        return QWidget::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() != Qt::Key_Space && key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
        return false;
    if (event->type() == QEvent::KeyPress)
        keyPressEvent(key);
    else
        keyReleaseEvent(key);
    return true;
}

void DrillScreen::stopRunTimers()
{
    for (QTimer *timer : {&m_clockTimer, &m_coverTimer, &m_yearCoverTimer, &m_practiceTimer})
        timer->stop();
}

void DrillScreen::closeEvent(QCloseEvent *event)
{
    event->ignore();
    switch (m_run.closeRequest()) {
    case DrillRun::CloseRequest::Ignore:
        return;
    case DrillRun::CloseRequest::EndPractice:
        m_run.endPractice();
        afterEvent();
        return;
    case DrillRun::CloseRequest::AskAbandon:
        break;
    }
    // The run's timers wait while the question is up, so that nothing ends or hands the run over
    // under it. The run time is measured on the clock, so the time spent on the question counts
    // when the run goes on.
    stopRunTimers();
    // いいえ is the default: Return must not give a run up.
    if (m_messages.ask(m_run.view().title, DrillRun::abandonQuestion(), MessagePresenter::Answer::No, this))
        m_run.abandon();
    afterEvent();
}

void DrillScreen::setVisible(bool visible)
{
    QWidget::setVisible(visible);
    if (!visible)
        releaseHiddenScreen(this);
}
