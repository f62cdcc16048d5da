#pragma once

#include "reportlayout.h"

#include <QRectF>

#include <vector>

class QPagedPaintDevice;
class QPainter;

// Draws the pupil report. Blocks are laid out in page units (0 to 10000 on both axes, see
// reportlayout) and mapped onto the area they are drawn in, so the screen's canvas, a printed
// page and a PDF page show the same drawing. Text keeps its point size on every surface (the
// painter's device gives the resolution) and is never stretched with the page.
class ReportPainter
{
public:
    enum class Surface {
        Screen, // the canvas: smaller title, wider table lines
        Paper,  // printer and PDF
    };

    // basePointSize: the font size that the name, title and table sizes are multiples of.
    explicit ReportPainter(Surface surface, double basePointSize = 6.0);

    // One page into area, given in the painter's device coordinates.
    void drawPage(QPainter &painter, const QRectF &area, const ReportPage &page) const;

    // Every page onto a printer or PDF writer, each on a page of its own, filling the page's
    // printable area. False when the device could not be painted on.
    bool drawDocument(QPagedPaintDevice &device, const std::vector<ReportPage> &pages) const;

private:
    void drawBlock(QPainter &painter, const QRectF &area, const ReportBlock &block, const QString &pupilName) const;

    Surface m_surface;
    double m_base;
};
