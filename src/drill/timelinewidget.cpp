#include "timelinewidget.h"

#include "fontfaces.h"

#include <QPainter>

namespace {

constexpr double kTwipsPerPixel = 15.0;

struct Era
{
    int from;
    int to;
    QColor colour;
};

// Bands of the eras drawn on the timeline picture; the era names are captions on top of it.
const std::array<Era, 11> kEras{{
    {0, 250, QColor(230, 210, 160)},     // 弥生
    {250, 592, QColor(210, 190, 140)},   // 古墳
    {592, 710, QColor(250, 220, 200)},   // 飛鳥
    {710, 794, QColor(240, 190, 190)},   // 奈良
    {794, 1185, QColor(250, 210, 230)},  // 平安
    {1185, 1333, QColor(200, 210, 240)}, // 鎌倉
    {1333, 1467, QColor(210, 230, 250)}, // 室町
    {1467, 1573, QColor(230, 200, 200)}, // 戦国
    {1573, 1603, QColor(250, 230, 170)}, // 安土桃山
    {1603, 1868, QColor(210, 240, 210)}, // 江戸
    {1868, 2000, QColor(230, 230, 230)}, // 明治から
}};

} // namespace

TimelineWidget::TimelineWidget(QWidget *parent)
    : QWidget(parent)
{
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(192, 255, 192));
    setPalette(pal);
}

TimelineWidget::TimelineWidget(QSizeF designTwips, QWidget *parent)
    : TimelineWidget(parent)
{
    m_design = designTwips;
    m_pictureWidth = designTwips.width();
}

void TimelineWidget::setMarkers(const std::array<int, 6> &years, bool visible)
{
    if (years == m_years && visible == m_markersVisible)
        return;
    m_years = years;
    m_markersVisible = visible;
    update();
}

double TimelineWidget::markerTop(int year)
{
    return year * kHeight / 2000.0 - kMarkerHeight / 2.0;
}

void TimelineWidget::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, false);
    const double sx = width() / m_design.width();
    const double sy = height() / m_design.height();
    const auto y = [&](double year) { return year * m_design.height() / 2000.0 * sy; };
    // Proportions of the picture: era bands on the left, the scale near the right edge.
    const double pictureScale = m_pictureWidth / kPictureWidth;

    // Era bands in the left part of the picture, a scale of centuries at its right edge.
    const double bandRight = 780.0 * pictureScale * sx;
    for (const Era &era : kEras)
        p.fillRect(QRectF(0.0, y(era.from), bandRight, y(era.to) - y(era.from)), era.colour);
    p.fillRect(QRectF(bandRight, 0.0, m_pictureWidth * sx - bandRight, height()), QColor(245, 255, 235));
    const double axis = 2250.0 * pictureScale * sx;
    p.setPen(QPen(QColor(60, 90, 60), 1));
    p.drawLine(QPointF(axis, 0.0), QPointF(axis, height()));
    QFont scaleFont = fontfaces::make(fontfaces::gothic(), 7);
    scaleFont.setPixelSize(std::max(8, static_cast<int>(150.0 * sy)));
    p.setFont(scaleFont);
    for (int year = 0; year <= 2000; year += 100) {
        const double tick = (year % 500 == 0 ? 160.0 : 80.0) * pictureScale * sx;
        p.drawLine(QPointF(axis, y(year)), QPointF(axis + tick, y(year)));
        if (year % 500 == 0 && year > 0 && year < 2000)
            p.drawText(QRectF(axis - 520.0 * pictureScale * sx, y(year) - 90.0 * sy, 500.0 * pictureScale * sx, 180.0 * sy),
                       Qt::AlignRight | Qt::AlignVCenter, QString::number(year));
    }

    if (!m_markersVisible)
        return;
    // Markers and the lines from each to its year label.
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(Qt::red, std::max(1.0, 3.0 * sx * kTwipsPerPixel)));
    for (std::size_t k = 0; k < m_years.size(); ++k) {
        const double top = markerTop(m_years[k]);
        const QRectF marker(kMarkerLeft * sx, top * sy, kMarkerWidth * sx, kMarkerHeight * sy);
        p.fillRect(marker, Qt::red);
        const QPointF from((kMarkerLeft + kMarkerWidth) * sx, (top + kMarkerHeight / 2.0) * sy);
        const QPointF to(kYearLabelLeft * sx, (kYearLabelTops[k] + kYearLabelHeight / 2.0) * sy);
        p.drawLine(from, to);
    }
}
