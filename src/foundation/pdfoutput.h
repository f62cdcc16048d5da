#pragma once

#include <QPageLayout>
#include <QString>

#include <functional>

class QPdfWriter;

namespace pdfoutput {

// Draws a PDF in memory (600 dpi, the given page layout, the title as title and creator) with
// draw(), then writes it through the one safe replacement: a failed drawing or a full disk leaves
// an existing file as it was. On failure *error (when given) names the path and the reason:
// notDrawn when draw() returns false, the system's reason when the file cannot be written.
bool write(const QString &path, const QString &title, const QPageLayout &layout,
           const std::function<bool(QPdfWriter &writer)> &draw, const QString &notDrawn, QString *error);

} // namespace pdfoutput
