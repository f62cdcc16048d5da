#include "listline.h"

#include "oadate.h"
#include "qtprinters.h"
#include "runlogrecord.h"
#include "runstats.h"
#include "testnames.h"

#include <gtest/gtest.h>

namespace {

struct FigureCase
{
    std::int64_t value;
    const char *runsToday;
    const char *pointsToday;
    const char *runsAll;
    const char *pointsAll;

    friend void PrintTo(const FigureCase &c, std::ostream *os)
    {
        using testprint::quoted;
        *os << c.value << " -> runs today " << quoted(c.runsToday) << ", points today " << quoted(c.pointsToday)
            << ", runs " << quoted(c.runsAll) << ", points " << quoted(c.pointsAll);
    }
};

class FigureTextTest : public ::testing::TestWithParam<FigureCase>
{
};

TEST_P(FigureTextTest, FixedWidthColumnsWithBlanksForZero)
{
    const FigureCase &c = GetParam();
    EXPECT_EQ(listline::runsTodayText(c.value), QString::fromUtf8(c.runsToday));
    EXPECT_EQ(listline::pointsTodayText(c.value), QString::fromUtf8(c.pointsToday));
    EXPECT_EQ(listline::runsAllText(c.value), QString::fromUtf8(c.runsAll));
    EXPECT_EQ(listline::pointsAllText(c.value), QString::fromUtf8(c.pointsAll));
}

// Values too wide for a column keep every digit and widen it.
INSTANTIATE_TEST_SUITE_P(
    Widths, FigureTextTest,
    ::testing::Values(FigureCase{0, "     ", "  　", "     　", "       "},
                      FigureCase{7, "  7回", "   7", "    7回", "      7"},
                      FigureCase{42, " 42回", "  42", "   42回", "     42"},
                      FigureCase{999, "999回", " 999", "  999回", "    999"},
                      FigureCase{1234, "1234回", "1234", " 1234回", "   1234"},
                      FigureCase{98765, "98765回", "98765", "98765回", "  98765"},
                      FigureCase{12345678, "12345678回", "12345678", "12345678回", "12345678"}),
    testname::from([](const FigureCase &c) { return testname::of("value", c.value); }));

const char *modeName(FigureMode mode)
{
    switch (mode) {
    case FigureMode::RunsTodayAndAll: return "RunsTodayAndAll";
    case FigureMode::PointsTodayAndAll: return "PointsTodayAndAll";
    case FigureMode::TodayPointsAndRuns: return "TodayPointsAndRuns";
    case FigureMode::AllPointsAndRuns: return "AllPointsAndRuns";
    }
    return "?";
}

struct LineCase
{
    const char *what;
    const char *label;
    const char *name;
    PupilFigures figures;
    FigureMode mode;
    const char *line;

    friend void PrintTo(const LineCase &c, std::ostream *os)
    {
        using testprint::quoted;
        *os << c.what << ": " << quoted(c.label) << " " << quoted(c.name) << ", runs today " << c.figures.runsToday
            << ", points today " << c.figures.pointsToday << ", runs " << c.figures.runsAll << ", points "
            << c.figures.pointsAll << ", " << modeName(c.mode) << " -> " << quoted(c.line);
    }
};

class LineTextTest : public ::testing::TestWithParam<LineCase>
{
};

TEST_P(LineTextTest, LabelNamePaddingAndFigures)
{
    const LineCase &c = GetParam();
    EXPECT_EQ(listline::lineText(QString::fromUtf8(c.label), QString::fromUtf8(c.name), c.figures, c.mode),
              QString::fromUtf8(c.line));
}

constexpr PupilFigures kSome{3, 42, 17, 812};
constexpr PupilFigures kNone{};

INSTANTIATE_TEST_SUITE_P(
    Modes, LineTextTest,
    ::testing::Values(
        LineCase{"figures_runs_today_and_all", "小4", "山田太郎", kSome, FigureMode::RunsTodayAndAll, "小4 山田太郎　　  3回/   17回"},
        LineCase{"figures_points_today_and_all", "小4", "山田太郎", kSome, FigureMode::PointsTodayAndAll, "小4 山田太郎　　  42/    812"},
        LineCase{"figures_today_points_and_runs", "小4", "山田太郎", kSome, FigureMode::TodayPointsAndRuns, "小4 山田太郎　　  42/  3回"},
        LineCase{"figures_all_points_and_runs", "小4", "山田太郎", kSome, FigureMode::AllPointsAndRuns, "小4 山田太郎　　    812/   17回"},
        // No runs at all: blanks in both columns.
        LineCase{"no_runs_runs_today_and_all", "中2", "佐藤花", kNone, FigureMode::RunsTodayAndAll, "中2 佐藤花　　　     /     　"},
        LineCase{"no_runs_points_today_and_all", "中2", "佐藤花", kNone, FigureMode::PointsTodayAndAll, "中2 佐藤花　　　  　/       "},
        LineCase{"no_runs_today_points_and_runs", "中2", "佐藤花", kNone, FigureMode::TodayPointsAndRuns, "中2 佐藤花　　　  　/     "},
        LineCase{"no_runs_all_points_and_runs", "中2", "佐藤花", kNone, FigureMode::AllPointsAndRuns, "中2 佐藤花　　　       /     　"},
        // A six-character name fills the width of 9 exactly; a longer one is not padded.
        LineCase{"six_character_name", "小4", "長谷川香奈子", kNone, FigureMode::PointsTodayAndAll, "小4 長谷川香奈子  　/       "},
        LineCase{"seven_character_name", "高3", "勅使河原由紀子", kNone, FigureMode::PointsTodayAndAll, "高3 勅使河原由紀子  　/       "},
        // Kindergarten labels are padded to 11.
        LineCase{"kindergarten_label", "幼3", "林", kNone, FigureMode::PointsTodayAndAll, "幼3 林　　　　　　　  　/       "},
        LineCase{"below_kindergarten_label", "幼-", "小林一茶", kNone, FigureMode::PointsTodayAndAll, "幼- 小林一茶　　　　  　/       "},
        LineCase{"beyond_school_label", "大+", "林", kNone, FigureMode::PointsTodayAndAll, "大+ 林　　　　　  　/       "}),
    testname::from([](const LineCase &c) { return std::string(c.what); }));

TEST(ModeCaptionTest, OptionButtonCaptions)
{
    EXPECT_EQ(listline::modeCaption(FigureMode::RunsTodayAndAll), QStringLiteral("回数(今日／今まで）"));
    EXPECT_EQ(listline::modeCaption(FigureMode::PointsTodayAndAll), QStringLiteral("ポイント（今日／今まで）"));
    EXPECT_EQ(listline::modeCaption(FigureMode::TodayPointsAndRuns), QStringLiteral("本日（ポイント／回数）"));
    EXPECT_EQ(listline::modeCaption(FigureMode::AllPointsAndRuns), QStringLiteral("今まで（ポイント／回数）"));
}

TEST(FiguresOfTest, SumsEveryLevelOfThePupil)
{
    std::array<LevelTiming, kLevelSlots> timing{};
    for (LevelTiming &t : timing)
        t = LevelTiming{100, 200, 30, 3, 1.0F, 5.0, 200.0, 7.0, 30.0};
    const QDate today(2026, 5, 12);
    const auto run = [&](QDate date, int pupil, int level, int time) {
        return RunRecord::forRun(oadate::fromDate(date), oadate::timeOfDay(QTime(10, 0)),
                                 static_cast<std::int16_t>(pupil), static_cast<std::int16_t>(level), time,
                                 QStringLiteral("01234"))
            .encode();
    };
    // Points at pass time 100 and weight 1: 50 s gives 11, 100 s gives 5, a time-out 0.
    const QByteArray log = run(today, 7, 2, 50) + run(today, 7, 35, 100) + run(today.addDays(-3), 7, 4, 50) +
                           run(today, 7, 6, 99999) + run(today, 8, 2, 50) + run(today, 7, 2, 6000);
    RunStats stats;
    ASSERT_FALSE(stats.countRecords(log, timing, QDateTime(today, QTime(12, 0))).has_value());
    // The 6000-second run adds points (10 × pass time or more scores 0) but is no attempt.
    EXPECT_EQ(listline::figuresOf(stats, 7), (PupilFigures{2, 16, 3, 27}));
    EXPECT_EQ(listline::figuresOf(stats, 8), (PupilFigures{1, 11, 1, 11}));
    EXPECT_EQ(listline::figuresOf(stats, 9), PupilFigures{});
}

} // namespace
