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
    return fitted().font;
}

bool FitLabel::fittedWraps() const
{
    return fitted().wraps;
}

const FitLabel::Fit &FitLabel::fitted() const
{
    const QSize box = contentsRect().size();
    if (!m_fitted || m_fitted->text != text() || m_fitted->font != font() || m_fitted->box != box
        || m_fitted->margin != margin() || m_fitted->wordWrap != wordWrap())
        m_fitted = Fitted{text(), font(), box, margin(), wordWrap(), fit()};
    return m_fitted->fit;
}

FitLabel::Fit FitLabel::fit() const
{
    QFont f = font();
    const int room = contentsRect().width() - 2 * margin() - 4;
    const int height = contentsRect().height() - 2 * margin();
    if (room <= 0 || height <= 0 || text().isEmpty())
        return {f, wordWrap()};
    // The installed Japanese faces are taller than the ones the screens were drawn for: a line
    // that is too tall for its box loses the bottom of its strokes as surely as one too wide.
    const auto fits = [&](const QFont &candidate, bool wrapped) {
        const QFontMetricsF metrics(candidate);
        if (wrapped) {
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
    const auto fitsAfter = [&](int steps, bool wrapped) {
        QFont candidate = f;
        candidate.setPointSizeF(sizeAfter(steps));
        return fits(candidate, wrapped);
    };
    const auto at = [&](int steps, bool wrapped) {
        QFont fitted = f;
        fitted.setPointSizeF(sizeAfter(steps));
        return Fit{fitted, wrapped};
    };
    if (designed <= 4.0 || fits(f, wordWrap()))
        return {f, wordWrap()};
    int lastStep = 1;
    while (sizeAfter(lastStep) > 4.0)
        ++lastStep;
    // The last step whose glyphs are still readable (none when the label's own size is smaller).
    const double pixelsPerPoint = logicalDpiY() / 72.0;
    int lastReadable = 0;
    while (lastReadable < lastStep && sizeAfter(lastReadable + 1) * pixelsPerPoint >= kReadablePixels)
        ++lastReadable;

    // A line grows in width and height nearly in proportion to the size, so the steps start
    // close to the first size that fits instead of trying every size above it: each size tried
    // loads the face at that size. Wrapped text does not scale so simply and is stepped through.
    int step = 1;
    if (!wordWrap()) {
        const QFontMetricsF metrics(f);
        const double ratio = std::min(room / std::max(metrics.horizontalAdvance(text()), 1.0), height / metrics.height());
        if (ratio > 0.0 && ratio < 1.0)
            step = std::clamp(static_cast<int>(std::floor(std::log(ratio) / std::log(0.92))), 1, lastStep);
        while (step > 1 && fitsAfter(step - 1, false))
            --step;
        while (step < lastStep && !fitsAfter(step, false))
            ++step;
        if (step <= lastReadable)
            return at(step, false);
        // Too small on one line: on more lines, where the box holds them at a readable size,
        for (int wrappedStep = 0; wrappedStep <= lastReadable; ++wrappedStep) {
            if (fitsAfter(wrappedStep, true))
                return at(wrappedStep, true);
        }
        // or else condensed on one line, at the largest readable size that allows it.
        for (int condensedStep = 0; condensedStep <= lastReadable; ++condensedStep) {
            Fit condensed = at(condensedStep, false);
            const QFontMetricsF full(condensed.font);
            const double width = full.horizontalAdvance(text());
            if (full.height() > height || width * kNarrowestStretch / 100.0 > room)
                continue;
            // Glyphs narrow in proportion to the stretch; the check below settles rounding.
            for (int stretch = std::min(99, static_cast<int>(std::floor(100.0 * room / width))); stretch >= kNarrowestStretch;
                 --stretch) {
                condensed.font.setStretch(stretch);
                if (fits(condensed.font, false))
                    return condensed;
            }
        }
        return at(step, false);
    }
    while (step < lastStep && !fitsAfter(step, true))
        ++step;
    return at(step, true);
}

void FitLabel::paintEvent(QPaintEvent *event)
{
    const Fit &drawn = fitted();
    if (drawn.font == font() && drawn.wraps == wordWrap()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    drawFrame(&painter);
    painter.setFont(drawn.font);
    const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    const int flags = static_cast<int>(alignment()) | (drawn.wraps ? Qt::TextWordWrap : 0);
    style()->drawItemText(&painter, area, flags, palette(), isEnabled(), text(), foregroundRole());
}
