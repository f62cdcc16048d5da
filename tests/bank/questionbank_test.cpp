#include "datafileerror.h"
#include "questionbank.h"
#include "storedfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString kCallerName = QStringLiteral("Morvidかな0.csv");
const QString kStoredName = QStringLiteral("Morvidかな0vv.ccc");

QuestionBank bankOf(const QStringList &plainLines)
{
    return QuestionBank::fromBytes(storedfile::bytes(plainLines), kStoredName);
}

// The error a load of these bytes throws; fails the test when it throws none.
DataFileError loadError(const QByteArray &bytes, int selectGroup = 0)
{
    try {
        const QuestionBank bank = QuestionBank::fromBytes(bytes, QStringLiteral("/inst/prog/") + kStoredName);
        if (selectGroup > 0)
            bank.selectGroup(selectGroup);
    } catch (const DataFileError &e) {
        return e;
    }
    ADD_FAILURE() << "no DataFileError";
    return DataFileError(QString(), 0, QString());
}

QStringList names(const QList<Question> &questions)
{
    QStringList out;
    for (const Question &q : questions)
        out << q.name;
    return out;
}

TEST(QuestionBankName, ExtensionOfTheFileNameIsReplaced)
{
    const std::vector<std::pair<QString, QString>> cases = {
        {QStringLiteral("/inst/prog/Morvidかな0.csv"), QStringLiteral("/inst/prog/Morvidかな0vv.ccc")},
        {QStringLiteral("C:\\学校\\v1.2\\Morvidかな0.csv"), QStringLiteral("C:\\学校\\v1.2\\Morvidかな0vv.ccc")},
        {QStringLiteral("/dir.with.dots/Morvidかな0"), QStringLiteral("/dir.with.dots/Morvidかな0vv.ccc")},
        {QStringLiteral("/a/name.tar.csv"), QStringLiteral("/a/name.tarvv.ccc")},
        {QStringLiteral("Morvidかな0.csv"), QStringLiteral("Morvidかな0vv.ccc")},
    };
    for (const auto &[caller, stored] : cases)
        EXPECT_EQ(QuestionBank::storedFileName(caller), stored) << caller.toStdString();
}

TEST(QuestionBank, SevenFieldsThenMarkerThenFillerGiveExactlyTheSevenFields)
{
    const QString plain = QStringLiteral("17,3,1192,源頼朝,みなもとのよりとも,鎌倉幕府を開く,征夷大将軍")
                          + storedfile::kMarker + QStringLiteral("a,b,c,d／ｅｎｄ／,,,");
    const QuestionBank bank = bankOf({plain});
    ASSERT_EQ(bank.rowCount(), 1);
    EXPECT_EQ(bank.columnCount(), 7);
    const QStringList expected = {"17", "3", "1192", "源頼朝", "みなもとのよりとも", "鎌倉幕府を開く", "征夷大将軍"};
    for (int c = 1; c <= 7; ++c)
        EXPECT_EQ(bank.cell(1, c), expected[c - 1]) << c;
    EXPECT_EQ(bank.cell(1, 8), QString());
    EXPECT_EQ(bank.cell(1, 0), QString());
    EXPECT_EQ(bank.cell(0, 1), QString());
    EXPECT_EQ(bank.cell(2, 1), QString());
}

TEST(QuestionBank, EmptyFieldsKeepTheirColumnsAndColumnCountIsThatOfTheLastLine)
{
    const QuestionBank bank = bankOf({QStringLiteral("1,2,,名前,,説明,,八番目,九番目") + storedfile::kMarker,
                                      QStringLiteral("ひとつだけ") + storedfile::kMarker});
    ASSERT_EQ(bank.rowCount(), 2);
    EXPECT_EQ(bank.cell(1, 3), QString());
    EXPECT_EQ(bank.cell(1, 4), QStringLiteral("名前"));
    EXPECT_EQ(bank.cell(1, 6), QStringLiteral("説明"));
    EXPECT_EQ(bank.cell(1, 9), QStringLiteral("九番目"));
    EXPECT_EQ(bank.cell(2, 1), QStringLiteral("ひとつだけ"));
    EXPECT_EQ(bank.columnCount(), 1);
}

TEST(QuestionBank, LongLinesAndAHundredFieldsAreRead)
{
    QStringList hundred;
    for (int i = 1; i <= 100; ++i)
        hundred << QString::number(i);
    const QString longName(5000, u'長');
    const QuestionBank bank = bankOf({hundred.join(u',') + storedfile::kMarker,
                                      storedfile::questionLine(2, QStringLiteral("1"), QStringLiteral("5")).replace(
                                          QStringLiteral("人物2"), longName)});
    EXPECT_EQ(bank.cell(1, 100), QStringLiteral("100"));
    EXPECT_EQ(bank.cell(2, 4), longName);
}

TEST(QuestionBank, AllLineEndsAreReadAndTheLastOneAddsNoRow)
{
    const QStringList lines = storedfile::validLines(1);
    for (const QString &end : {QStringLiteral("\r\n"), QStringLiteral("\n"), QStringLiteral("\r")}) {
        const QuestionBank bank = QuestionBank::fromBytes(storedfile::bytes(lines, end), kStoredName);
        EXPECT_EQ(bank.rowCount(), 9);
        EXPECT_EQ(bank.cell(9, 4), QStringLiteral("人物9"));
    }
    QByteArray noFinalEnd = storedfile::bytes(lines);
    noFinalEnd.chop(2);
    EXPECT_EQ(QuestionBank::fromBytes(noFinalEnd, kStoredName).rowCount(), 9);
}

TEST(QuestionBank, BytesThatAreNotShiftJisBecomeReplacementCharacters)
{
    QString plain = storedfile::questionLine(1, QStringLiteral("1"), QStringLiteral("600"));
    plain.replace(QStringLiteral("人物1"), QStringLiteral("人#物"));
    QByteArray bytes = storedfile::bytes({plain});
    ASSERT_EQ(bytes.count('#'), 1);
    bytes.replace('#', '\x80');
    const QuestionBank bank = QuestionBank::fromBytes(bytes, kStoredName);
    EXPECT_EQ(bank.cell(1, 4), QStringLiteral("人\uFFFD物"));
    EXPECT_EQ(bank.selectGroup(1).size(), 1);
}

TEST(QuestionBankSelect, KeepsTheGroupsRowsInFileOrderWithTheirTexts)
{
    const QuestionBank bank = bankOf({storedfile::questionLine(1, QStringLiteral("6"), QStringLiteral("538")),
                                      storedfile::questionLine(2, QStringLiteral("1"), QStringLiteral("604")),
                                      storedfile::questionLine(3, QStringLiteral("6"), QStringLiteral("-300")),
                                      storedfile::questionLine(4, QStringLiteral("6"), QStringLiteral("1600.0"))});
    const QList<Question> six = bank.selectGroup(6);
    ASSERT_EQ(six.size(), 3);
    EXPECT_EQ(names(six), QStringList({"人物1", "人物3", "人物4"}));
    EXPECT_EQ(six[0].group, 6);
    EXPECT_EQ(six[0].year, 538);
    EXPECT_EQ(six[1].year, -300);
    EXPECT_EQ(six[2].year, 1600);
    EXPECT_EQ(six[0].nameSub, QStringLiteral("じんぶつ1"));
    EXPECT_EQ(six[0].explain, QStringLiteral("1 番目の説明"));
    EXPECT_EQ(six[0].explainSub, QStringLiteral("補足1"));
    EXPECT_TRUE(bank.selectGroup(7).isEmpty());
}

TEST(QuestionBankSelect, GroupsCompareAsNumbers)
{
    const QStringList groups = {"6", " 6", "06", "6.0", "+6", "6.5", "六", "", "6a", "60"};
    QStringList lines;
    for (int i = 0; i < groups.size(); ++i)
        lines << storedfile::questionLine(i + 1, groups[i], QStringLiteral("1000"));
    EXPECT_EQ(names(bankOf(lines).selectGroup(6)), QStringList({"人物1", "人物2", "人物3", "人物4", "人物5"}));
}

TEST(QuestionBankSelect, ShortRowsGiveEmptyTexts)
{
    const QuestionBank bank = bankOf({QStringLiteral("1,4,1868,明治") + storedfile::kMarker});
    const QList<Question> four = bank.selectGroup(4);
    ASSERT_EQ(four.size(), 1);
    EXPECT_EQ(four[0].name, QStringLiteral("明治"));
    EXPECT_TRUE(four[0].nameSub.isEmpty());
    EXPECT_TRUE(four[0].explainSub.isEmpty());
}

TEST(QuestionBankSelect, ABadYearStopsOnlyTheGroupItBelongsTo)
{
    for (const QString &year : {QStringLiteral("12a"), QStringLiteral("1600.5"), QStringLiteral("40000"),
                                QStringLiteral("-40000"), QStringLiteral(""), QStringLiteral("千")}) {
        QStringList lines = storedfile::validLines();
        lines[7] = storedfile::questionLine(8, QStringLiteral("2"), year);
        const QByteArray bytes = storedfile::bytes(lines);
        const DataFileError e = loadError(bytes, 2);
        EXPECT_EQ(e.line(), 8) << year.toStdString();
        EXPECT_TRUE(e.problem().contains(QStringLiteral("年"))) << e.text().toStdString();
        EXPECT_TRUE(e.problem().contains(year)) << e.text().toStdString();
        EXPECT_NO_THROW(QuestionBank::fromBytes(bytes, kStoredName).selectGroup(3)) << year.toStdString();
    }
}

struct FaultCase
{
    const char *name;
    QByteArray bytes;
    int line;
    const char *problemWords;
};

QByteArray withLine(int index, const QString &stored)
{
    QStringList lines = storedfile::validLines();
    QString text;
    for (int i = 0; i < lines.size(); ++i)
        text += (i == index ? stored : storedfile::storedLine(lines[i])) + QStringLiteral("\r\n");
    return sjis::encode(text);
}

TEST(QuestionBankErrors, EachFaultNamesTheFileAndTheLine)
{
    QStringList tooMany = storedfile::validLines();
    while (tooMany.size() <= 1000)
        tooMany += storedfile::validLines();
    QStringList fields;
    for (int i = 1; i <= 101; ++i)
        fields << QString::number(i);
    QStringList exactly1000 = tooMany.mid(0, 1000);

    const std::vector<FaultCase> cases = {
        {"empty file", QByteArray(), 0, "1 行もありません"},
        {"more than 1000 lines", storedfile::bytes(tooMany), 1001, "1000 行まで"},
        {"line too short", withLine(2, QString(98, u'あ')), 3, "短すぎます"},
        {"empty line", withLine(4, QString()), 5, "短すぎます"},
        {"no end marker", storedfile::bytes({storedfile::questionLine(1, "1", "5"), QStringLiteral("1,1,5,名前")}), 2,
         "／ｅｎｄ／"},
        {"filler only", withLine(0, QString(120, u'／')), 1, "／ｅｎｄ／"},
        {"101 fields", storedfile::bytes({fields.join(u',') + storedfile::kMarker}), 1, "101 個"},
    };
    for (const FaultCase &c : cases) {
        const DataFileError e = loadError(c.bytes);
        EXPECT_EQ(e.line(), c.line) << c.name;
        EXPECT_TRUE(e.problem().contains(QString::fromUtf8(c.problemWords))) << c.name << ": " << e.text().toStdString();
        EXPECT_TRUE(e.text().contains(kStoredName)) << c.name;
        if (c.line > 0) {
            EXPECT_TRUE(e.text().contains(QStringLiteral("%1 行目").arg(c.line))) << c.name;
        }
    }
    EXPECT_EQ(QuestionBank::fromBytes(storedfile::bytes(exactly1000), kStoredName).rowCount(), 1000);
}

TEST(QuestionBankFile, LoadsTheRenamedFileFromTheProgramFolderAndWritesNothing)
{
    QTemporaryDir dir;
    const QString folder = dir.path() + u'/';
    {
        QFile f(folder + kStoredName);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(storedfile::bytes(storedfile::validLines()));
    }
    const QStringList before = QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    const QuestionBank bank = QuestionBank::load(folder + kCallerName);
    EXPECT_EQ(bank.rowCount(), 54);
    EXPECT_EQ(bank.filePath(), folder + kStoredName);
    EXPECT_EQ(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), before);
}

TEST(QuestionBankFile, LevelsSelectTheirGroup)
{
    QTemporaryDir dir;
    const QString folder = dir.path() + u'/';
    QStringList lines = storedfile::validLines();
    lines.removeLast(); // group 9 keeps five questions
    {
        QFile f(folder + kStoredName);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(storedfile::bytes(lines));
    }
    for (int level = 1; level <= 18; ++level) {
        const QList<Question> questions = loadLevelQuestions(folder, level);
        const int group = (level - 1) / 2 + 1;
        ASSERT_EQ(questions.size(), group == 9 ? 5 : 6) << level;
        for (int k = 0; k < questions.size(); ++k) {
            EXPECT_EQ(questions[k].group, group);
            EXPECT_EQ(questions[k].name, QStringLiteral("人物%1").arg((group - 1) * 6 + k + 1)) << level;
        }
    }
    EXPECT_TRUE(loadLevelQuestions(folder, 19).isEmpty());
}

TEST(QuestionBankFile, AMissingFileIsNamed)
{
    QTemporaryDir dir;
    try {
        loadLevelQuestions(dir.path() + u'/', 11);
        FAIL() << "no error";
    } catch (const DataFileError &e) {
        EXPECT_TRUE(e.filePath().endsWith(kStoredName));
        EXPECT_TRUE(e.problem().contains(QStringLiteral("見つかりません")));
    }
}

} // namespace
