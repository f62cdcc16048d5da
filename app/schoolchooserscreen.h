#pragma once

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;
class SchoolChooser;

// The chooser's window: a list of the schools this machine knows and the demo, "開く" and
// "終了". It forwards the pupil's intents to the SchoolChooser and shows its view; it keeps no
// state of its own. It closes itself once the chooser is finished (accepted when opened).
class SchoolChooserScreen : public QDialog
{
public:
    explicit SchoolChooserScreen(SchoolChooser &chooser, QWidget *parent = nullptr);

    QLabel *headingLine() const { return m_heading; }
    QListWidget *list() const { return m_list; }
    QLabel *noteLine() const { return m_note; }
    QPushButton *openButton() const { return m_openButton; }
    QPushButton *quitButton() const { return m_quitButton; }

    // Closing the window (its close button, Escape) gives the choice up.
    void reject() override;

private:
    void render();
    void openSelected();

    SchoolChooser &m_chooser;
    QLabel *m_heading = nullptr;
    QListWidget *m_list = nullptr;
    QLabel *m_note = nullptr;
    QPushButton *m_openButton = nullptr;
    QPushButton *m_quitButton = nullptr;
    bool m_rendering = false;
};
