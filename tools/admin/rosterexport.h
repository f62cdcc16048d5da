#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

class ClassMap;
class RosterFile;

// The roster taken out to a spreadsheet in the columns the import reads: クラス, 番号, 氏名, 生年.
// A pupil of a class is given by the class and the list number its roster number stands for
// there; a pupil of no class by its roster number. Imported again into the same installation,
// an export changes nothing.
namespace rosterexport {

struct Row
{
    QString classLabel; // empty for a pupil of no class
    int number = 0;     // list number within the class, or the roster number
    QString name;
    int birthYear = 0;

    bool operator==(const Row &) const = default;
};

// The pupils of the roster (the first line of each number), in file order.
std::vector<Row> rows(const RosterFile &roster, const ClassMap &classes);

// UTF-8 CSV with a byte-order mark and CR LF line ends; names are formula-safe (spreadsheetcsv::cell).
QByteArray csv(const std::vector<Row> &rows);

// An Excel workbook with one sheet "名簿" (libxlsxwriter): the numbers and years as numbers, the
// class and the name as text. The bytes of the workbook; empty with *error set when it cannot be made.
QByteArray xlsx(const std::vector<Row> &rows, QString *error);

} // namespace rosterexport
