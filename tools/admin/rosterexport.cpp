#include "rosterexport.h"

#include "classmap.h"
#include "rosterfile.h"
#include "spreadsheetcsv.h"
#include "systemerror.h"

#include <cerrno>
#include <xlsxwriter.h>

#include <QCoreApplication>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>

namespace rosterexport {

namespace {

class Text
{
    Q_DECLARE_TR_FUNCTIONS(RosterExport)
};

const QStringList kHeader{QStringLiteral("クラス"), QStringLiteral("番号"), QStringLiteral("氏名"), QStringLiteral("生年")};

} // namespace

std::vector<Row> rows(const RosterFile &roster, const ClassMap &classes)
{
    std::vector<Row> result;
    QSet<int> written;
    for (const RosterFile::Line &line : roster.lines()) {
        if (!line.entry || written.contains(line.entry->rosterNo))
            continue;
        written.insert(line.entry->rosterNo);
        const int rosterNo = line.entry->rosterNo;
        const ClassMap::Class *c = classes.classOf(rosterNo);
        result.push_back(Row{c ? c->label : QString(), c ? rosterNo - c->first + 1 : rosterNo,
                             line.entry->trimmedName(), line.entry->birthYear});
    }
    return result;
}

QByteArray csv(const std::vector<Row> &rows)
{
    QString text = kHeader.join(u',') + QStringLiteral("\r\n");
    for (const Row &row : rows)
        text += spreadsheetcsv::cell(row.classLabel) + u',' + QString::number(row.number) + u','
                + spreadsheetcsv::cell(row.name) + u',' + QString::number(row.birthYear) + QStringLiteral("\r\n");
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

QByteArray xlsx(const std::vector<Row> &rows, QString *error)
{
    // libxlsxwriter writes to a file name: the workbook is made in a private folder and read back,
    // so that the caller writes it to its place through the one safe replacement.
    QTemporaryDir folder;
    if (!folder.isValid()) {
        *error = Text::tr("no temporary folder for the workbook (%1)").arg(folder.errorString());
        return {};
    }
    const QByteArray path = folder.filePath(QStringLiteral("roster.xlsx")).toLocal8Bit();
    lxw_workbook *workbook = workbook_new(path.constData());
    if (!workbook) {
        *error = Text::tr("the workbook cannot be made");
        return {};
    }
    lxw_worksheet *sheet = workbook_add_worksheet(workbook, "名簿");
    lxw_format *text = workbook_add_format(workbook);
    format_set_num_format(text, "@");
    for (int c = 0; c < kHeader.size(); ++c)
        worksheet_write_string(sheet, 0, static_cast<lxw_col_t>(c), kHeader[c].toUtf8().constData(), nullptr);
    lxw_row_t r = 1;
    for (const Row &row : rows) {
        if (!row.classLabel.isEmpty())
            worksheet_write_string(sheet, r, 0, row.classLabel.toUtf8().constData(), text);
        worksheet_write_number(sheet, r, 1, row.number, nullptr);
        worksheet_write_string(sheet, r, 2, row.name.toUtf8().constData(), text);
        worksheet_write_number(sheet, r, 3, row.birthYear, nullptr);
        ++r;
    }
    const lxw_error closed = workbook_close(workbook);
    if (closed != LXW_NO_ERROR) {
        *error = Text::tr("the workbook cannot be made (%1)").arg(QString::fromUtf8(lxw_strerror(closed)));
        return {};
    }
    QFile made(QString::fromLocal8Bit(path));
    errno = 0;
    if (!made.open(QIODevice::ReadOnly)) {
        *error = Text::tr("the workbook cannot be read back (%1)").arg(systemerror::describe(made, errno));
        return {};
    }
    return made.readAll();
}

} // namespace rosterexport
