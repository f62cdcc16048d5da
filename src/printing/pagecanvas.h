#pragma once

#include "pagemapping.h"

#include <QColor>
#include <QString>

class QPainter;
struct FrameLayout;

// The drawing primitives of a sheet on one surface: a painter on the preview image, a printer
// page or a PDF page. Callers give positions in page units; the canvas maps them through its
// PageMapping and draws in twips. The painter stays owned by the caller and is restored when the
// canvas goes.
class PageCanvas
{
public:
    // devicePixelsPerTwip: the painter's device resolution divided by 1440.
    PageCanvas(QPainter &painter, const PageMapping &mapping, double devicePixelsPerTwip);
    ~PageCanvas();
    PageCanvas(const PageCanvas &) = delete;
    PageCanvas &operator=(const PageCanvas &) = delete;

    const PageMapping &mapping() const { return m_mapping; }

    // Black text with its top-left at page point (x, y), at the surface's scale of `size` points.
    void text(double x, double y, const QString &text, double size);
    // A straight line; width 1 is one screen pixel on the preview and four 1/600-inch printer
    // pixels on paper.
    void line(double x1, double y1, double x2, double y2, int width, const QColor &colour);
    // The lines of a laid-out text frame.
    void frame(const FrameLayout &layout);

private:
    QPainter &m_painter;
    PageMapping m_mapping;
};
