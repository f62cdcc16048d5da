#include "pdfoutput.h"

#include "savefile.h"

#include <QBuffer>
#include <QByteArray>
#include <QPdfWriter>

namespace pdfoutput {

bool write(const QString &path, const QString &title, const QPageLayout &layout,
           const std::function<bool(QPdfWriter &writer)> &draw, const QString &notDrawn, QString *error)
{
    QByteArray pdf;
    bool drawn = false;
    {
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setTitle(title);
        writer.setCreator(title);
        writer.setResolution(600);
        writer.setPageLayout(layout);
        drawn = draw(writer);
    } // the writer finishes the document when it goes
    if (!drawn) {
        if (error)
            *error = path + notDrawn;
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

} // namespace pdfoutput
