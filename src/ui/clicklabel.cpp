#include "clicklabel.h"

#include <QMouseEvent>

ClickLabel::ClickLabel(QWidget *parent)
    : FitLabel(parent)
{
}

void ClickLabel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && isEnabled()) {
        m_pressed = true;
        event->accept();
        return;
    }
    FitLabel::mousePressEvent(event);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_pressed) {
        QLabel::mouseReleaseEvent(event);
        return;
    }
    m_pressed = false;
    event->accept();
    if (isEnabled() && isVisible() && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}

void ClickLabel::mouseDoubleClickEvent(QMouseEvent *event)
{
    // Stands in for the second press of a double-click; the first press and release have
    // already clicked.
    if (event->button() == Qt::LeftButton) {
        event->accept();
        return;
    }
    QLabel::mouseDoubleClickEvent(event);
}

void ClickLabel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::EnabledChange && !isEnabled())
        m_pressed = false;
    QLabel::changeEvent(event);
}

void ClickLabel::hideEvent(QHideEvent *event)
{
    m_pressed = false;
    QLabel::hideEvent(event);
}
