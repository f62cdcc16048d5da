#pragma once

#include "spreadsheetcsv.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// One sheet of an Excel workbook (.xlsx, Office Open XML) as the values its cells show: read
// through minizip and Qt's XML reader. Cells hold shared strings (without their phonetic guides),
// inline strings, formula results, numbers (whole numbers without a decimal point) and dates: a
// number with a date format is the date it stands for, as yyyy/MM/dd, in the workbook's 1900 or
// 1904 date system. Every part is read up to a bound, so a damaged or hostile file costs neither
// the memory nor the time of its claimed sizes.
namespace xlsxsheet {

// What a ZIP file holds, for saying what a file that is no workbook is.
enum class ZipKind { NotZip, Workbook, OpenDocumentSpreadsheet, OpenDocumentOther, WordDocument, OtherZip };
ZipKind zipKind(QByteArrayView bytes);

struct Sheet
{
    QString name;
    std::vector<spreadsheetcsv::Row> rows; // Row::line is the sheet's row number; empty rows left out
};

struct Read
{
    std::optional<Sheet> sheet;
    QString problem;        // why there is no sheet
    QStringList sheetNames; // of the workbook, in its order (when its list could be read)
};

// Rows have at most this many columns; cells further right are left out.
inline constexpr int kMaxColumns = 256;

// The first sheet of the workbook, or the one named sheetName when it is not empty.
Read read(QByteArrayView bytes, const QString &sheetName);

} // namespace xlsxsheet
