#include "reportpdf.h"

#include "printablearea.h"
#include "reportpainter.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>

bool writeReportPdf(const QString &path, const std::vector<ReportPage> &pages, const QString &title, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = path + QStringLiteral(": ") + file.errorString();
        return false;
    }
    bool drawn = false;
    {
        QPdfWriter writer(&file);
        writer.setTitle(title);
        writer.setCreator(title);
        writer.setResolution(600);
        writer.setPageLayout(printablearea::a4Portrait());
        drawn = ReportPainter(ReportPainter::Surface::Paper).drawDocument(writer, pages);
    }
    if (!drawn || file.error() != QFileDevice::NoError) {
        if (error)
            *error = path + QStringLiteral(": ") + (drawn ? file.errorString() : QStringLiteral("the report could not be drawn"));
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (error)
            *error = path + QStringLiteral(": ") + file.errorString();
        return false;
    }
    return true;
}
