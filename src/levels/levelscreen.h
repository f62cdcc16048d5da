#pragma once

#include "listsources.h"
#include "printdialogs.h"

#include <QStringList>
#include <QWidget>

#include <vector>

struct Installation;
struct PupilSession;
class Clock;
class ClickLabel;
class LevelHost;
class PupilReportPanel;
class QButtonGroup;
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
class LevelScreen : public QWidget
{
public:
    LevelScreen(const Installation &install, PupilSession &session, const Clock &clock, const RunStats &stats,
                LevelHost &host, QWidget *parent = nullptr);

    // Runs each time the screen comes to the front.
    void activate();

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

    // Controls, for tests.
    QPushButton *startButton(int level) const { return m_columns.at(static_cast<std::size_t>(level)).startButton; }
    QLabel *caption(int level) const;
    QLabel *todayCounts(int level) const { return m_columns.at(static_cast<std::size_t>(level)).todayCounts; }
    QLabel *allCounts(int level) const { return m_columns.at(static_cast<std::size_t>(level)).allCounts; }
    QLabel *targetLine(int level) const { return m_columns.at(static_cast<std::size_t>(level)).targetLine; }
    QLabel *recentLine(int level) const { return m_columns.at(static_cast<std::size_t>(level)).recentLine; }
    QListView *list(int level) const { return m_columns.at(static_cast<std::size_t>(level)).resultList; }
    // The lines the list of a level shows.
    QStringList listLines(int level) const;
    QLabel *heading() const { return m_heading; }
    QLabel *pupilLine() const { return m_pupilLine; }
    QLabel *todayTotal() const { return m_todayTotal; }
    QPushButton *backButton() const { return m_backButton; }
    QPushButton *graphButton() const { return m_graphButton; }
    PupilReportPanel *reportPanel() const { return m_reportPanel; }
    QScrollBar *scrollBar() const { return m_scrollBar; }
    bool keysActive() const { return m_keysActive; }
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
        bool practice = false;
    };

    void buildHeader();
    void buildColumns();
    void placeColumns();
    void showLists(const ListSources &sources, DisplayMode mode, ListChoice choice);
    // Shows the lines in a column's list, the line selectedRow (-1: none) current and selected.
    static void showLines(const Column &column, const QStringList &lines, int selectedRow);
    void setListChoiceCaptions(const QString &first, const QString &second, const QString &third);
    void beginListWork();
    void endListWork();
    void hideReport();
    ListSources listSources() const;

    const Installation &m_install;
    PupilSession &m_session;
    const Clock &m_clock;
    const RunStats &m_stats;
    LevelHost &m_host;
    TwipLayout *m_layout = nullptr;
    std::vector<Column> m_columns; // slot = level
    int m_columnWidth = 0;
    bool m_keysActive = false;
    bool m_inActivation = false;
    DisplayMode m_displayMode = DisplayMode::Points;

    QLabel *m_titleLabel = nullptr;
    QLabel *m_pupilLine = nullptr;
    QLabel *m_minutesLabel = nullptr;
    QLabel *m_todayTotal = nullptr;
    QLabel *m_heading = nullptr;
    QButtonGroup *m_displayModeButtons = nullptr;
    QButtonGroup *m_listChoiceButtons = nullptr;
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
