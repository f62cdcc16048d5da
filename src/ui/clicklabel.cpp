#include "clicklabel.h"

#include <QMouseEvent>

ClickLabel::ClickLabel(QWidget *parent)
    : QLabel(parent)
{
}

void ClickLabel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && isEnabled()) {
        event->accept();
        Q_EMIT clicked();
        return;
    }
    QLabel::mousePressEvent(event);
}
