#include "fitlabel.h"

#include <QPainter>
#include <QStyle>

FitLabel::FitLabel(QWidget *parent)
    : QLabel(parent)
{
}

FitLabel::FitLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
}

QFont FitLabel::fittedFont() const
{
    QFont f = font();
    const int room = contentsRect().width() - 2 * margin() - 4;
    if (room <= 0 || text().isEmpty())
        return f;
    double points = f.pointSizeF();
    while (points > 4.0 && QFontMetricsF(f).horizontalAdvance(text()) > room) {
        points *= 0.92;
        f.setPointSizeF(points);
    }
    return f;
}

void FitLabel::paintEvent(QPaintEvent *event)
{
    const QFont fitted = fittedFont();
    if (fitted == font() || wordWrap()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    drawFrame(&painter);
    painter.setFont(fitted);
    const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    style()->drawItemText(&painter, area, static_cast<int>(alignment()), palette(), isEnabled(), text(),
                          foregroundRole());
}
