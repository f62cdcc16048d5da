#include "classoverviewpdf.h"

#include "pdfoutput.h"
#include "printablearea.h"
#include "printfaces.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

namespace classoverviewpdf {

namespace {

class Text
{
    Q_DECLARE_TR_FUNCTIONS(ClassOverviewPdf)
};

constexpr double kBodyPoints = 8.0;
constexpr double kHeaderPoints = 7.5;
constexpr double kTitlePoints = 12.0;

// Millimetres across the printable width of A4 landscape (297 − 2 × 5).
constexpr double kClassWidth = 14.0;
constexpr double kNumberWidth = 9.0;
constexpr double kNameWidth = 34.0;
constexpr double kTitleHeight = 9.0;
constexpr double kRowHeight = 5.6;
constexpr double kFootHeight = 6.0;

QFont faceAt(double points)
{
    QFont font;
    font.setFamilies(printfaces::gothicFamilies());
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setPointSizeF(points);
    return font;
}

class Page
{
public:
    Page(QPainter &painter, double pixelsPerMm) : m_painter(painter), m_scale(pixelsPerMm) {}

    QRectF rect(double x, double y, double w, double h) const
    {
        return {x * m_scale, y * m_scale, w * m_scale, h * m_scale};
    }

    // The text inside the box, made smaller when it would not fit across it.
    void text(double x, double y, double w, double h, double points, const QString &value, int align)
    {
        if (value.isEmpty())
            return;
        const double room = (w - 1.0) * m_scale;
        double size = points;
        const double width = QFontMetricsF(faceAt(size), m_painter.device()).horizontalAdvance(value);
        if (width > room && width > 0)
            size = std::max(3.0, size * room / width);
        m_painter.setFont(faceAt(size));
        m_painter.drawText(rect(x + 0.5, y, w - 1.0, h), align | Qt::AlignVCenter, value);
    }

    void line(double x1, double y1, double x2, double y2, double widthMm)
    {
        QPen pen(Qt::black);
        pen.setWidthF(widthMm * m_scale);
        m_painter.setPen(pen);
        m_painter.drawLine(QPointF(x1 * m_scale, y1 * m_scale), QPointF(x2 * m_scale, y2 * m_scale));
    }

private:
    QPainter &m_painter;
    double m_scale;
};

} // namespace

int pageCount(int rows)
{
    // The median line goes below the last pupil, on a page of its own when the last page is full.
    return rows / kRowsPerPage + 1;
}

bool write(const QString &path, const classoverview::Overview &overview, const QString &title, const QString &dated,
           QString *error)
{
    using namespace classoverview;
    const auto draw = [&](QPdfWriter &writer) {
        QPainter painter;
        if (!painter.begin(&writer))
            return false;
        {
            const double pixelsPerMm = writer.resolution() / 25.4;
            const double pageWidth = writer.width() / pixelsPerMm;
            const double pageHeight = writer.height() / pixelsPerMm;
            const auto levels = static_cast<int>(overview.levels.size());
            const double figuresLeft = kClassWidth + kNumberWidth + kNameWidth;
            const double figureWidth = levels > 0 ? (pageWidth - figuresLeft) / (3.0 * levels) : 0.0;
            const double tableWidth = levels > 0 ? pageWidth : figuresLeft;
            const int rows = static_cast<int>(overview.rows.size());
            const int pages = pageCount(rows);
            Page page(painter, pixelsPerMm);

            for (int p = 0; p < pages; ++p) {
                if (p > 0)
                    writer.newPage();
                page.text(0, 0, pageWidth, kTitleHeight, kTitlePoints, title, Qt::AlignLeft);
                page.text(0, 0, pageWidth, kTitleHeight, kBodyPoints, dated, Qt::AlignRight);

                // The two header rows: the level captions over their three figures.
                double y = kTitleHeight;
                page.text(0, y + kRowHeight / 2, kClassWidth, kRowHeight, kHeaderPoints, classHeader(), Qt::AlignHCenter);
                page.text(kClassWidth, y + kRowHeight / 2, kNumberWidth, kRowHeight, kHeaderPoints, numberHeader(),
                          Qt::AlignHCenter);
                page.text(kClassWidth + kNumberWidth, y + kRowHeight / 2, kNameWidth, kRowHeight, kHeaderPoints,
                          nameHeader(), Qt::AlignHCenter);
                for (int l = 0; l < levels; ++l) {
                    const double x = figuresLeft + 3.0 * l * figureWidth;
                    page.text(x, y, 3.0 * figureWidth, kRowHeight, kHeaderPoints,
                              overview.captions[static_cast<std::size_t>(l)], Qt::AlignHCenter);
                    page.text(x, y + kRowHeight, figureWidth, kRowHeight, kHeaderPoints, bestHeader(), Qt::AlignHCenter);
                    page.text(x + figureWidth, y + kRowHeight, figureWidth, kRowHeight, kHeaderPoints, runsHeader(),
                              Qt::AlignHCenter);
                    page.text(x + 2 * figureWidth, y + kRowHeight, figureWidth, kRowHeight, kHeaderPoints,
                              clearedHeader(), Qt::AlignHCenter);
                }
                const double tableTop = y;
                page.line(0, y, tableWidth, y, 0.3);
                page.line(figuresLeft, y + kRowHeight, tableWidth, y + kRowHeight, 0.1);
                y += 2 * kRowHeight;
                page.line(0, y, tableWidth, y, 0.3);

                const int first = p * kRowsPerPage;
                const int last = std::min(rows, first + kRowsPerPage);
                for (int r = first; r < last; ++r) {
                    const PupilRow &row = overview.rows[static_cast<std::size_t>(r)];
                    page.text(0, y, kClassWidth, kRowHeight, kBodyPoints, row.classLabel, Qt::AlignHCenter);
                    page.text(kClassWidth, y, kNumberWidth, kRowHeight, kBodyPoints, QString::number(row.number),
                              Qt::AlignRight);
                    page.text(kClassWidth + kNumberWidth, y, kNameWidth, kRowHeight, kBodyPoints, row.name,
                              Qt::AlignLeft);
                    for (int l = 0; l < levels; ++l) {
                        const Cell &cell = row.cells[static_cast<std::size_t>(l)];
                        const double x = figuresLeft + 3.0 * l * figureWidth;
                        page.text(x, y, figureWidth, kRowHeight, kBodyPoints, bestText(cell.bestTime), Qt::AlignRight);
                        page.text(x + figureWidth, y, figureWidth, kRowHeight, kBodyPoints, QString::number(cell.runs),
                                  Qt::AlignRight);
                        page.text(x + 2 * figureWidth, y, figureWidth, kRowHeight, kBodyPoints,
                                  clearedMark(cell.cleared), Qt::AlignHCenter);
                    }
                    y += kRowHeight;
                    page.line(0, y, tableWidth, y, 0.1);
                }
                if (p == pages - 1) {
                    page.line(0, y, tableWidth, y, 0.3);
                    page.text(0, y, kClassWidth, kRowHeight, kBodyPoints, overview.classLabel, Qt::AlignHCenter);
                    page.text(kClassWidth + kNumberWidth, y, kNameWidth, kRowHeight, kBodyPoints, medianLabel(),
                              Qt::AlignLeft);
                    for (int l = 0; l < levels; ++l) {
                        const double x = figuresLeft + 3.0 * l * figureWidth;
                        page.text(x, y, figureWidth, kRowHeight, kBodyPoints,
                                  medianText(overview.medianBest[static_cast<std::size_t>(l)]), Qt::AlignRight);
                        page.text(x + figureWidth, y, figureWidth, kRowHeight, kBodyPoints,
                                  medianText(overview.medianRuns[static_cast<std::size_t>(l)]), Qt::AlignRight);
                    }
                    y += kRowHeight;
                    page.line(0, y, tableWidth, y, 0.3);
                }
                // The column rules, from the top of the header to the last line of the page.
                for (const double x : {0.0, kClassWidth, kClassWidth + kNumberWidth, figuresLeft})
                    page.line(x, tableTop, x, y, x == 0.0 ? 0.3 : 0.1);
                for (int l = 0; l < levels; ++l) {
                    const double x = figuresLeft + 3.0 * l * figureWidth;
                    page.line(x + figureWidth, tableTop + kRowHeight, x + figureWidth, y, 0.1);
                    page.line(x + 2 * figureWidth, tableTop + kRowHeight, x + 2 * figureWidth, y, 0.1);
                    page.line(x + 3 * figureWidth, tableTop, x + 3 * figureWidth, y, 0.3);
                }
                page.text(0, pageHeight - kFootHeight, pageWidth, kFootHeight, kBodyPoints,
                          QStringLiteral("%1 / %2").arg(p + 1).arg(pages), Qt::AlignHCenter);
            }
        }
        return painter.end();
    };
    return pdfoutput::write(path, title, printablearea::a4Landscape(), draw,
                            Text::tr(": the overview could not be drawn"), error);
}

} // namespace classoverviewpdf
