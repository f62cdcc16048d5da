#include "resultscreen.h"

#include "screenshow.h"
#include "fitlabel.h"
#include "fontfaces.h"
#include "twiplayout.h"
#include "windowpaint.h"

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
                           const RunStats &stats, RunFlags &flags, SoundEffects &sounds, const Clock &clock,
                           ResultHost &host, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , m_sequence(install, session, outcome, stats, flags, sounds, clock, host, *this)
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

    m_menuButton = new QPushButton(QStringLiteral("メニューへ"), canvas);
    m_layout->place(m_menuButton, QRect(1890, 8325, 5235, 1005), pGothic(27.75));
    m_againButton = new QPushButton(QStringLiteral("もう一度"), canvas);
    m_layout->place(m_againButton, QRect(8055, 8325, 5235, 1005), pGothic(27.75));
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

    m_buttonTimer.setSingleShot(true);
    connect(&m_buttonTimer, &QTimer::timeout, this, &ResultScreen::showButtons);
    connect(m_menuButton, &QPushButton::clicked, this, [this] {
        m_sequence.goToLevels();
        render();
    });
    connect(m_againButton, &QPushButton::clicked, this, [this] {
        m_sequence.runAgain();
        render();
    });
    render();
}

void ResultScreen::activate()
{
    m_sequence.activate();
    render();
}

void ResultScreen::showButtons()
{
    m_sequence.buttonTimerFired();
    render();
}

void ResultScreen::paintNow()
{
    render();
    paintWindowNow(this);
}

void ResultScreen::render()
{
    const ResultView &v = m_sequence.view();
    m_titleLine->setText(v.title);
    m_levelLine->setText(v.levelName);
    m_nameLine->setText(v.pupilName);
    m_resultLine->setText(v.resultLine);
    m_pointsLine->setText(v.pointsLine);
    m_levelAttemptLine->setText(v.levelAttemptLine);
    m_todayAttemptLine->setText(v.todayAttemptLine);
    m_recordLine->setText(v.recordLine);
    m_recordLine->setVisible(v.recordShown);
    m_progressionLine->setText(v.progressionLine);
    m_progressionLine->setVisible(v.progressionShown);
    m_goalPanel->setVisible(v.goalShown);
    m_menuButton->setVisible(v.menuOffered);
    m_menuButton->setEnabled(v.menuEnabled);
    m_againButton->setVisible(v.againOffered);
    if (v.menuFocused) {
        // The focus frame shows on "メニューへ", as after a move of the focus by keyboard: the
        // pupil sees which button Return presses.
        setAttribute(Qt::WA_KeyboardFocusChange);
        m_menuButton->setFocus();
    }

    if (!m_sequence.buttonTimerRunning())
        m_buttonTimer.stop();
    else if (!m_buttonTimer.isActive())
        m_buttonTimer.start(m_sequence.buttonTimerRemainingMs());
}

void ResultScreen::closeEvent(QCloseEvent *event)
{
    event->ignore();
    m_sequence.closeRequest();
    render();
}

void ResultScreen::setVisible(bool visible)
{
    QWidget::setVisible(visible);
    if (!visible)
        releaseHiddenScreen(this);
}
