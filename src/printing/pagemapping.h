#pragma once

#include <QPointF>
#include <QSizeF>

enum class OutputMode { Preview, Printer };

// Where a page point lands on an output surface. A sheet is laid out in page units: 0..10000 on
// both axes across the usable page, so a unit is not square. The preview box is the printer page
// at previewScale; the printer draws at printScale from a page taken 6 % wider and 5 % taller.
// All lengths on the surface are twips (1/1440 inch).
class PageMapping
{
public:
    // A4 portrait, the paper every sheet is laid out for.
    static constexpr QSizeF kA4Twips{11906.0, 16838.0};
    static constexpr double kPreviewScale = 0.63;
    static constexpr double kPrintScale = 0.89;
    static constexpr double kMarginLeft = 0.005;
    static constexpr double kMarginTop = 0.0;

    explicit PageMapping(OutputMode mode, QSizeF printerPage = kA4Twips);

    OutputMode mode() const { return m_mode; }
    // The printer page the wrapping is measured on, whichever surface is drawn.
    QSizeF printerPage() const { return m_printerPage; }
    // The mapped area of the surface (the preview box before it grows by 3 %, or the printer page).
    double targetWidth() const { return m_targetWidth; }
    double targetHeight() const { return m_targetHeight; }
    // The preview box: the mapped area and 3 % more on each axis, so nothing drawn at the far
    // edges is cut off.
    QSizeF previewBox() const { return {m_targetWidth * 1.03, m_targetHeight * 1.03}; }

    QPointF toSurface(double x, double y) const;
    // Font size in points a text of the given size is drawn with.
    double textPoints(double size) const;
    // Distance between lines of a text frame at a font size, in surface twips.
    double linePitch(int fontSize) const;
    // Multiplies every pen width: 1 on the preview, 6 on the printer.
    int lineFactor() const { return m_mode == OutputMode::Preview ? 1 : 6; }

private:
    OutputMode m_mode;
    QSizeF m_printerPage;
    double m_targetWidth = 0;
    double m_targetHeight = 0;
    double m_pageWidth = 0;
    double m_pageHeight = 0;
};
