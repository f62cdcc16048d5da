#pragma once

class PageCanvas;
struct PrintHandover;

// The worksheet drawn from a hand-over: a table of printRows body rows under a header row, the
// cells' texts each shrunk from printFontSize until they fit their row, black rules of width 1
// above every row, below the last and at every column edge. Draws only through the canvas, so
// the preview and the printout are the same drawing.
namespace questionsheet {

inline constexpr double kTableTop = 0.1; // fraction of the page height

void draw(PageCanvas &canvas, const PrintHandover &handover);

} // namespace questionsheet
