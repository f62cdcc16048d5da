#pragma once

#include "namechange.h"

#include <QWidget>

#include <array>
#include <vector>

struct Installation;
class MessagePresenter;
class QLabel;
class QLineEdit;
class QPushButton;
class StartHost;

// The name-change screen: the names and birth years of the first three pupils of the roster.
// "変更" writes the rows the pupil edited back to the roster file (a row another writer changed
// meanwhile is refused and the file shown as it is now); "もどる" returns to the start screen.
class NameChangeScreen : public QWidget
{
public:
    NameChangeScreen(const Installation &install, StartHost &host, MessagePresenter &messages, QWidget *parent = nullptr);

    void saveNames();
    void backToStart();

    QLineEdit *nameBox(int row) const { return m_nameBoxes.at(static_cast<std::size_t>(row - 1)); }
    QLineEdit *birthYearBox(int row) const { return m_birthYearBoxes.at(static_cast<std::size_t>(row - 1)); }
    QLabel *statusLabel() const { return m_status; }
    QPushButton *saveButton() const { return m_saveButton; }
    QPushButton *backButton() const { return m_backButton; }

protected:
    // A close request does what "もどる" does.
    void closeEvent(QCloseEvent *event) override;

private:
    void loadNames();

    const Installation &m_install;
    StartHost &m_host;
    MessagePresenter &m_messages;
    std::array<QLineEdit *, 3> m_nameBoxes{}; // names
    std::array<QLineEdit *, 3> m_birthYearBoxes{}; // birth years
    std::vector<namechange::Boxes> m_loaded; // what the boxes were filled with from the file
    QLabel *m_status = nullptr;
    QPushButton *m_saveButton = nullptr;
    QPushButton *m_backButton = nullptr;
};
