#include "reportpdf.h"

#include "pdfoutput.h"
#include "printablearea.h"
#include "reportpainter.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

namespace {

class Text
{
    Q_DECLARE_TR_FUNCTIONS(ReportPdf)
};

} // namespace

bool writeReportPdf(const QString &path, const std::vector<ReportPage> &pages, const QString &title, QString *error)
{
    return pdfoutput::write(
        path, title, printablearea::a4Portrait(),
        [&](QPdfWriter &writer) { return ReportPainter(ReportPainter::Surface::Paper).drawDocument(writer, pages); },
        Text::tr(": the report could not be drawn"), error);
}
