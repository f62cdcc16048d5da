#include "classlistfile.h"

#include "xlsxsheet.h"

#include <QCoreApplication>

namespace classlistfile {

namespace {

class Text
{
    Q_DECLARE_TR_FUNCTIONS(ClassListFile)
};

QString saveAs()
{
    return Text::tr("save the list as an Excel workbook (.xlsx) or as CSV UTF-8 (.csv)");
}

// What the first bytes show a file to be, when it is no workbook and no text.
QString otherKind(QByteArrayView bytes)
{
    if (bytes.startsWith("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"))
        return Text::tr("an Excel 97-2003 workbook (.xls) or a file protected by a password");
    if (bytes.startsWith("%PDF"))
        return Text::tr("a PDF document");
    if (bytes.startsWith("{\\rtf"))
        return Text::tr("a rich-text document (RTF)");
    if (bytes.startsWith(QByteArrayView("\xFF\xFE\x00\x00", 4)) || bytes.startsWith(QByteArrayView("\x00\x00\xFE\xFF", 4)))
        return Text::tr("UTF-32 text");
    if (bytes.startsWith("\x89PNG") || bytes.startsWith("\xFF\xD8\xFF") || bytes.startsWith("GIF8"))
        return Text::tr("a picture");
    return {};
}

// A text that is a document of markup rather than rows of cells.
QString markupKind(const QString &text)
{
    const QString start = text.left(2048).trimmed().toLower();
    if (start.contains(u"urn:schemas-microsoft-com:office:spreadsheet"))
        return Text::tr("an Excel 2003 XML spreadsheet");
    if (start.startsWith(u"<!doctype html") || start.startsWith(u"<html") || start.contains(u"<table"))
        return Text::tr("a web page (HTML)");
    if (start.startsWith(u"<?xml"))
        return Text::tr("an XML document");
    return {};
}

QString encodingName(spreadsheetcsv::Encoding encoding)
{
    switch (encoding) {
    case spreadsheetcsv::Encoding::Utf8:
        return QStringLiteral("UTF-8");
    case spreadsheetcsv::Encoding::Utf8WithBom:
        return Text::tr("UTF-8 with a byte-order mark");
    case spreadsheetcsv::Encoding::Utf16LittleEndian:
    case spreadsheetcsv::Encoding::Utf16BigEndian:
        return QStringLiteral("UTF-16");
    case spreadsheetcsv::Encoding::ShiftJis:
        return QStringLiteral("Shift-JIS");
    }
    return {};
}

QString separatorName(QChar separator)
{
    if (separator == u'\t')
        return Text::tr("tab-separated");
    if (separator == u';')
        return Text::tr("semicolon-separated");
    return Text::tr("comma-separated");
}

Read refused(const QString &shownName, const QString &kind)
{
    Read read;
    read.refusal = Text::tr("%1 is %2, not a class list this tool reads: %3.").arg(shownName, kind, saveAs());
    return read;
}

} // namespace

Read read(QByteArrayView bytes, const QString &shownName, const QString &sheetName)
{
    if (bytes.isEmpty()) {
        Read read;
        read.refusal = Text::tr("%1 is empty.").arg(shownName);
        return read;
    }
    switch (xlsxsheet::zipKind(bytes)) {
    case xlsxsheet::ZipKind::Workbook: {
        const xlsxsheet::Read sheet = xlsxsheet::read(bytes, sheetName);
        Read read;
        if (!sheet.sheet) {
            read.refusal = Text::tr("%1 is an Excel workbook, but %2.").arg(shownName, sheet.problem);
            return read;
        }
        read.table = spreadsheetcsv::Table{sheet.sheet->rows, 0, u','};
        read.fromWorkbook = true;
        read.kind = Text::tr("Excel workbook, sheet \"%1\"").arg(sheet.sheet->name);
        return read;
    }
    case xlsxsheet::ZipKind::OpenDocumentSpreadsheet:
        return refused(shownName, Text::tr("an OpenDocument spreadsheet (.ods)"));
    case xlsxsheet::ZipKind::OpenDocumentOther:
        return refused(shownName, Text::tr("an OpenDocument document"));
    case xlsxsheet::ZipKind::WordDocument:
        return refused(shownName, Text::tr("a Word document (.docx)"));
    case xlsxsheet::ZipKind::OtherZip:
        return refused(shownName, Text::tr("a ZIP archive"));
    case xlsxsheet::ZipKind::NotZip:
        break;
    }
    if (const QString kind = otherKind(bytes); !kind.isEmpty())
        return refused(shownName, kind);
    const std::optional<spreadsheetcsv::Decoded> decoded = spreadsheetcsv::decode(bytes);
    if (!decoded) {
        Read read;
        read.refusal = bytes.contains('\0')
                           ? Text::tr("%1 holds bytes that are no text (NUL), not a class list this tool reads: %2; "
                                      "UTF-16 text needs its byte-order mark.")
                                 .arg(shownName, saveAs())
                           : Text::tr("%1 is neither UTF-8 nor Shift-JIS text, not a class list this tool reads: %2.")
                                 .arg(shownName, saveAs());
        return read;
    }
    if (const QString kind = markupKind(decoded->text); !kind.isEmpty())
        return refused(shownName, kind);
    if (!sheetName.isEmpty()) {
        Read read;
        read.refusal = Text::tr("%1 is a text file, which has no sheets; give --sheet only with an Excel workbook.")
                           .arg(shownName);
        return read;
    }
    Read read;
    read.table = spreadsheetcsv::parse(decoded->text);
    read.kind = Text::tr("%1 text, %2").arg(encodingName(decoded->encoding), separatorName(read.table->separator));
    return read;
}

} // namespace classlistfile
