#include "classoverview.h"

#include "catalogue.h"
#include "classmap.h"
#include "installation.h"
#include "resultrules.h"
#include "roster.h"
#include "runstats.h"
#include "spreadsheetcsv.h"
#include "systemerror.h"

#include <xlsxwriter.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cerrno>
#include <cmath>

namespace classoverview {

namespace {

class Text
{
    Q_DECLARE_TR_FUNCTIONS(ClassOverview)
};

} // namespace

std::optional<double> median(std::vector<double> values)
{
    if (values.empty())
        return std::nullopt;
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    if (values.size() % 2 == 1)
        return values[middle];
    return (values[middle - 1] + values[middle]) / 2.0;
}

Overview build(const Installation &state, const Roster &roster, const ClassMap &classes, const RunStats &stats,
               const QString &classLabel)
{
    Overview overview;
    overview.classLabel = classLabel;
    for (int level = 1; level <= state.levelCount && level < kLevelSlots; ++level) {
        if (catalogue::isPracticeCaption(state.levelName[static_cast<std::size_t>(level)]))
            continue;
        overview.levels.push_back(level);
        overview.captions.push_back(state.levelName[static_cast<std::size_t>(level)].trimmed());
    }

    const ClassMap::Class *onlyClass = classLabel.isEmpty() ? nullptr : classes.find(classLabel);
    std::vector<int> pupils;
    for (const int p : roster.listedPupils()) {
        if (classLabel.isEmpty() || (onlyClass && onlyClass->holds(p)))
            pupils.push_back(p);
    }
    std::sort(pupils.begin(), pupils.end());
    pupils.erase(std::unique(pupils.begin(), pupils.end()), pupils.end());

    for (const int p : pupils) {
        PupilRow row;
        row.rosterNo = p;
        const ClassMap::Class *c = classes.classOf(p);
        row.classLabel = c ? c->label : QString();
        row.number = c ? p - c->first + 1 : p;
        row.name = roster.pupilName(p).trimmed();
        for (const int level : overview.levels) {
            const LevelStats &figures = stats.at(p, level);
            row.cells.push_back(Cell{figures.bestTime < kNoTime ? figures.bestTime : kNoTime, figures.attemptsAll,
                                     resultrules::levelCleared(state, level, figures)});
        }
        overview.rows.push_back(std::move(row));
    }

    for (std::size_t l = 0; l < overview.levels.size(); ++l) {
        std::vector<double> bests;
        std::vector<double> runs;
        for (const PupilRow &row : overview.rows) {
            if (row.cells[l].bestTime < kNoTime)
                bests.push_back(row.cells[l].bestTime);
            runs.push_back(row.cells[l].runs);
        }
        overview.medianBest.push_back(median(bests));
        overview.medianRuns.push_back(median(runs));
    }
    return overview;
}

QString medianText(const std::optional<double> &value)
{
    if (!value)
        return QStringLiteral("-");
    if (*value == std::floor(*value))
        return QString::number(static_cast<qint64>(*value));
    return QString::number(*value, 'f', 1);
}

QString classHeader() { return Text::tr("Class"); }
QString numberHeader() { return Text::tr("No."); }
QString nameHeader() { return Text::tr("Name"); }
QString bestHeader() { return Text::tr("Best"); }
QString runsHeader() { return Text::tr("Runs"); }
QString clearedHeader() { return Text::tr("Cleared"); }
QString medianLabel() { return Text::tr("Median"); }

QString clearedMark(bool cleared)
{
    return cleared ? QStringLiteral("○") : QString();
}

QString bestText(std::int32_t bestTime)
{
    return bestTime < kNoTime ? QString::number(bestTime) : QString();
}

QByteArray csv(const Overview &overview)
{
    QStringList header{spreadsheetcsv::cell(classHeader()), spreadsheetcsv::cell(numberHeader()),
                       spreadsheetcsv::cell(nameHeader())};
    for (const QString &caption : overview.captions) {
        for (const QString &figure : {bestHeader(), runsHeader(), clearedHeader()})
            header << spreadsheetcsv::cell(caption + u' ' + figure);
    }
    QString text = header.join(u',') + QStringLiteral("\r\n");
    for (const PupilRow &row : overview.rows) {
        QStringList line{spreadsheetcsv::cell(row.classLabel), QString::number(row.number),
                         spreadsheetcsv::cell(row.name)};
        for (const Cell &cell : row.cells)
            line << bestText(cell.bestTime) << QString::number(cell.runs)
                 << (cell.cleared ? spreadsheetcsv::cell(clearedMark(true)) : QString());
        text += line.join(u',') + QStringLiteral("\r\n");
    }
    QStringList foot{spreadsheetcsv::cell(overview.classLabel), QString(), spreadsheetcsv::cell(medianLabel())};
    for (std::size_t l = 0; l < overview.levels.size(); ++l) {
        foot << (overview.medianBest[l] ? medianText(overview.medianBest[l]) : QString())
             << (overview.medianRuns[l] ? medianText(overview.medianRuns[l]) : QString()) << QString();
    }
    text += foot.join(u',') + QStringLiteral("\r\n");
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

QByteArray xlsx(const Overview &overview, QString *error)
{
    // libxlsxwriter writes to a file name: the workbook is made in a private folder and read back,
    // so that the caller writes it to its place through the one safe replacement.
    QTemporaryDir folder;
    if (!folder.isValid()) {
        *error = Text::tr("no temporary folder for the workbook (%1)").arg(folder.errorString());
        return {};
    }
    const QByteArray path = folder.filePath(QStringLiteral("overview.xlsx")).toLocal8Bit();
    lxw_workbook *workbook = workbook_new(path.constData());
    if (!workbook) {
        *error = Text::tr("the workbook cannot be made");
        return {};
    }
    lxw_worksheet *sheet = workbook_add_worksheet(workbook, "クラス一覧");
    lxw_format *text = workbook_add_format(workbook);
    format_set_num_format(text, "@");
    lxw_format *centred = workbook_add_format(workbook);
    format_set_align(centred, LXW_ALIGN_CENTER);
    lxw_format *decimal = workbook_add_format(workbook);
    format_set_num_format(decimal, "0.#");

    const auto utf8 = [](const QString &s) { return s.toUtf8(); };
    worksheet_write_string(sheet, 1, 0, utf8(classHeader()).constData(), nullptr);
    worksheet_write_string(sheet, 1, 1, utf8(numberHeader()).constData(), nullptr);
    worksheet_write_string(sheet, 1, 2, utf8(nameHeader()).constData(), nullptr);
    for (std::size_t l = 0; l < overview.levels.size(); ++l) {
        const auto first = static_cast<lxw_col_t>(3 + 3 * l);
        worksheet_merge_range(sheet, 0, first, 0, first + 2, utf8(overview.captions[l]).constData(), centred);
        worksheet_write_string(sheet, 1, first, utf8(bestHeader()).constData(), nullptr);
        worksheet_write_string(sheet, 1, first + 1, utf8(runsHeader()).constData(), nullptr);
        worksheet_write_string(sheet, 1, first + 2, utf8(clearedHeader()).constData(), nullptr);
    }
    lxw_row_t r = 2;
    for (const PupilRow &row : overview.rows) {
        if (!row.classLabel.isEmpty())
            worksheet_write_string(sheet, r, 0, utf8(row.classLabel).constData(), text);
        worksheet_write_number(sheet, r, 1, row.number, nullptr);
        worksheet_write_string(sheet, r, 2, utf8(row.name).constData(), text);
        for (std::size_t l = 0; l < row.cells.size(); ++l) {
            const auto first = static_cast<lxw_col_t>(3 + 3 * l);
            const Cell &cell = row.cells[l];
            if (cell.bestTime < kNoTime)
                worksheet_write_number(sheet, r, first, cell.bestTime, nullptr);
            worksheet_write_number(sheet, r, first + 1, cell.runs, nullptr);
            if (cell.cleared)
                worksheet_write_string(sheet, r, first + 2, utf8(clearedMark(true)).constData(), centred);
        }
        ++r;
    }
    if (!overview.classLabel.isEmpty())
        worksheet_write_string(sheet, r, 0, utf8(overview.classLabel).constData(), text);
    worksheet_write_string(sheet, r, 2, utf8(medianLabel()).constData(), nullptr);
    for (std::size_t l = 0; l < overview.levels.size(); ++l) {
        const auto first = static_cast<lxw_col_t>(3 + 3 * l);
        if (overview.medianBest[l])
            worksheet_write_number(sheet, r, first, *overview.medianBest[l], decimal);
        if (overview.medianRuns[l])
            worksheet_write_number(sheet, r, first + 1, *overview.medianRuns[l], decimal);
    }
    worksheet_freeze_panes(sheet, 2, 3);

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

} // namespace classoverview
