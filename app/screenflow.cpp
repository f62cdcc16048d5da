#include "screenflow.h"

#include "appstate.h"
#include "basefrm.h"
#include "datafileerror.h"
#include "mainfrm.h"
#include "messagepresenter.h"
#include "namesel.h"
#include "questionbank.h"
#include "screenshow.h"
#include "statistics.h"

#include <QApplication>
#include <QElapsedTimer>

ScreenFlow::ScreenFlow(AppState &state, MessagePresenter &messages, NameSel &startScreen,
                       std::function<void()> endProgram)
    : m_state(state)
    , m_messages(messages)
    , m_startScreen(startScreen)
    , m_endProgram(std::move(endProgram))
    , m_sounds(state.soundTable, state.folders.soundFolder, m_player, m_random,
               [this](const QString &title, const QString &text) { fatal(title, text); })
    , m_wait(std::make_unique<BaseFrm>())
{
    m_callbacks.letEventsRun = letEventsRunForOneSecond;
    m_callbacks.fatal = [this](const QString &title, const QString &text) { fatal(title, text); };
}

ScreenFlow::~ScreenFlow()
{
    delete m_drill.data();
    delete m_result.data();
}

void ScreenFlow::fatal(const QString &title, const QString &text)
{
    m_messages.show(MessagePresenter::Icon::Critical, title, text);
    QApplication::closeAllWindows();
    m_endProgram();
}

bool ScreenFlow::refreshStats()
{
    return ComputeStats(m_state, m_stats, m_clock.now(), m_callbacks);
}

void ScreenFlow::StartRun()
{
    m_state.recordingDone = 0;
    m_state.endFlag = 0;
    QApplication::processEvents();

    QList<Question> questions;
    try {
        questions = loadLevelQuestions(m_state.folders.appFolder, m_state.runLevel);
    } catch (const DataFileError &e) {
        m_wait->closeCover();
        m_messages.show(MessagePresenter::Icon::Critical, m_state.productTitle, e.text());
        showLevelScreen();
        return;
    }
    if (questions.isEmpty()) {
        m_wait->closeCover();
        m_messages.show(MessagePresenter::Icon::Warning, m_state.productTitle,
                        QStringLiteral("%1 には問題がありません。先生に知らせてください。")
                            .arg(m_state.levelName[static_cast<std::size_t>(m_state.runLevel)]));
        showLevelScreen();
        return;
    }
    if (!refreshStats())
        return;

    RunHistory history;
    for (int level = 1; level < kLevelSlots; ++level)
        history.attemptsToday[static_cast<std::size_t>(level)] = m_stats.at(m_state.pupilNo, level).attemptsToday;
    const std::int32_t levelBest = m_stats.levelBestTime(m_state.runLevel);
    const std::int32_t ownBest = m_stats.bestTime(m_state.pupilNo, m_state.runLevel);
    history.levelBestTime = levelBest == RunStats::kNoTime ? 0 : levelBest;
    history.ownBestTime = ownBest == RunStats::kNoTime ? 0 : ownBest;

    if (!m_drill) {
        m_drill = new MainFrm(m_state, m_clock, m_random, m_sounds, *this);
        m_drill->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_random.reseedFromClock();
    m_startScreen.hide();
    showMaximisedScreen(m_drill);
    m_drill->activateWindow();
    m_drill->setFocus();
    m_drill->startRun(std::move(questions), history);
    m_wait->closeCover();
}

void ScreenFlow::letEventsRun()
{
    QApplication::processEvents();
}

void ScreenFlow::waitHandlingEvents(int milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
}

void ScreenFlow::recordRun()
{
    m_flags = {};
    if (const auto flags = RecordRun(m_state, m_stats, m_state.pupilNo, m_state.runLevel, m_state.runTime,
                                     m_clock, m_callbacks))
        m_flags = *flags;
}

void ScreenFlow::showWaitScreen()
{
    m_wait->showCover();
}

void ScreenFlow::finishTestRun()
{
    // The drill screen is still on the call stack: it goes once control is back in the loop.
    if (m_drill) {
        m_drill->hide();
        m_drill->deleteLater();
        m_drill.clear();
    }
    m_result = new FrmSyuuryou(m_state, m_stats, m_flags, false, m_sounds, *this);
    m_result->setAttribute(Qt::WA_DeleteOnClose);
    showMaximisedScreen(m_result);
    m_result->activate();
}

void ScreenFlow::finishPractice()
{
    if (m_drill)
        m_drill->hide();
    showLevelScreen();
}

bool ScreenFlow::computeStats()
{
    return refreshStats();
}

void ScreenFlow::closeWaitScreen()
{
    m_wait->closeCover();
}

void ScreenFlow::goToLevels()
{
    showLevelScreen();
    if (m_result)
        m_result->close();
    QApplication::processEvents();
}

void ScreenFlow::runAgain()
{
    if (m_result)
        m_result->close();
    QApplication::processEvents();
    StartRun();
}

void ScreenFlow::showLevelScreen()
{
    showMaximisedScreen(&m_startScreen);
    m_wait->closeCover();
}
