#include "resultscreen.h"

#include "installation.h"
#include "pupilsession.h"
#include "fitlabel.h"
#include "fontfaces.h"
#include "resultrules.h"
#include "runscore.h"
#include "runstats.h"
#include "soundeffects.h"
#include "twiplayout.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

namespace {

QFont pGothic(double points, bool bold = false, bool italic = false)
{
    return fontfaces::make(fontfaces::pGothic(), points, bold, italic);
}

QString boxStyle(const QColor &back)
{
    return QStringLiteral("QLabel { background: %1; border: 1px solid black; color: black; }").arg(back.name());
}

} // namespace

ResultScreen::ResultScreen(const Installation &install, const PupilSession &session, RunOutcome outcome,
                           const RunStats &stats, RunFlags &flags, SoundEffects &sounds, ResultHost &host, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , m_install(install)
    , m_session(session)
    , m_outcome(outcome)
    , m_stats(stats)
    , m_flags(flags)
    , m_sounds(sounds)
    , m_host(host)
{
    setWindowTitle(QStringLiteral("終了"));
    m_layout = new TwipLayout(this);
    m_layout->setBackground(QColor(0, 192, 192));
    QWidget *canvas = m_layout->canvas();

    // The background picture: a soft sky drawn by the program.
    auto *image1 = new QLabel(canvas);
    image1->setStyleSheet(QStringLiteral(
        "background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 rgb(150,225,245), stop:0.6 rgb(0,192,192), "
        "stop:1 rgb(0,150,150));"));
    m_layout->place(image1, QRect(0, 0, 15360, 11520));

    const auto box = [&](const QRect &r, const QColor &back, double points) {
        auto *l = new FitLabel(canvas);
        l->setAlignment(Qt::AlignCenter);
        l->setStyleSheet(boxStyle(back));
        m_layout->place(l, r, pGothic(points));
        return l;
    };
    m_titleLine = box(QRect(1845, 405, 11490, 960), QColor(255, 224, 192), 48);
    m_levelLine = box(QRect(1845, 1755, 11490, 960), QColor(255, 255, 192), 36);
    m_nameLine = box(QRect(1845, 3255, 11490, 960), QColor(192, 255, 192), 48);
    m_resultLine = box(QRect(1845, 4440, 11490, 825), QColor(192, 255, 192), 36);
    m_pointsLine = box(QRect(1845, 5280, 11490, 825), QColor(192, 255, 192), 36);
    m_recordLine = box(QRect(1845, 6390, 11490, 735), QColor(192, 255, 192), 27.75);
    m_recordLine->hide();

    const auto plain = [&](const QRect &r) {
        auto *l = new FitLabel(canvas);
        l->setAlignment(Qt::AlignCenter);
        l->setStyleSheet(QStringLiteral("color: black; background: transparent;"));
        m_layout->place(l, r, pGothic(14.25, true, true));
        return l;
    };
    m_todayAttemptLine = plain(QRect(10215, 1395, 3135, 375));
    m_levelAttemptLine = plain(QRect(10260, 2745, 3105, 405));

    m_progressionLine = box(QRect(180, 7710, 15075, 555), QColor(0, 192, 0), 24);
    m_progressionLine->setText(QStringLiteral("このレベルクリア"));
    m_progressionLine->hide();

    m_menuButton = new QPushButton(QStringLiteral("メニューへ"), canvas);
    m_layout->place(m_menuButton, QRect(1890, 8325, 5235, 1005), pGothic(27.75));
    m_menuButton->hide();
    m_againButton = new QPushButton(QStringLiteral("もう一度"), canvas);
    m_layout->place(m_againButton, QRect(8055, 8325, 5235, 1005), pGothic(27.75));
    m_againButton->hide();
    // Return presses the button that has the focus, as Space does.
    for (QPushButton *button : {m_menuButton, m_againButton})
        button->setAutoDefault(true);

    m_goalPanel = new QWidget(canvas);
    m_goalPanel->setAutoFillBackground(true);
    QPalette pal = m_goalPanel->palette();
    pal.setColor(QPalette::Window, QColor(0, 128, 0));
    m_goalPanel->setPalette(pal);
    m_layout->place(m_goalPanel, QRect(180, 8145, 15105, 1785));
    auto *goal = new FitLabel(QStringLiteral("目標レベルクリア。おめでとう！"), m_goalPanel);
    goal->setAlignment(Qt::AlignCenter);
    goal->setStyleSheet(boxStyle(QColor(128, 255, 128)));
    m_layout->place(goal, QRect(3330, 390, 8415, 615), pGothic(27.75));
    m_goalPanel->hide();

    m_buttonTimer.setInterval(500);
    m_buttonTimer.setSingleShot(true);
    connect(&m_buttonTimer, &QTimer::timeout, this, &ResultScreen::showButtons);
    connect(m_menuButton, &QPushButton::clicked, this, &ResultScreen::backToLevels);
    connect(m_againButton, &QPushButton::clicked, this, &ResultScreen::runAgain);
}

void ResultScreen::activate()
{
    const int p = m_session.pupilNo;
    const int lv = m_outcome.level;
    const LevelTiming &timing = m_install.timingTable[static_cast<std::size_t>(lv)];

    m_levelAttemptLine->setText(QString::number(m_stats.at(p, lv).attemptsToday + 1));
    m_host.computeStats();
    const LevelStats &figures = m_stats.at(p, lv);

    m_cleared = resultrules::levelCleared(m_install, lv, figures);
    if (m_cleared) {
        m_progressionLine->show();
        if (lv == m_install.finalLevel && resultrules::goalPanelAllowed(m_install))
            m_goalPanel->show();
    }
    m_host.letEventsRun();
    m_buttonTimer.start();

    const std::int32_t t = m_outcome.seconds;
    const int score = RunScore(t, timing.passTime, ScoreDigits::Whole);
    m_pointsLine->setText(resultrules::pointsLine(score, timing.levelWeight, RunPoints(score, timing.levelWeight)));
    m_resultLine->setText(resultrules::resultLine(t));
    m_nameLine->setText(m_session.pupilName.trimmed());
    m_titleLine->setText(m_install.productTitle);
    m_levelLine->setText(m_install.levelName[static_cast<std::size_t>(lv)]);

    m_levelAttemptLine->setText(QStringLiteral(" (このレベル　%1回目)").arg(figures.attemptsToday));
    std::int16_t today = 0;
    for (int level = 1; level < kLevelSlots; ++level)
        today = static_cast<std::int16_t>(today + m_stats.at(p, level).attemptsToday);
    m_todayAttemptLine->setText(QStringLiteral("（%1回目)").arg(today));

    m_host.letEventsRun();
    if (m_outcome.timedOut) {
        m_recordLine->setText(QStringLiteral("時間切れ"));
        m_recordLine->show();
    } else if (m_flags.newLevelBest) {
        m_recordLine->setText(QStringLiteral("！！！最高新記録！！！"));
        m_recordLine->show();
        m_host.letEventsRun();
        m_sounds.BestFixedSound();
        m_host.letEventsRun();
    } else if (m_flags.newBest) {
        m_recordLine->setText(QStringLiteral("新記録おめでとう"));
        m_recordLine->show();
        m_host.letEventsRun();
        m_sounds.OwnBestSound();
        m_host.letEventsRun();
    } else if (t <= timing.limitTime) {
        m_sounds.FailSound();
    }

    if (lv == m_install.finalLevel && m_cleared) {
        if (!m_flags.clearedBefore)
            m_sounds.PassFixedSound();
    } else {
        m_goalPanel->hide();
    }

    m_flags.newBest = false;
    m_flags.newLevelBest = false;
    m_host.letEventsRun();
    m_host.closeWaitScreen();
}

void ResultScreen::showButtons()
{
    m_buttonTimer.stop();
    m_goalPanel->hide();
    m_menuButton->show();
    m_host.letEventsRun();
    // The focus frame shows on "メニューへ", as after a move of the focus by keyboard: the
    // pupil sees which button Return presses.
    setAttribute(Qt::WA_KeyboardFocusChange);
    m_menuButton->setFocus();

    const int lv = m_outcome.level;
    const LevelStats &figures = m_stats.at(m_session.pupilNo, lv);
    if (!resultrules::enoughDone(m_install, lv, figures) || !m_cleared) {
        m_againButton->show();
    } else if (lv == m_install.finalLevel) {
        m_progressionLine->clear();
        m_progressionLine->hide();
        m_againButton->show();
    } else if (!m_session.finalCleared) {
        m_progressionLine->setText(QStringLiteral("次のレベルへ進みましょう"));
    } else {
        m_againButton->show();
    }
}

void ResultScreen::backToLevels()
{
    m_menuButton->setEnabled(false);
    m_host.goToLevels();
}

void ResultScreen::runAgain()
{
    m_menuButton->setEnabled(false);
    m_host.showWaitScreen();
    m_host.runAgain();
}

void ResultScreen::closeEvent(QCloseEvent *event)
{
    event->ignore();
    if (m_menuButton->isVisible() && m_menuButton->isEnabled())
        backToLevels();
}
