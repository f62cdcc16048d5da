#pragma once

#include "fitlabel.h"

// A label that can be clicked, as the drill's answer labels are. Disabled labels do not click.
// Its text shrinks to fit as a FitLabel's does.
class ClickLabel : public FitLabel
{
    Q_OBJECT

public:
    explicit ClickLabel(QWidget *parent = nullptr);

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
};
