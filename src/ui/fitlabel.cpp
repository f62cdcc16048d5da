#include "fitlabel.h"

#include <QPainter>
#include <QStyle>

#include <algorithm>
#include <cmath>

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
    const QSize box = contentsRect().size();
    if (m_fitted && m_fitted->text == text() && m_fitted->font == font() && m_fitted->box == box
        && m_fitted->margin == margin() && m_fitted->wordWrap == wordWrap())
        return m_fitted->fitted;
    const QFont fitted = fitFont();
    m_fitted = Fitted{text(), font(), box, margin(), wordWrap(), fitted};
    return fitted;
}

QFont FitLabel::fitFont() const
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
    // The size drops by 8 % a step until the text fits or the size is 4 points or less.
    const double designed = f.pointSizeF();
    const auto sizeAfter = [designed](int steps) {
        double points = designed;
        for (int i = 0; i < steps; ++i)
            points *= 0.92;
        return points;
    };
    const auto fitsAfter = [&](int steps) {
        QFont candidate = f;
        candidate.setPointSizeF(sizeAfter(steps));
        return fits(candidate);
    };
    if (designed <= 4.0 || fits(f))
        return f;
    int lastStep = 1;
    while (sizeAfter(lastStep) > 4.0)
        ++lastStep;
    // A line grows in width and height nearly in proportion to the size, so the steps start
    // close to the first size that fits instead of trying every size above it: each size tried
    // loads the face at that size. Wrapped text does not scale so simply and is stepped through.
    int step = 1;
    if (!wordWrap()) {
        const QFontMetricsF metrics(f);
        const double ratio = std::min(room / std::max(metrics.horizontalAdvance(text()), 1.0), height / metrics.height());
        if (ratio > 0.0 && ratio < 1.0)
            step = std::clamp(static_cast<int>(std::floor(std::log(ratio) / std::log(0.92))), 1, lastStep);
        while (step > 1 && fitsAfter(step - 1))
            --step;
    }
    while (step < lastStep && !fitsAfter(step))
        ++step;
    f.setPointSizeF(sizeAfter(step));
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
