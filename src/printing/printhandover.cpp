#include "printhandover.h"

QString PrintHandover::cell(int row, int column) const
{
    if (row < 0 || row >= m_cells.size() || column < 0 || column > kColumns)
        return {};
    return m_cells.at(row).at(static_cast<std::size_t>(column));
}

void PrintHandover::setCell(int row, int column, const QString &text)
{
    if (row < 0 || column < 0 || column > kColumns)
        return;
    if (row >= m_cells.size())
        m_cells.resize(row + 1);
    m_cells[row][static_cast<std::size_t>(column)] = text;
}
