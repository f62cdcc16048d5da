#include "worksheettable.h"

#include "questionbank.h"
#include "questionline.h"
#include "randomsource.h"

#include <utility>

namespace worksheettable {

namespace {

constexpr int kYear = 2;
constexpr int kName = 3;
constexpr int kExplain = 4;
constexpr int kAnswer = 5;
constexpr int kLastKept = 7;

void hideInto(PrintHandover &table, int row, int column)
{
    table.setCell(row, kAnswer, table.cell(row, column));
    table.setCell(row, column, QString());
}

void finish(PrintHandover &table)
{
    table.printFontSize = 13;
    table.printColumnEdges = {0, 0.05, 0.2, 0.4, 0.7, 1};
    table.setCell(0, kYear, QStringLiteral("年代"));
    table.setCell(0, kName, QStringLiteral("名前"));
    table.setCell(0, kExplain, QStringLiteral("出来事"));
    table.setCell(0, kAnswer, QStringLiteral("答え"));
    table.printColumns = 5;
    table.printRows = PrintHandover::kSheetRows;
    const QString numbers = QStringLiteral("①②③④⑤⑥⑦⑧⑨⑩⑪⑫⑬⑭⑮⑯⑰⑱⑲⑳");
    for (int row = 1; row <= PrintHandover::kSheetRows; ++row)
        table.setCell(row, 1, numbers.at(row - 1));
    table.printJobValue = 1;
}

} // namespace

Worksheet build(const QuestionBank &bank, const WorksheetChoice &choice, RandomSource &random)
{
    QList<int> rows;
    for (int row = 1; row <= bank.rowCount(); ++row) {
        const std::optional<int> group = questionline::groupOf(bank.cell(row, questionline::kGroupColumn));
        if (!group || *group < 1 || *group > kGroupEntries || !choice.groups.contains(*group))
            continue;
        rows.append(row);
    }
    return buildOfRows(bank, rows, choice, random);
}

Worksheet buildOfRows(const QuestionBank &bank, const QList<int> &rows, const WorksheetChoice &choice,
                      RandomSource &random)
{
    PrintHandover table;
    int chosen = 0;
    for (const int row : rows) {
        if (row < 1 || row > bank.rowCount())
            continue;
        ++chosen;
        table.setCell(chosen, kYear, bank.cell(row, 3));
        table.setCell(chosen, kName, bank.cell(row, 4));
        table.setCell(chosen, kExplain, bank.cell(row, 6));
        table.setCell(chosen, kAnswer, bank.cell(row, 4) + u'(' + bank.cell(row, 5) + u')');
    }

    if (choice.shuffle) {
        for (int k = 0; k < 2 * chosen; ++k) {
            const int a = random.choose(chosen);
            const int b = random.choose(chosen);
            for (int column = kYear; column <= kLastKept; ++column) {
                const QString held = table.cell(a, column);
                table.setCell(a, column, table.cell(b, column));
                table.setCell(b, column, held);
            }
        }
    }

    for (int row = 1; row <= chosen; ++row) {
        switch (choice.mode) {
        case HideMode::ShowAll:
            break;
        case HideMode::HideName:
            if (!table.cell(row, kName).isEmpty())
                hideInto(table, row, kName);
            break;
        case HideMode::HideYear:
            if (!table.cell(row, kYear).isEmpty())
                hideInto(table, row, kYear);
            break;
        case HideMode::HideRandom: {
            if (table.cell(row, kYear).isEmpty() && table.cell(row, kName).isEmpty())
                break;
            int column = static_cast<int>(2 * random.next() + 2);
            if (table.cell(row, column).isEmpty())
                column = column == kYear ? kName : kYear;
            hideInto(table, row, column);
            break;
        }
        }
    }

    finish(table);
    return {std::move(table), chosen};
}

PrintHandover empty()
{
    PrintHandover table;
    finish(table);
    return table;
}

} // namespace worksheettable
