#pragma once

#include "levelselection.h"
#include "printdialogs.h"
#include "screenpainter.h"

#include <QStringList>
#include <QWidget>

#include <array>
#include <utility>
#include <vector>

struct Installation;
struct PupilSession;
class Clock;
class ClickLabel;
class LevelHost;
class PupilReportPanel;
class QLabel;
class QListView;
class QStringListModel;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QScrollBar;
class RunStats;
class TwipLayout;

// The level screen: one column per level with its start button, the pupil's counts, the target
// and a result list; rankings and run lists by display mode; the way back to the start screen.
// A thin widget over a LevelSelection: it forwards clicks, keys and the scroll bar and renders
// the view; the report panel beside it renders its own PupilReport.
class LevelScreen : public QWidget, private ScreenPainter
{
public:
    LevelScreen(const Installation &install, const PupilSession &session, const Clock &clock, const RunStats &stats,
                LevelHost &host, QWidget *parent = nullptr);

    // Runs each time the screen comes to the front.
    void activate();
    // Out of sight until it is activated again, as a new screen would be: without its lists,
    // the report panel closed, nothing scrolled.
    void putAway();

    void startLevel(int level);
    void practiseLevel(int level);
    void backToStart();
    void chooseDisplayMode(DisplayMode mode);
    void chooseList(ListChoice choice);
    // The "個人ﾀｲﾑ" view: the pupil's own runs per level, with the graph button.
    void showPersonalTimes();
    // The graph button: the report panel for the current pupil.
    void showGraph();
    void scrollTo(int value);

    const LevelSelection &selection() const { return m_selection; }

    // Controls, for tests, by level number (1 to levelCount).
    QPushButton *startButton(int level) const { return column(level).startButton; }
    QLabel *caption(int level) const;
    QLabel *todayCounts(int level) const { return column(level).todayCounts; }
    QLabel *allCounts(int level) const { return column(level).allCounts; }
    QLabel *targetLine(int level) const { return column(level).targetLine; }
    QLabel *recentLine(int level) const { return column(level).recentLine; }
    QListView *list(int level) const { return column(level).resultList; }
    // The lines the list of a level shows.
    QStringList listLines(int level) const;
    QLabel *heading() const { return m_heading; }
    QLabel *pupilLine() const { return m_pupilLine; }
    QLabel *todayTotal() const { return m_todayTotal; }
    QPushButton *backButton() const { return m_backButton; }
    QPushButton *graphButton() const { return m_graphButton; }
    PupilReportPanel *reportPanel() const { return m_reportPanel; }
    QScrollBar *scrollBar() const { return m_scrollBar; }
    bool keysActive() const { return m_selection.view().keysActive; }
    int columnLeft(int level) const;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    // A close request does what "戻る" does (nothing while it is disabled).
    void closeEvent(QCloseEvent *event) override;

private:
    struct Column
    {
        QLabel *numberLabel = nullptr;
        ClickLabel *captionLabel = nullptr;
        QPushButton *startButton = nullptr;
        QLabel *todayHeading = nullptr;
        QLabel *allHeading = nullptr;
        QLabel *todayCounts = nullptr;
        QLabel *allCounts = nullptr;
        QLabel *recentLine = nullptr;
        QListView *resultList = nullptr;
        QStringListModel *resultLines = nullptr;
        QLabel *targetLine = nullptr;
    };

    const Column &column(int level) const { return m_columns.at(level - 1); }
    void buildHeader();
    void buildColumns();
    void placeColumns(int firstVisible);
    void paintNow() override;
    // Renders the view; the lists only when they changed, the columns only when they moved.
    void render();
    // Shows the lines in a column's list, the line selectedRow (-1: none) current and selected.
    static void showLines(const Column &column, const ResultList &list);
    // The report panel goes with the personal-times view it belongs to.
    void closeReport();

    const Installation &m_install;
    LevelHost &m_host;
    LevelSelection m_selection;
    TwipLayout *m_layout = nullptr;
    std::vector<Column> m_columns; // column k is level k + 1
    int m_columnWidth = 0;
    int m_listsShown = 0;   // the lists of the view the columns show
    int m_placedFirst = 0;  // the first visible level the columns are placed for
    double m_titlePoints = 0.0;

    QLabel *m_titleLabel = nullptr;
    QLabel *m_pupilLine = nullptr;
    QLabel *m_minutesLabel = nullptr;
    QLabel *m_todayTotal = nullptr;
    QLabel *m_heading = nullptr;
    std::array<std::pair<DisplayOption, QRadioButton *>, 3> m_displayButtons{};
    std::array<std::pair<ListChoice, QRadioButton *>, 3> m_listButtons{};
    QWidget *m_listChoiceStrip = nullptr;
    QPushButton *m_backButton = nullptr;
    QScrollBar *m_scrollBar = nullptr;
    QWidget *m_cover = nullptr;
    QProgressBar *m_coverProgress = nullptr;
    QWidget *m_listWaitPanel = nullptr;
    QProgressBar *m_listWaitProgress = nullptr;
    QPushButton *m_graphButton = nullptr;
    BoxPrintDialogs m_printDialogs{this};
    PupilReportPanel *m_reportPanel = nullptr;
};
