#pragma once

#include "fitlabel.h"

// A label that can be clicked, as the drill's answer labels are. A click is a left-button press
// and release both on this label; clicked() comes with the release. The second press of a
// double-click arms nothing, so a double-click is one click: on the drill's labels every click
// is an answer, and a panel that opens after the first click must not take the second as another.
// Disabled or hidden labels do not click. Its text shrinks to fit as a FitLabel's does.
class ClickLabel : public FitLabel
{
    Q_OBJECT

public:
    explicit ClickLabel(QWidget *parent = nullptr);

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    bool m_pressed = false; // a left press on this label waits for its release
};
