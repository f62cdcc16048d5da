#include "pagemapping.h"

PageMapping::PageMapping(OutputMode mode, QSizeF printerPage)
    : m_mode(mode)
    , m_printerPage(printerPage)
    , m_pageWidth(printerPage.width() * 1.06)
    , m_pageHeight(printerPage.height() * 1.05)
{
    const double scale = mode == OutputMode::Preview ? kPreviewScale : 1.0;
    m_targetWidth = scale * printerPage.width();
    m_targetHeight = scale * printerPage.height();
}

QPointF PageMapping::toSurface(double x, double y) const
{
    if (m_mode == OutputMode::Preview)
        return {m_targetWidth * kMarginLeft + x * m_targetWidth / 10000.0,
                m_targetHeight * kMarginTop + y * m_targetHeight / 10000.0};
    return {kPrintScale * (m_pageWidth * kMarginLeft) + kPrintScale * (x * m_pageWidth / 10000.0),
            kPrintScale * (m_pageHeight * kMarginTop) + kPrintScale * (y * m_pageHeight / 10000.0)};
}

double PageMapping::textPoints(double size) const
{
    return m_mode == OutputMode::Preview ? 0.9 * kPreviewScale * size : kPrintScale * size;
}

double PageMapping::linePitch(int fontSize) const
{
    // 25 twips per point: 1.25 times the font size.
    const double pitch = fontSize * 300.0 / 12.0;
    return m_mode == OutputMode::Preview ? kPreviewScale * pitch : pitch;
}
