#pragma once

#include "screenpainter.h"
#include "startselection.h"

#include <QMainWindow>

#include <array>
#include <utility>

struct Installation;
class ClickLabel;
class MessagePresenter;
class QRadioButton;
class QLabel;
class QListWidget;
class QPushButton;
class Roster;
class StartHost;
class TwipLayout;

// The start screen "quenda", on which a pupil picks their name from the roster list. Every
// activation restores a missing roster from its backup, rebuilds the list with today's and
// overall points and clears the choice. A thin widget over a StartSelection: it forwards clicks
// and keys and renders the view.
class StartScreen : public QMainWindow, private ScreenPainter
{
public:
    StartScreen(const Installation &install, Roster &roster, StartHost &host, MessagePresenter &messages,
                QWidget *parent = nullptr);

    // Runs each time the screen comes to the front: at start, back from level selection and
    // back from the name-change screen.
    void activate();

    void chooseRow(int row);
    void confirmRow(int row);
    void confirmPupil();
    void leaveProgram();

    const StartSelection &selection() const { return m_selection; }
    QListWidget *list() const { return m_list; }
    QLabel *choiceLabel() const { return m_choiceLabel; }
    QLabel *rosterMessage() const { return m_rosterMessage; }
    QPushButton *okButton() const { return m_okButton; }
    QPushButton *printButton() const { return m_printButton; }
    QRadioButton *modeButton(FigureMode mode) const;
    QWidget *waitPanel() const { return m_waitPanel; }
    TwipLayout *layoutHelper() const { return m_layout; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    // A close request does what "終了" does: the launcher starts and the program ends.
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildMenus();
    void paintNow() override;
    void render();
    // Shows the roster's problems that were not shown before.
    void showProblems(const QStringList &problems);
    bool handleKey(QKeyEvent *event, bool fromList);

    const Installation &m_install;
    StartHost &m_host;
    MessagePresenter &m_messages;
    StartSelection m_selection;
    TwipLayout *m_layout = nullptr;
    int m_listBuildShown = 0; // the build of the list the list widget holds

    ClickLabel *m_titleLabel = nullptr;
    QLabel *m_choiceLabel = nullptr;
    QLabel *m_rosterMessage = nullptr;
    QPushButton *m_okButton = nullptr;
    QPushButton *m_leaveButton = nullptr;
    QPushButton *m_printButton = nullptr;
    // The figure modes in the order of their buttons, left to right.
    std::array<std::pair<FigureMode, QRadioButton *>, kFigureModeCount> m_modeButtons{};
    QListWidget *m_list = nullptr;
    QWidget *m_waitPanel = nullptr;
};
