// Reading class lists: the birth a cell gives, the rows below a header, and the kinds of file a
// teacher may hand over (accepted or refused with one sentence).
#include "adminrun.h"
#include "birthdate.h"
#include "classlist.h"
#include "classlistfile.h"
#include "sjis.h"
#include "testfiles.h"
#include "testnames.h"
#include "xlsxsheet.h"

#include <zip.h>

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString kLists = QStringLiteral(TAVREL_TEST_DATA "/classlists/");
constexpr int kThisYear = 2025;

// The reasons are compared in the tool's English.
class EnglishMessages : public testing::Environment
{
public:
    void SetUp() override { m_english = std::make_unique<ToolLanguage>(AdminLanguage::English); }
    void TearDown() override { m_english.reset(); }

private:
    std::unique_ptr<ToolLanguage> m_english;
};
[[maybe_unused]] testing::Environment *const kEnglish = testing::AddGlobalTestEnvironment(new EnglishMessages);

// ---- birth cells ----------------------------------------------------------------------------

struct BirthCase
{
    const char *name;
    QString cell;
    std::optional<birthdate::Birth> birth; // with the school year starting in April
};

void PrintTo(const BirthCase &c, std::ostream *os)
{
    *os << c.name;
}

class BirthCells : public testing::TestWithParam<BirthCase>
{
};

TEST_P(BirthCells, GiveTheRosterBirthYear)
{
    EXPECT_EQ(birthdate::read(GetParam().cell, 4), GetParam().birth);
}

birthdate::Birth born(int rosterYear, int y, int m, int d)
{
    return {rosterYear, QDate(y, m, d)};
}

INSTANTIATE_TEST_SUITE_P(
    Cells, BirthCells,
    testing::Values(
        BirthCase{"BareYear", QStringLiteral("2013"), birthdate::Birth{2013, std::nullopt}},
        BirthCase{"BareYearWithNen", QStringLiteral("２０１３年"), birthdate::Birth{2013, std::nullopt}},
        BirthCase{"BareEraYear", QStringLiteral("平成25年"), birthdate::Birth{2013, std::nullopt}},
        BirthCase{"BareEraLetter", QStringLiteral("H25"), birthdate::Birth{2013, std::nullopt}},
        BirthCase{"Slashes", QStringLiteral("2013/4/5"), born(2013, 2013, 4, 5)},
        BirthCase{"Dashes", QStringLiteral("2013-04-05"), born(2013, 2013, 4, 5)},
        BirthCase{"Dots", QStringLiteral("2013.4.5"), born(2013, 2013, 4, 5)},
        BirthCase{"Kanji", QStringLiteral("2013年4月5日"), born(2013, 2013, 4, 5)},
        BirthCase{"Compact", QStringLiteral("20130405"), born(2013, 2013, 4, 5)},
        BirthCase{"WithTimeOfDay", QStringLiteral("2013/04/05 0:00:00"), born(2013, 2013, 4, 5)},
        BirthCase{"Heisei", QStringLiteral("平成25年4月5日"), born(2013, 2013, 4, 5)},
        BirthCase{"HeiseiLetter", QStringLiteral("H25.4.5"), born(2013, 2013, 4, 5)},
        BirthCase{"LowerCaseLetter", QStringLiteral("h25/4/5"), born(2013, 2013, 4, 5)},
        BirthCase{"Reiwa", QStringLiteral("R2.4.1"), born(2019, 2020, 4, 1)},
        BirthCase{"ReiwaFirstYear", QStringLiteral("令和元年5月1日"), born(2019, 2019, 5, 1)},
        BirthCase{"Showa", QStringLiteral("S63.1.7"), born(1987, 1988, 1, 7)},
        BirthCase{"Taisho", QStringLiteral("大正15年12月24日"), born(1926, 1926, 12, 24)},
        BirthCase{"Meiji", QStringLiteral("M45.7.29"), born(1912, 1912, 7, 29)},
        BirthCase{"FullWidth", QStringLiteral("Ｈ２６．３．２"), born(2013, 2014, 3, 2)},
        BirthCase{"FirstOfJanuaryIsEarly", QStringLiteral("2014/1/1"), born(2013, 2014, 1, 1)},
        BirthCase{"FirstOfAprilIsEarly", QStringLiteral("2014/4/1"), born(2013, 2014, 4, 1)},
        BirthCase{"SecondOfAprilIsNot", QStringLiteral("2014/4/2"), born(2014, 2014, 4, 2)},
        BirthCase{"NoSuchDay", QStringLiteral("2013/2/30"), std::nullopt},
        BirthCase{"NoSuchMonth", QStringLiteral("H25.13.1"), std::nullopt},
        BirthCase{"EraYearZero", QStringLiteral("平成0年4月1日"), std::nullopt},
        BirthCase{"TwoDigitYear", QStringLiteral("13/4/5"), std::nullopt},
        BirthCase{"AmericanOrder", QStringLiteral("4/5/2013"), std::nullopt},
        BirthCase{"MixedSeparators", QStringLiteral("2013/4-5"), std::nullopt},
        BirthCase{"KanjiNumerals", QStringLiteral("二〇一三"), std::nullopt},
        BirthCase{"Empty", QStringLiteral(" "), std::nullopt}),
    testname::ByName());

TEST(BirthYearRule, FollowsTheStartMonthOfTheSchoolYear)
{
    // With the school year starting in September, a birth of 1 September is early, of the 2nd not.
    EXPECT_EQ(birthdate::read(QStringLiteral("2014/9/1"), 9)->year, 2013);
    EXPECT_EQ(birthdate::read(QStringLiteral("2014/9/2"), 9)->year, 2014);
    EXPECT_EQ(birthdate::read(QStringLiteral("2014/1/1"), 1)->year, 2013);
    EXPECT_EQ(birthdate::read(QStringLiteral("2014/1/2"), 1)->year, 2014);
}

// ---- rows below a header --------------------------------------------------------------------

classlist::ClassList readText(const QString &text)
{
    return classlist::read(spreadsheetcsv::parse(text), {4, kThisYear, true});
}

struct RowCase
{
    const char *name;
    QString row;                          // under the header 番号,氏名,生年
    std::optional<classlist::Entry> entry; // or the words of the reason
    QString reason;
};

void PrintTo(const RowCase &c, std::ostream *os)
{
    *os << c.name;
}

class ListRows : public testing::TestWithParam<RowCase>
{
};

TEST_P(ListRows, GoodRowsArePupilsAndBadRowsAreNamedWithTheirLine)
{
    const RowCase &c = GetParam();
    const classlist::ClassList list = readText(QStringLiteral("番号,氏名,生年\r\n") + c.row + QStringLiteral("\r\n"));
    if (c.entry) {
        EXPECT_TRUE(list.problems.empty()) << list.problems.front().text.toStdString();
        ASSERT_EQ(list.entries.size(), 1U);
        EXPECT_EQ(list.entries[0], *c.entry);
    } else {
        ASSERT_EQ(list.problems.size(), 1U);
        EXPECT_EQ(list.problems[0].line, 2);
        EXPECT_TRUE(list.problems[0].text.contains(c.reason)) << list.problems[0].text.toStdString();
    }
}

classlist::Entry entry(int number, const QString &name, int year)
{
    return classlist::Entry{2, number, name, year, std::nullopt, QString()};
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ListRows,
    testing::Values(
        RowCase{"Plain", QStringLiteral("12,山田　花子,2014"), entry(12, QStringLiteral("山田　花子"), 2014), {}},
        RowCase{"Padded", QStringLiteral(" 1 ,  佐藤 ,2013 "), entry(1, QStringLiteral("佐藤"), 2013), {}},
        RowCase{"FullWidthDigits", QStringLiteral("５０００,森,２０１０"), entry(5000, QStringLiteral("森"), 2010), {}},
        RowCase{"NumberWithBan", QStringLiteral("7番,森,2010"), entry(7, QStringLiteral("森"), 2010), {}},
        RowCase{"QuotedWithComma", QStringLiteral("3,\"A,\"\"B\"\"\",2012"), entry(3, QStringLiteral("A,”B”"), 2012), {}},
        RowCase{"QuoteInsideACell", QStringLiteral("3,山田\"花子,2012"), entry(3, QStringLiteral("山田”花子"), 2012), {}},
        RowCase{"ExportedFormula", QStringLiteral("4,'=X,2012"), entry(4, QStringLiteral("=X"), 2012), {}},
        RowCase{"ExportedApostropheBeforeFormula", QStringLiteral("8,''=X,2012"), entry(8, QStringLiteral("'=X"), 2012), {}},
        RowCase{"TwentyCharacters", QStringLiteral("5,あいうえおかきくけこさしすせそたちつてと,2012"),
                entry(5, QStringLiteral("あいうえおかきくけこさしすせそたちつてと"), 2012), {}},
        RowCase{"OldestYear", QStringLiteral("6,林,1925"), entry(6, QStringLiteral("林"), 1925), {}},
        RowCase{"ADate", QStringLiteral("6,林,2014/3/2"),
                classlist::Entry{2, 6, QStringLiteral("林"), 2013, QDate(2014, 3, 2), QString()}, {}},
        RowCase{"NumberZero", QStringLiteral("0,林,2012"), std::nullopt, QStringLiteral("番号 \"0\" is not a whole number")},
        RowCase{"NumberTooBig", QStringLiteral("5001,林,2012"), std::nullopt, QStringLiteral("番号 \"5001\"")},
        RowCase{"NumberNotWhole", QStringLiteral("2.5,林,2012"), std::nullopt, QStringLiteral("番号 \"2.5\"")},
        RowCase{"NumberMissing", QStringLiteral(",林,2012"), std::nullopt, QStringLiteral("番号 \"\"")},
        RowCase{"NameMissing", QStringLiteral("7, 　,2012"), std::nullopt, QStringLiteral("氏名 is empty")},
        RowCase{"NameTooLong", QStringLiteral("7,あいうえおかきくけこさしすせそたちつてとな,2012"), std::nullopt,
                QStringLiteral("longer than 20")},
        RowCase{"NotShiftJis", QStringLiteral("7,𠮷野,2012"), std::nullopt, QStringLiteral("Shift-JIS cannot store")},
        RowCase{"YearInTheFuture", QStringLiteral("7,林,2026"), std::nullopt, QStringLiteral("生年 \"2026\" is not a birth from 1925 to 2025")},
        RowCase{"YearTooOld", QStringLiteral("7,林,1924"), std::nullopt, QStringLiteral("生年 \"1924\"")},
        RowCase{"ShortYear", QStringLiteral("7,林,26"), std::nullopt, QStringLiteral("生年 \"26\" is neither a year nor a date")},
        RowCase{"YearMissing", QStringLiteral("7,林"), std::nullopt, QStringLiteral("生年 \"\"")},
        RowCase{"NulInName", QStringLiteral("7,林") + QChar(u'\0') + QStringLiteral("花,2012"), std::nullopt,
                QStringLiteral("control character (U+0000)")},
        RowCase{"LineBreakInQuotedName", QStringLiteral("7,\"林\n花\",2012"), std::nullopt,
                QStringLiteral("control character (U+000A)")},
        RowCase{"EscapeInName", QStringLiteral("7,林\x1B[2J,2012"), std::nullopt, QStringLiteral("control character (U+001B)")}),
    testname::ByName());

struct HeaderCase
{
    const char *name;
    QString text;
    int headerLine;
    QStringList columns;
    std::vector<classlist::Entry> entries;
    QString problem; // when the list is refused
};

void PrintTo(const HeaderCase &c, std::ostream *os)
{
    *os << c.name;
}

class ListHeaders : public testing::TestWithParam<HeaderCase>
{
};

TEST_P(ListHeaders, AreFoundInTheWordsSchoolsUse)
{
    const HeaderCase &c = GetParam();
    const classlist::ClassList list = readText(c.text);
    EXPECT_EQ(list.headerLine, c.headerLine);
    if (!c.problem.isEmpty()) {
        ASSERT_FALSE(list.problems.empty());
        EXPECT_TRUE(list.problems[0].text.contains(c.problem)) << list.problems[0].text.toStdString();
        return;
    }
    for (const classlist::Problem &p : list.problems)
        ADD_FAILURE() << p.line << ": " << p.text.toStdString();
    EXPECT_EQ(list.columns, c.columns);
    EXPECT_EQ(list.entries, c.entries);
}

classlist::Entry at(int line, int number, const QString &name, int year, const QString &label = {})
{
    return classlist::Entry{line, number, name, year, std::nullopt, label};
}

INSTANTIATE_TEST_SUITE_P(
    Headers, ListHeaders,
    testing::Values(
        HeaderCase{"TitleAndBlankRowsAbove",
                   QStringLiteral("６年１組　名簿,,\n,,\n出席番号,名前,生年\n1,林,2013\n"),
                   3,
                   {QStringLiteral("出席番号"), QStringLiteral("名前"), QStringLiteral("生年")},
                   {at(4, 1, QStringLiteral("林"), 2013)},
                   {}},
        HeaderCase{"OtherColumnsAndOtherWords",
                   QStringLiteral("No.,児童名,ふりがな,性別,誕生日\n2,森,もり,女,2013\n"),
                   1,
                   {QStringLiteral("No."), QStringLiteral("児童名"), QStringLiteral("誕生日")},
                   {at(2, 2, QStringLiteral("森"), 2013)},
                   {}},
        HeaderCase{"FullWidthAndSpacedHeaderWords",
                   QStringLiteral("ＮＯ,氏　名,生年月日（西暦）\n3,森,2013\n"),
                   1,
                   {QStringLiteral("ＮＯ"), QStringLiteral("氏　名"), QStringLiteral("生年月日（西暦）")},
                   {at(2, 3, QStringLiteral("森"), 2013)},
                   {}},
        HeaderCase{"TheAttendanceNumberBeforeTheStudentNumber",
                   QStringLiteral("学籍番号,出席番号,生徒名,生年\n20130001,4,森,2013\n"),
                   1,
                   {QStringLiteral("出席番号"), QStringLiteral("生徒名"), QStringLiteral("生年")},
                   {at(2, 4, QStringLiteral("森"), 2013)},
                   {}},
        HeaderCase{"FamilyAndGivenNames",
                   QStringLiteral("番号,姓,名,生年\n5,山田,花子,2013\n"),
                   1,
                   {QStringLiteral("番号"), QStringLiteral("姓"), QStringLiteral("名"), QStringLiteral("生年")},
                   {at(2, 5, QStringLiteral("山田　花子"), 2013)},
                   {}},
        HeaderCase{"GradeAndGroup",
                   QStringLiteral("学年,組,番号,氏名,生年\n６年,1組,1,林,2013\n6,2,1,森,2013\n"),
                   1,
                   {QStringLiteral("学年"), QStringLiteral("組"), QStringLiteral("番号"), QStringLiteral("氏名"),
                    QStringLiteral("生年")},
                   {at(2, 1, QStringLiteral("林"), 2013, QStringLiteral("6-1")),
                    at(3, 1, QStringLiteral("森"), 2013, QStringLiteral("6-2"))},
                   {}},
        HeaderCase{"AClassColumn",
                   QStringLiteral("学級,番号,氏名,生年\nひまわり,1,林,2013\n,2,森,2013\n"),
                   1,
                   {QStringLiteral("学級"), QStringLiteral("番号"), QStringLiteral("氏名"), QStringLiteral("生年")},
                   {at(2, 1, QStringLiteral("林"), 2013, QStringLiteral("ひまわり")), at(3, 2, QStringLiteral("森"), 2013)},
                   {}},
        HeaderCase{"RowsWithoutAPupilArePassedOver",
                   QStringLiteral("番号,氏名,生年,備考\n1,林,2013,\n,,,転出\n\n"),
                   1,
                   {QStringLiteral("番号"), QStringLiteral("氏名"), QStringLiteral("生年")},
                   {at(2, 1, QStringLiteral("林"), 2013)},
                   {}},
        HeaderCase{"TwoNameColumnsOfOneKind", QStringLiteral("番号,名前,児童名,生年\n1,林,林,2013\n"), 1, {}, {},
                   QStringLiteral("the header has two columns \"名前\"")},
        HeaderCase{"NoBirth", QStringLiteral("番号,氏名\n1,林\n"), 1, {}, {},
                   QStringLiteral("no column for the birth")},
        HeaderCase{"NoHeader", QStringLiteral("1,林,2013\n"), 0, {}, {}, QStringLiteral("no header row")}),
    testname::ByName());

// ---- files ----------------------------------------------------------------------------------

// A ZIP archive holding the given parts, made with minizip.
QByteArray zipOf(const std::vector<std::pair<QString, QByteArray>> &parts)
{
    QTemporaryDir folder;
    const QByteArray path = folder.filePath(QStringLiteral("parts.zip")).toLocal8Bit();
    zipFile zip = zipOpen64(path.constData(), APPEND_STATUS_CREATE);
    EXPECT_NE(zip, nullptr);
    for (const auto &[name, content] : parts) {
        EXPECT_EQ(zipOpenNewFileInZip64(zip, name.toUtf8().constData(), nullptr, nullptr, 0, nullptr, 0, nullptr,
                                        Z_DEFLATED, Z_DEFAULT_COMPRESSION, 0),
                  ZIP_OK);
        EXPECT_EQ(zipWriteInFileInZip(zip, content.constData(), static_cast<unsigned>(content.size())), ZIP_OK);
        EXPECT_EQ(zipCloseFileInZip(zip), ZIP_OK);
    }
    EXPECT_EQ(zipClose(zip, nullptr), ZIP_OK);
    return testfiles::read(QString::fromLocal8Bit(path));
}

// A workbook written by hand: inline strings, a 1904 date system, a phonetic guide in a shared
// string, a custom date format, a cell far to the right and one without a reference.
QByteArray handMadeWorkbook(bool date1904)
{
    const QByteArray workbook =
        QByteArray("<workbook xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
                   "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">")
        + (date1904 ? "<workbookPr date1904=\"1\"/>" : "<workbookPr/>")
        + "<sheets><sheet name=\"名簿\" sheetId=\"1\" r:id=\"rId7\"/></sheets></workbook>";
    const QByteArray rels =
        "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
        "<Relationship Id=\"rId7\" Type=\"worksheet\" Target=\"/xl/worksheets/list.xml\"/></Relationships>";
    const QByteArray strings = "<sst><si><t>氏名</t></si><si><r><t>山田</t></r><r><t>　花子</t></r>"
                               "<rPh sb=\"0\" eb=\"2\"><t>やまだ</t></rPh></si></sst>";
    const QByteArray styles = "<styleSheet><numFmts><numFmt numFmtId=\"180\" formatCode=\"&quot;生&quot;\\ ggge&quot;年&quot;m&quot;月&quot;d&quot;日&quot;\"/>"
                              "</numFmts><cellXfs><xf numFmtId=\"0\"/><xf numFmtId=\"180\"/><xf numFmtId=\"20\"/></cellXfs></styleSheet>";
    const QByteArray sheet =
        "<worksheet><sheetData>"
        "<row r=\"2\"><c r=\"A2\" t=\"inlineStr\"><is><t>番号</t></is></c><c r=\"B2\" t=\"s\"><v>0</v></c>"
        "<c r=\"C2\" t=\"inlineStr\"><is><r><t>生年</t></r><r><t>月日</t></r></is></c><c r=\"ZZZ2\" t=\"inlineStr\"><is><t>x</t></is></c></row>"
        "<row r=\"3\"><c r=\"A3\"><v>1.0</v></c><c t=\"s\"><v>1</v></c><c s=\"1\"><v>41369</v></c></row>"
        "<row r=\"4\"><c r=\"A4\" t=\"str\"><v>2</v></c><c r=\"B4\" t=\"inlineStr\"><is><t>森</t></is></c>"
        "<c r=\"C4\" s=\"2\"><v>2013</v></c></row>"
        "</sheetData></worksheet>";
    return zipOf({{QStringLiteral("[Content_Types].xml"), "<Types/>"},
                  {QStringLiteral("xl/workbook.xml"), workbook},
                  {QStringLiteral("xl/_rels/workbook.xml.rels"), rels},
                  {QStringLiteral("xl/sharedStrings.xml"), strings},
                  {QStringLiteral("xl/styles.xml"), styles},
                  {QStringLiteral("xl/worksheets/list.xml"), sheet}});
}

TEST(Workbooks, CellsReadAsTheyShow)
{
    const xlsxsheet::Read read1900 = xlsxsheet::read(handMadeWorkbook(false), QString());
    ASSERT_TRUE(read1900.sheet) << read1900.problem.toStdString();
    EXPECT_EQ(read1900.sheet->name, QStringLiteral("名簿"));
    const std::vector<spreadsheetcsv::Row> &rows = read1900.sheet->rows;
    ASSERT_EQ(rows.size(), 3U);
    EXPECT_EQ(rows[0].line, 2);
    EXPECT_EQ(rows[0].cells, (QStringList{QStringLiteral("番号"), QStringLiteral("氏名"), QStringLiteral("生年月日")}));
    // 41369 days after 1899-12-30 is 2013-04-05; the time-of-day format is no date.
    EXPECT_EQ(rows[1].cells, (QStringList{QStringLiteral("1"), QStringLiteral("山田　花子"), QStringLiteral("2013/04/05")}));
    EXPECT_EQ(rows[2].cells, (QStringList{QStringLiteral("2"), QStringLiteral("森"), QStringLiteral("2013")}));

    const xlsxsheet::Read read1904 = xlsxsheet::read(handMadeWorkbook(true), QString());
    ASSERT_TRUE(read1904.sheet);
    EXPECT_EQ(read1904.sheet->rows[1].cells.value(2), QStringLiteral("2017/04/06"));
}

TEST(Workbooks, TheSpreadsheetProgramsWorkbookGivesItsSheetsByName)
{
    const QByteArray bytes = testfiles::read(kLists + QStringLiteral("6-1.xlsx"));
    const xlsxsheet::Read first = xlsxsheet::read(bytes, QString());
    ASSERT_TRUE(first.sheet) << first.problem.toStdString();
    EXPECT_EQ(first.sheetNames, (QStringList{QStringLiteral("6年1組"), QStringLiteral("メモ")}));
    ASSERT_EQ(first.sheet->rows.size(), 37U);
    EXPECT_EQ(first.sheet->rows[0].cells.value(0), QStringLiteral("令和7年度　6年1組　名簿"));
    EXPECT_EQ(first.sheet->rows[1].line, 3);
    EXPECT_EQ(first.sheet->rows[2].cells.value(4), QStringLiteral("2013/04/02"));
    EXPECT_EQ(first.sheet->rows.back().cells.value(4), QStringLiteral("2014/04/01"));

    const xlsxsheet::Read memo = xlsxsheet::read(bytes, QStringLiteral("メモ"));
    ASSERT_TRUE(memo.sheet);
    EXPECT_EQ(memo.sheet->rows.size(), 1U);
    const xlsxsheet::Read none = xlsxsheet::read(bytes, QStringLiteral("6年2組"));
    EXPECT_FALSE(none.sheet);
    EXPECT_EQ(none.problem, QStringLiteral("it has no sheet \"6年2組\"; its sheets are 6年1組, メモ"));
}

struct FileCase
{
    const char *name;
    QByteArray bytes;
    QString sheet;
    QString kind;    // of an accepted file, as the listing says
    QString refusal; // of a refused one, the whole sentence after the file's name
};

void PrintTo(const FileCase &c, std::ostream *os)
{
    *os << c.name;
}

class ListFiles : public testing::TestWithParam<FileCase>
{
};

TEST_P(ListFiles, AreReadOrRefusedWithOneSentence)
{
    const FileCase &c = GetParam();
    const classlistfile::Read read = classlistfile::read(c.bytes, QStringLiteral("list"), c.sheet);
    if (c.refusal.isEmpty()) {
        ASSERT_TRUE(read.table) << read.refusal.toStdString();
        EXPECT_EQ(read.kind, c.kind);
        const classlist::ClassList list = classlist::read(*read.table, {4, kThisYear, !read.fromWorkbook});
        EXPECT_TRUE(list.problems.empty()) << list.problems.front().text.toStdString();
        EXPECT_FALSE(list.entries.empty());
    } else {
        EXPECT_FALSE(read.table);
        EXPECT_EQ(read.refusal, QStringLiteral("list ") + c.refusal);
    }
}

QByteArray listFile(const char *name)
{
    return testfiles::read(kLists + QString::fromUtf8(name));
}

QByteArray utf16BigEndian(const QString &text)
{
    QByteArray bytes("\xFE\xFF", 2);
    for (const QChar c : text) {
        bytes += static_cast<char>(c.unicode() >> 8);
        bytes += static_cast<char>(c.unicode() & 0xFF);
    }
    return bytes;
}

const QString kSaveAs = QStringLiteral("save the list as an Excel workbook (.xlsx) or as CSV UTF-8 (.csv).");
const QString kText = QStringLiteral("番号,氏名,生年\r\n1,林,2013\r\n");

INSTANTIATE_TEST_SUITE_P(
    Kinds, ListFiles,
    testing::Values(
        FileCase{"Workbook", listFile("6-1.xlsx"), {}, QStringLiteral("Excel workbook, sheet \"6年1組\""), {}},
        FileCase{"WorkbookByHand", handMadeWorkbook(false), {}, QStringLiteral("Excel workbook, sheet \"名簿\""), {}},
        FileCase{"ShiftJisWithCrLf", listFile("6-2-cp932.csv"), {}, QStringLiteral("Shift-JIS text, comma-separated"), {}},
        FileCase{"Utf8WithBom", listFile("grade-6-utf8bom.csv"), {},
                 QStringLiteral("UTF-8 with a byte-order mark text, comma-separated"), {}},
        FileCase{"Utf16LittleEndian", listFile("6-1-utf16.txt"), {}, QStringLiteral("UTF-16 text, tab-separated"), {}},
        FileCase{"Utf16BigEndian", utf16BigEndian(kText), {}, QStringLiteral("UTF-16 text, comma-separated"), {}},
        FileCase{"Semicolons", listFile("6-1-semicolon.csv"), {}, QStringLiteral("UTF-8 text, semicolon-separated"), {}},
        FileCase{"OpenDocument", listFile("6-1.ods"), {}, {},
                 QStringLiteral("is an OpenDocument spreadsheet (.ods), not a class list this tool reads: ") + kSaveAs},
        FileCase{"OldExcel", listFile("6-1.xls"), {}, {},
                 QStringLiteral("is an Excel 97-2003 workbook (.xls) or a file protected by a password, not a class list "
                                "this tool reads: ")
                     + kSaveAs},
        FileCase{"Word", zipOf({{QStringLiteral("word/document.xml"), "<w:document/>"}}), {}, {},
                 QStringLiteral("is a Word document (.docx), not a class list this tool reads: ") + kSaveAs},
        FileCase{"OtherZip", zipOf({{QStringLiteral("photo.jpg"), "\xFF\xD8\xFF"}}), {}, {},
                 QStringLiteral("is a ZIP archive, not a class list this tool reads: ") + kSaveAs},
        FileCase{"Pdf", QByteArray("%PDF-1.7\n%\xE2\xE3\xCF\xD3\n"), {}, {},
                 QStringLiteral("is a PDF document, not a class list this tool reads: ") + kSaveAs},
        FileCase{"WebPage", QByteArray("<html><body><table><tr><td>番号</td></tr></table></body></html>"), {}, {},
                 QStringLiteral("is a web page (HTML), not a class list this tool reads: ") + kSaveAs},
        FileCase{"ExcelXml",
                 QByteArray("<?xml version=\"1.0\"?>\n<Workbook xmlns=\"urn:schemas-microsoft-com:office:spreadsheet\">"),
                 {}, {}, QStringLiteral("is an Excel 2003 XML spreadsheet, not a class list this tool reads: ") + kSaveAs},
        FileCase{"Utf16WithoutBom", kText.toUtf8().replace(",", QByteArray(",\0", 2)), {}, {},
                 QStringLiteral("holds bytes that are no text (NUL), not a class list this tool reads: save the list as "
                                "an Excel workbook (.xlsx) or as CSV UTF-8 (.csv); UTF-16 text needs its byte-order mark.")},
        FileCase{"NeitherUtf8NorShiftJis", QByteArray("\x81\x20\xA0\x80\x85\x40"), {}, {},
                 QStringLiteral("is neither UTF-8 nor Shift-JIS text, not a class list this tool reads: ") + kSaveAs},
        FileCase{"Empty", QByteArray(), {}, {}, QStringLiteral("is empty.")},
        FileCase{"ASheetOfAText", kText.toUtf8(), QStringLiteral("名簿"), {},
                 QStringLiteral("is a text file, which has no sheets; give --sheet only with an Excel workbook.")},
        FileCase{"AMissingSheet", listFile("6-1.xlsx"), QStringLiteral("6年2組"), {},
                 QStringLiteral("is an Excel workbook, but it has no sheet \"6年2組\"; its sheets are 6年1組, メモ.")},
        FileCase{"ADamagedWorkbook", zipOf({{QStringLiteral("xl/workbook.xml"), "<workbook><sheets><sheet name=\"a\""}}), {},
                 {}, QStringLiteral("is an Excel workbook, but its list of sheets (xl/workbook.xml) is damaged.")}),
    testname::ByName());

} // namespace
