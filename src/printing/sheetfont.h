#pragma once

#include <QFont>

// The face every sheet is measured and drawn with: the print face (printfaces), else the
// installed Japanese Gothic (Noto Sans CJK JP where present), so that measuring and drawing agree,
// the PDF's text reads back as drawn and no Japanese character falls back to another face. Sizes
// are given in the painter's own units, which on every sheet surface are twips; hinting is off so
// that advances scale exactly with the size.
namespace sheetfont {

// The first installed of the families, which draws nearly everything.
QString family();

// A font whose em is `twips` units high in a painter that draws in twips.
QFont inTwips(double twips);

} // namespace sheetfont
