#pragma once

#include "printhandover.h"

#include <QList>

class QuestionBank;
class RandomSource;

// Which cell of each row a worksheet hides; the hidden text moves into the answer column.
enum class HideMode { ShowAll = 1, HideName = 2, HideYear = 3, HideRandom = 4 };

struct WorksheetChoice
{
    QList<int> groups{1};           // question groups 1..10 chosen in the list
    HideMode mode = HideMode::ShowAll;
    bool shuffle = true;            // 順序を変える
};

struct Worksheet
{
    PrintHandover table;
    int selectedCount = 0; // rows of the chosen groups, before only 20 reach the sheet
};

namespace worksheettable {

inline constexpr int kGroupEntries = 10;

// The table of one worksheet from a loaded question bank: the rows of the chosen groups in file
// order (a row whose group is not a whole number from 1 to 10 belongs to none), shuffled over all
// of them when asked (2 × n swaps of two rows drawn from random), the chosen cell hidden, the
// header and the numbers ① to ⑳. A row whose cell to hide is empty stays as it is; in the random
// mode a row with one of year and name empty hides the other.
Worksheet build(const QuestionBank &bank, const WorksheetChoice &choice, RandomSource &random);

// The same from the given rows of the bank (1 to rowCount(), in the order given; others are
// passed over) instead of the chosen groups: choice.groups is not read.
Worksheet buildOfRows(const QuestionBank &bank, const QList<int> &rows, const WorksheetChoice &choice,
                      RandomSource &random);

// The same table with no question chosen: the header and rows ① to ⑳ only.
PrintHandover empty();

} // namespace worksheettable
