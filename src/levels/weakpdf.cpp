#include "weakpdf.h"

#include "pdfoutput.h"
#include "printablearea.h"
#include "printfaces.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>

namespace {

class Text
{
    Q_DECLARE_TR_FUNCTIONS(WeakPdf)
};

QFont printFont(double points, bool mono)
{
    QFont font;
    font.setFamilies(mono ? printfaces::gothicMonoFamilies() : printfaces::gothicFamilies());
    if (mono)
        font.setStyleHint(QFont::Monospace);
    font.setPointSizeF(points);
    return font;
}

} // namespace

namespace weakpdf {

bool draw(QPagedPaintDevice &device, const WeakList &list)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const QRectF area = painter.viewport();
    const QFont titleFont = printFont(14.0, false);
    const QFont scopeFont = printFont(9.0, false);
    const QFont tableFont = printFont(8.0, true);
    const QFontMetricsF titleMetrics(titleFont, &device);
    const QFontMetricsF scopeMetrics(scopeFont, &device);
    const QFontMetricsF tableMetrics(tableFont, &device);

    const QStringList lines = weaklist::tableLines(list);
    const double left = area.left() + area.width() * 0.05;
    qsizetype next = 1; // the first entry line; line 0 is the header
    bool first = true;
    do {
        if (!first && !device.newPage()) {
            painter.end();
            return false;
        }
        double y = area.top() + area.height() * 0.05;
        painter.setFont(titleFont);
        y += titleMetrics.ascent();
        painter.drawText(QPointF(left, y), list.title);
        y += titleMetrics.descent() + titleMetrics.leading();
        painter.setFont(scopeFont);
        y += scopeMetrics.lineSpacing();
        painter.drawText(QPointF(left, y), list.scope);
        y += scopeMetrics.lineSpacing();

        painter.setFont(tableFont);
        y += tableMetrics.lineSpacing();
        painter.drawText(QPointF(left, y), lines.value(0));
        const double ruleY = y + tableMetrics.descent();
        painter.drawLine(QPointF(left, ruleY), QPointF(area.right() - area.width() * 0.05, ruleY));
        y += tableMetrics.lineSpacing() * 0.5;
        const double bottom = area.bottom() - area.height() * 0.05;
        if (lines.size() == 1) {
            y += tableMetrics.lineSpacing();
            painter.drawText(QPointF(left, y), Text::tr("No answer was missed in the records counted."));
        }
        while (next < lines.size() && y + tableMetrics.lineSpacing() <= bottom) {
            y += tableMetrics.lineSpacing();
            painter.drawText(QPointF(left, y), lines[next++]);
        }
        first = false;
    } while (next < lines.size());
    return painter.end();
}

bool write(const QString &path, const WeakList &list, const QString &title, QString *error)
{
    return pdfoutput::write(
        path, title, printablearea::a4Portrait(), [&](QPdfWriter &writer) { return draw(writer, list); },
        Text::tr(": the list could not be drawn"), error);
}

} // namespace weakpdf
