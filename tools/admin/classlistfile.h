#pragma once

#include "spreadsheetcsv.h"

#include <QByteArrayView>
#include <QString>

#include <optional>

// A class list file as a teacher has it, whatever saved it: an Excel workbook (.xlsx; its first
// sheet or a named one), or CSV or tab-separated text in UTF-8 (with or without a byte-order
// mark), UTF-16 (with one) or Shift-JIS, its cells separated by commas, tabs or semicolons.
// The kind is told from the content, not from the file's name. Any other file is refused with one
// sentence that says what it is and what to save it as.
namespace classlistfile {

struct Read
{
    std::optional<spreadsheetcsv::Table> table;
    bool fromWorkbook = false; // cells as a workbook holds them (no CSV escapes)
    QString kind;              // what the file is, for the listing: "Excel workbook, sheet 名簿"
    QString refusal;           // why there is no table: a whole sentence naming the file
};

// `shownName` names the file in the refusal; sheetName picks a workbook's sheet (empty: the
// first); a text file given a sheet name is refused.
Read read(QByteArrayView bytes, const QString &shownName, const QString &sheetName);

} // namespace classlistfile
