#include "reportcanvas.h"

#include "reportpainter.h"

#include <QPainter>

ReportCanvas::ReportCanvas(QWidget *parent)
    : QWidget(parent)
{
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(192, 255, 192));
    setPalette(pal);
}

void ReportCanvas::showPage(ReportPage page)
{
    m_page = std::move(page);
    update();
}

void ReportCanvas::clear()
{
    m_page = ReportPage{};
    update();
}

void ReportCanvas::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    ReportPainter(ReportPainter::Surface::Screen).drawPage(painter, QRectF(rect()), m_page);
}
