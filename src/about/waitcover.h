#pragma once

#include <QWidget>

class QLabel;

// The full-screen cover "Just a moment, please." that screens put up while they hand over to
// the next one. It never closes itself; whoever hands over closes it.
class WaitCover : public QWidget
{
public:
    explicit WaitCover(QWidget *parent = nullptr);

    // Shows the cover over the whole screen, in front, and paints its text at once; showing it
    // again brings it back to the front.
    void showCover();
    void closeCover();

    QLabel *label() const { return m_textLabel; }

protected:
    // The cover goes only when the hand-over it covers is done; a close request is ignored.
    void closeEvent(QCloseEvent *event) override;

private:
    QLabel *m_textLabel = nullptr;
};
