#include "labelframe.h"

#include <QAbstractItemView>
#include <QLabel>

namespace labelframe {

void frame(QLabel *label, const QColor &ground, const QColor &text, const QColor &border, int borderWidth)
{
    label->setAutoFillBackground(true);
    QPalette pal = label->palette();
    pal.setColor(QPalette::Window, ground);
    pal.setColor(QPalette::WindowText, text);
    // A plain frame takes the text's colour; a shaded panel whose light and dark sides are both
    // the border colour draws the same solid line in its own colour.
    pal.setColor(QPalette::Light, border);
    pal.setColor(QPalette::Dark, border);
    label->setPalette(pal);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setLineWidth(borderWidth);
}

void textColour(QLabel *label, const QColor &text)
{
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, text);
    label->setPalette(pal);
}

void listColours(QAbstractItemView *list, const QColor &ground, const QColor &text)
{
    QPalette pal = list->palette();
    pal.setColor(QPalette::Base, ground);
    // The frame and the scroll bar's edge are drawn from the window colour.
    pal.setColor(QPalette::Window, ground);
    pal.setColor(QPalette::Text, text);
    list->setPalette(pal);
}

} // namespace labelframe
