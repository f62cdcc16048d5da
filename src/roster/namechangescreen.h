#pragma once

#include <QWidget>

#include <array>

struct AppState;
class MessagePresenter;
class QLabel;
class QLineEdit;
class QPushButton;
class StartHost;

// The name-change screen: the names and birth years of the first three pupils of the roster.
// "変更" writes them back to the roster file; "もどる" returns to the start screen.
class NameChangeScreen : public QWidget
{
public:
    NameChangeScreen(AppState &state, StartHost &host, MessagePresenter &messages, QWidget *parent = nullptr);

    void Command1_Click();
    void Command2_Click();

    QLineEdit *nameBox(int row) const { return m_text1.at(static_cast<std::size_t>(row - 1)); }
    QLineEdit *birthYearBox(int row) const { return m_text2.at(static_cast<std::size_t>(row - 1)); }
    QLabel *statusLabel() const { return m_status; }
    QPushButton *saveButton() const { return m_command1; }
    QPushButton *backButton() const { return m_command2; }

private:
    void Form_Load();

    AppState &m_state;
    StartHost &m_host;
    MessagePresenter &m_messages;
    std::array<QLineEdit *, 3> m_text1{}; // names
    std::array<QLineEdit *, 3> m_text2{}; // birth years
    int m_rows = 0;
    QLabel *m_status = nullptr;
    QPushButton *m_command1 = nullptr;
    QPushButton *m_command2 = nullptr;
};
