#pragma once

#include "levelcolumns.h"
#include "levelhost.h"
#include "resultlists.h"

#include <QString>

#include <vector>

struct Installation;
struct PupilSession;
class Clock;
class RunStats;
class ScreenPainter;

// The three display options above the lists ("ﾀｲﾑ表示", "ﾎﾟｲﾝﾄ表示", "個人ﾀｲﾑ").
enum class DisplayOption {
    Time,
    Points,
    PersonalTimes,
};

// One level's column as the level screen shows it.
struct LevelColumnView
{
    LevelColumnTexts texts;
    ResultList list; // hidden in a practice column
};

// Everything the level screen shows. Lengths are in twips.
struct LevelSelectionView
{
    // Above the columns.
    QString title;
    double titlePoints = 24.0;
    QString pupilLine;
    QString minutesText;
    QString todayTotalText;
    QString heading = QStringLiteral("ベスト成績");
    DisplayOption displayOption = DisplayOption::Points;
    ListChoice listChoice = ListChoice::First;
    ListChoiceCaptions listChoiceCaptions = activationListChoiceCaptions();
    bool graphOffered = false; // "グラフ", in the personal-times view

    // The columns: columns[k] is level k + 1. The lists change far less often than the rest:
    // listsChanged counts the times they did, so that a screen fills its lists only then.
    std::vector<LevelColumnView> columns;
    int listsChanged = 0;
    int firstVisibleLevel = 1; // the level in the leftmost column

    // Covers while the screen works: the whole screen while it is activated or left, the
    // columns (the back button and the list choice disabled) while lists are rebuilt.
    bool coverShown = false;
    bool listWorkShown = false;
    bool keysActive = false;
};

// The level screen apart from any widget: one column per level with the pupil's counts and
// targets, the result lists by display option and list choice, the scroll position, the keys,
// and the hand-over to a run or back to the start screen. The screen forwards intents and
// renders view(); what must outlast the screen goes to the host (LevelHost::keep), and a level
// started reaches it with its number.
class LevelSelection
{
public:
    LevelSelection(const Installation &install, const PupilSession &session, const Clock &clock,
                   const RunStats &stats, LevelHost &host, ScreenPainter &painter);

    // Each time the screen comes to the front: the figures are rebuilt under the cover, the
    // screen opens on the points ranking until now, scrolled where the pupil left it.
    void activate();
    void chooseDisplayMode(DisplayMode mode);
    void chooseList(ListChoice choice);
    // The "個人ﾀｲﾑ" view: the pupil's own runs per level among the newest records, read afresh,
    // with the graph button. False when the log could not be read (the host has reported it);
    // the lists then stay as they were and no graph is offered.
    bool showPersonalTimes();
    // The scroll bar moved to `value`.
    void scrollTo(int value);
    // A start button or key: the run begins and the level screen goes.
    void startLevel(int level);
    // A click on a level's caption: the run begins, the level screen stays behind it.
    void practiseLevel(int level);
    // "戻る(0)" and close requests; nothing while lists are rebuilt.
    void backToStart();
    // A character typed on the screen (empty with Alt or Ctrl held); true when it acted.
    bool pressKey(const QString &typed);
    // The screen goes out of sight until the next visit: the view is what a new selection
    // shows, without lists.
    void putAway();

    const LevelSelectionView &view() const { return m_view; }
    // What the result lists and the report are built from, as of now.
    ListSources listSources() const;

private:
    void startAfresh();
    void beginListWork();
    void endListWork();
    void showLists(DisplayMode mode, ListChoice choice);
    void setLists(const QString &heading, const LevelLists &lists, bool withSelection);
    LevelColumnView &column(int level) { return m_view.columns.at(level - 1); }

    const Installation &m_install;
    const PupilSession &m_session;
    const Clock &m_clock;
    const RunStats &m_stats;
    LevelHost &m_host;
    ScreenPainter &m_painter;
    DisplayMode m_displayMode = DisplayMode::Points; // the mode the list choices apply to
    LevelVisit m_visit;
    LevelSelectionView m_view;
};
