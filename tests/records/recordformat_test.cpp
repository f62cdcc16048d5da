#include "homerunrecord.h"
#include "oadate.h"
#include "runlogrecord.h"

#include "qtprinters.h"
#include "testnames.h"

#include <QByteArray>

#include <gtest/gtest.h>

namespace {

// 2000-01-01 is day 36526; 12:00:00 is half a day.
const QByteArray kDate2000 = QByteArray::fromHex("00000000c0d5e140");
const QByteArray kNoon = QByteArray::fromHex("000000000000e03f");

TEST(RunRecordFormat, EncodesEveryFieldInPlace)
{
    const RunRecord r = RunRecord::forRun(36526.0, 0.5, 1234, 18, 99999, QStringLiteral("01234"));
    const QByteArray expected = kDate2000 + kNoon
                                + QByteArray::fromHex("d204"         // pupil 1234
                                                      "1200"         // level 18
                                                      "9f860100"     // 99999
                                                      "3031323334"   // site code
                                                      "2020202020"   // spare1: spaces
                                                      "3020202020"   // points text "0"
                                                      "0000000000"); // spare2: never assigned
    ASSERT_EQ(expected.size(), RunRecord::kSize);
    EXPECT_EQ(r.encode().toHex(), expected.toHex());
    EXPECT_EQ(RunRecord::decode(expected), r);
}

TEST(RunRecordFormat, NegativeNumbersAndShortOrLongTextFields)
{
    RunRecord r;
    r.runDate = -1.0;
    r.pupilNo = -2;
    r.level = 300;
    r.resultTime = -70000;
    r.siteCode = QStringLiteral("12");
    r.pointsText = QStringLiteral("123456");
    const QByteArray bytes = r.encode();
    EXPECT_EQ(bytes.mid(0, 8).toHex(), "000000000000f0bf");
    EXPECT_EQ(bytes.mid(16, 8).toHex(), "feff2c0190eefeff");
    EXPECT_EQ(bytes.mid(24, 20).toHex(), "3132202020" "0000000000" "3132333435" "0000000000");

    const RunRecord back = RunRecord::decode(bytes);
    EXPECT_EQ(back.resultTime, -70000);
    EXPECT_EQ(back.level, 300);
    EXPECT_EQ(back.siteCode, QStringLiteral("12"));
    EXPECT_EQ(back.pointsText, QStringLiteral("12345"));
    EXPECT_FALSE(back.spare1.has_value());
}

TEST(RunRecordFormat, RowViewReadsTheNumericFields)
{
    const QByteArray bytes = RunRecord::forRun(45000.0, 0.25, 4999, 35, 6000, QString()).encode();
    const RunRow row = RunRecord::decodeRow(bytes.constData());
    EXPECT_EQ(row.date, 45000.0);
    EXPECT_EQ(row.clock, 0.25);
    EXPECT_EQ(row.pupil, 4999);
    EXPECT_EQ(row.level, 35);
    EXPECT_EQ(row.time, 6000);
}

TEST(HomeRunRecordFormat, EncodesEveryFieldInPlace)
{
    const HomeRunRecord r = HomeRunRecord::forRun(QStringLiteral("drill2"), 36526.0, 0.5, 4899, 2, 87,
                                                  QStringLiteral("01234"));
    const QByteArray expected = QByteArray::fromHex("6472696c6c325c" "20202020202020202020202020") // "drill2\"
                                + QByteArray::fromHex("0000")                                        // spareNo
                                + kDate2000 + kNoon
                                + QByteArray::fromHex("2313"       // pupil 4899
                                                      "0200"       // level 2
                                                      "57000000"   // 87 s
                                                      "3031323334" // site code
                                                      "000000000000000000000000000000");
    ASSERT_EQ(expected.size(), HomeRunRecord::kSize);
    EXPECT_EQ(r.encode().toHex(), expected.toHex());
    EXPECT_EQ(HomeRunRecord::decode(expected), r);
}

struct FolderCase
{
    const char *name;
    const char16_t *folder;
    const char *expectedHex; // the 20 bytes of programFolder

    friend void PrintTo(const FolderCase &c, std::ostream *os)
    {
        *os << c.name << ": folder " << testprint::quoted(c.folder) << " -> " << c.expectedHex;
    }
};

class ProgramFolderField : public testing::TestWithParam<FolderCase>
{
};

TEST_P(ProgramFolderField, IsTheFolderAndABackslashCutOnACharacterBoundary)
{
    const HomeRunRecord r = HomeRunRecord::forRun(QString::fromUtf16(GetParam().folder), 0, 0, 1, 2, 3, QString());
    EXPECT_EQ(r.encode().left(20).toHex(), QByteArray(GetParam().expectedHex));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProgramFolderField,
    testing::Values(
        // A single letter: "c\" and eighteen spaces.
        FolderCase{"single_letter", u"c", "635c202020202020202020202020202020202020"},
        // 19 bytes of name: the backslash is the twentieth.
        FolderCase{"name_of_19_bytes", u"aあいうえおかきくけ", "6182a082a282a482a682a882a982ab82ad82af5c"},
        // 20 bytes of name: no room for the backslash.
        FolderCase{"name_of_20_bytes", u"abあいうえおかきくけ", "616282a082a282a482a682a882a982ab82ad82af"},
        // A double-byte character across byte 20 is left out whole; a space fills its place.
        FolderCase{"double_byte_across_byte_20", u"aあいうえおかきくけこ",
                   "6182a082a282a482a682a882a982ab82ad82af20"}),
    testname::ByName());

struct DayCase
{
    QDate date;
    double days;

    friend void PrintTo(const DayCase &c, std::ostream *os)
    {
        *os << testing::PrintToString(c.date) << " is day " << c.days;
    }
};

class DayNumbers : public testing::TestWithParam<DayCase>
{
};

TEST_P(DayNumbers, CountFromTheEndOf1899)
{
    EXPECT_EQ(oadate::fromDate(GetParam().date), GetParam().days);
    EXPECT_EQ(oadate::toDate(GetParam().days), GetParam().date);
}

INSTANTIATE_TEST_SUITE_P(Cases, DayNumbers,
                         testing::Values(DayCase{QDate(1899, 12, 30), 0.0}, DayCase{QDate(1899, 12, 29), -1.0},
                                         DayCase{QDate(1900, 3, 1), 61.0}, DayCase{QDate(2000, 1, 1), 36526.0},
                                         DayCase{QDate(2024, 2, 29), 45351.0}),
                         testname::from([](const DayCase &c) {
                             return testname::of("date", c.date.year(), c.date.month(), c.date.day());
                         }));

TEST(DayNumbers, TimesOfDayAreWholeSecondsAndBadValuesConvertToNothing)
{
    EXPECT_EQ(oadate::timeOfDay(QTime(12, 0, 0, 999)), 0.5);
    EXPECT_EQ(oadate::toTime(0.75), QTime(18, 0));
    EXPECT_EQ(oadate::toTime(0.999999999), QTime(23, 59, 59));
    EXPECT_EQ(oadate::fromDateTime(QDateTime(QDate(2000, 1, 1), QTime(6, 0))), 36526.25);
    EXPECT_FALSE(oadate::toDate(std::numeric_limits<double>::quiet_NaN()).isValid());
    EXPECT_FALSE(oadate::toDate(1e300).isValid());
    EXPECT_FALSE(oadate::toTime(std::numeric_limits<double>::infinity()).isValid());
}

} // namespace
