#include "fakes.h"
#include "printsettings.h"
#include "questionbank.h"
#include "questionfile.h"
#include "randomsource.h"
#include "tempinstall.h"
#include "worksheettable.h"

#include <QSet>

#include <gtest/gtest.h>

namespace {

// Plain rows "serial,group,year,name,name line 2,explanation,explanation line 2".
QByteArray storedFile(const QStringList &rows)
{
    QString plain;
    for (const QString &row : rows)
        plain += row + QStringLiteral("／ｅｎｄ／\n");
    const questionfile::Scrambled stored = questionfile::scramble(plain);
    EXPECT_TRUE(stored.problems.isEmpty());
    return stored.stored;
}

QuestionBank bankOf(const QStringList &rows)
{
    return QuestionBank::fromBytes(storedFile(rows), QStringLiteral("Morvidかな0vv.ccc"));
}

QStringList groupRows(int group, int count, int firstSerial = 1)
{
    QStringList rows;
    for (int i = 0; i < count; ++i) {
        const int serial = firstSerial + i;
        rows.append(QStringLiteral("%1,%2,%3,人物%1,よみ%1,説明%1,補足%1").arg(serial).arg(group).arg(600 + serial));
    }
    return rows;
}

// Columns 1..5 of rows 0..20, one text per row.
QStringList sheetRows(const PrintHandover &table)
{
    QStringList rows;
    for (int row = 0; row <= PrintHandover::kSheetRows; ++row) {
        QStringList cells;
        for (int column = 1; column <= 5; ++column)
            cells.append(table.cell(row, column));
        rows.append(cells.join(u'|'));
    }
    return rows;
}

const QString kNumbers = QStringLiteral("①②③④⑤⑥⑦⑧⑨⑩⑪⑫⑬⑭⑮⑯⑰⑱⑲⑳");

void expectOnlyNumbersFrom(const PrintHandover &table, int firstRow)
{
    for (int row = firstRow; row <= PrintHandover::kSheetRows; ++row) {
        EXPECT_EQ(table.cell(row, 1), kNumbers.at(row - 1)) << "row " << row;
        for (int column = 2; column <= 5; ++column)
            EXPECT_TRUE(table.cell(row, column).isEmpty()) << "row " << row << " column " << column;
    }
}

void expectHeader(const PrintHandover &table)
{
    EXPECT_EQ(table.cell(0, 1), QString());
    EXPECT_EQ(table.cell(0, 2), QStringLiteral("年代"));
    EXPECT_EQ(table.cell(0, 3), QStringLiteral("名前"));
    EXPECT_EQ(table.cell(0, 4), QStringLiteral("出来事"));
    EXPECT_EQ(table.cell(0, 5), QStringLiteral("答え"));
    EXPECT_EQ(table.printRows, 20);
    EXPECT_EQ(table.printColumns, 5);
    EXPECT_EQ(table.printFontSize, 13);
}

class EmptySelection : public ::testing::TestWithParam<QList<int>>
{
};

TEST_P(EmptySelection, GivesTheHeaderAndNumberedEmptyRows)
{
    SeededRandom random(1);
    const Worksheet sheet =
        worksheettable::build(bankOf(groupRows(1, 8) + groupRows(9, 6, 20)), {GetParam(), HideMode::ShowAll, true}, random);
    EXPECT_EQ(sheet.selectedCount, 0);
    expectHeader(sheet.table);
    expectOnlyNumbersFrom(sheet.table, 1);
}

// Entry "10" of the list names no question group.
INSTANTIATE_TEST_SUITE_P(Worksheet, EmptySelection, ::testing::Values(QList<int>{}, QList<int>{10}));

TEST(Worksheet, KeepsFileOrderWithoutShufflingAndFillsFewerThanTwentyRows)
{
    QStringList rows = groupRows(1, 2);
    rows.insert(1, QStringLiteral("50,2,1600,他の組,たのくみ,説明,補足"));
    rows.append(QStringLiteral("60,1,1868,名前だけ,,説明だけ,"));
    ScriptedRandom random({0.99});
    const Worksheet sheet = worksheettable::build(bankOf(rows), {{1}, HideMode::ShowAll, false}, random);
    EXPECT_EQ(sheet.selectedCount, 3);
    expectHeader(sheet.table);
    const QStringList got = sheetRows(sheet.table);
    EXPECT_EQ(got.at(1), QStringLiteral("①|601|人物1|説明1|人物1(よみ1)"));
    EXPECT_EQ(got.at(2), QStringLiteral("②|602|人物2|説明2|人物2(よみ2)"));
    EXPECT_EQ(got.at(3), QStringLiteral("③|1868|名前だけ|説明だけ|名前だけ()"));
    expectOnlyNumbersFrom(sheet.table, 4);
}

TEST(Worksheet, MergesSeveralGroupsInFileOrder)
{
    const QStringList rows = {QStringLiteral("1,3,700,甲,こう,一,"), QStringLiteral("2,1,800,乙,おつ,二,"),
                              QStringLiteral("3,2,900,丙,へい,三,"), QStringLiteral("4,3,1000,丁,てい,四,")};
    SeededRandom random(1);
    const Worksheet sheet = worksheettable::build(bankOf(rows), {{1, 3}, HideMode::ShowAll, false}, random);
    EXPECT_EQ(sheet.selectedCount, 3);
    EXPECT_EQ(sheet.table.cell(1, 3), QStringLiteral("甲"));
    EXPECT_EQ(sheet.table.cell(2, 3), QStringLiteral("乙"));
    EXPECT_EQ(sheet.table.cell(3, 3), QStringLiteral("丁"));
}

TEST(Worksheet, OfGivenRowsTakesThemInTheOrderGivenWhateverTheirGroup)
{
    const QStringList rows = {QStringLiteral("1,3,700,甲,こう,一,"), QStringLiteral("2,1,800,乙,おつ,二,"),
                              QStringLiteral("3,2,900,丙,へい,三,"), QStringLiteral("4,3,1000,丁,てい,四,")};
    SeededRandom random(1);
    // Rows outside the bank (0, 5) are passed over; the choice's groups are not read.
    const Worksheet sheet =
        worksheettable::buildOfRows(bankOf(rows), {4, 0, 2, 5, 3}, {{1}, HideMode::HideYear, false}, random);
    EXPECT_EQ(sheet.selectedCount, 3);
    expectHeader(sheet.table);
    const QStringList got = sheetRows(sheet.table);
    EXPECT_EQ(got.at(1), QStringLiteral("①||丁|四|1000"));
    EXPECT_EQ(got.at(2), QStringLiteral("②||乙|二|800"));
    EXPECT_EQ(got.at(3), QStringLiteral("③||丙|三|900"));
    expectOnlyNumbersFrom(sheet.table, 4);
}

TEST(Worksheet, ShuffleSwapsWholeRowsDrawnFromTheRandomSource)
{
    // 2 × 2 swaps: rows 1 and 2, then row 2 with itself three times.
    ScriptedRandom random({0.0, 0.99});
    const Worksheet sheet = worksheettable::build(bankOf(groupRows(1, 2)), {{1}, HideMode::ShowAll, true}, random);
    const QStringList got = sheetRows(sheet.table);
    EXPECT_EQ(got.at(1), QStringLiteral("①|602|人物2|説明2|人物2(よみ2)"));
    EXPECT_EQ(got.at(2), QStringLiteral("②|601|人物1|説明1|人物1(よみ1)"));
}

TEST(Worksheet, MoreThanTwentyShuffledPutsARandomTwentyOfThemOnTheSheet)
{
    const QuestionBank bank = bankOf(groupRows(1, 30));
    SeededRandom random(15);
    const Worksheet first = worksheettable::build(bank, {{1}, HideMode::ShowAll, true}, random);
    const Worksheet second = worksheettable::build(bank, {{1}, HideMode::ShowAll, true}, random);
    EXPECT_EQ(first.selectedCount, 30);
    QSet<QString> names;
    for (int row = 1; row <= 20; ++row)
        names.insert(first.table.cell(row, 3));
    EXPECT_EQ(names.size(), 20);
    for (const QString &name : names)
        EXPECT_TRUE(name.startsWith(QStringLiteral("人物"))) << name.toStdString();
    EXPECT_NE(sheetRows(first.table), sheetRows(second.table));
    EXPECT_NE(sheetRows(first.table), sheetRows(worksheettable::build(bank, {{1}, HideMode::ShowAll, false}, random).table));
}

struct HideCase
{
    HideMode mode;
    double random;
    const char16_t *year;
    const char16_t *name;
    const char16_t *answer;
};

class Hiding : public ::testing::TestWithParam<HideCase>
{
};

TEST_P(Hiding, MovesTheHiddenCellIntoTheAnswerColumn)
{
    const HideCase c = GetParam();
    ScriptedRandom random({c.random});
    const Worksheet sheet = worksheettable::build(bankOf({QStringLiteral("1,1,672,天武天皇,てんむ,壬申の乱,")}),
                                                  {{1}, c.mode, false}, random);
    EXPECT_EQ(sheet.table.cell(1, 2), QString::fromUtf16(c.year));
    EXPECT_EQ(sheet.table.cell(1, 3), QString::fromUtf16(c.name));
    EXPECT_EQ(sheet.table.cell(1, 4), QStringLiteral("壬申の乱"));
    EXPECT_EQ(sheet.table.cell(1, 5), QString::fromUtf16(c.answer));
    expectHeader(sheet.table);
}

INSTANTIATE_TEST_SUITE_P(
    Worksheet, Hiding,
    ::testing::Values(HideCase{HideMode::ShowAll, 0.0, u"672", u"天武天皇", u"天武天皇(てんむ)"},
                      HideCase{HideMode::HideName, 0.0, u"672", u"", u"天武天皇"},
                      HideCase{HideMode::HideYear, 0.0, u"", u"天武天皇", u"672"},
                      HideCase{HideMode::HideRandom, 0.0, u"", u"天武天皇", u"672"},
                      HideCase{HideMode::HideRandom, 0.99, u"672", u"", u"天武天皇"}));

TEST(Worksheet, RandomHidingTakesTheOtherCellWhenTheDrawnOneIsEmpty)
{
    // The source keeps drawing the year column, which is empty in this row.
    ScriptedRandom random({0.0});
    const Worksheet sheet = worksheettable::build(
        bankOf({QStringLiteral("1,1,,年のない人,よみ,説明,"), QStringLiteral("2,1,,,,説明だけ,")}),
        {{1}, HideMode::HideRandom, false}, random);
    EXPECT_EQ(sheet.table.cell(1, 3), QString());
    EXPECT_EQ(sheet.table.cell(1, 5), QStringLiteral("年のない人"));
    // Nothing to hide: the row stays as it was.
    EXPECT_EQ(sheet.table.cell(2, 5), QStringLiteral("()"));
}

TEST(Worksheet, RebuildingInFileOrderRepeatsTheTableExceptForRandomHiding)
{
    const QuestionBank bank = bankOf(groupRows(1, 20));
    SeededRandom random(3);
    for (HideMode mode : {HideMode::ShowAll, HideMode::HideName, HideMode::HideYear})
        EXPECT_EQ(sheetRows(worksheettable::build(bank, {{1}, mode, false}, random).table),
                  sheetRows(worksheettable::build(bank, {{1}, mode, false}, random).table));
    EXPECT_NE(sheetRows(worksheettable::build(bank, {{1}, HideMode::HideRandom, false}, random).table),
              sheetRows(worksheettable::build(bank, {{1}, HideMode::HideRandom, false}, random).table));
}

TEST(PrintSettings, LoadChoosesGroupOneAndEveryChangeRebuildsFromTheFile)
{
    TempInstall install;
    install.writeBytes(QStringLiteral("drill2/Morvidかな0vv.ccc"), storedFile(groupRows(1, 3) + groupRows(2, 2, 10)));
    SeededRandom random(2);
    PrintSettings settings(install.programFolder(), random);
    settings.load();
    EXPECT_EQ(settings.view().groupEntries.size(), 10);
    EXPECT_EQ(settings.view().selectedGroups, QList<int>{1});
    EXPECT_EQ(settings.view().selectedCount, 3);
    EXPECT_TRUE(settings.view().printable);

    const PrintHandover *handover = &settings.handover();
    settings.selectGroups({2, 1});
    EXPECT_EQ(settings.view().selectedGroups, (QList<int>{1, 2}));
    EXPECT_EQ(settings.view().selectedCount, 5);
    settings.setShuffle(false);
    settings.chooseMode(HideMode::HideName);
    EXPECT_EQ(&settings.handover(), handover);
    EXPECT_EQ(handover->cell(4, 5), QStringLiteral("人物10"));

    // The file is read afresh at every build.
    install.writeBytes(QStringLiteral("drill2/Morvidかな0vv.ccc"), storedFile(groupRows(2, 1, 30)));
    settings.shuffleAgain();
    EXPECT_EQ(settings.view().selectedCount, 1);
    EXPECT_EQ(handover->cell(1, 5), QStringLiteral("人物30"));
}

TEST(PrintSettings, AnUnreadableQuestionFileIsReportedOnceAndNothingCanBePrinted)
{
    TempInstall install;
    SeededRandom random(2);
    PrintSettings settings(install.programFolder(), random);
    settings.load();
    EXPECT_FALSE(settings.view().printable);
    EXPECT_TRUE(settings.view().problemIsNew);
    EXPECT_TRUE(settings.view().problem.contains(QStringLiteral("Morvidかな0vv.ccc")));
    expectOnlyNumbersFrom(settings.handover(), 1);
    settings.chooseMode(HideMode::HideYear);
    EXPECT_FALSE(settings.view().problemIsNew);

    install.writeBytes(QStringLiteral("drill2/Morvidかな0vv.ccc"), QByteArray("1,1,600,short\r\n"));
    settings.shuffleAgain();
    EXPECT_TRUE(settings.view().problemIsNew);
    EXPECT_TRUE(settings.view().problem.contains(QStringLiteral("1 行目")));

    install.writeBytes(QStringLiteral("drill2/Morvidかな0vv.ccc"), storedFile(groupRows(1, 2)));
    settings.shuffleAgain();
    EXPECT_TRUE(settings.view().printable);
    EXPECT_TRUE(settings.view().problem.isEmpty());
}

} // namespace
