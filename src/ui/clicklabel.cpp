#include "clicklabel.h"

#include <QMouseEvent>

ClickLabel::ClickLabel(QWidget *parent)
    : FitLabel(parent)
{
}

void ClickLabel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && isEnabled()) {
        event->accept();
        Q_EMIT clicked();
        return;
    }
    FitLabel::mousePressEvent(event);
}
