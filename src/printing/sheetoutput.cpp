#include "sheetoutput.h"

#include "pagecanvas.h"
#include "printablearea.h"
#include "printhandover.h"
#include "questionsheet.h"
#include "savefile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include <cmath>

namespace {

class Text
{
    Q_DECLARE_TR_FUNCTIONS(SheetOutput)
};

} // namespace

namespace sheetoutput {

namespace {
constexpr double kTwipsPerInch = 1440.0;
constexpr int kPdfResolution = 1200;
} // namespace

QImage preview(const PrintHandover &handover, double pixelsPerTwip)
{
    const PageMapping mapping(OutputMode::Preview);
    const QSizeF box = mapping.previewBox() * pixelsPerTwip;
    QImage image(QSize(static_cast<int>(std::ceil(box.width())), static_cast<int>(std::ceil(box.height()))),
                 QImage::Format_RGB32);
    // 1440 twips per inch: the image's resolution matches the scale it is drawn at.
    const int dotsPerMeter = qRound(pixelsPerTwip * kTwipsPerInch / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    {
        PageCanvas canvas(painter, mapping, pixelsPerTwip);
        questionsheet::draw(canvas, handover);
    }
    painter.end();
    return image;
}

QString print(const PrintHandover &handover, QPrinter &printer)
{
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setCopyCount(handover.printJobValue);
    QPainter painter;
    if (!painter.begin(&printer))
        return QStringLiteral("プリンター「%1」に印刷できませんでした。").arg(printer.printerName());
    painter.setRenderHint(QPainter::Antialiasing);
    {
        PageCanvas canvas(painter, PageMapping(OutputMode::Printer), printer.resolution() / kTwipsPerInch);
        questionsheet::draw(canvas, handover);
    }
    if (!painter.end())
        return QStringLiteral("プリンター「%1」への印刷が終わりませんでした。").arg(printer.printerName());
    return {};
}

QString writePdf(const PrintHandover &handover, const QString &path)
{
    // Drawn in memory, then written through the one safe replacement: a full disk or a failed
    // drawing leaves an existing file as it was.
    QByteArray pdf;
    {
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(kPdfResolution);
        writer.setPageLayout(printablearea::a4Portrait());
        writer.setTitle(QStringLiteral("問題用紙"));
        writer.setCreator(QStringLiteral("Tavrel"));
        QPainter painter;
        if (!painter.begin(&writer))
            return Text::tr("%1 cannot be written.").arg(path);
        painter.setRenderHint(QPainter::Antialiasing);
        {
            PageCanvas canvas(painter, PageMapping(OutputMode::Printer), kPdfResolution / kTwipsPerInch);
            questionsheet::draw(canvas, handover);
        }
        if (!painter.end())
            return Text::tr("%1 cannot be written.").arg(path);
    }
    const savefile::Outcome written = savefile::replace(path, pdf);
    if (!written.saved)
        return Text::tr("%1 cannot be written: %2").arg(path, written.error);
    return {};
}

} // namespace sheetoutput
