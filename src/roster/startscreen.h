#pragma once

#include "listline.h"
#include "namechoice.h"

#include <QMainWindow>

struct Installation;
struct PupilSession;
class Clock;
class ClickLabel;
class MessagePresenter;
class QButtonGroup;
class QLabel;
class QListWidget;
class QPushButton;
class Roster;
class StartHost;
class TwipLayout;

// The start screen "quenda", on which a pupil picks their name from the roster list. Every
// activation restores a missing roster from its backup, rebuilds the list with today's and
// overall points and clears the choice.
class StartScreen : public QMainWindow
{
public:
    StartScreen(const Installation &install, PupilSession &session, const Clock &clock, Roster &roster,
                StartHost &host, MessagePresenter &messages, QWidget *parent = nullptr);

    // Runs each time the screen comes to the front: at start, back from level selection and
    // back from the name-change screen.
    void activate();

    void chooseRow(int row);
    void confirmRow(int row);
    void confirmPupil();
    void leaveProgram();

    QListWidget *list() const { return m_list; }
    QLabel *choiceLabel() const { return m_choiceLabel; }
    QLabel *rosterMessage() const { return m_rosterMessage; }
    QPushButton *okButton() const { return m_okButton; }
    QPushButton *printButton() const { return m_printButton; }
    QButtonGroup *modeButtons() const { return m_modeButtons; }
    QWidget *waitPanel() const { return m_waitPanel; }
    TwipLayout *layoutHelper() const { return m_layout; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    // A close request does what "終了" does: the launcher starts and the program ends.
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildMenus();
    void rebuildList(FigureMode mode);
    bool handleKey(QKeyEvent *event, bool fromList);

    const Installation &m_install;
    PupilSession &m_session;
    const Clock &m_clock;
    Roster &m_roster;
    StartHost &m_host;
    MessagePresenter &m_messages;
    TwipLayout *m_layout = nullptr;
    NameChoice m_choice = NameChoice::none();

    ClickLabel *m_titleLabel = nullptr;
    QLabel *m_choiceLabel = nullptr;
    QLabel *m_rosterMessage = nullptr;
    QPushButton *m_okButton = nullptr;
    QPushButton *m_leaveButton = nullptr;
    QPushButton *m_printButton = nullptr;
    QButtonGroup *m_modeButtons = nullptr;
    QListWidget *m_list = nullptr;
    QWidget *m_waitPanel = nullptr;
};
