#pragma once

#include "listsources.h"
#include "printdialogs.h"

#include <QWidget>

#include <vector>

struct AppState;
class ClickLabel;
class LevelHost;
class PupilReportPanel;
class QButtonGroup;
class QLabel;
class QListWidget;
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
    LevelScreen(AppState &state, const RunStats &stats, LevelHost &host, QWidget *parent = nullptr);

    // Runs each time the screen comes to the front.
    void activate();

    void Command4_Click(int level);
    void Label3_Click(int level);
    void Command1_Click();
    void chooseDisplayMode(DisplayMode mode);
    void chooseList(ListChoice choice);
    // The "個人ﾀｲﾑ" view: the pupil's own runs per level, with the graph button.
    void showPersonalTimes();
    // The graph button: the report panel for the current pupil.
    void showGraph();
    void scrollTo(int value);

    // Controls, for tests.
    QPushButton *startButton(int level) const { return m_columns.at(static_cast<std::size_t>(level)).command4; }
    QLabel *caption(int level) const;
    QLabel *todayCounts(int level) const { return m_columns.at(static_cast<std::size_t>(level)).label14; }
    QLabel *allCounts(int level) const { return m_columns.at(static_cast<std::size_t>(level)).label15; }
    QLabel *targetLine(int level) const { return m_columns.at(static_cast<std::size_t>(level)).label7; }
    QLabel *recentLine(int level) const { return m_columns.at(static_cast<std::size_t>(level)).label8; }
    QListWidget *list(int level) const { return m_columns.at(static_cast<std::size_t>(level)).list5; }
    QLabel *heading() const { return m_label5; }
    QLabel *pupilLine() const { return m_label12; }
    QLabel *todayTotal() const { return m_label18; }
    QPushButton *backButton() const { return m_command1; }
    QPushButton *graphButton() const { return m_graphButton; }
    PupilReportPanel *reportPanel() const { return m_reportPanel; }
    QScrollBar *scrollBar() const { return m_hScroll1; }
    bool keysActive() const { return m_keysActive; }
    int columnLeft(int level) const;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    struct Column
    {
        QLabel *label1 = nullptr;
        ClickLabel *label3 = nullptr;
        QPushButton *command4 = nullptr;
        QLabel *label9 = nullptr;
        QLabel *label10 = nullptr;
        QLabel *label14 = nullptr;
        QLabel *label15 = nullptr;
        QLabel *label8 = nullptr;
        QListWidget *list5 = nullptr;
        QLabel *label7 = nullptr;
        bool practice = false;
    };

    void buildHeader();
    void buildColumns();
    void placeColumns();
    void showLists(const ListSources &sources, DisplayMode mode, ListChoice choice);
    void setListChoiceCaptions(const QString &first, const QString &second, const QString &third);
    void beginListWork();
    void endListWork();
    void hideReport();
    ListSources listSources() const;

    AppState &m_state;
    const RunStats &m_stats;
    LevelHost &m_host;
    TwipLayout *m_layout = nullptr;
    std::vector<Column> m_columns; // slot = level
    int m_columnWidth = 0;
    bool m_keysActive = false;
    bool m_inActivation = false;
    DisplayMode m_displayMode = DisplayMode::Points;

    QLabel *m_label11 = nullptr;
    QLabel *m_label12 = nullptr;
    QLabel *m_label17 = nullptr;
    QLabel *m_label18 = nullptr;
    QLabel *m_label5 = nullptr;
    QButtonGroup *m_option2 = nullptr;
    QButtonGroup *m_option1 = nullptr;
    QWidget *m_picture1 = nullptr;
    QPushButton *m_command1 = nullptr;
    QScrollBar *m_hScroll1 = nullptr;
    QWidget *m_picture2 = nullptr;
    QProgressBar *m_progressBar1 = nullptr;
    QWidget *m_picture6 = nullptr;
    QProgressBar *m_progressBar2 = nullptr;
    QPushButton *m_graphButton = nullptr;
    BoxPrintDialogs m_printDialogs{this};
    PupilReportPanel *m_reportPanel = nullptr;
};
