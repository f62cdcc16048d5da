#include "pagecanvas.h"

#include "sheetfont.h"
#include "textframe.h"

#include <QPainter>
#include <QPen>

#include <cmath>

namespace {
constexpr double kTwipsPerPoint = 20.0;
// The printer's pixel, which pen widths on paper count in.
constexpr double kTwipsPerPrinterPixel = 1440.0 / 600.0;
} // namespace

PageCanvas::PageCanvas(QPainter &painter, const PageMapping &mapping, double devicePixelsPerTwip)
    : m_painter(painter)
    , m_mapping(mapping)
{
    m_painter.save();
    m_painter.scale(devicePixelsPerTwip, devicePixelsPerTwip);
}

PageCanvas::~PageCanvas()
{
    m_painter.restore();
}

void PageCanvas::text(double x, double y, const QString &text, double size)
{
    const QPointF at = m_mapping.toSurface(x, y);
    m_painter.setFont(sheetfont::inTwips(m_mapping.textPoints(size) * kTwipsPerPoint));
    m_painter.setPen(Qt::black);
    m_painter.drawText(QRectF(at, QSizeF(1e6, 1e6)), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, text);
}

void PageCanvas::line(double x1, double y1, double x2, double y2, int width, const QColor &colour)
{
    // Pens are whole pixels of the surface, at least one.
    const double pixels = std::max(1.0, std::round(m_mapping.lineFactor() * width * 0.6));
    QPen pen(colour);
    pen.setCapStyle(Qt::FlatCap);
    if (m_mapping.mode() == OutputMode::Preview) {
        pen.setCosmetic(true);
        pen.setWidthF(pixels);
    } else {
        pen.setWidthF(pixels * kTwipsPerPrinterPixel);
    }
    m_painter.setPen(pen);
    m_painter.drawLine(m_mapping.toSurface(x1, y1), m_mapping.toSurface(x2, y2));
}

void PageCanvas::frame(const FrameLayout &layout)
{
    for (const FrameLine &l : layout.lines)
        text(l.x, l.y, l.text, layout.fontSize);
}
