#pragma once

#include "listline.h"
#include "namechoice.h"

#include <QMainWindow>

struct AppState;
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
    StartScreen(AppState &state, Roster &roster, StartHost &host, MessagePresenter &messages,
            QWidget *parent = nullptr);

    // Runs each time the screen comes to the front: at start, back from level selection and
    // back from the name-change screen.
    void activate();

    void List1_Click(int row);
    void List1_DblClick(int row);
    void Command14_Click();
    void Command7_Click();

    QListWidget *list() const { return m_list1; }
    QLabel *choiceLabel() const { return m_label1; }
    QLabel *rosterMessage() const { return m_rosterMessage; }
    QPushButton *okButton() const { return m_command14; }
    QPushButton *printButton() const { return m_command1; }
    QButtonGroup *modeButtons() const { return m_option1; }
    QWidget *waitPanel() const { return m_picture5; }
    TwipLayout *layoutHelper() const { return m_layout; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildMenus();
    void rebuildList(FigureMode mode);
    bool handleKey(QKeyEvent *event, bool fromList);

    AppState &m_state;
    Roster &m_roster;
    StartHost &m_host;
    MessagePresenter &m_messages;
    TwipLayout *m_layout = nullptr;
    NameChoice m_choice = NameChoice::none();

    ClickLabel *m_label4 = nullptr;
    QLabel *m_label1 = nullptr;
    QLabel *m_rosterMessage = nullptr;
    QPushButton *m_command14 = nullptr;
    QPushButton *m_command7 = nullptr;
    QPushButton *m_command1 = nullptr;
    QButtonGroup *m_option1 = nullptr;
    QListWidget *m_list1 = nullptr;
    QWidget *m_picture5 = nullptr;
};
