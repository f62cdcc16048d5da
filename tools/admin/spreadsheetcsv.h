#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <vector>

// CSV as spreadsheet programs save and open it.
namespace spreadsheetcsv {

// The text of a file a spreadsheet saved: UTF-8 with or without a byte-order mark, or else
// Shift-JIS (what spreadsheets on Japanese systems write by default).
QString decode(QByteArrayView bytes);

struct Row
{
    int line = 0; // 1-based line of the file on which the row starts
    QStringList cells;
};

struct Table
{
    std::vector<Row> rows;
    int unclosedQuoteLine = 0; // line of a quoted cell that never closes; 0 when none
};

// Splits text into rows of cells. The separator is a tab when the first line holds one outside
// quotes, otherwise a comma. Quoted cells may hold separators, line breaks and doubled quotes.
Table parse(QStringView text);

// A text cell to write: quoted; a leading character a spreadsheet would take as the start of a
// formula ("=", "+", "-", "@", also after apostrophes) is preceded by an apostrophe, so that the
// spreadsheet shows the text instead of running it; unescapedCell() removes that apostrophe
// again, so that unescapedCell(the cell's text) is the text written.
QString cell(const QString &text);
QString unescapedCell(const QString &text);

} // namespace spreadsheetcsv
