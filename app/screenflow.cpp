#include "screenflow.h"

#include "installation.h"
#include "waitcover.h"
#include "clock.h"
#include "datafileerror.h"
#include "namechangescreen.h"
#include "aboutdialog.h"
#include "helpwindow.h"
#include "messagepresenter.h"
#include "namechoice.h"
#include "startscreen.h"
#include "printsettingsscreen.h"
#include "pupilhistory.h"
#include "questionbank.h"
#include "questionidentity.h"
#include "weakfigures.h"
#include "randomsource.h"
#include "rosterdirectory.h"
#include "screenshow.h"
#include "levelscreen.h"
#include "showroster.h"
#include "computestats.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QProcess>

namespace {

// Takes a screen out of sight at once; it is deleted once control is back in the event loop,
// since the call that ends it may still be running inside it.
template <typename Screen>
void retire(std::unique_ptr<Screen> &screen)
{
    if (!screen)
        return;
    screen->hide();
    screen.release()->deleteLater();
}

} // namespace

ScreenFlow::ScreenFlow(const Installation &install, Services services, MessagePresenter &messages,
                       std::function<void()> endProgram)
    : m_install(install)
    , m_services(services)
    , m_messages(messages)
    , m_endProgram(std::move(endProgram))
    , m_sounds(install.soundTable, install.folders.soundFolder, services.player, services.random,
               [this](const QString &title, const QString &text) { fatal(title, text); })
    , m_pending(install, PendingRuns::defaultFolder())
{
    m_callbacks.waitWhileLocked = letEventsRunForOneSecond;
    m_callbacks.fatal = [this](const QString &title, const QString &text) { fatal(title, text); };
    m_startScreen = std::make_unique<StartScreen>(m_install, m_roster, *this, m_messages);
}

WaitCover *ScreenFlow::waitScreen()
{
    // Made when first needed: the start screen comes up without it.
    if (!m_wait)
        m_wait = std::make_unique<WaitCover>();
    return m_wait.get();
}

void ScreenFlow::closeWaitCover()
{
    if (m_wait)
        m_wait->closeCover();
}

ScreenFlow::~ScreenFlow() = default;

void ScreenFlow::fatal(const QString &title, const QString &text)
{
    // The program ends when the message is closed; a run under it stands still until then, so
    // that its clock cannot time it out and have it recorded.
    if (m_drill)
        m_drill->haltRun();
    m_messages.show(MessagePresenter::Icon::Critical, title, text);
    hideAllWindows();
    m_endProgram();
}

void ScreenFlow::hideAllWindows()
{
    // Close requests would be answered by the screens as a pupil's request (a question, a way
    // back); the program is ending, so its windows only go out of sight.
    for (QWidget *window : QApplication::topLevelWidgets())
        window->hide();
}

bool ScreenFlow::refreshStats()
{
    return ComputeStats(m_install, m_stats, m_services.clock.now(), m_callbacks);
}

bool ScreenFlow::computeStats()
{
    return refreshStats();
}

bool ScreenFlow::readNewestRuns(std::int64_t count, std::vector<RunRow> &runs)
{
    return ReadNewestRuns(m_install, count, runs, m_callbacks);
}

bool ScreenFlow::readEveryRun(const std::function<void(const RunRow &)> &visit)
{
    return ReadEveryRun(m_install, visit, m_callbacks);
}

std::optional<std::vector<WeakListEntry>> ScreenFlow::pupilWeakFigures(int pupil, int top)
{
    const std::optional<WeakFigures> figures =
        ReadWeakFigures(m_install.folders, WeakFilter::pupil(pupil), m_services.clock, m_callbacks);
    if (!figures)
        return std::nullopt;
    const std::vector<WeakFigure> most = figures->missedMost(top);
    std::optional<QuestionBank> bank;
    if (!most.empty()) {
        // A question file that cannot be read names the figures by group and line.
        try {
            bank = QuestionBank::load(m_install.folders.appFolder + QStringLiteral("Morvidかな0.csv"));
        } catch (const DataFileError &) {
        }
    }
    std::vector<WeakListEntry> entries;
    for (const WeakFigure &f : most) {
        std::optional<Question> q;
        if (bank)
            q = questionidentity::find(*bank, f.key.group, f.key.line, f.key.nameHash);
        entries.push_back({q ? q->name : weaklist::unknownName(f.key), f});
    }
    return entries;
}

// The start screen and the name change.

void ScreenFlow::showStartScreen()
{
    m_session.gradeFilterText = QStringLiteral("全学年");
    // The level screen is built afresh the next time it opens.
    closeLevelScreen();
    m_services.random.reseedFromClock();
    // The list is built before the screen is shown, so that a large school never sees it empty.
    m_startScreen->activate();
    showMaximisedScreen(m_startScreen.get());
    m_startScreen->activateWindow();
    m_startScreen->list()->setFocus();
    closeWaitCover();
}

bool ScreenFlow::showRoster(FigureMode mode)
{
    return ShowRoster(m_install, m_stats, m_roster, mode, m_services.clock.now(), m_callbacks);
}

void ScreenFlow::wrongAnswerSound()
{
    m_sounds.WrongAnswerSound();
}

bool ScreenFlow::confirmPupil(const NameChoice &choice)
{
    return m_roster.confirm(choice, m_session, m_services.clock.now().time());
}

void ScreenFlow::pupilConfirmed()
{
    showLevelScreen();
    m_startScreen->hide();
}

void ScreenFlow::leaveProgram()
{
    // The launcher in the sibling folder 起動 takes over; if it cannot be started the program
    // ends all the same.
    const QString launcher = QDir::cleanPath(m_install.folders.appFolder + QStringLiteral("../起動/Velnor.exe"));
    QProcess::startDetached(launcher, {QStringLiteral("001")}, QFileInfo(launcher).absolutePath());
    hideAllWindows();
    // exit(), not quit(): quit() first sends every window a close request, which the start
    // screen answers by leaving again.
    QCoreApplication::exit(0);
}

void ScreenFlow::showNameChange()
{
    if (!m_nameChange)
        m_nameChange = std::make_unique<NameChangeScreen>(m_install, *this, m_messages);
    showMaximisedScreen(m_nameChange.get());
    m_startScreen->hide();
}

void ScreenFlow::nameChangeDone()
{
    retire(m_nameChange);
    showStartScreen();
}

PrintSettingsScreen *ScreenFlow::printSettingsScreen() const
{
    return m_printSettings.data();
}

void ScreenFlow::showPrintSelection(const NameChoice &choice)
{
    // The settings screen stays open beside the start screen until its back button closes it;
    // opened again for a teacher's name where it was not (or the other way round), it is made
    // anew, so that 苦手な問題 is there for teachers only.
    const QString userName = choice.confirmable() ? m_roster.pupilName(choice.pupilNo).trimmed() : QString();
    const bool teacher = PrintSettings::offersWeakTo(userName);
    if (m_printSettings && m_printSettingsForTeacher != teacher) {
        PrintSettingsScreen *old = m_printSettings;
        m_printSettings.clear();
        old->goBack();
    }
    if (!m_printSettings) {
        m_printSettings = new PrintSettingsScreen(m_install.folders, m_services.clock, userName, m_services.random,
                                                  m_messages, m_printPlatform, m_startScreen.get());
        m_printSettingsForTeacher = teacher;
        m_printSettings->setWindowFlag(Qt::Window);
        m_printSettings->setAttribute(Qt::WA_DeleteOnClose);
    }
    showMaximisedScreen(m_printSettings);
    m_printSettings->raise();
    m_printSettings->activateWindow();
}

void ScreenFlow::showHelp()
{
    // The installation's own help file when it has one, otherwise the help page that comes with
    // the program, shown in the program's own window; one that cannot be read is said there.
    const QString own = m_install.folders.appFolder + m_install.productTitle + QStringLiteral(".HLP");
    const QString shipped = m_install.folders.appFolder + QStringLiteral("tavrel-help.html");
    const QString page = QFileInfo::exists(own) ? own : shipped;
    if (!m_help) {
        m_help = new HelpWindow(page, m_startScreen.get());
        m_help->setAttribute(Qt::WA_DeleteOnClose);
    } else {
        m_help->load(page);
    }
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
}

void ScreenFlow::showVersion(bool overStartScreen)
{
    AboutDialog dialog(m_install.productTitle, m_startScreen.get());
    if (overStartScreen)
        dialog.move(m_startScreen->geometry().center() - QPoint(dialog.width() / 2, dialog.height() / 2));
    dialog.exec();
}

// The level screen.

const PupilDirectory &ScreenFlow::pupils()
{
    m_directory = rosterDirectory(m_roster);
    return m_directory;
}

void ScreenFlow::showLevelScreen()
{
    if (!m_levels)
        m_levels = std::make_unique<LevelScreen>(m_install, m_session, m_services.clock, m_stats, *this);
    m_levelsOpen = true;
    showMaximisedScreen(m_levels.get());
    m_levels->raise();
    m_levels->activateWindow();
    m_levels->setFocus();
    m_levels->activate();
    closeWaitCover();
}

void ScreenFlow::closeLevelScreen()
{
    // The screen is kept out of sight for the next visit, as a new one would open: on a real
    // display a window made anew costs the pupil a wait at every visit.
    if (m_levels && m_levelsOpen)
        m_levels->putAway();
    m_levelsOpen = false;
}

void ScreenFlow::keep(const LevelVisit &visit)
{
    m_session.firstVisibleLevel = visit.firstVisibleLevel;
    m_session.finalCleared = visit.finalCleared;
}

void ScreenFlow::startLevel(int level, bool closeLevels)
{
    m_session.runLevel = static_cast<std::int16_t>(level);
    if (closeLevels)
        closeLevelScreen();
    startRun();
}

void ScreenFlow::backToStart()
{
    showStartScreen();
}

// The run.

void ScreenFlow::startRun()
{
    QList<Question> questions;
    try {
        questions = loadLevelQuestions(m_install.folders.appFolder, m_session.runLevel);
    } catch (const DataFileError &e) {
        closeWaitCover();
        m_messages.show(MessagePresenter::Icon::Critical, m_install.productTitle, e.text());
        showLevelScreen();
        return;
    }
    if (questions.isEmpty()) {
        closeWaitCover();
        m_messages.show(MessagePresenter::Icon::Warning, m_install.productTitle,
                        QStringLiteral("%1 には問題がありません。先生に知らせてください。")
                            .arg(m_install.levelName[m_session.runLevel]));
        showLevelScreen();
        return;
    }
    if (!refreshStats())
        return;

    // Out of sight for the whole run, the start screen and a level screen put away give back
    // their windows and back buffers (a display's worth each) until the pupil comes back to them,
    // once a run; between the start and the level screens they keep them, so that "O.K." and
    // "戻る" do not wait for a new window.
    releaseHiddenScreen(m_startScreen.get());
    if (m_levels && !m_levelsOpen)
        releaseHiddenScreen(m_levels.get());
    const RunHistory history = pupilHistory(m_stats, m_session.pupilNo, m_session.runLevel);
    if (!m_drill)
        m_drill = std::make_unique<DrillScreen>(m_install, m_session, m_services.clock, m_services.random, m_sounds,
                                                *this, m_messages);
    m_services.random.reseedFromClock();
    showMaximisedScreen(m_drill.get());
    m_drill->raise();
    m_drill->activateWindow();
    m_drill->setFocus();
    m_drill->startRun(std::move(questions), history);
    closeWaitCover();
}

void ScreenFlow::recordRun(const RunOutcome &outcome)
{
    m_flags = {};
    m_outcome = outcome;
    const auto recorded = RecordRun(m_install, m_stats, m_session.pupilNo, outcome.level, outcome.seconds,
                                    m_services.clock, m_pending, m_callbacks, outcome.answers);
    if (!recorded)
        return;
    m_flags = recorded->flags;
    // A run that its log could not take is kept, not lost: the pupil is told so and goes on to
    // the result screen.
    if (!recorded->notice.isEmpty())
        m_messages.show(MessagePresenter::Icon::Warning, m_install.productTitle, recorded->notice);
}

void ScreenFlow::appendPendingRuns()
{
    m_pending.appendWaiting(m_callbacks);
}

void ScreenFlow::showWaitScreen()
{
    waitScreen()->showCover();
}

void ScreenFlow::finishTestRun()
{
    retire(m_drill);
    closeLevelScreen();
    m_result = std::make_unique<ResultScreen>(m_install, m_session, m_outcome, m_stats, m_flags, m_sounds,
                                              m_services.clock, *this);
    showMaximisedScreen(m_result.get());
    m_result->activate();
}

void ScreenFlow::finishPractice()
{
    retire(m_drill);
    showLevelScreen();
}

void ScreenFlow::abandonRun()
{
    retire(m_drill);
    showLevelScreen();
}

void ScreenFlow::closeWaitScreen()
{
    closeWaitCover();
}

void ScreenFlow::goToLevels()
{
    showLevelScreen();
    retire(m_result);
}

void ScreenFlow::runAgain()
{
    retire(m_result);
    // The cover comes back to the front over what the result screen left, while the run loads.
    showWaitScreen();
    startRun();
}
