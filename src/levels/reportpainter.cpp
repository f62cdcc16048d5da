#include "reportpainter.h"

#include "oadate.h"
#include "printfaces.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {

using reportlayout::kPageUnits;

// Widths of lines and marks in pixels of a 96-dpi screen; other devices get the same physical size.
constexpr double kAxisWidth = 5.0;
constexpr double kRuleWidth = 2.0;
constexpr double kCurveWidth = 3.0;
constexpr double kPointRadius = 3.0;
// Where a glyph's top lies below its baseline, in ems: text is placed by the top of its em box.
constexpr double kEmAscent = 0.88;

// Page units to device coordinates of one drawing area. Only positions are mapped; fonts and
// line widths keep their physical size.
class PageFrame
{
public:
    PageFrame(const QPainter &painter, const QRectF &area)
        : m_area(area)
        , m_dpi(painter.device() ? painter.device()->logicalDpiY() : 96)
    {
    }

    QPointF at(double x, double y) const
    {
        return {m_area.left() + x / kPageUnits * m_area.width(), m_area.top() + y / kPageUnits * m_area.height()};
    }
    double pixels(double screenPixels) const { return screenPixels * m_dpi / 96.0; }
    double emPixels(double points) const { return points * m_dpi / 72.0; }
    // A height in device pixels as page units.
    double units(double devicePixels) const { return devicePixels * kPageUnits / m_area.height(); }

private:
    QRectF m_area;
    int m_dpi;
};

QFont reportFont(double points)
{
    QFont font;
    font.setFamilies(printfaces::gothicMonoFamilies());
    font.setStyleHint(QFont::Monospace);
    font.setPointSizeF(points);
    return font;
}

// Text whose em box starts at the page position (x, y).
void text(QPainter &painter, const PageFrame &frame, double x, double y, double points, const QString &value)
{
    painter.setFont(reportFont(points));
    const QPointF top = frame.at(x, y);
    painter.drawText(QPointF(top.x(), top.y() + kEmAscent * frame.emPixels(points)), value);
}

// The same, drawn smaller when it would run past maxWidth page units (a long title would
// otherwise run off the page).
void fittedText(QPainter &painter, const PageFrame &frame, double x, double y, double points, double maxWidth,
                const QString &value)
{
    const double available = frame.at(x + maxWidth, y).x() - frame.at(x, y).x();
    const double width = QFontMetricsF(reportFont(points), painter.device()).horizontalAdvance(value);
    if (width > available && width > 0)
        points *= available / width;
    text(painter, frame, x, y, points, value);
}

void line(QPainter &painter, const PageFrame &frame, double width, double x1, double y1, double x2, double y2)
{
    painter.setPen(QPen(Qt::black, frame.pixels(width), Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(frame.at(x1, y1), frame.at(x2, y2));
}

} // namespace

ReportPainter::ReportPainter(Surface surface, double basePointSize)
    : m_surface(surface)
    , m_base(basePointSize)
{
}

void ReportPainter::drawPage(QPainter &painter, const QRectF &area, const ReportPage &page) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::black);
    for (const ReportBlock &block : page.blocks)
        drawBlock(painter, area, block, page.pupilName);
    painter.restore();
}

bool ReportPainter::drawDocument(QPagedPaintDevice &device, const std::vector<ReportPage> &pages) const
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const QRectF area(0, 0, device.width(), device.height());
    bool first = true;
    for (const ReportPage &page : pages) {
        if (!first && !device.newPage()) {
            painter.end();
            return false;
        }
        first = false;
        drawPage(painter, area, page);
    }
    return painter.end();
}

void ReportPainter::drawBlock(QPainter &painter, const QRectF &area, const ReportBlock &block,
                              const QString &pupilName) const
{
    const PageFrame frame(painter, area);
    const ReportBlockFigures &fig = block.figures;
    const double f = kPageUnits / 2;
    const double c = kPageUnits / 3;
    const double n = block.top;
    const bool paper = m_surface == Surface::Paper;

    painter.setPen(Qt::black);
    if (block.firstOnPage)
        text(painter, frame, 0.01 * f, 0.02 * c, 3 * m_base, pupilName);

    line(painter, frame, kRuleWidth, 0, n, kPageUnits, n);
    line(painter, frame, kRuleWidth, 0, n + 0.09 * c, kPageUnits, n + 0.09 * c);
    painter.setPen(Qt::black);
    // The title has the band to the page's right edge; only a title longer than that is drawn
    // smaller.
    fittedText(painter, frame, 0.7 * f, n + 0.01 * c, (paper ? 3 : 2) * m_base, kPageUnits - 0.7 * f, fig.title);

    // Axes: time upwards from the baseline, runs from left to right.
    line(painter, frame, kAxisWidth, 0.2 * f, n + 0.8 * c, 0.9 * f, n + 0.8 * c);
    line(painter, frame, kAxisWidth, 0.2 * f, n + 0.8 * c, 0.2 * f, n + 0.1 * c);

    // The record curve. A run slower than the axis maximum (which stops at 1000 s) is drawn at
    // the top of the axis so that it stays inside its block.
    const double maximum = fig.axisMaximum;
    std::vector<QPointF> points;
    points.reserve(fig.record.size());
    for (const RecordPoint &p : fig.record) {
        const double t = std::min<double>(p.time, maximum);
        points.push_back(frame.at(f * (0.7 * p.index / std::max(fig.runCount, 1) + 0.2), n + c * (0.8 - 0.7 * t / maximum)));
    }
    painter.setPen(QPen(Qt::black, frame.pixels(kCurveWidth), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    if (points.size() > 1)
        painter.drawPolyline(points.data(), static_cast<int>(points.size()));
    painter.setBrush(Qt::black);
    painter.setPen(Qt::NoPen);
    for (const QPointF &p : points)
        painter.drawEllipse(p, frame.pixels(kPointRadius), frame.pixels(kPointRadius));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(Qt::black);

    text(painter, frame, 0.12 * f, n + 0.79 * c, m_base, QStringLiteral("0秒"));
    text(painter, frame, 0.12 * f, n + 0.1 * c, m_base, QString::number(fig.axisMaximum) + QStringLiteral("秒"));
    if (!fig.record.empty()) {
        const RecordPoint &last = fig.record.back();
        const double x = f * (0.7 * last.index / std::max(fig.runCount, 1) + 0.2);
        text(painter, frame, x, n + 0.82 * c, m_base, oadate::toDate(last.date).toString(QStringLiteral("yyyy/MM/dd")));
    }

    // The table starts below the title band, so that its first line never meets the band's rule.
    // A line placed half a line below the one before ("(全平均)" under the average points) keeps
    // an em clear of it, since on a small canvas half a line is less than the text is high.
    const double spacing = (paper ? 0.06 : 0.08) * c;
    const double em = frame.units(frame.emPixels(1.5 * m_base));
    double previous = -kPageUnits;
    for (const ReportTableLine &row : reportTableLines(fig)) {
        const double y = std::max(n + 0.1 * c + row.line * spacing, previous + em);
        text(painter, frame, 1.05 * f, y, 1.5 * m_base, row.text);
        previous = y;
    }
}
