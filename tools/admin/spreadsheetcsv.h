#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// CSV and tab-separated text as spreadsheet programs save and open it.
namespace spreadsheetcsv {

// How the bytes of a text file spell its characters.
enum class Encoding { Utf8, Utf8WithBom, Utf16LittleEndian, Utf16BigEndian, ShiftJis };

struct Decoded
{
    QString text;
    Encoding encoding = Encoding::Utf8;
};

// The text of a file a spreadsheet saved: UTF-8 with or without a byte-order mark, UTF-16 with
// one ("Unicode text" of Excel), or else Shift-JIS (code page 932, what spreadsheets on Japanese
// systems write by default). Nothing when the bytes are none of these, or hold a NUL outside
// UTF-16 (no text file does).
std::optional<Decoded> decode(QByteArrayView bytes);

struct Row
{
    int line = 0; // 1-based line of the file on which the row starts (a sheet's row number)
    QStringList cells;
};

struct Table
{
    std::vector<Row> rows;
    int unclosedQuoteLine = 0; // line of a quoted cell that never closes; 0 when none
    QChar separator = u',';
};

// Splits text into rows of cells. The separator is the one of tab, comma and semicolon that the
// first lines hold most often outside quotes (a title row above the header holds none). A cell
// that starts with a double quote is quoted: it may hold separators, line breaks and doubled
// quotes; a quote inside an unquoted cell is a character like any other, as spreadsheets read it.
Table parse(QStringView text);

// A text cell to write: quoted; a leading character a spreadsheet would take as the start of a
// formula ("=", "+", "-", "@", also after apostrophes) is preceded by an apostrophe, so that the
// spreadsheet shows the text instead of running it; unescapedCell() removes that apostrophe
// again, so that unescapedCell(the cell's text) is the text written.
QString cell(const QString &text);
QString unescapedCell(const QString &text);

} // namespace spreadsheetcsv
