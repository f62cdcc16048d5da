#include "datafileerror.h"
#include "fieldreader.h"
#include "qtprinters.h"
#include "sjis.h"
#include "testnames.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {

QStringList readAll(const QString &text)
{
    FieldReader reader = FieldReader::fromBytes(sjis::encode(text), QStringLiteral("test.txt"));
    QStringList values;
    while (auto f = reader.next())
        values << f->text;
    return values;
}

struct ValueCase
{
    const char *name;
    QString input;
    QStringList expected;

    friend void PrintTo(const ValueCase &c, std::ostream *os)
    {
        *os << c.name << ": " << testprint::quoted(c.input) << " -> " << testprint::quoted(c.expected);
    }
};

class FieldReaderValues : public ::testing::TestWithParam<ValueCase> {};

TEST_P(FieldReaderValues, SplitsAsTheWritersWrite)
{
    EXPECT_EQ(readAll(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FieldReaderValues,
    ::testing::Values(
        ValueCase{"commas_and_line_ends", QStringLiteral("1,2\r\n3\r\n4,5,6"), {"1", "2", "3", "4", "5", "6"}},
        ValueCase{"quoted_value_keeps_commas", QStringLiteral("\"山田,太郎\",12"), {"山田,太郎", "12"}},
        ValueCase{"quoted_number", QStringLiteral("\"42\",7"), {"42", "7"}},
        ValueCase{"bare_values_trimmed", QStringLiteral("  あい  ,  3 \n"), {"あい", "3"}},
        ValueCase{"quoted_value_keeps_spaces", QStringLiteral("\" 空白 \""), {" 空白 "}},
        ValueCase{"empty_value_between_commas", QStringLiteral("1,,3"), {"1", "", "3"}},
        ValueCase{"blank_lines_hold_nothing", QStringLiteral("1\r\n\r\n\r\n2"), {"1", "2"}},
        ValueCase{"comma_before_line_end", QStringLiteral("1,2,\r\n3"), {"1", "2", "3"}},
        ValueCase{"lone_cr_and_lf", QStringLiteral("a\rb\nc"), {"a", "b", "c"}},
        ValueCase{"code_page_932_extras", QStringLiteral("①,Ⅲ,～,髙"), {"①", "Ⅲ", "～", "髙"}}),
    testname::ByName());

TEST(FieldReader, ReadFieldsTakesValuesAcrossLines)
{
    FieldReader reader = FieldReader::fromBytes("1,2\r\n3\r\n4,5", QStringLiteral("x.txt"));
    const QList<Field> v = reader.ReadFields(4, QStringLiteral("設定"));
    ASSERT_EQ(v.size(), 4);
    EXPECT_EQ(v[3].text, QStringLiteral("4"));
    EXPECT_EQ(v[3].line, 3);
    EXPECT_FALSE(reader.atEnd());
}

TEST(FieldReader, FileEndingEarlyNamesFileLineAndWhatWasExpected)
{
    FieldReader reader = FieldReader::fromBytes("1,2\r\n3", QStringLiteral("/x/設定.txt"));
    try {
        reader.ReadFields(10, QStringLiteral("設定"));
        FAIL() << "no error";
    } catch (const DataFileError &e) {
        EXPECT_TRUE(e.text().contains(QStringLiteral("設定.txt")));
        EXPECT_EQ(e.line(), 2);
        EXPECT_TRUE(e.problem().contains(QStringLiteral("10 個")));
        EXPECT_TRUE(e.problem().contains(QStringLiteral("3 個")));
    }
}

TEST(FieldReader, MissingFileIsReportedByName)
{
    try {
        FieldReader reader(QStringLiteral("/no/such/folder/共通データ.txt"));
        FAIL() << "no error";
    } catch (const DataFileError &e) {
        EXPECT_TRUE(e.text().contains(QStringLiteral("共通データ.txt")));
        EXPECT_TRUE(e.problem().contains(QStringLiteral("見つかりません")));
    }
}

TEST(FieldReader, UnclosedQuoteIsAnErrorOnItsLine)
{
    EXPECT_THROW(FieldReader::fromBytes("1\r\n\"abc,2\r\n3", QStringLiteral("x.txt")), DataFileError);
    try {
        FieldReader::fromBytes("1\r\n\"abc,2\r\n3", QStringLiteral("x.txt"));
    } catch (const DataFileError &e) {
        EXPECT_EQ(e.line(), 2);
    }
}

TEST(FieldReader, InvalidShiftJisBecomesReplacementCharacters)
{
    // 0x81 0x20 is a broken lead byte; 0xFF is never valid.
    const QByteArray bytes("a\x81 b,\xff,c\x1a,\x82");
    FieldReader reader = FieldReader::fromBytes(bytes, QStringLiteral("x.txt"));
    const QList<Field> v = reader.ReadFields(4, QStringLiteral("値"));
    EXPECT_EQ(v[0].text, QStringLiteral("a\uFFFD b"));
    EXPECT_EQ(v[1].text, QString(QChar::ReplacementCharacter));
    EXPECT_EQ(v[2].text, QStringLiteral("c\x1a"));
    // A lead byte cut off by the end of the file.
    EXPECT_EQ(v[3].text, QString(QChar::ReplacementCharacter));
}

TEST(FieldReader, NumbersAndTheirErrors)
{
    FieldReader reader = FieldReader::fromBytes("12,\"7\",x,2.5", QStringLiteral("n.txt"));
    const QList<Field> v = reader.ReadFields(4, QStringLiteral("値"));
    EXPECT_EQ(reader.wholeNumber(v[0], QStringLiteral("a")), 12);
    EXPECT_EQ(reader.wholeNumber(v[1], QStringLiteral("b")), 7);
    EXPECT_THROW(reader.wholeNumber(v[2], QStringLiteral("c")), DataFileError);
    EXPECT_DOUBLE_EQ(reader.number(v[3], QStringLiteral("d")), 2.5);
    EXPECT_THROW(reader.wholeNumber(v[3], QStringLiteral("d")), DataFileError);
}

TEST(ShiftJis, RoundTripsCodePage932AndTruncatesOnCharacterBoundaries)
{
    const QString text = QStringLiteral("①Ⅲ～髙﨑ｱｲ");
    EXPECT_EQ(sjis::decode(sjis::encode(text)), text);
    EXPECT_EQ(sjis::encode(QStringLiteral("あ")), QByteArray("\x82\xa0"));
    EXPECT_EQ(sjis::encode(QStringLiteral("aｱ€b")), QByteArray("a\xb1?b"));
    // "ab" then a double-byte character that would straddle byte 3.
    EXPECT_EQ(sjis::encodeTruncated(QStringLiteral("abあ"), 3), QByteArray("ab"));
    EXPECT_EQ(sjis::encodeTruncated(QStringLiteral("abあ"), 4), QByteArray("ab\x82\xa0"));
}

} // namespace
