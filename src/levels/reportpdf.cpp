#include "reportpdf.h"

#include "printablearea.h"
#include "reportpainter.h"
#include "savefile.h"

#include <QBuffer>
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
    // Drawn in memory, then written through the one safe replacement: a full disk or a failed
    // drawing leaves an existing file as it was.
    QByteArray pdf;
    bool drawn = false;
    {
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setTitle(title);
        writer.setCreator(title);
        writer.setResolution(600);
        writer.setPageLayout(printablearea::a4Portrait());
        drawn = ReportPainter(ReportPainter::Surface::Paper).drawDocument(writer, pages);
    }
    if (!drawn) {
        if (error)
            *error = path + Text::tr(": the report could not be drawn");
        return false;
    }
    const savefile::Outcome written = savefile::replace(path, pdf);
    if (!written.saved) {
        if (error)
            *error = path + QStringLiteral(": ") + written.error;
        return false;
    }
    return true;
}
