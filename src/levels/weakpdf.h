#pragma once

#include "weaklist.h"

#include <QString>

class QPagedPaintDevice;

// The weak list on A4 portrait pages in the print face of the pupil report: the heading and whom
// it is of, the levels and days counted, then the table (weaklist::tableLines), its header
// repeated on every further page.
namespace weakpdf {

// Draws the list onto a printer or PDF writer, page after page. False when it could not be
// painted on.
bool draw(QPagedPaintDevice &device, const WeakList &list);

// Writes the pages as a PDF through savefile: the file appears whole or not at all. False with
// the reason (naming the file) in *error.
bool write(const QString &path, const WeakList &list, const QString &title, QString *error);

} // namespace weakpdf
