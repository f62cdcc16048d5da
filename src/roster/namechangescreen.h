#pragma once

#include "namechangeeditor.h"

#include <QWidget>

#include <array>

struct Installation;
class MessagePresenter;
class QLabel;
class QLineEdit;
class QPushButton;
class StartHost;

// The name-change screen: the names and birth years of the first three pupils of the roster.
// "変更" writes the rows the pupil edited back to the roster file (a row another writer changed
// meanwhile is refused and the file shown as it is now); "もどる" returns to the start screen. A
// thin widget over a NameChangeEditor: it forwards every change of a box and renders the view.
class NameChangeScreen : public QWidget
{
public:
    NameChangeScreen(const Installation &install, StartHost &host, MessagePresenter &messages, QWidget *parent = nullptr);

    void saveNames();
    void backToStart();

    // The boxes of the row as shown, 1 to 3.
    QLineEdit *nameBox(int row) const { return m_nameBoxes.at(row - 1); }
    QLineEdit *birthYearBox(int row) const { return m_birthYearBoxes.at(row - 1); }
    QLabel *statusLabel() const { return m_status; }
    QPushButton *saveButton() const { return m_saveButton; }
    QPushButton *backButton() const { return m_backButton; }

protected:
    // A close request does what "もどる" does.
    void closeEvent(QCloseEvent *event) override;

private:
    void render();

    StartHost &m_host;
    MessagePresenter &m_messages;
    NameChangeEditor m_editor;
    std::array<QLineEdit *, namechange::kEditableEntries> m_nameBoxes{};
    std::array<QLineEdit *, namechange::kEditableEntries> m_birthYearBoxes{};
    QLabel *m_status = nullptr;
    QPushButton *m_saveButton = nullptr;
    QPushButton *m_backButton = nullptr;
};
