#include "reportprinter.h"

#include "printablearea.h"
#include "printdialogs.h"
#include "reportpainter.h"
#include "reportpdf.h"

#include <QPrinter>

ReportPrinter::ReportPrinter(PrintDialogs &dialogs, PrinterLookup defaultPrinter)
    : m_dialogs(dialogs)
    , m_defaultPrinter(std::move(defaultPrinter))
{
}

ReportPrinter::Outcome ReportPrinter::print(const std::vector<ReportPage> &pages, const QString &title)
{
    if (pages.empty())
        return Outcome::Declined;
    const QPrinterInfo printerInfo = m_defaultPrinter();
    if (printerInfo.isNull()) {
        const QString path = m_dialogs.offerPdf(QStringLiteral("個人成績.pdf"));
        if (path.isEmpty())
            return Outcome::Declined;
        QString error;
        if (!writeReportPdf(path, pages, title, &error)) {
            m_dialogs.showFailure(QStringLiteral("PDFファイルに保存できませんでした。\n") + error);
            return Outcome::Failed;
        }
        return Outcome::SavedAsPdf;
    }

    QPrinter printer(printerInfo, QPrinter::HighResolution);
    printer.setDocName(title);
    // As the PDF is laid out: the printer keeps at least its own unprintable border.
    printer.setPageLayout(printablearea::a4Portrait());
    if (!ReportPainter(ReportPainter::Surface::Paper).drawDocument(printer, pages) ||
        printer.printerState() == QPrinter::Error) {
        m_dialogs.showFailure(QStringLiteral("印刷できませんでした。（") + printerInfo.printerName() +
                              QStringLiteral("）"));
        return Outcome::Failed;
    }
    return Outcome::Printed;
}
