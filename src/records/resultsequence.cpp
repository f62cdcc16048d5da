#include "resultsequence.h"

#include "clock.h"
#include "installation.h"
#include "pupilsession.h"
#include "resulthost.h"
#include "resultrules.h"
#include "runrecording.h"
#include "runscore.h"
#include "runstats.h"
#include "screenpainter.h"
#include "soundeffects.h"

#include <algorithm>
#include <cmath>

ResultSequence::ResultSequence(const Installation &install, const PupilSession &session, RunOutcome outcome,
                               const RunStats &stats, RunFlags &flags, SoundEffects &sounds, const Clock &clock,
                               ResultHost &host, ScreenPainter &painter)
    : m_install(install)
    , m_session(session)
    , m_outcome(outcome)
    , m_stats(stats)
    , m_flags(flags)
    , m_sounds(sounds)
    , m_clock(clock)
    , m_host(host)
    , m_painter(painter)
{
}

void ResultSequence::activate()
{
    const int pupil = m_session.pupilNo;
    const int level = m_outcome.level;
    const LevelTiming &timing = m_install.timingTable.at(level);

    m_host.computeStats();
    const LevelStats &figures = m_stats.at(pupil, level);
    m_cleared = resultrules::levelCleared(m_install, level, figures);
    if (m_cleared) {
        m_view.progressionShown = true;
        if (level == m_install.finalLevel && resultrules::goalPanelAllowed(m_install))
            m_view.goalShown = true;
    }
    m_buttonTimerOn = true;
    m_buttonsDue = m_clock.monotonicSeconds() + kButtonDelaySeconds;

    const std::int32_t seconds = m_outcome.seconds;
    const int score = RunScore(seconds, timing.passTime, ScoreDigits::Whole);
    m_view.pointsLine = resultrules::pointsLine(score, timing.levelWeight, RunPoints(score, timing.levelWeight));
    m_view.resultLine = resultrules::resultLine(seconds);
    m_view.pupilName = m_session.pupilName.trimmed();
    m_view.title = m_install.productTitle;
    m_view.levelName = m_install.levelName.at(level);
    m_view.levelAttemptLine = QStringLiteral(" (このレベル　%1回目)").arg(figures.attemptsToday);
    int today = 0;
    for (int l = 1; l < kLevelSlots; ++l)
        today += m_stats.at(pupil, l).attemptsToday;
    m_view.todayAttemptLine = QStringLiteral("（%1回目)").arg(static_cast<std::int16_t>(today));
    m_painter.paintNow();

    const auto announce = [this](const QString &line, void (SoundEffects::*sound)()) {
        m_view.recordLine = line;
        m_view.recordShown = true;
        m_painter.paintNow();
        (m_sounds.*sound)();
        offerButtonsIfDue();
    };
    if (m_outcome.timedOut) {
        m_view.recordLine = QStringLiteral("時間切れ");
        m_view.recordShown = true;
    } else if (m_flags.newLevelBest) {
        announce(QStringLiteral("！！！最高新記録！！！"), &SoundEffects::BestFixedSound);
    } else if (m_flags.newBest) {
        announce(QStringLiteral("新記録おめでとう"), &SoundEffects::OwnBestSound);
    } else if (seconds <= timing.limitTime) {
        m_sounds.FailSound();
    }

    if (level == m_install.finalLevel && m_cleared) {
        if (!m_flags.clearedBefore)
            m_sounds.PassFixedSound();
    } else {
        m_view.goalShown = false;
    }

    m_flags.newBest = false;
    m_flags.newLevelBest = false;
    m_host.closeWaitScreen();
}

int ResultSequence::buttonTimerRemainingMs() const
{
    if (!m_buttonTimerOn)
        return 0;
    const double left = m_buttonsDue - m_clock.monotonicSeconds();
    return std::max(0, static_cast<int>(std::ceil(left * 1000.0)));
}

void ResultSequence::offerButtonsIfDue()
{
    if (m_buttonTimerOn && m_clock.monotonicSeconds() >= m_buttonsDue) {
        offerButtons();
        m_painter.paintNow();
    }
}

void ResultSequence::buttonTimerFired()
{
    if (m_buttonTimerOn)
        offerButtons();
}

void ResultSequence::offerButtons()
{
    m_buttonTimerOn = false;
    m_view.goalShown = false;
    m_view.menuOffered = true;
    m_view.menuFocused = true;

    const int level = m_outcome.level;
    const LevelStats &figures = m_stats.at(m_session.pupilNo, level);
    if (!resultrules::enoughDone(m_install, level, figures) || !m_cleared) {
        m_view.againOffered = true;
    } else if (level == m_install.finalLevel) {
        m_view.progressionLine.clear();
        m_view.progressionShown = false;
        m_view.againOffered = true;
    } else if (!m_session.finalCleared) {
        m_view.progressionLine = QStringLiteral("次のレベルへ進みましょう");
    } else {
        m_view.againOffered = true;
    }
}

bool ResultSequence::takeWayOn(bool offered)
{
    if (m_wayTaken || !offered)
        return false;
    m_wayTaken = true;
    m_view.menuEnabled = false;
    return true;
}

void ResultSequence::goToLevels()
{
    if (takeWayOn(m_view.menuOffered))
        m_host.goToLevels();
}

void ResultSequence::runAgain()
{
    if (!takeWayOn(m_view.againOffered))
        return;
    m_host.showWaitScreen();
    m_host.runAgain();
}

void ResultSequence::closeRequest()
{
    goToLevels();
}
