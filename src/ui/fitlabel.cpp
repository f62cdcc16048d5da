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
    const int height = contentsRect().height() - 2 * margin();
    if (room <= 0 || height <= 0 || text().isEmpty())
        return f;
    // The installed Japanese faces are taller than the ones the screens were drawn for: a line
    // that is too tall for its box loses the bottom of its strokes as surely as one too wide.
    const auto fits = [&](const QFont &candidate) {
        const QFontMetricsF metrics(candidate);
        if (wordWrap()) {
            const QRectF need = metrics.boundingRect(QRectF(0, 0, room, height),
                                                     static_cast<int>(alignment()) | Qt::TextWordWrap, text());
            return need.width() <= room && need.height() <= height;
        }
        return metrics.horizontalAdvance(text()) <= room && metrics.height() <= height;
    };
    double points = f.pointSizeF();
    while (points > 4.0 && !fits(f)) {
        points *= 0.92;
        f.setPointSizeF(points);
    }
    return f;
}

void FitLabel::paintEvent(QPaintEvent *event)
{
    const QFont fitted = fittedFont();
    if (fitted == font()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    drawFrame(&painter);
    painter.setFont(fitted);
    const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    const int flags = static_cast<int>(alignment()) | (wordWrap() ? Qt::TextWordWrap : 0);
    style()->drawItemText(&painter, area, flags, palette(), isEnabled(), text(), foregroundRole());
}
