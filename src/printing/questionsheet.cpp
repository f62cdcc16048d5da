#include "questionsheet.h"

#include "pagecanvas.h"
#include "printhandover.h"
#include "textframe.h"

#include <QtMath>

namespace questionsheet {

void draw(PageCanvas &canvas, const PrintHandover &handover)
{
    if (handover.printRows < 1 || handover.printColumns < 1
        || handover.printColumns + 1 > static_cast<int>(handover.printColumnEdges.size()))
        return;
    const double rowHeight = 0.9 / handover.printRows;
    const auto edge = [&](int column) { return handover.printColumnEdges[static_cast<std::size_t>(column - 1)]; };

    TextFrame frame;
    frame.startSize = handover.printFontSize;
    frame.fitCheck = true;
    frame.height = rowHeight;
    for (int row = 0; row <= handover.printRows; ++row) {
        for (int column = 1; column <= handover.printColumns; ++column) {
            frame.left = edge(column) + 0.01;
            frame.width = 0.95 * (edge(column + 1) - edge(column));
            frame.top = 10000.0 * (row - 1) * rowHeight + 10000.0 * kTableTop;
            canvas.frame(textframe::layOut({handover.cell(row, column)}, frame, canvas.mapping()));
        }
        const double y = 10000.0 * (row - 1) * rowHeight + 10000.0 * kTableTop - 100;
        canvas.line(0, y, 10000, y, 1, Qt::black);
    }
    const double bottom = 10000.0 * handover.printRows * rowHeight + 10000.0 * kTableTop - 100;
    canvas.line(0, bottom, 10000, bottom, 1, Qt::black);

    const double top = 10000.0 * kTableTop - 100 - 10000.0 * rowHeight;
    for (int column = 1; column <= handover.printColumns + 1; ++column) {
        const double x = qRound(10000.0 * edge(column));
        canvas.line(x, top, x, bottom, 1, Qt::black);
    }
}

} // namespace questionsheet
