#include "levelselection.h"

#include "clock.h"
#include "installation.h"
#include "levelactivation.h"
#include "levelkeys.h"
#include "levelscroll.h"
#include "personaltimes.h"
#include "pupilsession.h"
#include "screenpainter.h"

#include <algorithm>

LevelSelection::LevelSelection(const Installation &install, const PupilSession &session, const Clock &clock,
                               const RunStats &stats, LevelHost &host, ScreenPainter &painter)
    : m_install(install)
    , m_session(session)
    , m_clock(clock)
    , m_stats(stats)
    , m_host(host)
    , m_painter(painter)
{
    startAfresh();
}

void LevelSelection::startAfresh()
{
    // The lists change too (to none), so that a screen showing them lets them go.
    const int listsChanged = m_view.listsChanged + 1;
    m_view = LevelSelectionView{};
    m_view.columns.resize(std::max<int>(0, m_install.levelCount));
    m_view.firstVisibleLevel = std::max(1, m_session.firstVisibleLevel);
    m_view.listsChanged = listsChanged;
    m_displayMode = DisplayMode::Points;
    m_visit = {m_session.firstVisibleLevel, m_session.finalCleared};
}

void LevelSelection::putAway()
{
    startAfresh();
}

ListSources LevelSelection::listSources() const
{
    return {m_install, m_session.pupilNo, m_stats, m_host.pupils(), m_session.gradeFilterText, m_clock.now()};
}

void LevelSelection::activate()
{
    m_view.keysActive = false;
    m_view.coverShown = true;
    m_painter.paintNow();

    m_view.graphOffered = false;
    m_host.computeStats();
    const int todayTotal = todayTotalAttempts(m_stats, m_session.pupilNo);

    // The screen opens on the points ranking until now.
    m_displayMode = DisplayMode::Points;
    m_view.displayOption = DisplayOption::Points;
    m_view.listChoice = ListChoice::First;
    m_view.listChoiceCaptions = activationListChoiceCaptions();
    showLists(DisplayMode::Points, ListChoice::First);

    const LevelScreenHeader header = levelScreenHeader(m_install, m_session, m_session.pupilGrade, todayTotal,
                                                       m_clock.now().time().msecsSinceStartOfDay() / 1000.0);
    m_view.title = header.title;
    m_view.titlePoints = header.titlePointSize;
    m_view.pupilLine = header.pupilLine;
    m_view.minutesText = header.minutesText;
    m_view.todayTotalText = header.todayTotalText;

    m_view.firstVisibleLevel = levelscroll::activationFirstVisible(m_session.firstVisibleLevel, m_install.levelCount);
    for (const LevelColumnTexts &texts : levelColumns(m_install, m_stats, m_session.pupilNo))
        column(texts.level).texts = texts;

    m_visit = {m_view.firstVisibleLevel, finalCleared(m_install, m_stats, m_session.pupilNo)};
    m_host.keep(m_visit);
    m_view.coverShown = false;
    m_view.keysActive = true;
}

void LevelSelection::beginListWork()
{
    m_view.listWorkShown = true;
    m_painter.paintNow();
}

void LevelSelection::endListWork()
{
    m_view.listWorkShown = false;
}

void LevelSelection::showLists(DisplayMode mode, ListChoice choice)
{
    // Runs recorded since the statistics were rebuilt, here or on another machine sharing the
    // log, belong in the run lists: those read the log again at every switch.
    std::vector<RunRow> runs;
    if (const std::int64_t records = runLogRecordsRead(mode, choice); records > 0 && !m_host.readNewestRuns(records, runs))
        return;
    const ResultListsView lists = buildResultLists(listSources(), mode, choice, runs);
    setLists(lists.heading, lists.lists, true);
}

void LevelSelection::setLists(const QString &heading, const LevelLists &lists, bool withSelection)
{
    m_view.heading = heading;
    for (int level = 1; level <= static_cast<int>(m_view.columns.size()); ++level) {
        const ResultList &list = lists.at(level);
        column(level).list = ResultList{list.lines, withSelection ? list.selectedRow : -1};
    }
    ++m_view.listsChanged;
}

bool LevelSelection::showPersonalTimes()
{
    m_view.graphOffered = false;
    beginListWork();
    m_view.displayOption = DisplayOption::PersonalTimes;
    // The newest runs are read again, as for the run lists: a run recorded since the screen
    // opened is listed, as the report's graph counts it.
    std::vector<RunRow> runs;
    if (!m_host.readNewestRuns(kPersonalTimesRecords, runs)) {
        endListWork();
        return false;
    }
    const PersonalTimesView personal = personalTimeLists(listSources(), runs);
    setLists(personal.heading, personal.lists, false);
    m_view.graphOffered = true;
    endListWork();
    return true;
}

void LevelSelection::chooseDisplayMode(DisplayMode mode)
{
    m_view.graphOffered = false;
    beginListWork();
    m_displayMode = mode;
    m_view.displayOption = mode == DisplayMode::Time ? DisplayOption::Time : DisplayOption::Points;
    m_view.listChoiceCaptions = listChoiceCaptions(mode);
    showLists(mode, m_view.listChoice);
    endListWork();
}

void LevelSelection::chooseList(ListChoice choice)
{
    beginListWork();
    m_view.listChoice = choice;
    showLists(m_displayMode, choice);
    endListWork();
}

void LevelSelection::scrollTo(int value)
{
    m_view.firstVisibleLevel = levelscroll::scrolledFirstVisible(value, m_install.levelCount);
    m_visit.firstVisibleLevel = m_view.firstVisibleLevel;
    m_host.keep(m_visit);
}

void LevelSelection::startLevel(int level)
{
    if (level < 1 || level > m_install.levelCount)
        return;
    m_view.coverShown = true;
    m_view.keysActive = false;
    m_painter.paintNow();
    m_host.startLevel(level, true);
}

void LevelSelection::practiseLevel(int level)
{
    if (level < 1 || level > m_install.levelCount)
        return;
    m_host.startLevel(level, false);
}

void LevelSelection::backToStart()
{
    if (m_view.listWorkShown)
        return;
    m_view.coverShown = true;
    m_painter.paintNow();
    m_host.backToStart();
}

bool LevelSelection::pressKey(const QString &typed)
{
    const LevelKeyAction action = levelKeyAction(typed, m_install.levelCount, m_view.keysActive, !m_view.listWorkShown);
    switch (action.kind) {
    case LevelKeyAction::Kind::StartLevel:
        startLevel(action.level);
        return true;
    case LevelKeyAction::Kind::Back:
        backToStart();
        return true;
    case LevelKeyAction::Kind::None:
        break;
    }
    return false;
}
