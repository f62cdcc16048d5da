// One sheet of an Excel workbook: the input as the workbook itself, and as the parts of a
// workbook (workbook, relationships, shared strings, styles, sheet; separated by the byte 0x1E)
// zipped by minizip, so that the XML readers are reached without first getting a ZIP right.
#include "fuzzinput.h"
#include "xlsxsheet.h"

#include <zip.h>

#include <QFile>

#include <cstdlib>

namespace {

QByteArray zipped(const QList<QByteArray> &parts)
{
    static const char *const kNames[] = {"xl/workbook.xml", "xl/_rels/workbook.xml.rels", "xl/sharedStrings.xml",
                                         "xl/styles.xml", "xl/worksheets/sheet1.xml"};
    const QString path = fuzzinput::scratchFolder() + QStringLiteral("workbook.xlsx");
    const QByteArray name = path.toLocal8Bit();
    zipFile zip = zipOpen64(name.constData(), APPEND_STATUS_CREATE);
    if (!zip)
        std::abort();
    for (qsizetype i = 0; i < parts.size() && i < 5; ++i) {
        zipOpenNewFileInZip64(zip, kNames[i], nullptr, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED, 1, 0);
        zipWriteInFileInZip(zip, parts[i].constData(), static_cast<unsigned>(parts[i].size()));
        zipCloseFileInZip(zip);
    }
    zipClose(zip, nullptr);
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void readEveryWay(const QByteArray &bytes)
{
    for (const QString &sheet : {QString(), QStringLiteral("Sheet1")}) {
        const xlsxsheet::Read read = xlsxsheet::read(bytes, sheet);
        if (!read.sheet && read.problem.isEmpty())
            std::abort();
        if (!read.sheet)
            continue;
        for (const spreadsheetcsv::Row &row : read.sheet->rows) {
            if (row.cells.size() > xlsxsheet::kMaxColumns || row.line < 1 || row.cells.isEmpty())
                std::abort();
        }
    }
    xlsxsheet::zipKind(bytes);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray input = fuzzinput::bytes(data, size);
    if (input.startsWith("PK"))
        readEveryWay(input);
    else
        readEveryWay(zipped(input.split('\x1E')));
    return 0;
}
