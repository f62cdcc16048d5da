#pragma once

#include <QPageLayout>

// The page a sheet or a report is laid out on when it goes to a PDF: A4 portrait inside the
// border a typical A4 printer cannot print on (3 to 5 mm; 5 mm on every side here). Through a
// printer the page already starts at its printable area; a PDF with these margins prints at 100 %
// on such a printer without losing a rule or a number at the edge, and looks like the printout.
namespace printablearea {

inline constexpr double kMarginMillimetres = 5.0;

QPageLayout a4Portrait();
// The same border on A4 turned on its side, for wide tables (the class overview).
QPageLayout a4Landscape();

} // namespace printablearea
