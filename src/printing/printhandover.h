#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <array>

// What the print settings screen leaves for the preview and the printout: the finished table of
// one worksheet. The settings screen writes it; the sheet code only reads it, so the preview and
// every printout of one build draw exactly the same thing.
struct PrintHandover
{
    static constexpr int kColumns = 7; // columns 1..7 are kept; 6 and 7 are never drawn
    static constexpr int kSheetRows = 20;

    // Row 0 is the header, rows 1.. the body; column 1 is the row-number column. Empty outside
    // the rows and columns written.
    QString cell(int row, int column) const;
    void setCell(int row, int column, const QString &text);
    // Rows 1..rowsHeld() may hold texts (every chosen question, even past the 20 drawn).
    int rowsHeld() const { return static_cast<int>(m_cells.size()) - 1; }

    int printRows = kSheetRows;                              // body rows to draw
    int printColumns = 5;                                    // columns 1..printColumns are drawn
    std::array<double, 6> printColumnEdges{0, 0.05, 0.2, 0.4, 0.7, 1}; // entry k-1: left edge of column k; fractions of the page width
    int printFontSize = 13;                                  // points every cell starts at
    int printJobValue = 1;                                   // copies asked of the printer

private:
    QList<std::array<QString, kColumns + 1>> m_cells;
};
