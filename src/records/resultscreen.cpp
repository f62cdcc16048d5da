#include "resultscreen.h"

#include "appstate.h"
#include "fitlabel.h"
#include "fontfaces.h"
#include "resultrules.h"
#include "runscore.h"
#include "runstats.h"
#include "soundeffects.h"
#include "twiplayout.h"

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

ResultScreen::ResultScreen(AppState &state, const RunStats &stats, RunFlags &flags, bool finalCleared,
                         SoundEffects &sounds, ResultHost &host, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , m_state(state)
    , m_stats(stats)
    , m_flags(flags)
    , m_finalCleared(finalCleared)
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
    m_label15 = box(QRect(1845, 405, 11490, 960), QColor(255, 224, 192), 48);
    m_label16 = box(QRect(1845, 1755, 11490, 960), QColor(255, 255, 192), 36);
    m_label17 = box(QRect(1845, 3255, 11490, 960), QColor(192, 255, 192), 48);
    m_label18 = box(QRect(1845, 4440, 11490, 825), QColor(192, 255, 192), 36);
    m_label19 = box(QRect(1845, 5280, 11490, 825), QColor(192, 255, 192), 36);
    m_label20 = box(QRect(1845, 6390, 11490, 735), QColor(192, 255, 192), 27.75);
    m_label20->hide();

    const auto plain = [&](const QRect &r) {
        auto *l = new FitLabel(canvas);
        l->setAlignment(Qt::AlignCenter);
        l->setStyleSheet(QStringLiteral("color: black; background: transparent;"));
        m_layout->place(l, r, pGothic(14.25, true, true));
        return l;
    };
    m_label14 = plain(QRect(10215, 1395, 3135, 375));
    m_label13 = plain(QRect(10260, 2745, 3105, 405));

    m_label2 = box(QRect(180, 7710, 15075, 555), QColor(0, 192, 0), 24);
    m_label2->setText(QStringLiteral("このレベルクリア"));
    m_label2->hide();

    m_command4 = new QPushButton(QStringLiteral("メニューへ"), canvas);
    m_layout->place(m_command4, QRect(1890, 8325, 5235, 1005), pGothic(27.75));
    m_command4->hide();
    m_command5 = new QPushButton(QStringLiteral("もう一度"), canvas);
    m_layout->place(m_command5, QRect(8055, 8325, 5235, 1005), pGothic(27.75));
    m_command5->hide();

    m_picture1 = new QWidget(canvas);
    m_picture1->setAutoFillBackground(true);
    QPalette pal = m_picture1->palette();
    pal.setColor(QPalette::Window, QColor(0, 128, 0));
    m_picture1->setPalette(pal);
    m_layout->place(m_picture1, QRect(180, 8145, 15105, 1785));
    auto *goal = new QLabel(QStringLiteral("目標レベルクリア。おめでとう！"), m_picture1);
    goal->setAlignment(Qt::AlignCenter);
    goal->setStyleSheet(boxStyle(QColor(128, 255, 128)));
    m_layout->place(goal, QRect(3330, 390, 8415, 615), pGothic(27.75));
    m_picture1->hide();

    m_timer1.setInterval(500);
    m_timer1.setSingleShot(true);
    connect(&m_timer1, &QTimer::timeout, this, &ResultScreen::showButtons);
    connect(m_command4, &QPushButton::clicked, this, &ResultScreen::Command4_Click);
    connect(m_command5, &QPushButton::clicked, this, &ResultScreen::Command5_Click);
}

QLabel *ResultScreen::label(int number) const
{
    switch (number) {
    case 2: return m_label2;
    case 13: return m_label13;
    case 14: return m_label14;
    case 15: return m_label15;
    case 16: return m_label16;
    case 17: return m_label17;
    case 18: return m_label18;
    case 19: return m_label19;
    case 20: return m_label20;
    default: return nullptr;
    }
}

void ResultScreen::activate()
{
    const int p = m_state.pupilNo;
    const int lv = m_state.runLevel;
    const LevelTiming &timing = m_state.timingTable[static_cast<std::size_t>(lv)];

    m_label13->setText(QString::number(m_stats.at(p, lv).attemptsToday + 1));
    m_host.computeStats();
    const LevelStats &figures = m_stats.at(p, lv);

    m_cleared = resultrules::levelCleared(m_state, lv, figures);
    if (m_cleared) {
        m_label2->show();
        if (lv == m_state.finalLevel && resultrules::goalPanelAllowed(m_state))
            m_picture1->show();
    }
    m_host.letEventsRun();
    m_timer1.start();

    const std::int32_t t = m_state.runTime;
    const int score = RunScore(t, timing.passTime, ScoreDigits::Whole);
    m_label19->setText(resultrules::pointsLine(score, timing.levelWeight, RunPoints(score, timing.levelWeight)));
    m_label18->setText(resultrules::resultLine(t));
    m_label17->setText(m_state.pupilName.trimmed());
    m_label15->setText(m_state.productTitle);
    m_label16->setText(m_state.levelName[static_cast<std::size_t>(lv)]);

    m_label13->setText(QStringLiteral(" (このレベル　%1回目)").arg(figures.attemptsToday));
    std::int16_t today = 0;
    for (int level = 1; level < kLevelSlots; ++level)
        today = static_cast<std::int16_t>(today + m_stats.at(p, level).attemptsToday);
    m_label14->setText(QStringLiteral("（%1回目)").arg(today));

    m_host.letEventsRun();
    if (m_state.endFlag == 1) {
        m_label20->setText(QStringLiteral("時間切れ"));
        m_label20->show();
    } else if (m_flags.newLevelBest) {
        m_label20->setText(QStringLiteral("！！！最高新記録！！！"));
        m_label20->show();
        m_host.letEventsRun();
        m_sounds.BestFixedSound();
        m_host.letEventsRun();
    } else if (m_flags.newBest) {
        m_label20->setText(QStringLiteral("新記録おめでとう"));
        m_label20->show();
        m_host.letEventsRun();
        m_sounds.OwnBestSound();
        m_host.letEventsRun();
    } else if (t <= timing.limitTime) {
        m_sounds.FailSound();
    }

    if (lv == m_state.finalLevel && m_cleared) {
        if (!m_flags.clearedBefore)
            m_sounds.PassFixedSound();
    } else {
        m_picture1->hide();
    }

    m_flags.newBest = false;
    m_flags.newLevelBest = false;
    m_host.letEventsRun();
    m_host.closeWaitScreen();
}

void ResultScreen::showButtons()
{
    m_timer1.stop();
    m_picture1->hide();
    m_command4->show();
    m_host.letEventsRun();
    m_command4->setFocus();

    const int lv = m_state.runLevel;
    const LevelStats &figures = m_stats.at(m_state.pupilNo, lv);
    if (!resultrules::enoughDone(m_state, lv, figures) || !m_cleared) {
        m_command5->show();
    } else if (lv == m_state.finalLevel) {
        m_label2->clear();
        m_label2->hide();
        m_command5->show();
    } else if (!m_finalCleared) {
        m_label2->setText(QStringLiteral("次のレベルへ進みましょう"));
    } else {
        m_command5->show();
    }
}

void ResultScreen::Command4_Click()
{
    m_command4->setEnabled(false);
    m_host.goToLevels();
}

void ResultScreen::Command5_Click()
{
    m_command4->setEnabled(false);
    m_host.showWaitScreen();
    m_host.runAgain();
}
