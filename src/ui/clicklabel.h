#pragma once

#include <QLabel>

// A label that can be clicked, as the drill's answer labels are. Disabled labels do not click.
class ClickLabel : public QLabel
{
    Q_OBJECT

public:
    explicit ClickLabel(QWidget *parent = nullptr);

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
};
