#pragma once

#include <QImage>
#include <QString>

class QPrinter;
struct PrintHandover;

// The three places a worksheet goes, all drawn by questionsheet::draw on an A4 portrait page.
namespace sheetoutput {

// The preview box at `pixelsPerTwip` (1/15 on a 96-dpi screen): white, the sheet at preview
// scale, the box 3 % larger than the mapped area.
QImage preview(const PrintHandover &handover, double pixelsPerTwip);

// The sheet at printer scale on `printer`, which must be set up as the caller wants (queue or
// file); the page is made A4 portrait and the copies printJobValue. Returns an error text, empty
// when the page was sent.
QString print(const PrintHandover &handover, QPrinter &printer);

// The sheet as a one-page A4 PDF whose texts can be selected and searched. The file appears
// whole or not at all. Returns an error text naming the file, empty when written.
QString writePdf(const PrintHandover &handover, const QString &path);

} // namespace sheetoutput
