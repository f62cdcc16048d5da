#include "listformat.h"

#include "oadate.h"

#include <gtest/gtest.h>

#include <cmath>

#include <vector>

namespace {

TEST(ListFormat, NameFieldIsFiveCharactersFilledWithFullWidthBlanks)
{
    const std::vector<std::pair<QString, QString>> table{
        {QStringLiteral("山田太郎            "), QStringLiteral("山田太郎　")},
        {QStringLiteral("高橋"), QStringLiteral("高橋　　　")},
        {QStringLiteral("田中美咲子ちゃん"), QStringLiteral("田中美咲子")},
        {QStringLiteral("山田　"), QStringLiteral("山田　　　")},
        {QStringLiteral("  林"), QStringLiteral("  林　　")},
        {QString(), QStringLiteral("　　　　　")},
    };
    for (const auto &[name, field] : table)
        EXPECT_EQ(listformat::nameField(name), field) << name.toStdString();
}

TEST(ListFormat, RankFieldIsTwoWideAndNeverCutsARank)
{
    const std::vector<std::pair<int, QString>> table{
        {1, QStringLiteral(" 1")}, {9, QStringLiteral(" 9")},    {12, QStringLiteral("12")},
        {99, QStringLiteral("99")}, {100, QStringLiteral("100")}, {1234, QStringLiteral("1234")},
    };
    for (const auto &[rank, field] : table)
        EXPECT_EQ(listformat::rankField(rank), field) << rank;
}

TEST(ListFormat, LeadMarkIsTheDotForTheCurrentPupilAndTheGradeMarkOtherwise)
{
    EXPECT_EQ(listformat::leadMark(7, 7, 3), QStringLiteral("●"));
    EXPECT_EQ(listformat::leadMark(8, 7, 3), QStringLiteral("③"));
    EXPECT_EQ(listformat::leadMark(8, 7, 12), QStringLiteral("　"));
}

TEST(ListFormat, RightAlignedPadsWithHalfWidthBlanksAndKeepsLongValues)
{
    EXPECT_EQ(listformat::rightAligned(qint64{95}, 6), QStringLiteral("    95"));
    EXPECT_EQ(listformat::rightAligned(QStringLiteral("95秒"), 5), QStringLiteral("  95秒"));
    EXPECT_EQ(listformat::rightAligned(qint64{123456}, 5), QStringLiteral("123456"));
}

TEST(ListFormat, ClockAndDateFields)
{
    EXPECT_EQ(listformat::clockField(oadate::timeOfDay(QTime(9, 5, 59))), QStringLiteral("09:05"));
    EXPECT_EQ(listformat::clockField(oadate::timeOfDay(QTime(23, 59, 59))), QStringLiteral("23:59"));
    EXPECT_EQ(listformat::dateField(oadate::fromDate(QDate(2024, 3, 8))), QStringLiteral("03/08"));
    EXPECT_EQ(listformat::dateField(oadate::fromDate(QDate(2023, 12, 25))), QStringLiteral("12/25"));
}

// The fields are written digit by digit; they must read exactly as Qt's hh:mm and MM/dd of the
// same time and day, including days and times that are none (an empty field).
TEST(ListFormat, ClockAndDateFieldsReadAsQtFormatsThem)
{
    for (int minute = 0; minute < 24 * 60; ++minute) {
        const double clock = oadate::timeOfDay(QTime(minute / 60, minute % 60, 30));
        EXPECT_EQ(listformat::clockField(clock), oadate::toTime(clock).toString(QStringLiteral("hh:mm"))) << minute;
    }
    for (const double clock : {-0.5, 0.0, 0.9999999, 1.0, 1.5, std::nan("")})
        EXPECT_EQ(listformat::clockField(clock), oadate::toTime(clock).toString(QStringLiteral("hh:mm"))) << clock;
    for (QDate day(1999, 12, 25); day < QDate(2001, 1, 5); day = day.addDays(1))
        EXPECT_EQ(listformat::dateField(oadate::fromDate(day)), day.toString(QStringLiteral("MM/dd"))) << day.toString().toStdString();
    for (const double date : {-1.0e12, -700000.0, 0.0, 0.5, 2958465.0, 1.0e12, std::nan("")})
        EXPECT_EQ(listformat::dateField(date), oadate::toDate(date).toString(QStringLiteral("MM/dd"))) << date;
}

} // namespace
