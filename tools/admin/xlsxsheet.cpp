#include "xlsxsheet.h"

#include <unzip.h>

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QHash>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>

namespace xlsxsheet {

namespace {

class Text
{
    Q_DECLARE_TR_FUNCTIONS(XlsxSheet)
};

// No part of a class list's workbook comes near this; a larger one is refused, not read.
constexpr qint64 kMaxPartBytes = 32 * 1024 * 1024;
constexpr int kMaxRows = 100000;

// The workbook as a ZIP archive in memory, read through minizip (Debian's libminizip, the one
// libxlsxwriter writes with) over callbacks on the bytes, so that no file is written to read it.
class Archive
{
public:
    explicit Archive(QByteArrayView bytes)
        : m_memory{bytes.toByteArray(), 0}
    {
        zlib_filefunc64_def io{};
        io.zopen64_file = &Archive::open;
        io.zread_file = &Archive::read;
        io.zwrite_file = &Archive::write;
        io.ztell64_file = &Archive::tell;
        io.zseek64_file = &Archive::seek;
        io.zclose_file = &Archive::close;
        io.zerror_file = &Archive::error;
        io.opaque = &m_memory;
        m_zip = unzOpen2_64("workbook", &io);
    }
    ~Archive()
    {
        if (m_zip)
            unzClose(m_zip);
    }
    Archive(const Archive &) = delete;
    Archive &operator=(const Archive &) = delete;

    bool isOpen() const { return m_zip != nullptr; }
    bool has(const QString &name) const
    {
        return m_zip && unzLocateFile(m_zip, name.toUtf8().constData(), kCaseInsensitive) == UNZ_OK;
    }

    // The part's bytes; nothing when it is missing, damaged or larger than kMaxPartBytes.
    std::optional<QByteArray> part(const QString &name)
    {
        if (!has(name) || unzOpenCurrentFile(m_zip) != UNZ_OK)
            return std::nullopt;
        QByteArray bytes;
        char chunk[16384];
        bool ok = true;
        for (;;) {
            const int got = unzReadCurrentFile(m_zip, chunk, sizeof chunk);
            if (got < 0 || bytes.size() + got > kMaxPartBytes) {
                ok = false;
                break;
            }
            if (got == 0)
                break;
            bytes.append(chunk, got);
        }
        // Closing checks the part's CRC once it was read to its end.
        if (unzCloseCurrentFile(m_zip) != UNZ_OK || !ok)
            return std::nullopt;
        return bytes;
    }

private:
    struct Memory
    {
        QByteArray bytes;
        qint64 at = 0;
    };
    static constexpr int kCaseInsensitive = 2;

    static voidpf ZCALLBACK open(voidpf opaque, const void *, int mode)
    {
        return (mode & ZLIB_FILEFUNC_MODE_READ) ? opaque : nullptr;
    }
    static uLong ZCALLBACK read(voidpf, voidpf stream, void *buffer, uLong size)
    {
        auto *m = static_cast<Memory *>(stream);
        const qint64 n = std::min<qint64>(static_cast<qint64>(size), m->bytes.size() - m->at);
        if (n <= 0)
            return 0;
        std::memcpy(buffer, m->bytes.constData() + m->at, static_cast<std::size_t>(n));
        m->at += n;
        return static_cast<uLong>(n);
    }
    static uLong ZCALLBACK write(voidpf, voidpf, const void *, uLong) { return 0; }
    static ZPOS64_T ZCALLBACK tell(voidpf, voidpf stream) { return static_cast<ZPOS64_T>(static_cast<Memory *>(stream)->at); }
    static long ZCALLBACK seek(voidpf, voidpf stream, ZPOS64_T offset, int origin)
    {
        auto *m = static_cast<Memory *>(stream);
        const qint64 base = origin == ZLIB_FILEFUNC_SEEK_SET ? 0 : origin == ZLIB_FILEFUNC_SEEK_CUR ? m->at : m->bytes.size();
        if (offset > static_cast<ZPOS64_T>(m->bytes.size()))
            return -1;
        const qint64 to = base + static_cast<qint64>(offset);
        if (to < 0 || to > m->bytes.size())
            return -1;
        m->at = to;
        return 0;
    }
    static int ZCALLBACK close(voidpf, voidpf) { return 0; }
    static int ZCALLBACK error(voidpf, voidpf) { return 0; }

    Memory m_memory;
    unzFile m_zip = nullptr;
};

QString attribute(const QXmlStreamReader &xml, QLatin1StringView name)
{
    return xml.attributes().value(name).toString();
}

// The r:id of a <sheet>: an attribute "id" in the relationships namespace, whatever its prefix.
QString relationshipId(const QXmlStreamReader &xml)
{
    for (const QXmlStreamAttribute &a : xml.attributes()) {
        if (a.name() == u"id" && !a.namespaceUri().isEmpty())
            return a.value().toString();
    }
    return {};
}

// The text of an <si> or <is> element: its <t> elements, those of phonetic guides (<rPh>) left out.
QString richText(QXmlStreamReader &xml)
{
    const QString element = xml.name().toString();
    QString text;
    int phonetic = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            if (xml.name() == u"rPh")
                ++phonetic;
            else if (xml.name() == u"t" && phonetic == 0)
                text += xml.readElementText(QXmlStreamReader::IncludeChildElements);
        } else if (xml.isEndElement()) {
            if (xml.name() == u"rPh")
                --phonetic;
            else if (xml.name() == element)
                break;
        }
    }
    return text;
}

std::vector<QString> sharedStrings(const QByteArray &bytes, bool *ok)
{
    std::vector<QString> strings;
    QXmlStreamReader xml(bytes);
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == u"si")
            strings.push_back(richText(xml));
    }
    *ok = !xml.hasError();
    return strings;
}

// Whether a number format shows a date: one of Excel's built-in date formats (Japanese ones
// included), or a format of the workbook's own whose codes, outside quoted text and brackets,
// name a year, a day or an era. (Built-in 18 to 21, 32, 33 and 45 to 47 are times of day.)
bool isDateFormat(int id, const QString &code)
{
    if ((id >= 14 && id <= 17) || id == 22 || (id >= 27 && id <= 31) || (id >= 34 && id <= 36) || (id >= 50 && id <= 58))
        return true;
    if (code.isEmpty())
        return false;
    static const QRegularExpression literal(QStringLiteral("\"[^\"]*\"|\\[[^\\]]*\\]|\\\\.|_.|\\*."));
    const QString codes = QString(code).remove(literal).toLower().remove(QStringLiteral("general"));
    return codes.contains(u'y') || codes.contains(u'd') || codes.contains(u'e') || codes.contains(u'g');
}

// For each cell style (the s attribute of a cell), whether it shows dates.
std::vector<bool> dateStyles(const QByteArray &bytes)
{
    QHash<int, QString> codes;
    std::vector<bool> styles;
    QXmlStreamReader xml(bytes);
    bool inCellStyles = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            if (xml.name() == u"numFmt")
                codes.insert(attribute(xml, QLatin1StringView("numFmtId")).toInt(), attribute(xml, QLatin1StringView("formatCode")));
            else if (xml.name() == u"cellXfs")
                inCellStyles = true;
            else if (xml.name() == u"xf" && inCellStyles) {
                const int id = attribute(xml, QLatin1StringView("numFmtId")).toInt();
                styles.push_back(isDateFormat(id, codes.value(id)));
            }
        } else if (xml.isEndElement() && xml.name() == u"cellXfs") {
            inCellStyles = false;
        }
    }
    return styles;
}

QString dateOfSerial(double serial, bool date1904)
{
    const qint64 days = static_cast<qint64>(std::floor(serial));
    QDate date;
    if (date1904)
        date = QDate(1904, 1, 1).addDays(days);
    else if (days >= 61)
        date = QDate(1899, 12, 30).addDays(days);
    else if (days >= 1)
        // Excel counts a 29 February 1900 that never was; dates before it are one day later.
        date = QDate(1899, 12, 31).addDays(days);
    return date.isValid() ? date.toString(QStringLiteral("yyyy/MM/dd")) : QString::number(serial, 'g', 15);
}

QString numberText(const QString &value)
{
    bool ok = false;
    const double number = value.toDouble(&ok);
    if (ok && std::isfinite(number) && number == std::floor(number) && std::fabs(number) < 1e15)
        return QString::number(static_cast<qint64>(number));
    return value;
}

// The column of a cell reference such as "AB12" (0-based), or -1.
int columnOf(QStringView reference)
{
    int column = 0;
    qsizetype i = 0;
    for (; i < reference.size() && reference[i].isLetter(); ++i) {
        const char16_t c = reference[i].toUpper().unicode();
        if (c < u'A' || c > u'Z' || column > kMaxColumns)
            return -1;
        column = column * 26 + (c - u'A' + 1);
    }
    return i == 0 ? -1 : column - 1;
}

struct SheetParts
{
    std::vector<QString> strings;
    std::vector<bool> dateStyle;
    bool date1904 = false;
};

std::optional<std::vector<spreadsheetcsv::Row>> sheetRows(const QByteArray &bytes, const SheetParts &parts)
{
    std::vector<spreadsheetcsv::Row> rows;
    QXmlStreamReader xml(bytes);
    int rowNumber = 0;
    std::map<int, QString> cells;
    int nextColumn = 0;
    const auto endRow = [&] {
        bool any = false;
        for (const auto &[column, text] : cells)
            any = any || !text.trimmed().isEmpty();
        if (any && static_cast<int>(rows.size()) < kMaxRows) {
            spreadsheetcsv::Row row{rowNumber, {}};
            const int width = cells.rbegin()->first + 1;
            for (int c = 0; c < width; ++c) {
                const auto at = cells.find(c);
                row.cells << (at == cells.end() ? QString() : at->second);
            }
            rows.push_back(std::move(row));
        }
        cells.clear();
    };
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == u"row") {
            const int given = attribute(xml, QLatin1StringView("r")).toInt();
            rowNumber = given > 0 ? given : rowNumber + 1;
            nextColumn = 0;
            cells.clear();
            while (!xml.atEnd()) {
                xml.readNext();
                if (xml.isEndElement() && xml.name() == u"row")
                    break;
                if (!xml.isStartElement() || xml.name() != u"c")
                    continue;
                const QString reference = attribute(xml, QLatin1StringView("r"));
                const int column = reference.isEmpty() ? nextColumn : columnOf(reference);
                nextColumn = column + 1;
                const QString type = attribute(xml, QLatin1StringView("t"));
                const int style = attribute(xml, QLatin1StringView("s")).toInt();
                QString value;
                QString inlineText;
                while (!xml.atEnd()) {
                    xml.readNext();
                    if (xml.isEndElement() && xml.name() == u"c")
                        break;
                    if (xml.isStartElement() && xml.name() == u"v")
                        value = xml.readElementText(QXmlStreamReader::SkipChildElements);
                    else if (xml.isStartElement() && xml.name() == u"is")
                        inlineText = richText(xml);
                }
                QString text;
                if (type == u"s") {
                    bool ok = false;
                    const qsizetype index = value.toLongLong(&ok);
                    if (ok && index >= 0 && index < static_cast<qsizetype>(parts.strings.size()))
                        text = parts.strings[static_cast<std::size_t>(index)];
                } else if (type == u"inlineStr") {
                    text = inlineText;
                } else if (type == u"str" || type == u"e") {
                    text = value;
                } else if (type == u"b") {
                    text = value == u"1" ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
                } else if (type == u"d") {
                    const QDate date = QDate::fromString(value.left(10), Qt::ISODate);
                    text = date.isValid() ? date.toString(QStringLiteral("yyyy/MM/dd")) : value;
                } else if (!value.isEmpty()) {
                    bool ok = false;
                    const double number = value.toDouble(&ok);
                    const bool isDate = style >= 0 && style < static_cast<int>(parts.dateStyle.size())
                                        && parts.dateStyle[static_cast<std::size_t>(style)];
                    text = ok && isDate ? dateOfSerial(number, parts.date1904) : numberText(value);
                }
                if (column >= 0 && column < kMaxColumns && !text.isEmpty())
                    cells[column] = text;
            }
            if (!cells.empty())
                endRow();
        }
    }
    if (xml.hasError())
        return std::nullopt;
    return rows;
}

} // namespace

ZipKind zipKind(QByteArrayView bytes)
{
    if (!bytes.startsWith("PK\x03\x04"))
        return ZipKind::NotZip;
    Archive archive(bytes);
    if (!archive.isOpen())
        return ZipKind::OtherZip;
    if (archive.has(QStringLiteral("xl/workbook.xml")))
        return ZipKind::Workbook;
    if (archive.has(QStringLiteral("word/document.xml")))
        return ZipKind::WordDocument;
    if (archive.has(QStringLiteral("mimetype"))) {
        const QByteArray type = archive.part(QStringLiteral("mimetype")).value_or(QByteArray());
        if (type.startsWith("application/vnd.oasis.opendocument.spreadsheet"))
            return ZipKind::OpenDocumentSpreadsheet;
        if (type.startsWith("application/vnd.oasis.opendocument"))
            return ZipKind::OpenDocumentOther;
    }
    return ZipKind::OtherZip;
}

Read read(QByteArrayView bytes, const QString &sheetName)
{
    Read result;
    Archive archive(bytes);
    const std::optional<QByteArray> workbook = archive.part(QStringLiteral("xl/workbook.xml"));
    if (!workbook) {
        result.problem = Text::tr("its list of sheets (xl/workbook.xml) is missing or damaged");
        return result;
    }

    struct SheetEntry
    {
        QString name;
        QString relationship;
    };
    std::vector<SheetEntry> sheets;
    SheetParts parts;
    {
        QXmlStreamReader xml(*workbook);
        while (!xml.atEnd()) {
            xml.readNext();
            if (!xml.isStartElement())
                continue;
            if (xml.name() == u"workbookPr") {
                const QString value = attribute(xml, QLatin1StringView("date1904"));
                parts.date1904 = value == u"1" || value.compare(u"true", Qt::CaseInsensitive) == 0;
            } else if (xml.name() == u"sheet") {
                sheets.push_back({attribute(xml, QLatin1StringView("name")), relationshipId(xml)});
                result.sheetNames << sheets.back().name;
            }
        }
        if (xml.hasError() || sheets.empty()) {
            result.problem = Text::tr("its list of sheets (xl/workbook.xml) is damaged");
            return result;
        }
    }

    const SheetEntry *chosen = &sheets.front();
    if (!sheetName.isEmpty()) {
        chosen = nullptr;
        for (const SheetEntry &s : sheets) {
            if (s.name == sheetName || (!chosen && s.name.compare(sheetName, Qt::CaseInsensitive) == 0))
                chosen = &s;
        }
        if (!chosen) {
            result.problem = Text::tr("it has no sheet \"%1\"; its sheets are %2")
                                 .arg(sheetName, result.sheetNames.join(QStringLiteral(", ")));
            return result;
        }
    }

    QString target;
    if (const std::optional<QByteArray> rels = archive.part(QStringLiteral("xl/_rels/workbook.xml.rels"))) {
        QXmlStreamReader xml(*rels);
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isStartElement() && xml.name() == u"Relationship" && attribute(xml, QLatin1StringView("Id")) == chosen->relationship)
                target = attribute(xml, QLatin1StringView("Target"));
        }
    }
    if (target.isEmpty()) {
        result.problem = Text::tr("the sheet \"%1\" cannot be found in the workbook").arg(chosen->name);
        return result;
    }
    const QString sheetPath =
        target.startsWith(u'/') ? target.mid(1) : QDir::cleanPath(QStringLiteral("xl/") + target);

    if (const std::optional<QByteArray> strings = archive.part(QStringLiteral("xl/sharedStrings.xml"))) {
        bool ok = false;
        parts.strings = sharedStrings(*strings, &ok);
        if (!ok) {
            result.problem = Text::tr("the workbook's texts (xl/sharedStrings.xml) are damaged");
            return result;
        }
    }
    if (const std::optional<QByteArray> styles = archive.part(QStringLiteral("xl/styles.xml")))
        parts.dateStyle = dateStyles(*styles);

    const std::optional<QByteArray> sheetBytes = archive.part(sheetPath);
    if (!sheetBytes) {
        result.problem = Text::tr("the sheet \"%1\" is missing from the workbook or damaged").arg(chosen->name);
        return result;
    }
    std::optional<std::vector<spreadsheetcsv::Row>> rows = sheetRows(*sheetBytes, parts);
    if (!rows) {
        result.problem = Text::tr("the sheet \"%1\" is damaged").arg(chosen->name);
        return result;
    }
    result.sheet = Sheet{chosen->name, std::move(*rows)};
    return result;
}

} // namespace xlsxsheet
